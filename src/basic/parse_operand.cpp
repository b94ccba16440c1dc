// The operands of an expression: constants, strings, variables, array
// elements, substrings, functions, FN calls and parenthesised expressions.
#include "basic/function_signatures.h"
#include "basic/line_parser.h"

namespace velkord::basic {
namespace {

constexpr std::size_t most_subscripts = 2;
constexpr std::size_t most_matches = 16;

bool is_function_kind(Kind kind) {
    return kind == Kind::function || kind == Kind::prefix_function ||
           kind == Kind::user_function;
}

// A string ends in $, its type.
Type type_of_name(const char* name) {
    std::size_t length = 0;
    while (name[length]) {
        ++length;
    }
    return length > 0 && name[length - 1] == '$' ? Type::string : Type::numeric;
}

// An array's name as an argument: DET(A).
bool array_argument(Parser& parser) {
    char letter = 0, digit = 0;
    bool string = false;
    if (!parser.name_parts(letter, digit, string) || string ||
        (parser.peek() != ',' && parser.peek() != ')')) {
        return parser.fail(Refusal::invalid_expr);
    }
    parser.put_variable(letter, digit, string);
    return true;
}

// (a,b,...) after a function: each argument as its signature says. No
// parentheses means no arguments.
bool arguments(Parser& parser, const Signature& signature, std::size_t& count,
               bool each_followed_by_separator) {
    count = 0;
    if (!parser.take('(')) {
        return count >= signature.fewest || parser.fail(Refusal::invalid_expr);
    }
    do {
        const char wanted = argument_type(signature, count);
        if (wanted == 'a') {
            if (!array_argument(parser)) {
                return false;
            }
            ++count;
            continue;
        }
        Type type = Type::numeric;
        if (!parser.expression(type)) {
            return false;
        }
        if ((wanted == 'n' && type != Type::numeric) || (wanted == 's' && type != Type::string)) {
            return parser.fail(Refusal::invalid_expr);
        }
        if (each_followed_by_separator) {
            parser.put_byte(token::separator);
        }
        ++count;
    } while (parser.take(','));
    if (!parser.take(')')) {
        return parser.fail(Refusal::invalid_expr);
    }
    return (count >= signature.fewest && count <= signature.most) ||
           parser.fail(Refusal::invalid_expr);
}

// B4: FNROOT(...), INTEGRAL(...), whose arguments sit in a block with its
// length before them.
bool prefix_function(Parser& parser, const Keyword& row, std::size_t arguments_wanted) {
    parser.put_external(token::prefix_function, row.lex, row.token);
    const std::size_t length_at = parser.out().size();
    parser.put_number(0, 2);
    std::size_t count = 0;
    const Signature signature{static_cast<unsigned char>(arguments_wanted),
                              static_cast<unsigned char>(arguments_wanted), "n"};
    if (!arguments(parser, signature, count, true)) {
        return false;
    }
    const std::size_t length = parser.out().size() - length_at;
    if (length > 0xFF) {
        return parser.fail(Refusal::invalid_expr);
    }
    parser.put_byte_at(length_at, static_cast<unsigned>(length));
    return true;
}

bool user_function(Parser& parser, Type& type) {
    char letter = 0, digit = 0;
    bool string = false;
    if (!parser.name_parts(letter, digit, string)) {
        return parser.fail(Refusal::invalid_expr);
    }
    type = string ? Type::string : Type::numeric;
    std::size_t count = 0;
    if (!arguments(parser, Signature{0, 14, "x"}, count, false)) {
        return false;
    }
    parser.put_byte(token::user_function);
    parser.put_variable(letter, digit, string);
    parser.put_nibble(static_cast<unsigned>(count));
    return true;
}

bool function(Parser& parser, const Keyword& row, Type& type) {
    if (row.kind == Kind::user_function) {
        return user_function(parser, type);
    }
    type = type_of_name(row.name);
    if (row.kind == Kind::prefix_function) {
        type = Type::numeric;
        return prefix_function(parser, row, row.token == token::math::fnroot ? 3 : 4);
    }
    const Signature wanted = signature(row);
    std::size_t count = 0;
    if (!arguments(parser, wanted, count, false)) {
        return false;
    }
    if (row.lex == lex::mainframe) {
        parser.put_byte(row.token);
    } else {
        parser.put_external(token::external_function, row.lex, row.token);
        parser.put_nibble(static_cast<unsigned>(count));
    }
    return true;
}

// [..] after a string: one or two numeric indexes, as often as typed.
bool substrings(Parser& parser) {
    while (parser.take('[')) {
        std::size_t count = 0;
        if (!parser.indexes(']', Refusal::invalid_expr, count)) {
            return false;
        }
        parser.put_byte(token::substring);
        parser.put_nibble(static_cast<unsigned>(count));
    }
    return true;
}

// A variable, an array element, a substring of either.
bool variable(Parser& parser, Type& type) {
    char letter = 0, digit = 0;
    bool string = false;
    if (!parser.name_parts(letter, digit, string)) {
        return parser.fail(Refusal::invalid_expr);
    }
    type = string ? Type::string : Type::numeric;
    if (parser.take('(')) {
        std::size_t count = 0;
        if (!parser.indexes(')', Refusal::invalid_expr, count)) {
            return false;
        }
        parser.put_byte(token::element);
        parser.put_variable(letter, digit, string);
        parser.put_nibble(static_cast<unsigned>(count));
    } else {
        parser.put_variable(letter, digit, string);
    }
    return !string || substrings(parser);
}

}  // namespace

bool Parser::name_parts(char& letter, char& digit, bool& string) {
    blanks();
    if (!is_letter(raw())) {
        return false;
    }
    letter = upper_case(raw());
    step();
    digit = 0;
    if (is_digit(raw())) {
        digit = raw();
        step();
    }
    string = raw() == '$';
    if (string) {
        step();
    }
    return true;
}

bool Parser::indexes(char closing, Refusal unclosed, std::size_t& count) {
    count = 0;
    do {
        if (!numeric_expression()) {
            return false;
        }
        ++count;
    } while (count < most_subscripts && take(','));
    return take(closing) || fail(unclosed);
}

bool Parser::simple_variable(Type& type) {
    char letter = 0, digit = 0;
    bool string = false;
    if (!name_parts(letter, digit, string)) {
        return fail(Refusal::invalid_var);
    }
    type = string ? Type::string : Type::numeric;
    put_variable(letter, digit, string);
    return true;
}

bool Parser::whole_array() {
    const Mark start = mark();
    char letter = 0, digit = 0;
    bool string = false;
    if (name_parts(letter, digit, string) && take('(')) {
        unsigned dimensions = 1;
        while (take(',')) {
            ++dimensions;
        }
        if (take(')')) {
            put_byte(token::whole_array);
            put_variable(letter, digit, string);
            put_nibble(dimensions);
            return true;
        }
    }
    back(start);
    return false;
}

bool Parser::assignment_target(Type& type, bool function_allowed) {
    if (!is_letter(peek())) {
        return fail(Refusal::invalid_var);
    }
    const Mark start = mark();
    if (function_allowed && word("FN")) {
        char letter = 0, digit = 0;
        bool string = false;
        if (name_parts(letter, digit, string) && peek() != '(') {
            type = string ? Type::string : Type::numeric;
            put_byte(token::user_function);
            put_variable(letter, digit, string);
            put_nibble(token::assignment_target);
            return true;
        }
        back(start);
    }
    return variable(*this, type);
}

void Parser::put_variable(char letter, char digit, bool string) {
    if (string) {
        put_byte(token::string_mark);
    }
    if (digit) {
        put_byte(token::first_name_digit + static_cast<unsigned>(digit - '0'));
    }
    put_byte(static_cast<unsigned char>(letter));
}

bool Parser::string_constant() {
    blanks();
    const char quote = raw();
    std::size_t end = at() + 1;
    while (raw_at(end) != quote && raw_at(end) != '\0') {
        ++end;
    }
    if (raw_at(end) != quote) {
        return fail(Refusal::invalid_expr);
    }
    for (std::size_t i = at(); i <= end; ++i) {
        put_byte(static_cast<unsigned char>(raw_at(i)));
    }
    move_to(end + 1);
    return true;
}

// The keyword typed here that the HP-71B reads first; null when none.
const Keyword* first_keyword(Parser& parser, std::size_t& length) {
    KeywordTable::Match matches[most_matches];
    if (parser.keywords().match(parser.rest(), matches, most_matches) == 0) {
        return nullptr;
    }
    length = matches[0].length;
    return matches[0].row;
}

const Keyword* typed_function(Parser& parser, std::size_t& length) {
    const Keyword* row = first_keyword(parser, length);
    return row && is_function_kind(row->kind) ? row : nullptr;  // INTO is no INT
}

Refusal keyword_refusal(const KeywordTable::Match* matches, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned lex = matches[i].row->lex;
        if (lex == lex::mainframe || lex == lex::builtin) {
            return Refusal::invalid_expr;
        }
    }
    return Refusal::excess_chars;
}

bool typed_keyword(Parser& parser) {
    std::size_t length = 0;
    return first_keyword(parser, length) != nullptr;
}

bool primary(Parser& parser, Type& type) {
    const char c = parser.peek();
    type = Type::numeric;
    if (is_digit(c) || c == '.') {
        return parser.number_constant();
    }
    if (c == '"' || c == '\'') {
        type = Type::string;
        return parser.string_constant() && substrings(parser);
    }
    if (c == '(') {
        parser.step();
        if (!parser.expression(type)) {
            return false;
        }
        if (type == Type::numeric && parser.take(',')) {
            if (!parser.numeric_expression()) {
                return false;
            }
            parser.put_byte(token::complex_pair);
        }
        return parser.take(')') || parser.fail(Refusal::invalid_expr);
    }
    if (!is_letter(c)) {
        return parser.fail(Refusal::invalid_expr);
    }
    KeywordTable::Match matches[most_matches];
    const std::size_t count = parser.keywords().match(parser.rest(), matches, most_matches);
    if (count == 0) {
        return variable(parser, type);
    }
    if (!is_function_kind(matches[0].row->kind)) {
        return parser.fail(keyword_refusal(matches, count));  // a keyword is no operand
    }
    parser.move_to(parser.at() + matches[0].length);
    return function(parser, *matches[0].row, type);
}

}  // namespace velkord::basic
