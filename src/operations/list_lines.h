// TEXT or BASIC into lines: a TEXT file's records, or a BASIC program's
// listing, as lines on the PC.
#ifndef VELKORD_OPERATIONS_LIST_LINES_H
#define VELKORD_OPERATIONS_LIST_LINES_H

#include <string>

#include "report/report.h"
#include "volume/names.h"

namespace velkord {

// Writes the records of the TEXT file `lif` to `output_name` as lines, each
// ended by a line feed: the way back for text that an HP-71B made. The
// data are the sectors the header names, or less where the file ends first.
// A BASIC program gives its listing, as the HP-71B lists it. A private
// program, and any other type of file, is refused before anything is
// written. At a line that cannot be read, the lines before it are kept and
// the read error reported.
Report list_lines(const Name& lif, const std::string& output_name);

}  // namespace velkord

#endif
