#include "volume/volume_writer.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "files/output_file.h"
#include "lif/volume_label.h"

namespace velkord {
namespace {

constexpr std::size_t directory_block = 32 * sector_size;

ChangeOutcome outcome_of_copy(CopyEnd end, const BlockWriter& out) {
    switch (end) {
        case CopyEnd::complete:
            return ChangeOutcome{};
        case CopyEnd::write_failed:
            return {ChangeEnd::write_failed, 0, out.error()};
        default:
            return {ChangeEnd::read_failed, 0, {}};
    }
}

bool failed(const ChangeOutcome& outcome) { return outcome.end != ChangeEnd::changed; }

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
            LifHeaderBytes bytes = patch->second.bytes;
            if (patch->second.purge) {
                std::memcpy(bytes.data(), entry, bytes.size());
                LifHeader purged = parse_lif_header(bytes);
                purged.file_type = lif_type_purged;
                bytes = encode_lif_header(purged);
            }
            std::memcpy(entry, bytes.data(), bytes.size());
        }
        out.put(block.data(), size);
    }
    return true;
}

ChangeOutcome write_new_files(VolumeChange& change, BlockWriter& out) {
    for (std::size_t i = 0; i < change.files.size(); ++i) {
        const CopyEnd end = change.files[i].write(out);
        if (end == CopyEnd::write_failed) {
            return {ChangeEnd::write_failed, i, out.error()};
        }
        if (end != CopyEnd::complete) {
            return {ChangeEnd::input_failed, i, {}};
        }
    }
    return ChangeOutcome{};
}

// As it is: the old bytes with the directory patched, the new files placed
// after the highest end sector, and the old bytes after them, if any.
ChangeOutcome write_as_is(const Volume& volume, const DirectoryScan& scan, VolumeChange& change,
                          InputFile& old_image, BlockWriter& out) {
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
    ChangeOutcome copied = outcome_of_copy(image.copy_old(0, directory_start), out);
    if (failed(copied)) {
        return copied;
    }
    if (!write_directory_as_is(volume, patches, written_directory_end, old_image, out)) {
        return {ChangeEnd::read_failed, 0, old_image.error()};
    }
    if (change.files.empty()) {
        return outcome_of_copy(
            image.copy_old(image.position(), std::max(volume.image_bytes, image.position())),
            out);
    }
    copied = outcome_of_copy(
        image.copy_old(directory_bytes_end, scan.highest_end * sector_size), out);
    if (failed(copied)) {
        return copied;
    }
    const ChangeOutcome written = write_new_files(change, out);
    if (failed(written)) {
        return written;
    }
    const std::uint64_t end = std::max(volume.image_bytes, files_end * sector_size);
    return outcome_of_copy(image.copy_old(files_end * sector_size, end), out);
}

// Packed: the files that stay moved down in directory order with no gaps,
// the new ones after them, the freed slots 0xFF.
ChangeOutcome write_packed(const Volume& volume, const DirectoryScan& scan, VolumeChange& change,
                           InputFile& old_image, InputFile& old_data, BlockWriter& out) {
    ImageWriter image(old_data, volume.image_bytes, out);
    const std::uint64_t directory_start = std::uint64_t{volume.label.directory_start} * sector_size;
    ChangeOutcome copied = outcome_of_copy(image.copy_old(0, directory_start), out);
    if (failed(copied)) {
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
            copied = outcome_of_copy(
                image.copy_old(from, from + std::uint64_t{entry.sector_count} * sector_size),
                out);
            if (failed(copied)) {
                return copied;
            }
        }
    }
    if (entries.failed() || files.failed()) {
        return {ChangeEnd::read_failed, 0, old_image.error()};
    }
    const ChangeOutcome written = write_new_files(change, out);
    if (failed(written)) {
        return written;
    }
    image.fill_to(0x00, std::max(volume.image_bytes, files_end * sector_size));
    return ChangeOutcome{};
}

// The volume in `image`, checked as the catalog checks it.
ChangeOutcome read_for_change(const std::string& image_name, InputFile& image, Volume& volume,
                              const VolumeChange& change, bool adding, DirectoryScan& scan) {
    image = open_input(image_name);
    if (!image || !read_volume(image, volume)) {
        return {ChangeEnd::not_a_volume, 0, {}};
    }
    scan = scan_directory(image, volume, change);
    if (scan.failed) {
        return {ChangeEnd::read_failed, 0, image.error()};
    }
    if (scan.damaged) {
        return {ChangeEnd::damaged, 0, {}};
    }
    if (scan.ambiguous_file) {
        return {ChangeEnd::ambiguous, *scan.ambiguous_file, {}};
    }
    if (adding && volume_capacity(volume.label) == 0) {
        return {ChangeEnd::no_geometry, 0, {}};
    }
    return ChangeOutcome{};
}

}  // namespace

ChangeOutcome write_changed_image(const Volume& volume, const DirectoryScan& scan, Layout layout,
                                  VolumeChange& change, InputFile& old_image,
                                  InputFile& old_data, BlockWriter& out) {
    return layout == Layout::as_is
               ? write_as_is(volume, scan, change, old_image, out)
               : write_packed(volume, scan, change, old_image, old_data, out);
}

ChangeOutcome check_volume_for_change(const std::string& image_name, bool adding) {
    InputFile image;
    Volume volume;
    DirectoryScan scan;
    return read_for_change(image_name, image, volume, VolumeChange{}, adding, scan);
}

ChangeOutcome change_volume(const std::string& image_name, VolumeChange& change) {
    InputFile image;
    Volume volume;
    DirectoryScan scan;
    const ChangeOutcome checked =
        read_for_change(image_name, image, volume, change, !change.files.empty(), scan);
    if (failed(checked)) {
        return checked;
    }
    std::size_t too_many = 0;
    const Layout layout = choose_layout(volume, scan, change, too_many);
    if (layout == Layout::no_room) {
        return {ChangeEnd::no_room, too_many, {}};
    }
    // A volume is never changed in place: begin_output writes a new file
    // beside it, which a device or a pipe could not give.
    OutputFile output;
    if (!begin_output(image_name, output) || !output_rewritable(output)) {
        return {ChangeEnd::cannot_create, 0, output.cause};
    }
    BlockWriter out(output.file.get());
    InputFile data = layout == Layout::packed ? open_input(image_name) : InputFile();
    if (layout == Layout::packed && !data) {
        return {ChangeEnd::read_failed, 0, {}};
    }
    const ChangeOutcome written =
        write_changed_image(volume, scan, layout, change, image, data, out);
    if (failed(written)) {
        return written;
    }
    if (!out.flush()) {
        return {ChangeEnd::write_failed, 0, out.error()};
    }
    // Windows replaces no file that is still open.
    image = InputFile();
    data = InputFile();
    if (!close_output(output) || !place_output(output)) {
        return {ChangeEnd::write_failed, 0, output.cause};
    }
    return ChangeOutcome{};
}

}  // namespace velkord
