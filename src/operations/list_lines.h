// TEXT or BASIC into lines: a TEXT file's records, or a BASIC program's
// listing, as lines on the PC.
#ifndef VELKORD_OPERATIONS_LIST_LINES_H
#define VELKORD_OPERATIONS_LIST_LINES_H

#include <cstdint>
#include <string>

#include "files/block_writer.h"
#include "files/input_file.h"

#include "report/report.h"
#include "volume/names.h"

namespace velkord {

// Writes the records of the TEXT file `lif` to `output_name` as lines, each
// ended by a line feed: the way back for text that an HP-71B made. The
// data are the sectors the header names, or less where the file ends first.
// A BASIC program gives its listing, as the HP-71B lists it. A private
// program, and any other type of file, is refused before anything is
// written. At a line that cannot be read, the lines before it are kept and
// the read error reported.
Report list_lines(const Name& lif, const std::string& output_name);

// Lists the `nibble_count` nibbles of BASIC program data in `program` into
// `lines`. A program that is cut or damaged ends `input_short`, the lines
// before the damage put; one that cannot be read `read_failed`.
CopyEnd list_basic_program(InputFile& program, std::uint32_t nibble_count, BlockWriter& lines);

}  // namespace velkord

#endif
