// What each function takes: how many arguments and of which type, as the
// HP-71B checks when a line is entered. A LEX file's function that is not
// listed here takes any arguments.
#ifndef VELKORD_BASIC_FUNCTION_SIGNATURES_H
#define VELKORD_BASIC_FUNCTION_SIGNATURES_H

#include <cstddef>

#include "basic/keywords.h"

namespace velkord::basic {

struct Signature {
    unsigned char fewest;
    unsigned char most;
    // One letter an argument: n a number, s a string, x either, a an
    // array's name; the last letter stands for the arguments after it.
    const char* types;
};

// The signature of a function row.
Signature signature(const Keyword& row);

// The type letter of argument `index`.
char argument_type(const Signature& signature, std::size_t index);

}  // namespace velkord::basic

#endif
