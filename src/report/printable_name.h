// Names from the command line, a wildcard or someone else's LIF file go to
// the user's terminal; none of them may steer it.
#ifndef VELKORD_REPORT_PRINTABLE_NAME_H
#define VELKORD_REPORT_PRINTABLE_NAME_H

#include <string>

#include "files/utf8.h"

namespace velkord {

// `name` with each control character shown as one '?': bytes below 0x20,
// 0x7F, the C1 controls U+0080-U+009F written in UTF-8, and bytes
// 0x80-0x9F that belong to no valid UTF-8 sequence (a terminal may take
// them as C1 controls). Other UTF-8, and other bytes, are kept as they are.
std::string printable_name(const std::string& name);


}  // namespace velkord

#endif
