#include "basic/numbers.h"

namespace velkord::basic {
namespace {

// Past these, fixed point would show more digits than the HP-71B does.
constexpr int largest_fixed_exponent = 11;
constexpr int smallest_fixed_exponent = -10;
constexpr std::size_t widest_fraction = 15;

void append_digits(std::string& text, const std::string& digits, std::size_t from,
                   std::size_t to) {
    for (std::size_t i = from; i < to; ++i) {
        text += static_cast<char>('0' + digits[i]);
    }
}

}  // namespace

void append_integer(std::string& text, const std::string& digits) {
    const std::size_t first = digits.find_first_not_of('\0');
    if (first == std::string::npos) {
        text += '0';
    } else {
        append_digits(text, digits, first, digits.size());
    }
}

void append_real(std::string& text, const std::string& digits, int exponent) {
    const std::size_t count = digits.size();
    if (exponent >= 0 && exponent <= largest_fixed_exponent) {
        // The typed trailing zeros are stored, and shown: 10.0 stays 10.0.
        const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
        if (count <= whole) {
            append_digits(text, digits, 0, count);
            text.append(whole - count, '0');
        } else {
            append_digits(text, digits, 0, whole);
            text += '.';
            append_digits(text, digits, whole, count);
        }
        return;
    }
    const std::size_t zeros = exponent < 0 ? static_cast<std::size_t>(-exponent - 1) : 0;
    if (exponent < 0 && exponent >= smallest_fixed_exponent && zeros + count <= widest_fraction) {
        text += '.';
        text.append(zeros, '0');
        append_digits(text, digits, 0, count);
        return;
    }
    append_digits(text, digits, 0, 1);
    text += '.';
    append_digits(text, digits, 1, count);
    text += exponent < 0 ? "E-" : "E+";
    text += std::to_string(exponent < 0 ? -exponent : exponent);
}

}  // namespace velkord::basic
