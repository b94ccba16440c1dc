#ifndef VELKORD_WRITING_ADD_HEADER_H
#define VELKORD_WRITING_ADD_HEADER_H

#include <string>

#include "files/input_file.h"
#include "lif/lif_header.h"
#include "report/report.h"

namespace velkord {

// Turns `input_name` into the LIF file `destination_name`: a header, the
// data, then 0xFF to the sector boundary. Failures of the input that can be
// seen before writing (missing, the destination itself, too large) leave the
// destination untouched.
Report add_header(const std::string& input_name,
                  const std::string& destination_name, char type_letter);

// The warnings for an add that is likely a slip: an input that is a LIF file
// or a volume already, and a stored name that the HP-71B cannot use.
std::string add_warnings(InputFile& input, const std::string& input_name, char type_letter,
                         const LifName& stored_name);

// The warning for a name the HP-71B cannot use; empty for one it can.
std::string name_warning(const LifName& name);

}  // namespace velkord

#endif
