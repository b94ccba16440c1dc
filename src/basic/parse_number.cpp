// Numbers as typed: the HP-71B keeps the significant digits typed, trailing
// zeros included, rounded to 12, and stores an integer when every digit is
// of the integer part, a real otherwise.
#include <string>

#include "basic/line_parser.h"

namespace velkord::basic {
namespace {

constexpr std::size_t most_digits = 12;
constexpr int largest_exponent = 499, smallest_exponent = -499;
// A real's exponent is 3 decimal digits: a negative one is 1000 + it.
constexpr int exponent_base = 1000;

// A number as typed: its significant digits (values 0-9, the first not 0)
// and the decimal exponent of the first of them.
struct TypedNumber {
    std::string digits;
    int exponent = 0;
};

// Rounds to 12 digits, an exact half to even; a carry leaves the single
// digit 1 one place up.
void round_digits(TypedNumber& number) {
    std::string& digits = number.digits;
    if (digits.size() <= most_digits) {
        return;
    }
    const bool beyond_half = digits.find_first_not_of('\0', most_digits + 1) != std::string::npos;
    const char next = digits[most_digits];
    digits.resize(most_digits);
    const bool up = next > 5 || (next == 5 && (beyond_half || digits.back() % 2 == 1));
    if (!up) {
        return;
    }
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == 9) {
        digits[--i] = 0;
    }
    if (i == 0) {
        digits.assign(1, 1);
        ++number.exponent;
    } else {
        ++digits[i - 1];
    }
}

}  // namespace

bool Parser::number_constant() {
    blanks();
    TypedNumber number;
    bool point = false;
    int whole_digits = 0;   // typed before the point
    int first = -1;         // where the first significant digit was typed
    int typed = 0;
    for (;; step()) {
        const char c = raw();
        if (is_digit(c)) {
            if (first < 0 && c != '0') {
                first = typed;
            }
            if (first >= 0) {
                number.digits += static_cast<char>(c - '0');
            }
            ++typed;
            whole_digits += !point;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (typed == 0) {
        return fail(Refusal::invalid_expr);
    }
    number.exponent = whole_digits - first - 1;
    if (upper_case(raw()) == 'E') {
        std::size_t look = at() + 1;
        const bool sign = raw_at(look) == '+' || raw_at(look) == '-';
        const bool negative = raw_at(look) == '-';
        look += sign;
        if (is_digit(raw_at(look))) {
            int exponent = 0;
            while (is_digit(raw_at(look))) {
                exponent = exponent > 9999 ? exponent : exponent * 10 + (raw_at(look) - '0');
                ++look;
            }
            move_to(look);
            number.exponent += negative ? -exponent : exponent;
        } else if (sign || !is_letter(raw_at(look))) {
            return fail(Refusal::excess_chars);  // 1E, 1E+
        }
    }
    if (raw() == '.' || is_digit(raw())) {
        return fail(Refusal::excess_chars);  // 1.2.3, 1E3.5
    }
    if (number.digits.empty()) {
        put_byte(token::zero);
        return true;
    }
    round_digits(number);
    if (number.exponent > largest_exponent) {
        warn(Warning::overflow);
        put_byte(token::maxreal);
        return true;
    }
    if (number.exponent < smallest_exponent) {
        warn(Warning::underflow);
        put_byte(token::zero);
        return true;
    }
    const std::size_t count = number.digits.size();
    if (static_cast<int>(count) == number.exponent + 1 &&
        number.exponent < static_cast<int>(most_digits)) {
        if (count == 1) {
            put_byte(token::zero + static_cast<unsigned>(number.digits[0]));
            return true;
        }
        put_byte(token::integer_digits - count);
        for (std::size_t i = count; i-- > 0;) {
            put_nibble(static_cast<unsigned>(number.digits[i]));
        }
        return true;
    }
    put_byte(token::real_digits - count);
    for (std::size_t i = count; i-- > 0;) {
        put_nibble(static_cast<unsigned>(number.digits[i]));
    }
    const int stored = number.exponent < 0 ? exponent_base + number.exponent : number.exponent;
    put_nibble(static_cast<unsigned>(stored % 10));
    put_nibble(static_cast<unsigned>(stored / 10 % 10));
    put_nibble(static_cast<unsigned>(stored / 100));
    return true;
}

bool Parser::line_number_typed(unsigned& number) {
    blanks();
    if (!is_digit(raw())) {
        return fail(Refusal::syntax);
    }
    number = 0;
    while (is_digit(raw())) {
        number = number > 99999 ? number : number * 10 + static_cast<unsigned>(raw() - '0');
        step();
    }
    const char after_e = raw_at(at() + 1);
    if (raw() == '.' || (upper_case(raw()) == 'E' && !is_letter(after_e))) {
        return fail(Refusal::excess_chars);  // GOTO 10.0, GOTO 1E2
    }
    if (number == 0 || number > 9999) {
        return fail(Refusal::syntax);
    }
    return true;
}

bool Parser::line_reference() {
    unsigned number = 0;
    if (!line_number_typed(number)) {
        return false;
    }
    put_byte(token::line_reference);
    put_number(0, field::link);  // where the line is, found when it runs
    put_line_number(number);
    return true;
}

}  // namespace velkord::basic
