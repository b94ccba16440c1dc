#ifndef VELKORD_READING_SHOW_HEADER_H
#define VELKORD_READING_SHOW_HEADER_H

#include <string>
#include <vector>

#include "lif/lif_header.h"
#include "reading/read_lif_header.h"
#include "report/report.h"

namespace velkord {

// The six lines that show a header's fields, followed by a warning line when
// the header does not look like one a LIF file would carry. Control bytes of
// the name show as '?'.
std::string describe_lif_header(const LifHeader& header);

// Shows the header at the start of the file `name`. A warning is not a failure.
Report show_header(const std::string& name);

// Shows the header of each file in turn. With more than one, each block
// begins with "==> name <==" and a blank line parts them; a file that fails
// says so in its block, and the others are still shown.
Report show_headers(const std::vector<std::string>& names);

}  // namespace velkord

#endif
