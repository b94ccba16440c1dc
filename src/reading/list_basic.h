#ifndef VELKORD_READING_LIST_BASIC_H
#define VELKORD_READING_LIST_BASIC_H

#include <cstdint>
#include <string>

#include "files/block_writer.h"
#include "files/input_file.h"
#include "lif/lif_header.h"
#include "report/report.h"
#include "volume/named_input.h"

namespace velkord {

// Writes the listing of the BASIC program `lif` (its header read, `header`)
// to `output_name`: its lines as the HP-71B lists them, each ended by a line
// feed. At a line that cannot be listed, the lines before it are kept and
// the read error reported.
Report list_basic(NamedInput& lif, const LifHeader& header, const std::string& lif_name,
                  const std::string& output_name);

// Lists the `nibble_count` nibbles of program data in `program` into
// `lines`. A program that is cut or damaged ends `input_short`, the lines
// before the damage put; one that cannot be read `read_failed`.
CopyEnd list_basic_program(InputFile& program, std::uint32_t nibble_count, BlockWriter& lines);

}  // namespace velkord

#endif
