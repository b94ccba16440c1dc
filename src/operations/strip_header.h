// Removing a header: the data of a LIF file, without its header and fill.
#ifndef VELKORD_OPERATIONS_STRIP_HEADER_H
#define VELKORD_OPERATIONS_STRIP_HEADER_H

#include <string>

#include "report/report.h"
#include "volume/names.h"

namespace velkord {

// Writes the data of the LIF file `lif` to `output_name`: as many bytes
// after the header as its nibble count stands for. Data that end early are
// written as far as they go, then reported. An implausible header is warned
// about, and a TEXT file (whose nibble count is 0) or a BASIC program gets
// a hint about /t.
Report strip_header(const Name& lif, const std::string& output_name);

}  // namespace velkord

#endif
