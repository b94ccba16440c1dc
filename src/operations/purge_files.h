// Purging files from volumes.
#ifndef VELKORD_OPERATIONS_PURGE_FILES_H
#define VELKORD_OPERATIONS_PURGE_FILES_H

#include <vector>

#include "report/report.h"
#include "volume/names.h"

namespace velkord {

// /p: marks each file named as DISK.LIF/NAME purged (type 0); its sectors
// stay until the volume is packed. Every name is checked before any volume
// changes; each volume is then rewritten once, whole.
Report purge_files(const std::vector<Name>& names);

}  // namespace velkord

#endif
