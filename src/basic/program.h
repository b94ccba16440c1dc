// HP-71B BASIC programs (LIF types E214 to E217) listed as text, line by
// line, as the HP-71B's LIST shows them.
#ifndef VELKORD_BASIC_PROGRAM_H
#define VELKORD_BASIC_PROGRAM_H

#include <cstdint>

#include "files/block_writer.h"
#include "files/input_file.h"

namespace velkord::basic {

// A BASIC program, or a secure one: both list.
bool is_listable_program(std::uint16_t file_type);
// A private program, which the HP-71B never lists.
bool is_private_program(std::uint16_t file_type);

// Reads the `nibble_count` nibbles of program data that follow the header
// in `program`, and puts each line's listing into `lines`, ended by a line
// feed, without trailing blanks. A line appears only whole: at the first
// one that cannot be listed (damaged, or cut by the end of the data) the
// listing stops with `input_short`, the lines before it put; a file that
// ends before its data is `input_short` too, one that cannot be read
// `read_failed`. Memory does not grow with the program: one line at a time.
CopyEnd list_program(InputFile& program, std::uint32_t nibble_count, BlockWriter& lines);

}  // namespace velkord::basic

#endif
