#ifndef VELKORD_READING_LIST_BASIC_H
#define VELKORD_READING_LIST_BASIC_H

#include <string>

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

}  // namespace velkord

#endif
