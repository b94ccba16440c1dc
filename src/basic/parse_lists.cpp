// Statements of lists: what DISP and PRINT show, what INPUT and READ
// fill, assignments and FOR, declarations.
#include "basic/statement_forms.h"

namespace velkord::basic {
namespace {

// , and ; of a list, stored F1 and F2; false, nothing read, otherwise.
bool list_separator(Parser& parser) {
    if (parser.take(',')) {
        parser.put_byte(token::separator);
        return true;
    }
    if (parser.take(';')) {
        parser.put_byte(token::semicolon);
        return true;
    }
    return false;
}

// The items of a print list, each an expression or TAB(n), with any
// separators before, between and after them.
bool print_items(Parser& parser) {
    bool item_before = false;
    while (!parser.at_statement_end()) {
        if (list_separator(parser)) {
            item_before = false;
            continue;
        }
        if (item_before) {
            return true;  // two items without a separator: the end
        }
        if (parser.word("TAB")) {
            parser.put_byte(token::tab);
            if (!parser.take('(') || !parser.numeric_expression() || !parser.take(')')) {
                return parser.fail(Refusal::invalid_expr);
            }
        } else {
            Type type = Type::numeric;
            if (!parser.expression(type)) {
                return false;
            }
        }
        item_before = true;
    }
    return true;
}

// USING and its format, then ; and the items.
bool using_list(Parser& parser) {
    if (!using_format(parser)) {
        return false;
    }
    if (parser.take(';')) {
        parser.put_byte(token::semicolon);
        return print_items(parser);
    }
    return true;
}

// Variables separated by commas, each one that can be assigned to.
bool variables(Parser& parser, bool whole_arrays) {
    do {
        Type type = Type::numeric;
        if (whole_arrays && parser.whole_array()) {
            continue;
        }
        if (!parser.assignment_target(type)) {
            return parser.fail(Refusal::invalid_var);
        }
    } while (list_comma(parser));
    return true;
}

// A prompt and default of INPUT and LINPUT: 00, the strings, ;.
bool prompt(Parser& parser) {
    const char c = parser.peek();
    if (c != '"' && c != '\'') {
        return true;
    }
    parser.put_byte(token::marker);
    if (!parser.string_expression()) {
        return false;
    }
    if (parser.take(',') && !parser.string_expression()) {
        return false;
    }
    if (!parser.take(';')) {
        return parser.fail(Refusal::syntax);
    }
    parser.put_byte(token::semicolon);
    return true;
}

// One declared item: a name, its bounds in parentheses, a string's
// length in brackets.
bool declared_item(Parser& parser, bool strings_allowed) {
    char letter = 0, digit = 0;
    bool string = false;
    if (!parser.name_parts(letter, digit, string)) {
        return parser.fail(Refusal::invalid_var);
    }
    if (string && !strings_allowed) {
        return parser.fail(Refusal::invalid_var);
    }
    const bool bounds = parser.peek() == '(';
    if (bounds) {
        parser.put_byte(token::element);
    }
    parser.put_variable(letter, digit, string);
    std::size_t count = 0;
    if (bounds) {
        parser.step();
        if (!parser.indexes(')', Refusal::parenthesis, count)) {
            return false;
        }
    }
    if (parser.peek() == '[') {
        if (!string) {
            return parser.fail(Refusal::excess_chars);
        }
        parser.step();
        parser.put_byte(token::semicolon);
        if (!parser.numeric_expression()) {
            return false;
        }
        if (!parser.take(']')) {
            return parser.fail(Refusal::syntax);
        }
    }
    return true;
}

}  // namespace

// A string, a line number, a quoted label (kept as the string it is).
bool using_format(Parser& parser) {
    parser.put_byte(token::using_format);
    if (parser.at_statement_end()) {
        return parser.fail(Refusal::missing_parm);
    }
    if (is_digit(parser.peek())) {
        return parser.line_reference();
    }
    const Parser::Mark start = parser.mark();
    Type type = Type::numeric;
    if (!parser.expression(type) || type != Type::string) {
        parser.back(start);
        return parser.fail(Refusal::invalid_parm);
    }
    return true;
}

// #channel[,record] of PRINT and READ, after the #.
bool channel(Parser& parser, bool& record) {
    parser.put_byte(token::hash);
    if (!parser.numeric_expression()) {
        return false;
    }
    record = parser.take(',');
    if (record) {
        parser.put_byte(token::separator);
        return parser.numeric_expression();
    }
    return true;
}

bool print_list_items(Parser& parser) { return print_items(parser); }

bool list_comma(Parser& parser) {
    if (!parser.take(',')) {
        return false;
    }
    parser.put_byte(token::separator);
    return true;
}

bool print_list(Parser& parser) {
    if (parser.word("USING")) {
        return using_list(parser);
    }
    return print_items(parser);
}

bool disp_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    return print_list(parser);
}

// PRINT, and PRINT #channel[,record][;items].
bool print_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (!parser.take('#')) {
        return print_list(parser);
    }
    bool record = false;
    if (!channel(parser, record)) {
        return false;
    }
    if (parser.take(';')) {
        parser.put_byte(token::semicolon);
        if (parser.at_statement_end()) {
            return parser.fail(Refusal::invalid_expr);
        }
        do {
            Type type = Type::numeric;
            if (!parser.expression(type)) {
                return false;
            }
        } while (list_comma(parser));
        return true;
    }
    if (parser.word("USING")) {
        return parser.fail(Refusal::syntax);
    }
    return true;
}

bool input_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    return prompt(parser) && variables(parser, false);
}

bool linput_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (!prompt(parser)) {
        return false;
    }
    Type type = Type::numeric;
    if (!parser.assignment_target(type) || type != Type::string) {
        return parser.fail(Refusal::invalid_var);
    }
    return true;
}

// READ [#channel[,record];] variables, or READ #channel,record.
bool read_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (parser.take('#')) {
        bool record = false;
        if (!channel(parser, record)) {
            return false;
        }
        if (!parser.take(';')) {
            return record || parser.fail(Refusal::syntax);
        }
        parser.put_byte(token::semicolon);
    }
    return variables(parser, true);
}

bool next_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    Type type = Type::numeric;
    if (!parser.simple_variable(type) || type != Type::numeric || parser.peek() == '(') {
        return parser.fail(Refusal::invalid_var);  // NEXT A(1)
    }
    return true;
}

bool let_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (!assignment(parser)) {
        return parser.fail(Refusal::syntax);
    }
    return true;
}

// FOR V=first TO last [STEP step].
bool for_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    Type type = Type::numeric;
    if (!parser.simple_variable(type) || type != Type::numeric) {
        return parser.fail(Refusal::invalid_var);
    }
    if (!parser.take('=')) {
        return parser.fail(Refusal::syntax);
    }
    parser.put_byte(token::separator);
    if (!parser.numeric_expression()) {
        return false;
    }
    if (!parser.word("TO")) {
        return parser.fail(Refusal::syntax);
    }
    parser.put_byte(token::to);
    if (!parser.numeric_expression()) {
        return false;
    }
    if (parser.word("STEP")) {
        parser.put_byte(token::step);
        return parser.numeric_expression();
    }
    return true;
}

// DIM, REAL, SHORT, INTEGER and COMPLEX [SHORT].
bool declaration(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    const bool strings_allowed = row.lex == lex::mainframe && row.token == token::dim;
    if (row.lex == lex::math && parser.word("SHORT")) {
        parser.put_byte(token::short_real);
    }
    do {
        if (!declared_item(parser, strings_allowed)) {
            return false;
        }
    } while (list_comma(parser));
    return true;
}

// STAT array[(columns)].
bool stat_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    char letter = 0, digit = 0;
    bool string = false;
    if (!parser.name_parts(letter, digit, string) || string) {
        return parser.fail(Refusal::invalid_var);
    }
    if (parser.peek() != '(') {
        parser.put_variable(letter, digit, string);
        return true;
    }
    parser.step();
    parser.put_byte(token::element);
    parser.put_variable(letter, digit, string);
    if (!parser.numeric_expression()) {
        return false;
    }
    return parser.take(')') || parser.fail(Refusal::parenthesis);
}

// DESTROY variables, or DESTROY ALL.
bool destroy_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (word_token(parser, "ALL", token::all)) {
        return true;
    }
    do {
        Type type = Type::numeric;
        if (!parser.simple_variable(type)) {
            return false;
        }
        if (parser.peek() == '(') {
            return parser.fail(Refusal::invalid_var);
        }
    } while (list_comma(parser));
    return true;
}

bool assignment(Parser& parser) {
    Type type = Type::numeric;
    if (!parser.assignment_target(type, true)) {
        return false;
    }
    if (!parser.take('=')) {
        return parser.fail(Refusal::syntax);
    }
    parser.put_byte(token::separator);
    return parser.typed_expression(type);
}

}  // namespace velkord::basic
