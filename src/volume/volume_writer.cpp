#include "volume/volume_writer.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "files/output_file.h"
#include "lif/volume_label.h"
#include "volume/volume_lock.h"

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
            const CopyEnd copied = out_.copy_range(old_, from, there - from);
            if (copied != CopyEnd::complete) {
                return copied;
            }
        }
        fill_to(0x00, end);
        return out_.failed() ? CopyEnd::write_failed : CopyEnd::complete;
    }

    // `byte` up to `to`, or until a write fails.
    void fill_to(unsigned char byte, std::uint64_t to) {
        while (out_.count() < to && !out_.failed()) {
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

// The entries of the new files, placed one after the other from
// `files_start` on.
std::vector<LifHeaderBytes> new_entries(const VolumeChange& change, std::uint64_t files_start) {
    std::vector<LifHeaderBytes> entries;
    for (const NewFile& file : change.files) {
        entries.push_back(placed_entry(file, files_start));
        files_start += file.bytes / sector_size;
    }
    return entries;
}

// The directory slot `slot` (its 32 bytes at `bytes`) as the change leaves
// it: a purged file marked, a new entry after the last one, and an end mark
// after them.
void patch_slot(std::uint64_t slot, unsigned char* bytes, const DirectoryScan& scan,
                const std::vector<LifHeaderBytes>& added) {
    if (slot < scan.used_slots) {
        LifHeaderBytes old;
        std::memcpy(old.data(), bytes, old.size());
        LifHeader entry = parse_lif_header(old);
        if (scan.purged.purges(entry)) {
            entry.file_type = lif_type_purged;
            const LifHeaderBytes purged = encode_lif_header(entry);
            std::memcpy(bytes, purged.data(), purged.size());
        }
    } else if (slot - scan.used_slots < added.size()) {
        const LifHeaderBytes& entry = added[slot - scan.used_slots];
        std::memcpy(bytes, entry.data(), entry.size());
    } else if (!added.empty() && slot - scan.used_slots == added.size()) {
        std::memset(bytes, 0xFF, directory_entry_size);  // the end mark
    }
}

// The directory up to `end`, each slot as the change leaves it. Past the
// old image's end (where its end mark came early) the slots are 0xFF.
bool write_directory_as_is(const Volume& volume, const DirectoryScan& scan,
                           const std::vector<LifHeaderBytes>& added, std::uint64_t end,
                           InputFile& old_image, BlockWriter& out) {
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
        for (std::size_t i = 0; (i + 1) * directory_entry_size <= size; ++i) {
            patch_slot(first_slot + i, block.data() + i * directory_entry_size, scan, added);
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

std::uint64_t new_sectors(const VolumeChange& change) {
    std::uint64_t sectors = 0;
    for (const NewFile& file : change.files) {
        sectors += file.bytes / sector_size;
    }
    return sectors;
}

// As it is: the old bytes with the directory patched, the new files placed
// after the highest end sector, and the old bytes after them, if any.
ChangeOutcome write_as_is(const Volume& volume, const DirectoryScan& scan,
                          const Placement& placement, VolumeChange& change, InputFile& old_image,
                          BlockWriter& out) {
    ImageWriter image(old_image, volume.image_bytes, out);
    const std::uint64_t directory_start = std::uint64_t{volume.label.directory_start} * sector_size;
    const std::uint64_t directory_bytes_end = directory_end(volume.label) * sector_size;
    // A purge alone never makes the image longer: the directory's unused
    // tail past the image's end is not written out.
    const std::uint64_t written_directory_end =
        change.files.empty() ? std::min(directory_bytes_end, volume.image_bytes)
                             : directory_bytes_end;
    ChangeOutcome copied = outcome_of_copy(image.copy_old(0, directory_start), out);
    if (failed(copied)) {
        return copied;
    }
    if (!write_directory_as_is(volume, scan, new_entries(change, placement.files_start),
                               written_directory_end, old_image, out)) {
        return {ChangeEnd::read_failed, 0, old_image.error()};
    }
    if (change.files.empty()) {
        return outcome_of_copy(
            image.copy_old(image.position(), std::max(volume.image_bytes, image.position())),
            out);
    }
    copied = outcome_of_copy(
        image.copy_old(directory_bytes_end, placement.files_start * sector_size), out);
    if (failed(copied)) {
        return copied;
    }
    const ChangeOutcome written = write_new_files(change, out);
    if (failed(written)) {
        return written;
    }
    const std::uint64_t files_end = (placement.files_start + new_sectors(change)) * sector_size;
    return outcome_of_copy(
        image.copy_old(files_end, std::max(volume.image_bytes, files_end)), out);
}

// Packed: the files that stay moved down in directory order with no gaps,
// the new ones after them, the freed slots 0xFF, the freed sectors zero, and
// whatever the image holds past the capacity as it was.
ChangeOutcome write_packed(const Volume& volume, const DirectoryScan& scan,
                           const Placement& placement, VolumeChange& change, InputFile& old_image,
                           InputFile& old_data, BlockWriter& out) {
    ImageWriter image(old_data, volume.image_bytes, out);
    const std::uint64_t directory_start = std::uint64_t{volume.label.directory_start} * sector_size;
    ChangeOutcome copied = outcome_of_copy(image.copy_old(0, directory_start), out);
    if (failed(copied)) {
        return copied;
    }
    const auto kept = [&scan](const LifHeader& entry) {
        return entry.file_type != lif_type_purged && !scan.purged.purges(entry);
    };
    // The entries, each with its new start (which the placement has found
    // to fit in 32 bits).
    std::uint64_t next = directory_end(volume.label);
    DirectoryReader entries(old_image, volume);
    LifHeader entry;
    while (entries.next(entry)) {
        if (kept(entry)) {
            entry.start_sector = static_cast<std::uint32_t>(next);
            next += entry.sector_count;
            const LifHeaderBytes bytes = encode_lif_header(entry);
            out.put(bytes.data(), bytes.size());
        }
    }
    for (const LifHeaderBytes& bytes : new_entries(change, placement.files_start)) {
        out.put(bytes.data(), bytes.size());
    }
    image.fill_to(0xFF, directory_end(volume.label) * sector_size);
    // The sectors, in the same order.
    DirectoryReader files(old_image, volume);
    while (files.next(entry)) {
        if (kept(entry)) {
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
    const std::uint64_t files_end = (placement.files_start + new_sectors(change)) * sector_size;
    const std::uint64_t end = std::max(volume.image_bytes, files_end);
    const std::uint64_t capacity =
        std::min(volume_capacity(volume.label), UINT64_MAX / sector_size) * sector_size;
    image.fill_to(0x00, std::min(end, capacity));
    return outcome_of_copy(image.copy_old(image.position(), end), out);
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

// Plans the change of `edit` on its volume, which this run has locked, and
// writes the new image beside it, flushed and closed: `output` then only
// waits to be put in place.
ChangeOutcome prepare_change(VolumeEdit& edit, OutputFile& output) {
    InputFile image;
    Volume volume;
    DirectoryScan scan;
    VolumeChange& change = edit.change;
    const ChangeOutcome checked =
        read_for_change(edit.image_name, image, volume, change, !change.files.empty(), scan);
    if (failed(checked)) {
        return checked;
    }
    const Placement placement = choose_layout(volume, scan, change);
    if (placement.layout == Layout::no_room) {
        return {ChangeEnd::no_room, placement.too_many, {}};
    }
    // A volume is never changed in place: begin_output writes a new file
    // beside it, which a device or a pipe could not give.
    if (!begin_output(edit.image_name, output) || !output_rewritable(output)) {
        return {ChangeEnd::cannot_create, 0, output.cause};
    }
    BlockWriter out(output.file.get());
    InputFile data = placement.layout == Layout::packed ? open_input(edit.image_name) : InputFile();
    if (placement.layout == Layout::packed && !data) {
        return {ChangeEnd::read_failed, 0, {}};
    }
    const ChangeOutcome written =
        write_changed_image(volume, scan, placement, change, image, data, out);
    if (failed(written)) {
        return written;
    }
    if (!out.flush()) {
        return {ChangeEnd::write_failed, 0, out.error()};
    }
    // Windows replaces no file that is still open.
    image = InputFile();
    data = InputFile();
    if (!close_output(output)) {
        return {ChangeEnd::write_failed, 0, output.cause};
    }
    return ChangeOutcome{};
}

ChangeOutcome outcome_of_lock(const VolumeLocks& locks) {
    switch (locks.end) {
        case LockEnd::locked:
            break;
        case LockEnd::in_use:
            return {ChangeEnd::in_use, 0, {}};
        case LockEnd::failed:
            return {ChangeEnd::not_a_volume, 0, locks.cause};
    }
    return ChangeOutcome{};
}

}  // namespace

ChangeOutcome write_changed_image(const Volume& volume, const DirectoryScan& scan,
                                  const Placement& placement, VolumeChange& change,
                                  InputFile& old_image, InputFile& old_data, BlockWriter& out) {
    return placement.layout == Layout::as_is
               ? write_as_is(volume, scan, placement, change, old_image, out)
               : write_packed(volume, scan, placement, change, old_image, old_data, out);
}

ChangeOutcome check_volume_for_change(const std::string& image_name, bool adding) {
    InputFile image;
    Volume volume;
    DirectoryScan scan;
    return read_for_change(image_name, image, volume, VolumeChange{}, adding, scan);
}

ChangeOutcome change_volumes(std::vector<VolumeEdit>& edits, std::size_t& which) {
    std::vector<std::string> names;
    for (const VolumeEdit& edit : edits) {
        names.push_back(edit.image_name);
    }
    // Held until every new image is in place.
    const VolumeLocks locks = lock_volumes(names);
    which = locks.which;
    const ChangeOutcome locked = outcome_of_lock(locks);
    if (failed(locked)) {
        return locked;
    }
    // Every new image is written before any takes its volume's place: a
    // failure until then leaves every volume as it was.
    std::vector<std::unique_ptr<OutputFile>> outputs;
    for (which = 0; which < edits.size(); ++which) {
        outputs.push_back(std::make_unique<OutputFile>());
        const ChangeOutcome prepared = prepare_change(edits[which], *outputs.back());
        if (failed(prepared)) {
            return prepared;
        }
    }
    for (which = 0; which < edits.size(); ++which) {
        if (!place_output(*outputs[which])) {
            return {ChangeEnd::write_failed, 0, outputs[which]->cause};
        }
    }
    return ChangeOutcome{};
}

}  // namespace velkord
