// Text into an HP-71B BASIC program, as the HP-71B makes it when the lines
// are typed (with the Math Pac, the Forth/KEYBOARD ROM and the HP-IL module
// plugged in) or transformed from a TEXT file: each line tokenized, the
// lines in order of their numbers, the run-time chains built. Works on
// bytes in memory.
#ifndef VELKORD_BASIC_MAKE_PROGRAM_H
#define VELKORD_BASIC_MAKE_PROGRAM_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "basic/keywords.h"

namespace velkord::basic {

// What is said of a text line: an error (the line is refused) or a
// warning. Kept small, since a text may hold a great many bad lines: the
// message is a fixed text, or a format that names a BASIC line.
struct Diagnostic {
    bool error;
    unsigned text_line;         // counted from 1
    const char* what;           // fixed, or with one %u for `basic_line`
    unsigned basic_line = 0;

    // What follows "file:line: ".
    std::string message() const;
};

struct MadeProgram {
    // The program as stored after the LIF header: the 12-nibble program
    // header and the lines, a final odd nibble padded with 0.
    std::vector<unsigned char> body;
    std::uint32_t nibbles = 0;  // the body's nibble count
    std::vector<Diagnostic> diagnostics;  // in text-line order
    bool refused() const;  // any error
};

// Makes the program of `text` (LF or CR LF line ends, a UTF-8 byte-order
// mark dropped), reading keywords from `keywords`.
MadeProgram make_program(std::string_view text, const KeywordTable& keywords);

}  // namespace velkord::basic

#endif
