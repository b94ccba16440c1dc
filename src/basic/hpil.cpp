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
};

constexpr Listed listed_forms[] = {
    {assign_io, "ASSIGN IO"},       {off_io, "OFF IO"},         {restore_io, "RESTORE IO"},
    {list_io, "LIST IO"},           {on_intr, "ON INTR"},       {reset_hpil, "RESET HPIL"},
    {printer_is, "PRINTER IS"},     {display_is, "DISPLAY IS"}, {pass_control, "PASS CONTROL"},
    {enable_intr, "ENABLE INTR"},   {keyboard_is, "KEYBOARD IS"},
};

// Statements of one or two numbers, whose ; lists with a space after it
// and a ; right after the keyword lists nothing: ENABLE INTR 8; 2.
bool takes_masks(unsigned token) {
    return token == enable_intr || token == request || token == standby;
}

// SEND LISTEN 2,3 MTA DATA 65: each command is E2 and its word, and its
// arguments after F1, separated by F1.
void list_send(Decoder& decoder) {
    std::string& text = decoder.text();
    text += "SEND";
    while (!decoder.at_end() && decoder.peek() != comment) {
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
    comment_and_end(decoder);  // SEND UNL ! comment
}

}  // namespace

void list_hpil(Decoder& decoder, const Keyword& keyword) {
    if (keyword.lex == lex::hpil && keyword.token == send) {
        list_send(decoder);
        return;
    }
    const char* listed = keyword.name;
    for (const Listed& form : listed_forms) {
        if (form.token == keyword.token) {
            listed = form.text;
        }
    }
    if (keyword.token == off_io && decoder.peek() == external_keyword) {
        listed = keyword.name;  // OFF INTR: its word follows
    }
    std::string& text = decoder.text();
    text += listed;
    text += ' ';
    if (keyword.token == local && decoder.peek() == external_keyword) {
        decoder.byte();
        const unsigned lex = decoder.byte();
        const unsigned word = decoder.byte();
        const Keyword* row = decoder.find(lex, word);
        text += row && *row->name ? row->name : absent_keyword("XWORD", lex, word);
        text += ' ';  // LOCAL LOCKOUT: no device, or a number, follows
    }
    // "No device", or the first number of masks: lists nothing.
    if (decoder.peek() == separator || (takes_masks(keyword.token) && decoder.peek() == semicolon)) {
        decoder.byte();
    }
    Arguments arguments(decoder);
    arguments.hpil = true;
    arguments.semicolon_space = takes_masks(keyword.token);
    list_arguments(decoder, arguments);
}

}  // namespace velkord::basic
