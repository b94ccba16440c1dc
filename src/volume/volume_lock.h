// A volume is changed by one run at a time: a run that changes volumes
// holds an exclusive lock on each from reading its directory to putting its
// new image in place. Another run waits for it, trying again about every
// 50 ms, for 30 seconds at most. Reading a volume takes no lock.
#ifndef VELKORD_VOLUME_VOLUME_LOCK_H
#define VELKORD_VOLUME_VOLUME_LOCK_H

#include <cstddef>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace velkord {

enum class LockEnd { locked, in_use, failed };

struct VolumeLocks {
    LockEnd end = LockEnd::locked;
    std::vector<platform::FileLock> held;  // until the run is done with them
    std::size_t which = 0;                 // the image that was in use, or failed
    platform::SystemError cause;
};

constexpr unsigned lock_patience_ms = 30000;

// Locks the images named, each file once however it is named, in one
// order for every run (by device and file number), so that two runs never
// wait for each other. A lock counts only on the file that the name still
// leads to once it is held: one put in its place meanwhile, by the run that
// held it, is locked anew.
VolumeLocks lock_volumes(const std::vector<std::string>& image_names,
                         unsigned patience_ms = lock_patience_ms);

}  // namespace velkord

#endif
