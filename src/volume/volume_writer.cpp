#include "volume/volume_writer.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "files/block_writer.h"
#include "files/output_file.h"
#include "lif/volume_label.h"
#include "report/printable_name.h"
#include "volume/named_input.h"
#include "volume/volume_reader.h"

namespace velkord {
namespace {

constexpr std::uint64_t entries_per_sector = sector_size / directory_entry_size;
constexpr std::size_t directory_block = 32 * sector_size;

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
};

bool purged_by(const LifHeader& entry, const VolumeChange& change) {
    return std::any_of(change.purged.begin(), change.purged.end(),
                       [&](const LifName& name) { return same_lif_name(name, entry.name); });
}

DirectoryScan scan_directory(InputFile& image, const Volume& volume, const VolumeChange& change) {
    DirectoryScan scan;
    scan.highest_end = directory_end(volume.label);
    DirectoryReader directory(image, volume);
    VolumeCheck check(volume);
    LifHeader entry;
    while (directory.next(entry)) {
        scan.highest_end =
            std::max(scan.highest_end, std::uint64_t{entry.start_sector} + entry.sector_count);
        if (entry.file_type != lif_type_purged) {
            check.add_file(entry);
            if (purged_by(entry, change)) {
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

Report report_damaged(const std::string& image_name) {
    return failure(printable_name(image_name) + " is a damaged LIF volume\n");
}

Report report_no_geometry(const std::string& image_name) {
    return failure(printable_name(image_name) + " has no geometry: its size is unknown\n");
}

// A failure to copy from the old image into the new one: the new one's
// when writing failed.
Report report_image_copy(CopyEnd end, const std::string& image_name) {
    if (end == CopyEnd::complete) {
        return Report{};
    }
    return end == CopyEnd::write_failed ? report_write_error(image_name)
                                        : report_read_error(image_name);
}

Report report_no_room(const std::string& file_name, const std::string& image_name) {
    return failure("no room for " + printable_name(file_name) + " on " +
                   printable_name(image_name) + "\n");
}

// Where the files go: after everything there is, or, when they do not fit
// so, into a packed volume. Nothing when they do not fit at all; `too_many`
// then names the first that does not.
enum class Layout { as_is, packed, no_room };

Layout choose_layout(const Volume& volume, const DirectoryScan& scan,
                     const VolumeChange& change, std::size_t& too_many) {
    if (change.files.empty()) {
        return Layout::as_is;
    }
    const std::uint64_t capacity = volume_capacity(volume.label);
    const std::uint64_t slots = std::uint64_t{volume.label.directory_sectors} * entries_per_sector;
    std::uint64_t new_sectors = 0;
    for (const NewFile& file : change.files) {
        new_sectors += file.data.bytes / sector_size;
    }
    const std::uint64_t count = change.files.size();
    if (scan.used_slots + count <= slots && scan.highest_end + new_sectors <= capacity) {
        return Layout::as_is;
    }
    std::uint64_t end = directory_end(volume.label) + scan.kept_sectors;
    std::uint64_t used = scan.kept_files;
    for (too_many = 0; too_many < change.files.size(); ++too_many) {
        end += change.files[too_many].data.bytes / sector_size;
        if (++used > slots || end > capacity) {
            return Layout::no_room;
        }
    }
    return Layout::packed;
}

// Writes the new image in order, from the old one and the new files.
class ImageWriter {
public:
    ImageWriter(InputFile& old_image, std::uint64_t old_bytes, BlockWriter& out)
        : old_(old_image), old_bytes_(old_bytes), out_(out) {}

    // The old image's bytes from `from` up to `to`, wherever the new image
    // has got to, and zeros for those the old image does not hold.
    CopyEnd copy_old(std::uint64_t from, std::uint64_t to) {
        const std::uint64_t end = out_.count() + (to - from);
        const std::uint64_t there = std::min(to, old_bytes_);
        if (from < there) {
            if (!old_.seek(from)) {
                return CopyEnd::read_failed;
            }
            const CopyEnd copied = out_.copy_from(old_, there - from);
            if (copied != CopyEnd::complete) {
                return copied;
            }
        }
        fill_to(0x00, end);
        return CopyEnd::complete;
    }

    // `byte` up to `to`.
    void fill_to(unsigned char byte, std::uint64_t to) {
        while (out_.count() < to) {
            out_.put_repeated(byte, static_cast<std::size_t>(
                                        std::min<std::uint64_t>(to - out_.count(), 1 << 16)));
        }
    }

    std::uint64_t position() const { return out_.count(); }

private:
    InputFile& old_;
    std::uint64_t old_bytes_;
    BlockWriter& out_;
};

// A change to one directory entry: a new entry, or only its type set to 0.
struct EntryPatch {
    bool purge = false;
    LifHeaderBytes bytes{};
};

// The directory as it was, with the purged files marked, the new entries
// after the last one, and an end mark after them where there is room. Past
// the old image's end (where its end mark came early) the slots are 0xFF.
bool write_directory_as_is(const Volume& volume, const std::map<std::uint64_t, EntryPatch>& patches,
                           std::uint64_t end, InputFile& old_image, BlockWriter& out) {
    const std::uint64_t start = std::uint64_t{volume.label.directory_start} * sector_size;
    Bytes block(directory_block);
    for (std::uint64_t at = start; at < end; at += block.size()) {
        const std::size_t size =
            static_cast<std::size_t>(std::min<std::uint64_t>(block.size(), end - at));
        const std::size_t there = static_cast<std::size_t>(
            at < volume.image_bytes ? std::min<std::uint64_t>(size, volume.image_bytes - at) : 0);
        std::fill(block.begin(), block.begin() + size, 0xFF);
        if (there > 0 && (!old_image.seek(at) || old_image.read(block.data(), there) != there)) {
            return false;
        }
        const std::uint64_t first_slot = (at - start) / directory_entry_size;
        for (auto patch = patches.lower_bound(first_slot);
             patch != patches.end() && patch->first < first_slot + size / directory_entry_size;
             ++patch) {
            unsigned char* entry =
                block.data() + (patch->first - first_slot) * directory_entry_size;
            if (patch->second.purge) {
                entry[10] = entry[11] = 0x00;  // lif_type_purged
            } else {
                std::memcpy(entry, patch->second.bytes.data(), directory_entry_size);
            }
        }
        out.put(block.data(), size);
    }
    return true;
}

// The sectors of every file the new files are put after, and the new files'
// entries, placed from `start` on.
std::uint64_t place_new_files(VolumeChange& change, std::uint64_t start) {
    for (NewFile& file : change.files) {
        file.entry.start_sector = static_cast<std::uint32_t>(start);
        start += file.data.bytes / sector_size;
    }
    return start;
}

Report write_new_files(VolumeChange& change, const std::string& image_name, BlockWriter& out) {
    for (NewFile& file : change.files) {
        // Data that wait in a scratch file need their input no more (a
        // named pipe opened again would wait for a writer).
        NamedInput input;
        if (!file.data.scratch && open_named_input(file.input_name, input).failed) {
            return report_read_error(file.input_name);
        }
        switch (write_lif_data(input.input, file.data, out)) {
            case CopyEnd::complete:
                break;
            case CopyEnd::write_failed:
                return report_write_error(image_name);
            default:
                return report_read_error(file.input_name);
        }
    }
    return Report{};
}

// As it is: the old bytes with the directory patched, the new files placed
// after the highest end sector, and the old bytes after them, if any.
Report write_as_is(const Volume& volume, const DirectoryScan& scan, VolumeChange& change,
                   const std::string& image_name, InputFile& old_image, BlockWriter& out) {
    const std::uint64_t slots = std::uint64_t{volume.label.directory_sectors} * entries_per_sector;
    std::map<std::uint64_t, EntryPatch> patches;
    for (const std::uint64_t slot : scan.purged_slots) {
        patches[slot].purge = true;
    }
    const std::uint64_t files_end = place_new_files(change, scan.highest_end);
    std::uint64_t slot = scan.used_slots;
    for (const NewFile& file : change.files) {
        patches[slot++].bytes = encode_lif_header(file.entry);
    }
    if (!change.files.empty() && slot < slots) {
        patches[slot].bytes.fill(0xFF);  // the end mark
    }
    ImageWriter image(old_image, volume.image_bytes, out);
    const std::uint64_t directory_start = std::uint64_t{volume.label.directory_start} * sector_size;
    const std::uint64_t directory_bytes_end = directory_end(volume.label) * sector_size;
    // A purge alone never makes the image longer.
    const std::uint64_t written_directory_end =
        change.files.empty() ? std::min(directory_bytes_end, volume.image_bytes)
                             : directory_bytes_end;
    Report copied = report_image_copy(image.copy_old(0, directory_start), image_name);
    if (copied.failed) {
        return copied;
    }
    if (!write_directory_as_is(volume, patches, written_directory_end, old_image, out)) {
        return report_read_error(image_name);
    }
    if (change.files.empty()) {
        return report_image_copy(
            image.copy_old(image.position(), std::max(volume.image_bytes, image.position())),
            image_name);
    }
    copied = report_image_copy(
        image.copy_old(directory_bytes_end, scan.highest_end * sector_size), image_name);
    if (copied.failed) {
        return copied;
    }
    Report written = write_new_files(change, image_name, out);
    if (written.failed) {
        return written;
    }
    const std::uint64_t end = std::max(volume.image_bytes, files_end * sector_size);
    return report_image_copy(image.copy_old(files_end * sector_size, end), image_name);
}

// Packed: the files that stay moved down in directory order with no gaps,
// the new ones after them, the freed slots 0xFF.
Report write_packed(const Volume& volume, const DirectoryScan& scan, VolumeChange& change,
                    const std::string& image_name, InputFile& old_image, InputFile& old_data,
                    BlockWriter& out) {
    ImageWriter image(old_data, volume.image_bytes, out);
    const std::uint64_t directory_start = std::uint64_t{volume.label.directory_start} * sector_size;
    Report copied = report_image_copy(image.copy_old(0, directory_start), image_name);
    if (copied.failed) {
        return copied;
    }
    const auto kept = [&](const LifHeader& entry, std::uint64_t slot) {
        return entry.file_type != lif_type_purged &&
               !std::binary_search(scan.purged_slots.begin(), scan.purged_slots.end(), slot);
    };
    // The entries, each with its new start.
    std::uint64_t next = directory_end(volume.label);
    DirectoryReader entries(old_image, volume);
    LifHeader entry;
    while (entries.next(entry)) {
        if (kept(entry, entries.slot())) {
            entry.start_sector = static_cast<std::uint32_t>(next);
            next += entry.sector_count;
            const LifHeaderBytes bytes = encode_lif_header(entry);
            out.put(bytes.data(), bytes.size());
        }
    }
    const std::uint64_t files_end = place_new_files(change, next);
    for (const NewFile& file : change.files) {
        const LifHeaderBytes bytes = encode_lif_header(file.entry);
        out.put(bytes.data(), bytes.size());
    }
    image.fill_to(0xFF, directory_end(volume.label) * sector_size);
    // The sectors, in the same order.
    DirectoryReader files(old_image, volume);
    while (files.next(entry)) {
        if (kept(entry, files.slot())) {
            const std::uint64_t from = std::uint64_t{entry.start_sector} * sector_size;
            copied = report_image_copy(
                image.copy_old(from, from + std::uint64_t{entry.sector_count} * sector_size),
                image_name);
            if (copied.failed) {
                return copied;
            }
        }
    }
    if (entries.failed() || files.failed()) {
        return report_read_error(image_name);
    }
    Report written = write_new_files(change, image_name, out);
    if (written.failed) {
        return written;
    }
    image.fill_to(0x00, std::max(volume.image_bytes, files_end * sector_size));
    return Report{};
}

}  // namespace

Report check_volume_for_change(const std::string& image_name, bool adding) {
    InputFile image = open_input(image_name);
    Volume volume;
    if (!image || !read_volume(image, volume)) {
        return report_not_found(image_name);
    }
    const DirectoryScan scan = scan_directory(image, volume, VolumeChange{});
    if (scan.failed) {
        return report_read_error(image_name);
    }
    if (scan.damaged) {
        return report_damaged(image_name);
    }
    return adding && volume_capacity(volume.label) == 0 ? report_no_geometry(image_name)
                                                        : Report{};
}

Report change_volume(const std::string& image_name, VolumeChange& change) {
    InputFile image = open_input(image_name);
    Volume volume;
    if (!image || !read_volume(image, volume)) {
        return report_not_found(image_name);
    }
    const DirectoryScan scan = scan_directory(image, volume, change);
    if (scan.failed) {
        return report_read_error(image_name);
    }
    if (scan.damaged) {
        return report_damaged(image_name);
    }
    if (!change.files.empty() && volume_capacity(volume.label) == 0) {
        return report_no_geometry(image_name);
    }
    std::size_t too_many = 0;
    const Layout layout = choose_layout(volume, scan, change, too_many);
    if (layout == Layout::no_room) {
        return report_no_room(change.files[too_many].input_name, image_name);
    }
    // A volume is never changed in place: begin_output writes a new file
    // beside it, which a device or a pipe could not give.
    OutputFile output;
    if (!begin_output(image_name, output) || !output_rewritable(output)) {
        return report_cannot_create(image_name);
    }
    BlockWriter out(output.file.get());
    Report written;
    if (layout == Layout::as_is) {
        written = write_as_is(volume, scan, change, image_name, image, out);
    } else {
        InputFile data = open_input(image_name);
        written = data ? write_packed(volume, scan, change, image_name, image, data, out)
                       : report_read_error(image_name);
    }
    if (written.failed) {
        return written;
    }
    const bool flushed = out.flush();
    // Windows replaces no file that is still open.
    image = InputFile();
    for (NewFile& file : change.files) {
        file.data.scratch = InputFile();
    }
    return finish_output(output, flushed ? CopyEnd::complete : CopyEnd::write_failed,
                         image_name, image_name);
}

}  // namespace velkord
