#ifndef VELKORD_WRITING_ADD_HEADER_H
#define VELKORD_WRITING_ADD_HEADER_H

#include <string>

#include "report/report.h"

namespace velkord {

// Turns `input_name` into the LIF file `destination_name`: a header, the
// data, then 0xFF to the sector boundary. Failures of the input that can be
// seen before writing (missing, the destination itself, too large) leave the
// destination untouched.
Report add_header(const std::string& input_name,
                  const std::string& destination_name, char type_letter);

}  // namespace velkord

#endif
