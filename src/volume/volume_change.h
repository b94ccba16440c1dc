// What one run asks of a volume: names to purge, and files to put on it.
#ifndef VELKORD_VOLUME_VOLUME_CHANGE_H
#define VELKORD_VOLUME_VOLUME_CHANGE_H

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "files/block_writer.h"
#include "lif/lif_header.h"

namespace velkord {

// A file on its way onto a volume.
struct NewFile {
    std::string input_name;  // as typed
    LifHeader entry;         // its directory entry; the start sector is set
                             // where it is placed
    std::uint64_t bytes = 0;  // its data: whole sectors
    // Writes exactly those bytes, when its turn comes (its input is opened
    // again only then: a run may put many files on).
    std::function<CopyEnd(BlockWriter& out)> write;
};

struct VolumeChange {
    // Every live file whose name field is exactly one of these is purged
    // (the files that /p names, as they were found).
    std::vector<LifName> purged;
    // Each replaces the files its name means (NameMatch), which are purged.
    std::vector<NewFile> files;
};

}  // namespace velkord

#endif
