#include "volume/layout.h"

#include <algorithm>

#include "volume/names.h"

namespace velkord {

namespace {

// The name fields that the change purges: those it names, and those the
// new files replace. Nothing when a new file's name is ambiguous.
std::vector<LifName> purged_fields(InputFile& image, const Volume& volume,
                                   const VolumeChange& change, DirectoryScan& scan) {
    std::vector<LifName> fields = change.purged;
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
            fields.push_back(matches[i].first()->name);
        }
    }
    scan.failed = directory.failed();
    return fields;
}

}  // namespace

DirectoryScan scan_directory(InputFile& image, const Volume& volume, const VolumeChange& change) {
    DirectoryScan scan;
    const std::vector<LifName> purged = purged_fields(image, volume, change, scan);
    if (scan.failed) {
        return scan;
    }
    const auto purged_by = [&purged](const LifHeader& entry) {
        return std::find(purged.begin(), purged.end(), entry.name) != purged.end();
    };
    scan.highest_end = directory_end(volume.label);
    DirectoryReader directory(image, volume);
    VolumeCheck check(volume);
    LifHeader entry;
    while (directory.next(entry)) {
        scan.highest_end =
            std::max(scan.highest_end, std::uint64_t{entry.start_sector} + entry.sector_count);
        if (entry.file_type != lif_type_purged) {
            check.add_file(entry);
            if (purged_by(entry)) {
                scan.purged_slots.push_back(scan.used_slots);
            } else {
                ++scan.kept_files;
                scan.kept_sectors += entry.sector_count;
            }
        }
        ++scan.used_slots;
    }
    check.end_directory(directory.cut());
    scan.damaged = check.damaged();
    scan.failed = directory.failed();
    return scan;
}

Layout choose_layout(const Volume& volume, const DirectoryScan& scan,
                     const VolumeChange& change, std::size_t& too_many) {
    if (change.files.empty()) {
        return Layout::as_is;
    }
    const std::uint64_t capacity = volume_capacity(volume.label);
    const std::uint64_t slots = std::uint64_t{volume.label.directory_sectors} * entries_per_sector;
    std::uint64_t new_sectors = 0;
    for (const NewFile& file : change.files) {
        new_sectors += file.bytes / sector_size;
    }
    const std::uint64_t count = change.files.size();
    if (scan.used_slots + count <= slots && scan.highest_end + new_sectors <= capacity) {
        return Layout::as_is;
    }
    std::uint64_t end = directory_end(volume.label) + scan.kept_sectors;
    std::uint64_t used = scan.kept_files;
    for (too_many = 0; too_many < change.files.size(); ++too_many) {
        end += change.files[too_many].bytes / sector_size;
        if (++used > slots || end > capacity) {
            return Layout::no_room;
        }
    }
    return Layout::packed;
}

std::uint64_t place_new_files(VolumeChange& change, std::uint64_t start) {
    for (NewFile& file : change.files) {
        file.entry.start_sector = static_cast<std::uint32_t>(start);
        start += file.bytes / sector_size;
    }
    return start;
}

}  // namespace velkord
