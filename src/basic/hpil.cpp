// Statements of the HP-IL module and of the KEYBOARD LEX. Several are
// listed with a fixed second word (PRINTER IS); inside their arguments E2
// starts a device (:2, :TAPE, *) and F4 lists a space.
#include "basic/decoder.h"

namespace velkord::basic {
namespace {

constexpr unsigned send = 0x16;
constexpr unsigned off_io = 0x10, local = 0x1D, enable_intr = 0x21;
constexpr unsigned external_keyword = 0xEF;
constexpr unsigned device = 0xE2;
constexpr unsigned separator = 0xF1, semicolon = 0xF2;
constexpr unsigned first_letter = 0x41, last_letter = 0x5A;

struct Listed {
    unsigned char token;
    const char* text;
    const char* without_device;  // for an F1 right after the keyword
};

constexpr Listed listed_forms[] = {
    {0x0F, "ASSIGN IO", ""},
    {0x10, "OFF IO", ""},
    {0x11, "RESTORE IO", ""},
    {0x12, "LIST IO", ""},
    {0x15, "ON INTR", ""},
    {0x17, "RESET", "HPIL"},
    {0x18, "PRINTER IS", ""},
    {0x19, "DISPLAY IS", ""},
    {0x20, "PASS CONTROL", ""},
    {0x21, "ENABLE INTR", ""},
    {0x27, "KEYBOARD IS", ""},
};

// SEND LISTEN 2,3 MTA DATA 65: each command is E2 and its word, and its
// arguments after F1, separated by F1.
void list_send(Decoder& decoder) {
    std::string& text = decoder.text();
    text += "SEND";
    while (!decoder.at_end()) {
        if (decoder.byte() != device) {
            decoder.fail();
            return;
        }
        text += ' ';
        const std::size_t word = text.size();
        while (decoder.peek() >= first_letter && decoder.peek() <= last_letter) {
            text += static_cast<char>(decoder.byte());
        }
        if (text.size() == word) {
            decoder.fail();
            return;
        }
        if (decoder.peek() == separator) {
            decoder.byte();
            text += ' ';
            single_expression(decoder);
            while (decoder.peek() == separator) {
                decoder.byte();
                text += ',';
                single_expression(decoder);
            }
        }
    }
}

}  // namespace

void list_hpil(Decoder& decoder, const Keyword& keyword) {
    if (keyword.lex == 0xFF && keyword.token == send) {
        list_send(decoder);
        return;
    }
    const char* listed = keyword.name;
    const char* without_device = "";
    for (const Listed& form : listed_forms) {
        if (keyword.lex == 0xFF && form.token == keyword.token) {
            listed = form.text;
            without_device = form.without_device;
        }
    }
    if (keyword.token == off_io && decoder.peek() == external_keyword) {
        listed = keyword.name;  // OFF INTR: its word follows
    }
    std::string& text = decoder.text();
    text += listed;
    text += ' ';
    if (decoder.peek() == separator ||
        (keyword.token == enable_intr && decoder.peek() == semicolon)) {
        decoder.byte();
        text += without_device;
    }
    Arguments arguments(decoder);
    arguments.hpil = true;
    arguments.colon_after_device = keyword.token == local;
    arguments.semicolon_space = keyword.token == enable_intr;
    list_arguments(decoder, arguments);
}

}  // namespace velkord::basic
