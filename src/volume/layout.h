// Where the files put on a volume go, planned from one reading of its
// directory before anything is written: after the highest end sector of
// any entry, their entries after the last one; or, where they do not fit
// so, into the volume packed (purged entries removed, files moved down in
// directory order, without gaps).
#ifndef VELKORD_VOLUME_LAYOUT_H
#define VELKORD_VOLUME_LAYOUT_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "files/input_file.h"
#include "volume/volume_change.h"
#include "volume/volume_reader.h"

namespace velkord {

constexpr std::uint64_t entries_per_sector = sector_size / directory_entry_size;

// What the directory holds, read once before anything is written.
struct DirectoryScan {
    std::uint64_t used_slots = 0;    // entries before the end mark, or all
    std::uint64_t highest_end = 0;   // the first sector after the directory and
                                     // every entry's sectors, purged ones too
    std::uint64_t kept_files = 0;    // entries that stay when it is packed
    std::uint64_t kept_sectors = 0;
    std::vector<std::uint64_t> purged_slots;  // the files this change purges
    bool damaged = false;
    bool failed = false;
    // A new file whose name matches several files, none exactly.
    std::optional<std::size_t> ambiguous_file;
};

// Reads the directory, and finds the files that `change` purges: those it
// names, and those that the new files' names mean.
DirectoryScan scan_directory(InputFile& image, const Volume& volume, const VolumeChange& change);

enum class Layout { as_is, packed, no_room };

// Where the files of `change` go. For no_room, `too_many` is the first of
// them that does not fit.
Layout choose_layout(const Volume& volume, const DirectoryScan& scan,
                     const VolumeChange& change, std::size_t& too_many);

// Gives the files of `change` their start sectors, one after the other
// from `start` on; the first sector after them.
std::uint64_t place_new_files(VolumeChange& change, std::uint64_t start);

}  // namespace velkord

#endif
