#ifndef VELKORD_WRITING_PUT_ON_VOLUME_H
#define VELKORD_WRITING_PUT_ON_VOLUME_H

#include <string>
#include <vector>

#include "report/report.h"
#include "volume/named_input.h"

namespace velkord {

// Puts files on the volume that `destination` names, all of them or none:
// made by the add operation (type letter L, B, R or T) exactly as a single
// LIF file would be, or with `copy` LIF files as they are (single ones, or
// files on volumes). Each is stored under NAME when the destination is
// DISK.LIF/NAME, else under its input's own name (added) or its own header
// name (copied); a file of that name already there is replaced. Two inputs
// that would be stored under one name are refused before anything changes.
Report put_on_volume(const std::vector<std::string>& inputs, const NamedDestination& destination,
                     char type_letter, bool copy);

}  // namespace velkord

#endif
