#include "volume/layout.h"

#include <algorithm>

#include "volume/names.h"

namespace velkord {

namespace {

// The name fields that the change purges: those it names, and those the
// new files replace. Nothing for a new file whose name is ambiguous.
PurgeSet purged_fields(InputFile& image, const Volume& volume, const VolumeChange& change,
                       DirectoryScan& scan) {
    PurgeSet fields;
    for (const LifName& name : change.purged) {
        fields.add(name);
    }
    if (change.files.empty()) {
        return fields;
    }
    std::vector<NameMatch> matches;
    for (const NewFile& file : change.files) {
        matches.emplace_back(file.entry.name);
    }
    DirectoryReader directory(image, volume);
    LifHeader entry;
    while (directory.next(entry)) {
        if (entry.file_type != lif_type_purged) {
            for (NameMatch& match : matches) {
                match.add(entry);
            }
        }
    }
    for (std::size_t i = 0; i < matches.size(); ++i) {
        if (matches[i].ambiguous()) {
            scan.ambiguous_file = i;
        } else if (matches[i].first()) {
            fields.add(matches[i].first()->name);
        }
    }
    scan.failed = directory.failed();
    return fields;
}

// a + b, held at the top rather than wrapping: only a damaged directory of
// billions of entries could reach it.
std::uint64_t add_held(std::uint64_t a, std::uint64_t b) {
    return a > UINT64_MAX - b ? UINT64_MAX : a + b;
}

// True when the new files fit from sector `start` on: within `end` (the
// capacity, or how far the image may grow), every start in an entry's 32
// bits. `too_many` is then the first that does not.
bool files_fit(const VolumeChange& change, std::uint64_t start, std::uint64_t end,
               std::size_t& too_many) {
    for (too_many = 0; too_many < change.files.size(); ++too_many) {
        const std::uint64_t sectors = change.files[too_many].bytes / sector_size;
        if (start > UINT32_MAX || start > end || sectors > end - start) {
            return false;
        }
        start += sectors;
    }
    return true;
}

}  // namespace

void PurgeSet::add(const LifName& name) {
    const auto place = std::lower_bound(names_.begin(), names_.end(), name);
    if (place == names_.end() || *place != name) {
        names_.insert(place, name);
    }
}

bool PurgeSet::purges(const LifHeader& entry) const {
    return entry.file_type != lif_type_purged &&
           std::binary_search(names_.begin(), names_.end(), entry.name);
}

DirectoryScan scan_directory(InputFile& image, const Volume& volume, const VolumeChange& change) {
    DirectoryScan scan;
    scan.purged = purged_fields(image, volume, change, scan);
    if (scan.failed) {
        return scan;
    }
    scan.highest_end = directory_end(volume.label);
    DirectoryReader directory(image, volume);
    VolumeCheck check(volume);
    LifHeader entry;
    while (directory.next(entry)) {
        scan.highest_end =
            std::max(scan.highest_end, std::uint64_t{entry.start_sector} + entry.sector_count);
        if (entry.file_type != lif_type_purged) {
            check.add_file(entry);
            if (!scan.purged.purges(entry)) {
                ++scan.kept_files;
                scan.kept_sectors = add_held(scan.kept_sectors, entry.sector_count);
            }
        }
        ++scan.used_slots;
    }
    check.end_directory(directory.cut());
    scan.damaged = check.damaged();
    scan.failed = directory.failed();
    return scan;
}

Placement choose_layout(const Volume& volume, const DirectoryScan& scan,
                        const VolumeChange& change) {
    Placement placement;
    placement.files_start = scan.highest_end;
    if (change.files.empty()) {
        return placement;
    }
    std::uint64_t new_sectors = 0;
    for (const NewFile& file : change.files) {
        new_sectors = add_held(new_sectors, file.bytes / sector_size);
    }
    // The image may grow by the new files' sectors, and no more.
    const std::uint64_t end = std::min(
        volume_capacity(volume.label), add_held(sectors_for(volume.image_bytes), new_sectors));
    const std::uint64_t slots = std::uint64_t{volume.label.directory_sectors} * entries_per_sector;
    const std::uint64_t count = change.files.size();
    if (scan.used_slots + count <= slots &&
        files_fit(change, placement.files_start, end, placement.too_many)) {
        return placement;
    }
    placement.files_start = add_held(directory_end(volume.label), scan.kept_sectors);
    const bool fit = files_fit(change, placement.files_start, end, placement.too_many);
    const std::uint64_t free_slots = slots - std::min(slots, scan.kept_files);
    if (count > free_slots) {
        placement.too_many = std::min(placement.too_many, static_cast<std::size_t>(free_slots));
    }
    placement.layout = fit && count <= free_slots ? Layout::packed : Layout::no_room;
    return placement;
}

LifHeaderBytes placed_entry(const NewFile& file, std::uint64_t start) {
    LifHeader entry = file.entry;
    entry.start_sector = static_cast<std::uint32_t>(start);
    return encode_lif_header(entry);
}

}  // namespace velkord
