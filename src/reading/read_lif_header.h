#ifndef VELKORD_READING_READ_LIF_HEADER_H
#define VELKORD_READING_READ_LIF_HEADER_H

#include <string>

#include "files/input_file.h"
#include "lif/lif_header.h"
#include "report/report.h"
#include "volume/named_input.h"

namespace velkord {

// Reads and decodes the 32 bytes at the start of `file`. False when the file
// holds fewer than 32 bytes or cannot be read.
bool read_lif_header(InputFile& file, LifHeader& header);

// The warning line for a header that is not plausible; empty for one that is.
std::string plausibility_warning(const LifHeader& header);

// True for a LIF file that can be copied as it is: a file on a volume, or
// a single LIF file (at least a header, no volume, start sector 0, and long
// enough for the sectors its header names). `header` is then its header,
// and the input is at its start again.
bool read_single_lif_file(NamedInput& file, LifHeader& header);

Report report_not_lif_file(const std::string& name);

// Opens the LIF file `lif_name` (a single file, or a file on a volume) that
// an operation reads into `output_name`, and reads its header: a failure
// ("not found", the output itself, a whole volume, too short for a header),
// or, on success, the warning to print before anything else.
Report open_lif_file(const std::string& lif_name, const std::string& output_name,
                     NamedInput& lif, LifHeader& header);

}  // namespace velkord

#endif
