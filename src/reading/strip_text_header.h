#ifndef VELKORD_READING_STRIP_TEXT_HEADER_H
#define VELKORD_READING_STRIP_TEXT_HEADER_H

#include <string>

#include "report/report.h"

namespace velkord {

// Writes the records of the TEXT file `lif_name` to `output_name` as lines,
// each ended by a line feed: the way back for text that an HP-71B made. The
// data are the sectors the header names, or less where the file ends first.
// A BASIC program gives its listing instead. A private program, and any
// other type of file, is refused before anything is written.
Report strip_text_header(const std::string& lif_name,
                         const std::string& output_name);

}  // namespace velkord

#endif
