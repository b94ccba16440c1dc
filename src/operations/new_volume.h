#ifndef VELKORD_OPERATIONS_NEW_VOLUME_H
#define VELKORD_OPERATIONS_NEW_VOLUME_H

#include <string>

#include "report/report.h"
#include "volume/names.h"

namespace velkord {

// /n: makes an empty LIF volume of an HP 9114 disk's size: 77 tracks, 2
// surfaces, 16 sectors a track (2,464 sectors, written in full), a directory
// of 63 sectors at sector 2 with every entry 0xFF (each reads as the end
// mark), dated from the local clock, labelled from the file's own name by
// the header-name rule cut to 6 characters. An existing file of that name,
// of any kind, is left as it is, even one that appears while the volume is
// made.
Report new_volume(const Name& name);

}  // namespace velkord

#endif
