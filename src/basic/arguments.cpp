// The argument engine: most statements are a keyword followed by
// expressions, separators and secondary keywords, listed left to right.
// Consecutive expressions of a list have no separator between them: their
// commas appear when the stack is flushed.
#include "basic/decoder.h"
#include "basic/numbers.h"

namespace velkord::basic {
namespace {

using namespace token;
using token::hpil::accessory;
using token::hpil::all_devices;

// Between words, where the statement has begun and has no space yet.
void space_before(Arguments& arguments) {
    std::string& text = arguments.text;
    if (text.size() > arguments.statement_start && text.back() != ' ') {
        text += ' ';
    }
}

// The items so far into the text, a pending # before the first of them.
void flush(Arguments& arguments) {
    if (arguments.stack.size() > 0) {
        arguments.stack.flush(arguments.hash_next ? "#" : "");
        arguments.hash_next = false;
    }
}

// Appends a keyword inside a statement, with a space before and after it.
void keyword(Arguments& arguments, std::string_view name) {
    flush(arguments);
    if (!name.empty()) {
        space_before(arguments);
        arguments.text += name;
        arguments.text += ' ';
    }
}

// An HP-IL device after E2: *, :%accessory, :NAME or :expression, with a
// sequence number in parentheses where a second E2 follows.
void hpil_device(Decoder& decoder, Arguments& arguments) {
    std::string& text = arguments.text;
    arguments.stack.push();
    const unsigned next = decoder.peek();
    if (next == all_devices) {
        decoder.byte();
        text += '*';
    } else if (next == accessory) {
        decoder.byte();
        text += ":%";
        single_expression(decoder);
    } else if (next == unquoted_name) {
        decoder.byte();
        text += ':';
        bare_name(decoder);
    } else {
        text += ':';
        single_expression(decoder);
    }
    if (decoder.peek() == device) {
        decoder.byte();
        text += '(';
        single_expression(decoder);
        text += ')';
    }
    attach_device(arguments.stack);
    arguments.device_before = true;
}

// EF inside a statement: a LEX file's secondary keyword (INTO TEXT, TO...).
void external_word(Decoder& decoder, Arguments& arguments) {
    const unsigned lex = decoder.byte();
    const unsigned token = decoder.byte();
    const Keyword* row = decoder.find(lex, token);
    if (!row || !*row->name) {
        keyword(arguments, absent_keyword("XWORD", lex, token));
        return;
    }
    keyword(arguments, row->name);
    if (row->flags & flag_file_type) {
        file_type_name(decoder);
        arguments.text += ' ';
    }
    if (row->flags & flag_hash) {
        arguments.hash_next = true;
    }
}

// B3 inside OPTION: a keyword (ANGLE), stored without a count nibble.
void option_word(Decoder& decoder, Arguments& arguments) {
    const unsigned lex = decoder.byte();
    const unsigned token = decoder.byte();
    const Keyword* row = decoder.find(lex, token);
    if (row && *row->name) {
        keyword(arguments, row->name);
    } else {
        keyword(arguments, absent_keyword("XWORD", lex, token));
    }
}

void one_byte_keyword(Decoder& decoder, Arguments& arguments, unsigned token) {
    const Keyword* row = decoder.find(lex::mainframe, token);
    if (!row || (row->kind != Kind::statement && row->kind != Kind::keyboard &&
                 row->kind != Kind::word)) {
        decoder.fail();  // no meaning here
        return;
    }
    keyword(arguments, row->name);
    if (row->flags & flag_hash) {
        arguments.hash_next = true;  // ON TIMER #1
    }
}

}  // namespace

void comment_text(Decoder& decoder) {
    std::string& text = decoder.text();
    for (;;) {
        if (decoder.peek() == Decoder::none) {
            decoder.fail();  // no 0D before the statement ends
            return;
        }
        const unsigned character = decoder.byte();
        if (character == '\r') {
            return;
        }
        text += static_cast<char>(character);
    }
}

// A comment that may end a statement of its own layout, and nothing after it.
void comment_and_end(Decoder& decoder) {
    if (decoder.at_end()) {
        return;
    }
    if (decoder.byte() != token::comment) {
        decoder.fail();
        return;
    }
    decoder.text() += " ! ";
    comment_text(decoder);
    decoder.trim();
    if (!decoder.at_end()) {
        decoder.fail();
    }
}

void file_type_name(Decoder& decoder) {
    // 16 bits, least significant nibble first.
    const unsigned value = decoder.number(4);
    for (const std::uint16_t type : file_types) {
        if (type == value) {
            decoder.text() += lif_type_name(type);
            return;
        }
    }
    decoder.fail();
}

void list_arguments(Decoder& decoder, Arguments& arguments) {
    std::string& text = arguments.text;
    while (!decoder.at_end()) {
        const unsigned token = decoder.peek();
        if (token == Decoder::none) {
            decoder.fail();  // a nibble left over
            break;
        }
        if (!(arguments.option && token == external_function) && decoder.keywords().is_expression_token(token)) {
            expression_token(decoder, arguments.stack);
            arguments.last_token = 0;
            continue;
        }
        decoder.byte();
        arguments.last_token = token;
        const bool device_before = arguments.device_before;
        arguments.device_before = false;
        switch (token) {
            case marker:  // before a prompt in INPUT
                break;
            case separator:
                flush(arguments);
                if (arguments.line_numbers) {
                    if (text.back() != ' ') {
                        text += ',';  // LIST X,10,20
                    }
                    append_integer(text, decoder.digits(field::line_number));
                    break;
                }
                text += arguments.equals_next ? '=' : ',';
                arguments.equals_next = false;
                break;
            case semicolon:
                flush(arguments);
                if (device_before) {
                    text += ':';  // LOCAL :LOCKOUT:2, PRINTER IS :2:3
                } else if (arguments.semicolon_space) {
                    if (decoder.peek() == separator) {
                        decoder.byte();
                    }
                    text += "; ";  // ENABLE INTR 8; 2
                } else {
                    text += ';';
                }
                break;
            case key_typing_aid:
                flush(arguments);
                text += ';';
                break;
            case key_direct:
                flush(arguments);
                text += ':';  // DEF KEY "A","X":
                break;
            case hash:
                flush(arguments);
                text += '#';
                break;
            case tab:
                flush(arguments);
                text += "TAB(";
                single_expression(decoder);
                text += ')';
                break;
            case comment:
                flush(arguments);
                space_before(arguments);
                text += "! ";
                comment_text(decoder);
                break;
            case external_keyword:
                external_word(decoder, arguments);
                break;
            case external_function:
                option_word(decoder, arguments);
                break;
            case device:
                hpil_device(decoder, arguments);  // USER only starts a statement
                break;
            case then:
                if (arguments.hpil) {
                    flush(arguments);
                    text += ' ';  // OUTPUT :2 ;A
                } else {
                    one_byte_keyword(decoder, arguments, token);
                }
                break;
            default:
                one_byte_keyword(decoder, arguments, token);
                break;
        }
    }
    flush(arguments);
    decoder.trim();
}

}  // namespace velkord::basic
