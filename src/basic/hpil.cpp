// Statements of the HP-IL module and of the KEYBOARD LEX. Several are
// listed with a fixed second word (PRINTER IS); inside their arguments E2
// starts a device (:2, :TAPE, *) and F4 lists a space.
#include "basic/decoder.h"

namespace velkord::basic {
namespace {

using namespace token;
using namespace token::hpil;

struct Listed {
    unsigned char token;
    const char* text;
    const char* without_device;  // for an F1 right after the keyword
};

constexpr Listed listed_forms[] = {
    {assign_io, "ASSIGN IO", ""},
    {off_io, "OFF IO", ""},
    {restore_io, "RESTORE IO", ""},
    {list_io, "LIST IO", ""},
    {on_intr, "ON INTR", ""},
    {reset_hpil, "RESET", "HPIL"},
    {printer_is, "PRINTER IS", ""},
    {display_is, "DISPLAY IS", ""},
    {pass_control, "PASS CONTROL", ""},
    {enable_intr, "ENABLE INTR", ""},
    {keyboard_is, "KEYBOARD IS", ""},
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
    if (keyword.lex == lex::hpil && keyword.token == send) {
        list_send(decoder);
        return;
    }
    const char* listed = keyword.name;
    const char* without_device = "";
    for (const Listed& form : listed_forms) {
        if (keyword.lex == lex::hpil && form.token == keyword.token) {
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
