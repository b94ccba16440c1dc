// The program body: the header, the lines in order, and the run-time
// fields that the HP-71B builds when it copies or transforms a program.
#ifndef VELKORD_BASIC_PROGRAM_CHAINS_H
#define VELKORD_BASIC_PROGRAM_CHAINS_H

#include <cstdint>
#include <vector>

#include "basic/line_parser.h"

namespace velkord::basic {

class ProgramBuilder {
public:
    ProgramBuilder();
    // Adds a line's nibbles (its number first), its link fields counted in
    // them.
    void add_line(const Nibbles& line, const std::vector<LinkField>& links);
    // Fills in the header and the chains, and puts the body's bytes (a
    // last odd nibble padded with 0); returns its nibble count.
    std::uint32_t finish(std::vector<unsigned char>& bytes);

private:
    Nibbles nibbles_;
    std::vector<LinkField> links_;  // offsets counted in nibbles_
};

}  // namespace velkord::basic

#endif
