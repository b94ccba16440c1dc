// The HP-IL module's statements and the KEYBOARD LEX's. Their devices are
// typed with or without a colon; their own errors are the module's.
// Where a statement shares its first word with a mainframe one (RESTORE
// IO, LIST IO, OFF IO, ON INTR, RESET HPIL, ASSIGN IO) and its second word
// is not typed, it gives way without a word.
#include "basic/statement_forms.h"

namespace velkord::basic {
namespace {

using namespace token::hpil;

// The HP-IL commands SEND takes.
constexpr const char* send_words[] = {"UNL", "UNT", "IFC", "GTL", "SDC", "MTA", "MLA",
                                      "LISTEN", "TALK", "DATA", "CMD", "DDL", "DDT", "IDY",
                                      "SAD", "END", "RDY", "LPD"};

// Fails without a reason: the next keyword of the name is tried.
bool give_way(Parser&) { return false; }

bool string_device(Parser& parser) {
    const char c = parser.peek();
    if (c == '"' || c == '\'') {
        return true;
    }
    std::size_t at = parser.at();
    if (!is_letter(parser.raw_at(at))) {
        return false;
    }
    ++at;
    if (is_digit(parser.raw_at(at))) {
        ++at;
    }
    return parser.raw_at(at) == '$';
}

// A device: a string, *, or [:]device [:expression].
bool device(Parser& parser, bool star_allowed) {
    if (string_device(parser)) {
        return parser.string_expression();
    }
    const char c = parser.peek();
    if (c == '*') {
        if (!star_allowed) {
            return parser.fail(Refusal::hpil_syntax);
        }
        parser.step();
        parser.put_byte(token::device);
        parser.put_byte(all_devices);
        return true;
    }
    if (parser.at_statement_end()) {
        return parser.fail(Refusal::hpil_missing_parm);
    }
    parser.take(':');
    if (parser.peek() == ',' || parser.peek() == ';' || parser.peek() == '#') {
        return parser.fail(Refusal::hpil_syntax);
    }
    if (!hpil_device(parser)) {
        return false;
    }
    if (parser.take(':')) {
        const Parser::Mark start = parser.mark();
        if (parser.word("PORT") || parser.word("MAIN") || parser.word("CARD")) {
            parser.back(start);
            return parser.fail(Refusal::hpil_syntax);  // a mainframe device
        }
        parser.put_byte(token::semicolon);
        return parser.numeric_expression();
    }
    return true;
}

// A numeric expression whose faults are the module's Invalid Expr.
bool hpil_number(Parser& parser) { return parser.numeric_expression_or(Refusal::hpil_invalid_expr); }

// RESET HPIL [n], LOCAL LOCKOUT [n]: F1 when there is none; what is no
// number is left, and so too much.
bool optional_hpil_number(Parser& parser) {
    if (parser.at_statement_end()) {
        parser.put_byte(token::separator);
        return true;
    }
    return parser.numeric_expression_or(Refusal::excess_chars);
}

// No device: F1.
bool optional_device(Parser& parser) {
    if (parser.at_statement_end()) {
        parser.put_byte(token::separator);
        return true;
    }
    return device(parser, false);
}

// ENABLE INTR and REQUEST: F1 e, or F2 e1 F2 F1 e2 for e1;e2.
bool mask_numbers(Parser& parser) {
    const std::size_t first_at = parser.out().size();
    parser.put_byte(token::separator);
    if (!hpil_number(parser)) {
        return false;
    }
    if (parser.take(';')) {
        parser.put_byte_at(first_at, token::semicolon);
        parser.put_byte(token::semicolon);
        parser.put_byte(token::separator);
        return hpil_number(parser);
    }
    return true;
}

// STANDBY ON|OFF|e1[,e2]|e1;e2.
bool standby_arguments(Parser& parser) {
    if (on_or_off(parser)) {
        return true;
    }
    const std::size_t first_at = parser.out().size();
    if (!hpil_number(parser)) {
        return false;
    }
    if (parser.take(',')) {
        parser.put_byte(token::separator);
        return hpil_number(parser);
    }
    if (parser.take(';')) {
        parser.out().insert(parser.out().begin() + static_cast<std::ptrdiff_t>(first_at),
                            {token::semicolon & 0xF, token::semicolon >> 4});
        parser.put_byte(token::semicolon);
        if (!hpil_number(parser)) {
            return false;
        }
        if (parser.take(',')) {
            parser.put_byte(token::separator);
            return hpil_number(parser);
        }
    }
    return true;
}

// OUTPUT and ENTER: device, F4, then ;list or USING format;list.
bool output_or_enter(Parser& parser, bool enter) {
    if (!device(parser, false)) {
        return false;
    }
    parser.put_byte(token::then);
    if (parser.at_statement_end()) {
        return true;
    }
    if (parser.word("USING") && !using_format(parser)) {
        return false;
    }
    if (!parser.take(';')) {
        return parser.at_statement_end() || parser.fail(Refusal::excess_chars);
    }
    parser.put_byte(token::semicolon);
    if (!enter) {
        return print_list_items(parser);
    }
    bool first = true;
    do {
        if (!first) {
            parser.put_byte(token::separator);
        }
        first = false;
        Type type = Type::numeric;
        if (!parser.assignment_target(type)) {
            return parser.fail(Refusal::invalid_var);
        }
    } while (parser.take(','));
    return true;
}

// The command word of SEND typed here, taken; null when none.
const char* send_word(Parser& parser) {
    for (const char* word : send_words) {
        const Parser::Mark start = parser.mark();
        if (parser.word(word) && !is_letter(parser.raw())) {
            return word;
        }
        parser.back(start);
    }
    return nullptr;
}

// SEND: each command word after E2, its arguments after F1.
bool send_commands(Parser& parser) {
    while (!parser.at_statement_end()) {
        const char* word = send_word(parser);
        if (!word) {
            return parser.fail(Refusal::excess_chars);
        }
        parser.put_byte(token::device);
        for (const char* c = word; *c; ++c) {
            parser.put_byte(static_cast<unsigned char>(*c));
        }
        const Parser::Mark after = parser.mark();
        const bool another_word = send_word(parser) != nullptr;
        parser.back(after);
        const bool data = std::string_view(word) == "DATA";
        if (!another_word && std::string_view(word) != "LPD" && parser.expression_starts()) {
            do {
                parser.put_byte(token::separator);
                Type type = Type::numeric;
                if (!(data ? parser.expression(type) : parser.numeric_expression())) {
                    return false;
                }
            } while (parser.take(','));
        }
    }
    return true;
}

// INITIALIZE [volume]device[,n] | string[,n].
bool initialize_arguments(Parser& parser) {
    if (parser.at_statement_end()) {
        return parser.fail(Refusal::hpil_missing_parm);
    }
    if (string_device(parser)) {
        if (!parser.string_expression()) {
            return false;
        }
    } else {
        parser.put_byte(token::unquoted_name);
        while (is_letter(parser.peek()) || is_digit(parser.raw())) {
            parser.put_byte(static_cast<unsigned char>(upper_case(parser.raw())));
            parser.step();
        }
        if (!parser.take(':')) {
            return parser.fail(Refusal::hpil_missing_parm);
        }
        if (!hpil_device(parser)) {
            return false;
        }
    }
    if (parser.take(',')) {
        parser.put_byte(token::separator);
        return hpil_number(parser);
    }
    return true;
}

const Keyword* hpil_row(Parser& parser, unsigned token) {
    return parser.keywords().find(lex::hpil, token);
}

}  // namespace

bool hpil_statement(Parser& parser, const Keyword& row) {
    const unsigned token = row.token;
    switch (token) {
        case restore_io:
        case list_io:
        case off_io:
        case assign_io:
            if (token == off_io && parser.word("INTR")) {
                put_keyword(parser, row);
                put_keyword(parser, *hpil_row(parser, intr));
                return true;
            }
            if (!parser.word("IO")) {
                return give_way(parser);
            }
            put_keyword(parser, row);
            if (token == restore_io) {
                return parser.at_statement_end() || hpil_number(parser);
            }
            if (token == assign_io) {
                if (parser.take('*')) {
                    parser.put_byte(token::device);
                    parser.put_byte(all_devices);
                    return true;
                }
                return (string_device(parser) && parser.string_expression()) ||
                       parser.fail(Refusal::hpil_invalid_parm);
            }
            return true;
        case on_intr:
            if (!parser.word("INTR")) {
                return give_way(parser);
            }
            put_keyword(parser, row);
            if (parser.word("GOTO") || parser.word("GO TO")) {
                parser.put_byte(token::go_to);
            } else if (parser.word("GOSUB") || parser.word("GO SUB")) {
                parser.put_byte(token::gosub);
            } else {
                return parser.fail(Refusal::syntax);
            }
            return line_or_label(parser);
        case reset_hpil:
            if (!parser.word("HPIL")) {
                return give_way(parser);
            }
            put_keyword(parser, row);
            return optional_hpil_number(parser);
        case reset_escape:
            if (!parser.word("ESCAPE")) {
                return give_way(parser);
            }
            put_keyword(parser, row);
            put_keyword(parser, *hpil_row(parser, escape));
            return true;
        case printer_is:
        case display_is:
        case keyboard_is:
            if (!parser.word("IS")) {
                return parser.fail(Refusal::hpil_syntax);
            }
            put_keyword(parser, row);
            return device(parser, true);
        case pass_control:
            if (!parser.word("CONTROL")) {
                return parser.fail(Refusal::hpil_syntax);
            }
            put_keyword(parser, row);
            return optional_device(parser);
        case enable_intr:
            if (!parser.word("INTR")) {
                return parser.fail(Refusal::hpil_syntax);
            }
            put_keyword(parser, row);
            return mask_numbers(parser);
        case request:
            put_keyword(parser, row);
            return mask_numbers(parser);
        case local:
            put_keyword(parser, row);
            if (parser.word("LOCKOUT")) {
                put_keyword(parser, *hpil_row(parser, lockout));
                return optional_hpil_number(parser);
            }
            return optional_device(parser);
        case clear:
        case remote:
        case trigger:
            put_keyword(parser, row);
            return optional_device(parser);
        case pack:
        case packdir:
            put_keyword(parser, row);
            return device(parser, false);
        case output:
        case enter:
            put_keyword(parser, row);
            return output_or_enter(parser, token == enter);
        case send:
            put_keyword(parser, row);
            return send_commands(parser);
        case standby:
            put_keyword(parser, row);
            return standby_arguments(parser);
        case control:
            put_keyword(parser, row);
            if (!on_or_off(parser)) {
                return parser.fail(Refusal::excess_chars);
            }
            if (!parser.at_statement_end() && parser.peek() != '"' && parser.peek() != '\'') {
                return parser.numeric_expression();  // stored, though it means nothing
            }
            return true;
        case initialize:
            put_keyword(parser, row);
            return initialize_arguments(parser);
        case escape:
        case mapkbd:
            return string_then_number(parser, row);
        default:
            return parser.fail(Refusal::excess_chars);
    }
}

}  // namespace velkord::basic
