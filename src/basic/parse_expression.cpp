// Expressions as typed, infix with parentheses, stored in postfix order:
// each operand as it comes, each operator after its operands, by the
// precedence of the operator table. Types are checked as the HP-71B does
// when a line is entered.
#include "basic/function_signatures.h"
#include "basic/line_parser.h"
#include "basic/operators.h"

namespace velkord::basic {
namespace {

// Operators of the same precedence group left to right, so the right
// operand of one takes only operators that bind more tightly.
constexpr int loosest = 12;  // OR, EXOR
constexpr int unary_operand = 1;  // a unary operator takes a power, no more

struct Binary {
    const OperatorForm* form;
    unsigned relation_bits;  // for a relation
    bool subtraction;        // stored as a negation and an addition
};

unsigned relation_bit(char c) {
    switch (c) {
        case '<': return 1;
        case '=': return 2;
        case '>': return 4;
        case '?': return 8;
        case '#': return 0xD;
        default: return 0;
    }
}

// Reads the binary operator that comes next, if any.
bool scan_binary(Parser& parser, Binary& binary) {
    const char c = parser.peek();
    binary = Binary{nullptr, 0, false};
    unsigned bits = 0;
    while (relation_bit(parser.raw()) != 0) {
        bits |= relation_bit(parser.raw());
        parser.step();
    }
    if (bits != 0) {
        binary.form = operator_form(token::relation);
        binary.relation_bits = bits;
        return true;
    }
    unsigned found = 0;
    switch (c) {
        case '^': found = token::power; break;
        case '*': found = token::multiply; break;
        case '/': found = token::divide; break;
        case '%': found = token::percent; break;
        case '+': found = token::add; break;
        case '-': found = token::add; binary.subtraction = true; break;
        case '&': found = token::concatenate; break;
        default: break;
    }
    if (found != 0) {
        parser.step();
    } else if (parser.word("DIV")) {
        found = token::integer_divide;
    } else if (parser.word("AND")) {
        found = token::logical_and;
    } else if (parser.word("OR")) {
        found = token::logical_or;
    } else if (parser.word("EXOR")) {
        found = token::exclusive_or;
    } else {
        return false;
    }
    binary.form = operator_form(found);
    return true;
}

// Whether an operator is taken after an operand of its type: after a
// string only & and a relation (A$+B$ ends at the +); after a number
// every one, & then refused for its type.
bool takes_left(const Binary& binary, Type left) {
    const unsigned token = binary.form->token;
    return left == Type::numeric || token == token::relation || token == token::concatenate;
}

bool chain(Parser& parser, int limit, bool unary_allowed, Type& type, bool negated = false);

// A unary operator and its operand, or an operand.
bool prefix(Parser& parser, bool unary_allowed, Type& type) {
    const char c = parser.peek();
    const Parser::Mark start = parser.mark();
    const bool minus = c == '-', plus = c == '+';
    bool negation = minus || plus;
    if (negation) {
        parser.step();
    } else if (parser.word("NOT")) {
        negation = true;
    }
    if (!negation) {
        return parser.expression_starts() ? primary(parser, type)
                                          : parser.fail(Refusal::invalid_expr);
    }
    if (!unary_allowed) {
        return parser.fail(Refusal::invalid_expr);  // 2^-1: write 2^(-1)
    }
    if (!chain(parser, unary_operand, true, type)) {
        return false;
    }
    if (type != Type::numeric) {
        return parser.fail(Refusal::invalid_expr);
    }
    if (!plus) {
        parser.put_byte(minus ? token::negation : token::logical_not);
    }
    (void)start;
    return true;
}

// Operators up to `limit` after an operand; `negated`: the operand is
// the right side of a subtraction, A-B being stored as A+(-B) with the
// negation of B binding as a unary minus does.
bool chain(Parser& parser, int limit, bool unary_allowed, Type& type, bool negated) {
    if (negated) {
        if (!chain(parser, unary_operand, true, type)) {
            return false;
        }
        if (type != Type::numeric) {
            return parser.fail(Refusal::invalid_expr);
        }
        parser.put_byte(token::negation);
    } else if (!prefix(parser, unary_allowed, type)) {
        return false;
    }
    // An operator that binds more tightly than the last one taken here
    // was refused by that one's right operand: it ends the expression.
    int tightest_next = 0;
    for (;;) {
        const Parser::Mark before = parser.mark();
        Binary binary;
        if (!scan_binary(parser, binary) || binary.form->precedence.own > limit ||
            binary.form->precedence.own < tightest_next || !takes_left(binary, type)) {
            parser.back(before);
            return true;
        }
        const bool power = binary.form->token == token::power;
        Type right = Type::numeric;
        if (!chain(parser, binary.form->precedence.own - 1, !power, right,
                   binary.subtraction)) {
            return false;
        }
        const bool strings = binary.form->token == token::concatenate;
        if (right != type || (strings != (type == Type::string) &&
                              binary.form->token != token::relation)) {
            return parser.fail(Refusal::invalid_expr);
        }
        parser.put_byte(binary.form->token);
        tightest_next = binary.form->precedence.own;
        if (binary.form->token == token::relation) {
            parser.put_nibble(binary.relation_bits);
            type = Type::numeric;
        }
    }
}

}  // namespace

bool Parser::expression(Type& type) { return chain(*this, loosest, true, type); }

bool Parser::typed_expression(Type wanted) {
    Type type = wanted;
    if (!expression(type)) {
        return false;
    }
    return type == wanted || fail(Refusal::invalid_expr);
}

bool Parser::numeric_expression() { return typed_expression(Type::numeric); }

bool Parser::numeric_expression_or(Refusal refusal) {
    const Mark start = mark();
    if (numeric_expression()) {
        return true;
    }
    back(start);
    return fail(refusal);
}
bool Parser::string_expression() { return typed_expression(Type::string); }

bool Parser::expression_starts() {
    const char c = peek();
    return is_digit(c) || is_letter(c) || c == '.' || c == '"' || c == '\'' || c == '(' ||
           c == '-' || c == '+';
}

}  // namespace velkord::basic
