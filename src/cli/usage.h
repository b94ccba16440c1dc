// The usage text, /h.
#ifndef VELKORD_CLI_USAGE_H
#define VELKORD_CLI_USAGE_H

#include <string>

namespace velkord {

std::string usage_text();

// The version of this release: "1.3".
std::string version_text();

}  // namespace velkord

#endif
