// The Math Pac's MAT: MAT INPUT, MAT DISP and MAT PRINT of arrays, or an
// assignment whose right side is stored in infix order.
#include <cstring>

#include "basic/statement_forms.h"

namespace velkord::basic {
namespace {

// The Math Pac's matrix words and whether their arguments are arrays.
struct MatrixWord {
    const char* name;
    unsigned token;
    bool of_arrays;
    unsigned char fewest, most;  // arguments in parentheses
};
constexpr MatrixWord matrix_words[] = {
    {"CON", token::math::con, false, 1, 2},    {"IDN", token::math::idn, false, 1, 2},
    {"ZERO", token::math::zero, false, 1, 2},  {"ZER", token::math::zer, false, 1, 2},
    {"INV", token::math::inv, true, 1, 1},     {"TRN", token::math::trn, true, 1, 1},
    {"SYS", token::math::sys, true, 2, 2},     {"FOUR", token::math::four, true, 1, 1},
    {"PROOT", token::math::proot, true, 1, 1},
};

// An array's name: a numeric variable.
bool array_name(Parser& parser) {
    char letter = 0, digit = 0;
    bool string = false;
    if (!parser.name_parts(letter, digit, string) || string) {
        return parser.fail(Refusal::invalid_var);
    }
    parser.put_variable(letter, digit, string);
    return true;
}

const MatrixWord* matrix_word(Parser& parser) {
    for (const MatrixWord& word : matrix_words) {
        const Parser::Mark start = parser.mark();
        if (parser.word(word.name)) {
            return &word;
        }
        parser.back(start);
    }
    return nullptr;
}

void put_marker(Parser& parser) {
    parser.put_external(token::external_function, lex::math, token::math::array_marker);
    parser.put_nibble(0);
}

// MAT DISP and MAT PRINT: arrays with , and ;, after USING each marked.
bool mat_output(Parser& parser) {
    bool marked = false;
    if (parser.word("USING")) {
        marked = true;
        if (!using_format(parser)) {
            return false;
        }
        if (!parser.take(';')) {
            return parser.at_statement_end() || parser.fail(Refusal::excess_chars);
        }
        parser.put_byte(token::semicolon);
        put_marker(parser);
    }
    if (!marked && parser.at_statement_end()) {
        return parser.fail(Refusal::invalid_var);
    }
    bool item_before = false;
    while (!parser.at_statement_end()) {
        if (parser.take(',')) {
            parser.put_byte(token::separator);
            item_before = false;
            continue;
        }
        if (parser.take(';')) {
            parser.put_byte(token::semicolon);
            item_before = false;
            continue;
        }
        if (item_before) {
            return true;
        }
        if (marked) {
            put_marker(parser);
        }
        if (!array_name(parser)) {
            return false;
        }
        item_before = true;
    }
    return true;
}

// CON(...), INV(B), TRN(B)...: the word, then ( and its arguments back
// to back.
bool matrix_function(Parser& parser, const MatrixWord& word) {
    parser.put_external(token::external_keyword, lex::math, word.token);
    if (!parser.take('(')) {
        return !word.of_arrays || parser.fail(Refusal::syntax);
    }
    parser.put_byte(token::opening_parenthesis);
    unsigned count = 0;
    do {
        if (word.of_arrays ? !array_name(parser) : !parser.numeric_expression()) {
            return false;
        }
        ++count;
    } while (parser.take(','));
    if (!parser.take(')')) {
        return parser.fail(Refusal::parenthesis);
    }
    return (count >= word.fewest && count <= word.most) || parser.fail(Refusal::syntax);
}

// The right side of MAT A=...
bool right_side(Parser& parser) {
    if (parser.take('-')) {
        parser.put_byte(token::negation);
        return array_name(parser);
    }
    if (parser.take('(')) {
        parser.put_byte(token::opening_parenthesis);
        if (!parser.numeric_expression() || !parser.take(')')) {
            return parser.fail(Refusal::parenthesis);
        }
        if (parser.take('*')) {
            parser.put_byte(token::separator);
            return array_name(parser);
        }
        return parser.at_statement_end() || parser.fail(Refusal::syntax);
    }
    if (const MatrixWord* word = matrix_word(parser)) {
        if (!matrix_function(parser, *word)) {
            return false;
        }
        if (word->token == token::math::trn && parser.take('*')) {
            parser.put_byte(token::separator);
            return array_name(parser);
        }
        if (parser.peek() == '*' && !word->of_arrays && parser.out().back() != 0) {
            return parser.fail(Refusal::syntax);
        }
        return true;
    }
    if (!array_name(parser)) {
        return false;
    }
    unsigned operation = 0;
    if (parser.take('+')) {
        operation = token::add;
    } else if (parser.take('-')) {
        operation = token::negation;
    } else if (parser.take('*')) {
        operation = token::multiply;
    } else if (parser.peek() == '/') {
        return parser.fail(Refusal::syntax);
    } else {
        return true;
    }
    parser.put_byte(operation);
    if (parser.peek() == '(' || matrix_word(parser)) {
        return parser.fail(Refusal::invalid_var);
    }
    return array_name(parser);
}

}  // namespace

bool mat_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (parser.word("INPUT")) {
        parser.put_byte(token::input);
        do {
            if (!array_name(parser)) {
                return false;
            }
        } while (parser.take(','));
        return true;
    }
    if (parser.word("DISP")) {
        parser.put_byte(token::disp);
        return mat_output(parser);
    }
    if (parser.word("PRINT")) {
        parser.put_byte(token::print);
        return mat_output(parser);
    }
    if (!array_name(parser)) {
        return false;
    }
    if (!parser.take('=')) {
        return parser.fail(Refusal::syntax);
    }
    return right_side(parser);
}

}  // namespace velkord::basic
