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

// The name fields a change purges. Kept as names, not as the entries found,
// so that memory stays small however many entries bear one name.
class PurgeSet {
public:
    void add(const LifName& name);
    // True for a live entry whose name field is exactly one of them.
    bool purges(const LifHeader& entry) const;

private:
    std::vector<LifName> names_;  // sorted, each once
};

// What the directory holds, read once before anything is written.
struct DirectoryScan {
    std::uint64_t used_slots = 0;    // entries before the end mark, or all
    std::uint64_t highest_end = 0;   // the first sector after the directory and
                                     // every entry's sectors, purged ones too
    std::uint64_t kept_files = 0;    // entries that stay when it is packed
    std::uint64_t kept_sectors = 0;
    PurgeSet purged;                 // what this change purges
    bool damaged = false;
    bool failed = false;
    // A new file whose name matches several files, none exactly.
    std::optional<std::size_t> ambiguous_file;
};

// Reads the directory, and finds the files that `change` purges: those it
// names, and those that the new files' names mean.
DirectoryScan scan_directory(InputFile& image, const Volume& volume, const VolumeChange& change);

enum class Layout { as_is, packed, no_room };

struct Placement {
    Layout layout = Layout::as_is;
    std::uint64_t files_start = 0;  // the sector where the first new file goes
    std::size_t too_many = 0;       // for no_room: the first file that does not fit
};

// Where the files of `change` go. Besides the capacity and the directory's
// slots, a layout must not make the image longer than the old one (in
// whole sectors) and the new files' sectors: a crafted entry far past the
// image's end, or a directory of billions of sectors, would otherwise have
// the image written out to its end. Every start sector must fit in an entry.
Placement choose_layout(const Volume& volume, const DirectoryScan& scan,
                        const VolumeChange& change);

// The directory entry of a new file whose sectors begin at `start` (which
// choose_layout has found to fit).
LifHeaderBytes placed_entry(const NewFile& file, std::uint64_t start);

}  // namespace velkord

#endif
