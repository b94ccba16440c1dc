// Statements of few arguments: none, a keyword option, numbers, strings,
// and the text statements.
#include "basic/statement_forms.h"

namespace velkord::basic {
namespace {

// Numeric expressions back to back, the commas between them not stored.
bool numbers(Parser& parser, const Keyword& row, std::size_t fewest, std::size_t most) {
    put_keyword(parser, row);
    if (fewest == 0 && parser.at_statement_end()) {
        return true;
    }
    for (std::size_t count = 1;; ++count) {
        if (!parser.numeric_expression()) {
            return false;
        }
        if (count == most || !parser.take(',')) {
            return true;
        }
    }
}

// A LEX 01 word among `names`, put as EF 01 token; false when none.
bool builtin_word(Parser& parser, const char* const* names, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (parser.word(names[i])) {
            for (const Keyword& row : parser.keywords().rows()) {
                if (row.lex == lex::builtin && std::string_view(row.name) == names[i]) {
                    put_keyword(parser, row);
                    return true;
                }
            }
        }
    }
    return false;
}

// A keyword option that is not there (Missing Parm) or not one of them
// (Invalid Parm).
bool option_missing(Parser& parser) {
    return parser.fail(parser.at_statement_end() ? Refusal::missing_parm : Refusal::invalid_parm);
}

}  // namespace

bool no_arguments(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    return true;
}

bool keyboard_only(Parser& parser, const Keyword&) {
    return parser.fail(Refusal::illegal_context);
}

bool one_number(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    return parser.numeric_expression();
}

bool optional_number(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    return parser.at_statement_end() || parser.numeric_expression();
}

bool numbers_1_to_2(Parser& parser, const Keyword& row) { return numbers(parser, row, 1, 2); }
bool numbers_any(Parser& parser, const Keyword& row) { return numbers(parser, row, 0, SIZE_MAX); }
// CFLAG and SFLAG: flags, or ALL.
bool numbers_1_or_more(Parser& parser, const Keyword& row) {
    const Parser::Mark start = parser.mark();
    put_keyword(parser, row);
    if (word_token(parser, "ALL", token::all)) {
        return true;
    }
    parser.back(start);
    return numbers(parser, row, 1, SIZE_MAX);
}

// LR x,y[,V[,V]]: two numbers back to back, then the variables after F1.
bool lr_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (!parser.numeric_expression()) {
        return false;
    }
    if (!parser.take(',')) {
        return parser.fail(Refusal::missing_parm);
    }
    if (!parser.numeric_expression()) {
        return false;
    }
    for (int i = 0; i < 2 && parser.take(','); ++i) {
        parser.put_byte(token::separator);
        Type type = Type::numeric;
        if (!parser.assignment_target(type) || type != Type::numeric) {
            return parser.fail(Refusal::invalid_var);
        }
    }
    return true;
}

bool one_string(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    return parser.string_expression();
}

bool optional_string(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    return parser.at_statement_end() || parser.string_expression();
}

bool string_or_number(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    Type type = Type::numeric;
    return parser.expression(type);
}

// POKE address$,data$.
bool poke_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (!parser.string_expression()) {
        return false;
    }
    if (!parser.take(',')) {
        return parser.fail(Refusal::syntax);
    }
    parser.put_byte(token::separator);
    return parser.string_expression();
}

// ESCAPE and MAPKBD: a string and a number.
bool string_then_number(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (!parser.string_expression()) {
        return false;
    }
    if (parser.peek() == ';') {
        return parser.fail(Refusal::invalid_parm);
    }
    if (!parser.take(',')) {
        return parser.fail(Refusal::missing_parm);
    }
    parser.put_byte(token::separator);
    return parser.numeric_expression();
}

// DEF KEY (or KEY) key$[,definition$][;|:], stored as KEY.
bool def_key(Parser& parser, const Keyword&) {
    parser.put_byte(token::key);
    if (!parser.string_expression()) {
        return false;
    }
    if (parser.take(',')) {
        parser.put_byte(token::separator);
        if (!parser.string_expression()) {
            return false;
        }
        if (parser.take(';')) {
            parser.put_byte(token::key_typing_aid);
        } else if (parser.take(':')) {
            parser.put_byte(token::key_direct);
        }
    }
    return true;
}

bool user_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    on_or_off(parser);
    return true;
}

// LC [ON|OFF].
bool on_off_option(Parser& parser, const Keyword& row) { return user_statement(parser, row); }

bool beep_statement(Parser& parser, const Keyword& row) {
    const Parser::Mark start = parser.mark();
    put_keyword(parser, row);
    if (on_or_off(parser)) {
        return true;
    }
    parser.back(start);
    return numbers(parser, row, 0, 2);
}

// TRACE FLOW, TRACE VARS, TRACE OFF.
bool trace_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    static const char* const words[] = {"FLOW", "VARS"};
    if (builtin_word(parser, words, 2)) {
        return true;
    }
    return word_token(parser, "OFF", token::off) || parser.fail(Refusal::syntax);
}

// DEFAULT ON, OFF or EXTEND.
bool default_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    static const char* const words[] = {"EXTEND"};
    return on_or_off(parser) || builtin_word(parser, words, 1) || option_missing(parser);
}

// OPTION BASE n, OPTION ANGLE DEGREES|RADIANS, OPTION ROUND NEAR|NEG|POS|ZERO.
bool option_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (parser.word("BASE")) {
        parser.put_byte(token::base);
        return parser.numeric_expression();
    }
    if (parser.word("ANGLE")) {
        // The function token, without a count nibble.
        parser.put_external(token::external_function, lex::builtin, token::builtin::angle);
        return word_token(parser, "DEGREES", token::degrees) ||
               word_token(parser, "RADIANS", token::radians) || option_missing(parser);
    }
    if (parser.word("ROUND")) {
        parser.put_external(token::external_keyword, lex::builtin, token::builtin::round);
        static const char* const words[] = {"NEAR", "NEG", "ZERO"};
        if (builtin_word(parser, words, 3)) {
            return true;
        }
        if (parser.word("POS")) {
            parser.put_external(token::external_function, lex::builtin, token::builtin::pos);
            return true;
        }
        return option_missing(parser);
    }
    return option_missing(parser);
}

// END, END ALL.
bool end_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    word_token(parser, "ALL", token::all);
    return true;
}

// LEX 01's RESET, RESET CLOCK.
bool reset_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (parser.word("CLOCK")) {
        parser.put_external(token::external_keyword, lex::builtin, token::builtin::clock);
    }
    return true;
}

// REM, IMAGE: the rest of the line as typed.
bool text_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    return statement_text(parser);
}

// DATA: the rest of the line, each item without the blanks around it.
bool data_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (parser.rest().find('\r') != std::string_view::npos) {
        return parser.fail(Refusal::syntax);  // it would end the text where it stands
    }
    for (;;) {
        parser.blanks();
        std::size_t end = parser.at();
        std::size_t last = end;  // after the last character that is no blank
        while (parser.raw_at(end) != '\0' && parser.raw_at(end) != ',') {
            const char c = parser.raw_at(end);
            if (c == '"' || c == '\'') {
                std::size_t close = end + 1;
                while (parser.raw_at(close) != c && parser.raw_at(close) != '\0') {
                    ++close;
                }
                if (parser.raw_at(close) != c) {
                    return parser.fail(Refusal::quote);
                }
                end = close;
            }
            ++end;
            if (parser.raw_at(end - 1) != ' ') {
                last = end;
            }
        }
        for (std::size_t i = parser.at(); i < last; ++i) {
            parser.put_byte(static_cast<unsigned char>(parser.raw_at(i)));
        }
        parser.move_to(end);
        if (parser.raw() != ',') {
            break;
        }
        parser.put_byte(',');
        parser.step();
    }
    parser.put_byte(token::text_end);
    return true;
}

}  // namespace velkord::basic
