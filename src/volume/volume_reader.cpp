#include "volume/volume_reader.h"

#include <algorithm>
#include <cstring>

namespace velkord {
namespace {

// Whole sectors of entries at a time.
constexpr std::size_t directory_block = 32 * sector_size;

}  // namespace

bool read_volume(InputFile& image, Volume& volume) {
    if (!image.size() || !image.seek(0)) {
        return false;
    }
    // An image may end within its label: the bytes it lacks count as zero.
    VolumeLabelBytes bytes{};
    const std::size_t got = image.read(bytes.data(), bytes.size());
    if (!begins_lif_volume(bytes.data(), got)) {
        return false;
    }
    volume.label = parse_volume_label(bytes);
    volume.image_bytes = *image.size();
    return true;
}

std::uint64_t volume_sectors(const Volume& volume) {
    const std::uint64_t capacity = volume_capacity(volume.label);
    return capacity != 0 ? capacity : volume.image_bytes / sector_size;
}

bool is_whole(const Volume& volume, const LifHeader& entry) {
    const std::uint64_t end = std::uint64_t{entry.start_sector} + entry.sector_count;
    return entry.sector_count == 0 || end * sector_size <= volume.image_bytes;
}

DirectoryReader::DirectoryReader(InputFile& image, const Volume& volume)
    : image_(image),
      slots_(std::uint64_t{volume.label.directory_sectors} * (sector_size / directory_entry_size)),
      block_(directory_block) {
    const std::uint64_t start = std::uint64_t{volume.label.directory_start} * sector_size;
    if (start >= volume.image_bytes) {
        cut_ = true;
        done_ = true;
    } else if (!image_.seek(start)) {
        done_ = true;
    }
}

bool DirectoryReader::next(LifHeader& entry) {
    if (done_ || slot_ == slots_) {
        return false;
    }
    if (end_ - begin_ < directory_entry_size) {
        std::memmove(block_.data(), block_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
        const std::uint64_t left = (slots_ - slot_) * directory_entry_size;
        const std::size_t wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(block_.size() - end_, left));
        const std::size_t got = image_.read(block_.data() + end_, wanted);
        end_ += got;
        if (end_ - begin_ < directory_entry_size) {
            cut_ = !image_.failed();
            done_ = true;
            return false;
        }
    }
    LifHeaderBytes bytes;
    std::copy_n(block_.data() + begin_, bytes.size(), bytes.begin());
    begin_ += directory_entry_size;
    entry = parse_lif_header(bytes);
    if (entry.file_type == lif_type_end) {
        done_ = true;
        return false;
    }
    ++slot_;
    return true;
}

VolumeCheck::VolumeCheck(const Volume& volume)
    : capacity_(volume_capacity(volume.label)),
      first_free_(directory_end(volume.label)) {
    damaged_ = capacity_ != 0 && first_free_ > capacity_;
}

void VolumeCheck::add_file(const LifHeader& entry) {
    if (entry.sector_count == 0) {
        return;  // no sectors, nothing to overlap
    }
    const std::uint64_t end = std::uint64_t{entry.start_sector} + entry.sector_count;
    if (entry.start_sector < first_free_ || (capacity_ != 0 && end > capacity_)) {
        damaged_ = true;
    }
    first_free_ = std::max(first_free_, end);
    // Only a damaged directory of billions of entries could reach the top.
    file_sectors_ = std::min(file_sectors_, UINT64_MAX - entry.sector_count) + entry.sector_count;
}

void VolumeCheck::end_directory(bool cut) {
    damaged_ = damaged_ || cut;
}

}  // namespace velkord
