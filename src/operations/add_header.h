// Adding a header: an ordinary file made into a single LIF file.
#ifndef VELKORD_OPERATIONS_ADD_HEADER_H
#define VELKORD_OPERATIONS_ADD_HEADER_H

#include <string>

#include "files/input_file.h"
#include "lif/file_types.h"
#include "lif/lif_header.h"
#include "report/report.h"
#include "volume/names.h"

namespace velkord {

// Turns `input` into the LIF file `destination` in `format`: a header, the
// data, then 0xFF to the sector boundary. Failures of the input that can be
// seen before writing (missing, the destination itself, too large) leave
// the destination untouched.
Report add_header(const Name& input, const Name& destination, Format format);

// The warnings for an add that is likely a slip: an input that is a LIF file
// or a volume already, and a stored name that the HP-71B cannot use.
std::string add_warnings(InputFile& input, const std::string& input_name, Format format,
                         const LifName& stored_name);

// The warning for a name the HP-71B cannot use; empty for one it can.
std::string name_warning(const LifName& name);

}  // namespace velkord

#endif
