// Numeric constants of a BASIC program as the HP-71B lists them. Digits are
// given most significant first, as values 0-9.
#ifndef VELKORD_BASIC_NUMBERS_H
#define VELKORD_BASIC_NUMBERS_H

#include <string>

namespace velkord::basic {

// Appends an integer constant: its digits without leading zeros, or "0".
void append_integer(std::string& text, const std::string& digits);

// Appends a real constant of mantissa `digits` (the first one before the
// point) and exponent `exponent`: in fixed point where the HP-71B shows it
// so (10.0, .001), otherwise as 1.5E-300.
void append_real(std::string& text, const std::string& digits, int exponent);

}  // namespace velkord::basic

#endif
