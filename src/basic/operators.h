// The operators of HP-71B BASIC: their tokens, how they are listed, and
// how tightly they bind, for the lister, which rebuilds infix text from
// postfix, and the tokenizer, which turns infix into postfix.
#ifndef VELKORD_BASIC_OPERATORS_H
#define VELKORD_BASIC_OPERATORS_H

#include "basic/tokens.h"

namespace velkord::basic {

// An operator's place in the rebuilding of infix text: its own precedence,
// and how tightly it holds as a left and as a right operand (a higher value
// binds more loosely).
struct Precedence {
    unsigned char own;
    unsigned char as_left;
    unsigned char as_right;
};

struct OperatorForm {
    unsigned char token;
    const char* text;  // as listed; a relation's comes from its nibble
    bool unary;
    Precedence precedence;
};

constexpr OperatorForm operator_forms[] = {
    {token::power, "^", false, {0, 0, 1}},
    {token::logical_not, "NOT ", true, {2, 1, 1}},
    {token::negation, "-", true, {2, 2, 2}},
    {token::multiply, "*", false, {3, 3, 7}},
    {token::divide, "/", false, {3, 3, 7}},
    {token::percent, "%", false, {3, 3, 7}},
    {token::integer_divide, " DIV ", false, {3, 3, 7}},
    {token::add, "+", false, {7, 7, 9}},
    {token::subtract, "-", false, {7, 7, 9}},  // never stored by the HP-71B itself
    {token::concatenate, "&", false, {9, 9, 10}},
    {token::relation, "", false, {10, 11, 11}},
    {token::logical_and, " AND ", false, {11, 11, 12}},
    {token::exclusive_or, " EXOR ", false, {12, 12, 15}},
    {token::logical_or, " OR ", false, {12, 12, 15}},
};

// The form of an operator token; null for another token.
constexpr const OperatorForm* operator_form(unsigned token) {
    for (const OperatorForm& form : operator_forms) {
        if (form.token == token) {
            return &form;
        }
    }
    return nullptr;
}

// A relation's nibble has a bit each for less, equal, greater, unordered;
// the listing of each (0 is no relation).
constexpr const char* relations[16] = {
    nullptr, "<", "=", "<=", ">", "<>", ">=", "<=>",
    "?", "<?", "=?", "<=?", ">?", "#", "=>?", "<=>?",
};

// A relation as it may be typed, and its nibble: besides the listed forms,
// =< for <=, >< for <>, => for >=, ?= for =?, <>? for #, >=? for =>?.
struct TypedRelation {
    const char* text;
    unsigned char bits;
};
constexpr TypedRelation typed_relations[] = {
    {"<=>?", 0xF}, {"<=>", 0x7}, {"<=?", 0xB}, {"<>?", 0xD}, {">=?", 0xE}, {"=>?", 0xE},
    {"<=", 0x3},   {"=<", 0x3},  {"<>", 0x5},  {"><", 0x5},  {">=", 0x6},  {"=>", 0x6},
    {"<?", 0x9},   {"=?", 0xA},  {"?=", 0xA},  {">?", 0xC},  {"<", 0x1},   {"=", 0x2},
    {">", 0x4},    {"?", 0x8},   {"#", 0xD},
};

}  // namespace velkord::basic

#endif
