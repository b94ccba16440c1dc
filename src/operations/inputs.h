// How the operations open what they read: an input by its resolved name,
// apart from the output it is read into, and a LIF file with its header.
// The messages are the same for every operation.
#ifndef VELKORD_OPERATIONS_INPUTS_H
#define VELKORD_OPERATIONS_INPUTS_H

#include <functional>
#include <string>

#include "files/input_file.h"
#include "lif/lif_header.h"
#include "report/report.h"
#include "volume/names.h"

namespace velkord {

// Opens what `name` stands for: "not found" when there is nothing to read
// (a folder counts as nothing), a read error when its volume's directory
// cannot be read.
Report open_named(const Name& name, InputFile& input);

// As open_named, for an operation that writes `output_name`: refuses when
// the output is the file the input is read from, under any name or link (or
// exists and cannot be told apart from it), before anything is written.
Report open_apart_from(const Name& name, const std::string& output_name, InputFile& input);

// Reads and decodes the 32 bytes at the start of `file`. False when the file
// holds fewer than 32 bytes or cannot be read.
bool read_lif_header(InputFile& file, LifHeader& header);

// True for a LIF file that can be copied as it is: a file on a volume, or
// a single LIF file (at least a header, no volume, start sector 0, and long
// enough for the sectors its header names). `header` is then its header,
// and the input is at its start again.
bool read_single_lif_file(const Name& name, InputFile& input, LifHeader& header);

// Gives every live file of the volume `name` to `each`, in directory
// order. Refused before the first when the volume holds more than an
// operation on all of them remembers at once (65,536): a crafted directory
// could hold millions.
Report for_each_file(const Name& volume, const std::function<void(const LifHeader&)>& each);

// Opens the LIF file `lif` (a single file, or a file on a volume) that an
// operation reads into `output_name`, and reads its header: a failure
// ("not found", the output itself, a whole volume, too short for a header),
// or, on success, the warning to print before anything else.
Report open_lif_file(const Name& lif, const std::string& output_name, InputFile& input,
                     LifHeader& header);

}  // namespace velkord

#endif
