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

// What the add operation makes, and whether the user said so: text made
// into a LEX file by default is most likely a slip.
struct AddFormat {
    Format format = Format::lex;
    bool given = false;
};

// Turns `input` into the LIF file `destination` in `format`: a header, the
// data, then 0xFF to the sector boundary. Failures of the input that can be
// seen before writing (missing, the destination itself, too large) leave
// the destination untouched.
// What is said of a BASIC program's lines goes to `out` as it is found.
Report add_header(const Name& input, const Name& destination, AddFormat format,
                  const TextOut& out);

// The warnings for an add that is likely a slip: an input that is a LIF file
// or a volume already, a stored name that the HP-71B cannot use, and text
// made into a LEX file only because no type was given.
std::string add_warnings(InputFile& input, const std::string& input_name, AddFormat format,
                         const LifName& stored_name);

// The warning for a name the HP-71B cannot use; empty for one it can.
std::string name_warning(const LifName& name);

}  // namespace velkord

#endif
