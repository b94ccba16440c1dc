#include "basic/typed_line.h"

#include "basic/statement_forms.h"

namespace velkord::basic {
namespace {

// Characters that cannot start a statement but continue an expression
// after a number (10 =1, 10 ,): the line is then an expression that the
// HP-71B evaluates, not a program line.
bool continues_number(char c) {
    switch (c) {
        case '=': case ',': case ';': case '<': case '>': case '#': case '?':
        case '*': case '/': case '^': case '&': case '%':
            return true;
        default:
            return false;
    }
}

}  // namespace

TypedLine type_line(std::string_view line, const KeywordTable& keywords) {
    TypedLine typed;
    if (line.size() > longest_text_line) {
        typed.refusal = Refusal::line_too_long;
        return typed;
    }
    Parser parser(line, keywords);
    if (!is_digit(parser.peek())) {
        typed.outcome = LineOutcome::no_line_number;
        return typed;
    }
    unsigned number = 0;
    while (is_digit(parser.raw())) {
        number = number > largest_line_number ? number : number * 10 + (parser.raw() - '0');
        parser.step();
    }
    typed.number = number;
    if (number == 0 || number > largest_line_number || parser.raw() == '.') {
        typed.refusal = Refusal::excess_chars;
        return typed;
    }
    if (parser.at_statement_end() && parser.peek() != '@' && parser.peek() != '!') {
        typed.outcome = LineOutcome::no_statement;
        return typed;
    }
    if (continues_number(parser.peek())) {
        // The HP-71B evaluates the whole line, stores nothing, and says
        // what is wrong with the expression if anything is.
        Parser expression(line, keywords);
        if (print_list(expression) && expression.end_of_statement()) {
            typed.outcome = LineOutcome::no_statement;
        } else {
            typed.refusal = expression.refusal();
        }
        return typed;
    }
    parser.put_line_number(number);
    if (!line_statements(parser)) {
        typed.refusal = parser.refusal() == Refusal::none ? Refusal::syntax : parser.refusal();
        return typed;
    }
    typed.outcome = LineOutcome::stored;
    typed.nibbles.assign(parser.out().begin(), parser.out().end());  // no room to spare
    typed.warnings = parser.warnings();
    typed.links = parser.links();
    return typed;
}

}  // namespace velkord::basic
