// Where a program goes (GOTO, ON, RESTORE, RUN), the line numbers of
// LIST and RENUMBER, and the statements of functions and subprograms.
#include "basic/statement_forms.h"

namespace velkord::basic {
namespace {

constexpr std::size_t longest_name = 8;  // of a label or a subprogram

// GOTO or GOSUB (also typed GO TO, GO SUB), put; false when neither.
bool goto_or_gosub(Parser& parser) {
    if (parser.word("GOTO") || parser.word("GO TO")) {
        parser.put_byte(token::go_to);
        return true;
    }
    if (parser.word("GOSUB") || parser.word("GO SUB")) {
        parser.put_byte(token::gosub);
        return true;
    }
    return false;
}

// Targets separated by commas, F1 between them.
bool targets(Parser& parser) {
    do {
        if (!line_or_label(parser)) {
            return false;
        }
    } while (list_comma(parser));
    return true;
}

// A parameter of SUB: a variable, a whole array, #channel.
bool sub_parameter(Parser& parser) {
    if (parser.take('#')) {
        parser.put_byte(token::hash);
        return parser.number_constant();
    }
    if (parser.whole_array()) {
        return true;
    }
    Type type = Type::numeric;
    if (!is_letter(parser.peek())) {
        return parser.fail(Refusal::invalid_parm);
    }
    if (!parser.simple_variable(type)) {
        return false;
    }
    return parser.peek() != '(' || parser.fail(Refusal::parenthesis);
}

// An argument of CALL, then how it is passed: a variable or element by
// reference, anything else by value.
bool call_argument(Parser& parser) {
    if (parser.take('#')) {
        parser.put_byte(token::hash);
        if (!parser.number_constant()) {
            return false;
        }
        parser.put_byte(token::by_reference);
        return true;
    }
    if (parser.whole_array()) {
        parser.put_byte(token::by_reference);
        return true;
    }
    const Parser::Mark start = parser.mark();
    Type type = Type::numeric;
    if (is_letter(parser.peek())) {
        std::size_t length = 0;
        if (!typed_function(parser, length) && parser.assignment_target(type) &&
            (parser.peek() == ',' || parser.peek() == ')') && !typed_since(parser, start, '[')) {
            parser.put_byte(token::by_reference);
            return true;
        }
        parser.back(start);
    }
    if (!parser.expression(type)) {
        return false;
    }
    parser.put_byte(token::by_value);
    return true;
}

// The file and line of RUN.
bool run_arguments(Parser& parser) {
    if (parser.at_statement_end()) {
        return true;
    }
    if (is_digit(parser.peek())) {
        return parser.line_reference();
    }
    if (parser.peek() != ',') {
        parser.put_byte(token::file_name_mark);
        if (!file_spec(parser)) {
            return false;
        }
    }
    if (parser.take(',')) {
        parser.put_byte(token::separator);
        return line_or_label(parser);
    }
    return true;
}

}  // namespace

// An unquoted name: a letter, then letters and digits, put in upper case
// after C4; `length` is how many.
bool unquoted_name(Parser& parser, std::size_t& length) {
    parser.blanks();
    length = 0;
    if (!is_letter(parser.raw())) {
        return false;
    }
    parser.put_byte(token::unquoted_name);
    while (is_letter(parser.raw()) || is_digit(parser.raw())) {
        parser.put_byte(static_cast<unsigned char>(upper_case(parser.raw())));
        parser.step();
        ++length;
    }
    return true;
}

// A bare line number after F1, as LIST, MERGE and RENUMBER store them.
bool bare_line_number(Parser& parser) {
    if (!is_digit(parser.peek())) {
        return parser.fail(parser.at_statement_end() ? Refusal::missing_parm
                                                     : Refusal::invalid_parm);
    }
    unsigned number = 0;
    const Parser::Mark start = parser.mark();
    if (!parser.line_number_typed(number)) {
        const bool out_of_range = parser.refusal() == Refusal::syntax;
        parser.back(start);
        return parser.fail(out_of_range ? Refusal::invalid_parm : Refusal::excess_chars);
    }
    parser.put_byte(token::separator);
    parser.put_line_number(number);
    return true;
}

bool typed_since(const Parser& parser, const Parser::Mark& mark, char c) {
    for (std::size_t i = mark.at; i < parser.at(); ++i) {
        if (parser.raw_at(i) == c) {
            return true;
        }
    }
    return false;
}

bool label_reference(Parser& parser, bool bare_name_allowed) {
    parser.put_byte(token::label_reference);
    const char c = parser.peek();
    if (c == '"' || c == '\'') {
        const Parser::Mark start = parser.mark();
        if (parser.string_constant()) {
            return true;
        }
        parser.back(start);
        return parser.fail(Refusal::syntax);  // GOTO 'X without its quote
    }
    const Parser::Mark start = parser.mark();
    char letter = 0, digit = 0;
    bool string = false;
    if (parser.name_parts(letter, digit, string) && string) {
        parser.back(start);
        return parser.string_expression();
    }
    parser.back(start);
    std::size_t length = 0;
    if (!bare_name_allowed || !unquoted_name(parser, length)) {
        return parser.fail(Refusal::syntax);
    }
    return length <= longest_name || parser.fail(Refusal::excess_chars);
}

bool line_or_label(Parser& parser) {
    const char c = parser.peek();
    if (is_digit(c)) {
        return parser.line_reference();
    }
    if (c == '"' || c == '\'' || is_letter(c)) {
        return label_reference(parser, true);
    }
    return parser.fail(Refusal::syntax);
}

bool go_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    return line_or_label(parser);
}

// RESTORE [line | label | #channel[,record]].
bool restore_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (parser.at_statement_end()) {
        return true;
    }
    bool record = false;
    return parser.take('#') ? channel(parser, record) : line_or_label(parser);
}

// ON ERROR GOTO, ON TIMER #n,seconds GOSUB, ON n GOTO|GOSUB|RESTORE list.
bool on_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (parser.word("ERROR")) {
        parser.put_byte(token::error);
        return (goto_or_gosub(parser) || parser.fail(Refusal::syntax)) && line_or_label(parser);
    }
    if (parser.word("TIMER")) {
        parser.put_byte(token::timer);
        if (!parser.take('#')) {
            return parser.fail(Refusal::syntax);
        }
        if (!parser.numeric_expression()) {
            return false;
        }
        if (!parser.take(',')) {
            return parser.fail(Refusal::syntax);
        }
        parser.put_byte(token::separator);
        if (!parser.numeric_expression()) {
            return false;
        }
        return (goto_or_gosub(parser) || parser.fail(Refusal::syntax)) && line_or_label(parser);
    }
    if (!parser.numeric_expression()) {
        return false;
    }
    if (!goto_or_gosub(parser)) {
        if (!parser.word("RESTORE")) {
            return parser.fail(Refusal::syntax);
        }
        parser.put_byte(token::restore);
    }
    return targets(parser);
}

// OFF, OFF ERROR, OFF TIMER #n.
bool off_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (word_token(parser, "ERROR", token::error)) {
        return true;
    }
    if (parser.word("TIMER")) {
        parser.put_byte(token::timer);
        return (parser.take('#') || parser.fail(Refusal::syntax)) && parser.numeric_expression();
    }
    return true;
}

bool else_alone(Parser& parser, const Keyword&) {
    return parser.fail(Refusal::illegal_context);
}

// DEF KEY, or DEF FN: its name, parameters, and for a definition of one
// line the expression after =.
bool def_statement(Parser& parser, const Keyword& row) {
    const Parser::Mark start = parser.mark();
    if (parser.word("KEY")) {
        return def_key(parser, row);
    }
    parser.back(start);
    if (!parser.word("FN")) {
        return parser.fail(Refusal::syntax);
    }
    if (!is_letter(parser.raw())) {
        return parser.fail(Refusal::syntax);  // DEF FN A: no blank
    }
    put_keyword(parser, row);
    parser.put_link(LinkKind::def_fn);
    const std::size_t form_at = parser.out().size();
    parser.put_byte(token::marker);
    char letter = 0, digit = 0;
    bool string = false;
    parser.name_parts(letter, digit, string);
    parser.put_variable(letter, digit, string);
    const std::size_t count_at = parser.out().size();
    parser.put_nibble(0);
    if (parser.take('(')) {
        parser.put_byte(token::to);
        unsigned count = 0;
        do {
            Type type = Type::numeric;
            if (!is_letter(parser.peek()) || !parser.simple_variable(type)) {
                return parser.fail(Refusal::invalid_var);
            }
            ++count;
        } while (parser.take(','));
        if (!parser.take(')')) {
            return parser.fail(Refusal::parenthesis);
        }
        parser.put_byte(token::closing_parenthesis);
        parser.out()[count_at] = static_cast<unsigned char>(count);
    }
    if (parser.take('=')) {
        parser.put_byte_at(form_at, token::user_function);
        parser.put_byte(token::separator);
        return parser.typed_expression(string ? Type::string : Type::numeric);
    }
    return true;
}

// END DEF, END SUB: the keyword and its link.
bool end_link(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    parser.put_link(row.token == token::end_def ? LinkKind::end_def : LinkKind::end_sub);
    return true;
}

// SUB name[(parameters)] [! comment]: the comment ends with 0D F0, then
// comes the field of the subprogram's own chain.
bool sub_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    parser.put_link(LinkKind::sub);
    std::size_t length = 0;
    if (!unquoted_name(parser, length)) {
        return parser.fail(Refusal::syntax);
    }
    if (length > longest_name || parser.raw() == '$') {
        return parser.fail(Refusal::excess_chars);
    }
    if (parser.take('(')) {
        parser.put_byte(token::to);
        if (parser.at_statement_end()) {
            return parser.fail(Refusal::missing_parm);
        }
        do {
            if (!sub_parameter(parser)) {
                return false;
            }
        } while (list_comma(parser));
        if (!parser.take(')')) {
            return parser.fail(Refusal::parenthesis);
        }
    }
    parser.put_byte(token::all);
    if (parser.peek() == '!') {
        if (!comment(parser)) {
            return false;
        }
        parser.put_byte(token::end_of_line);
    }
    parser.put_link(LinkKind::sub_chain);
    return true;
}

// CALL name[(arguments)] [IN file].
bool call_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    std::size_t length = 0;
    const char c = parser.peek();
    const Parser::Mark start = parser.mark();
    if (c == '"' || c == '\'') {
        if (!parser.string_constant()) {
            return false;
        }
    } else if (!unquoted_name(parser, length)) {
        return parser.fail(Refusal::syntax);
    } else if (length > longest_name) {
        return parser.fail(Refusal::excess_chars);
    } else if (parser.raw() == '$') {
        parser.back(start);  // a string variable holds the name
        Type type = Type::string;
        if (!parser.simple_variable(type) || type != Type::string) {
            return parser.fail(Refusal::syntax);
        }
    }
    if (parser.take('(')) {
        parser.put_byte(token::to);
        do {
            if (!call_argument(parser)) {
                return false;
            }
        } while (parser.take(','));
        if (!parser.take(')')) {
            return parser.fail(Refusal::parenthesis);
        }
    }
    parser.put_byte(token::all);
    if (parser.word("IN")) {
        parser.put_byte(token::semicolon);
        return file_without_device(parser);
    }
    return true;
}

// RUN [file][,line|label]: a file is marked by DE. No statement may
// follow it on its line.
bool run_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (!run_arguments(parser)) {
        return false;
    }
    return parser.peek() != '@' || parser.fail(Refusal::excess_chars);
}

// LIST and PLIST [file][,line[,line]].
bool list_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (parser.at_statement_end()) {
        return true;
    }
    if (word_token(parser, "KEYS", token::keys)) {
        return true;
    }
    if (is_digit(parser.peek())) {
        if (!bare_line_number(parser)) {
            return false;
        }
    } else if (parser.peek() == ',') {
        return parser.fail(Refusal::invalid_parm);
    } else {
        if (!file_spec(parser)) {
            return false;
        }
        if (!parser.take(',')) {
            return true;
        }
        if (!bare_line_number(parser)) {
            return false;
        }
    }
    return !parser.take(',') || bare_line_number(parser);
}

// RENUMBER [new[,step[,from[,to]]]].
bool renumber_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (parser.at_statement_end()) {
        return true;
    }
    for (int count = 1;; ++count) {
        if (!bare_line_number(parser)) {
            return false;
        }
        if (count == 4 || !parser.take(',')) {
            return true;
        }
    }
}

}  // namespace velkord::basic
