#include "lif/volume_label.h"

namespace velkord {
namespace {

std::uint32_t big_endian(const unsigned char* bytes, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

void put_big_endian(VolumeLabelBytes& bytes, std::size_t offset, std::size_t width,
                    std::uint32_t value) {
    for (std::size_t i = 0; i < width; ++i) {
        bytes[offset + i] = static_cast<unsigned char>(value >> (8 * (width - 1 - i)));
    }
}

}  // namespace

bool begins_lif_volume(const unsigned char* bytes, std::size_t size) {
    return size >= volume_label_known_bytes && bytes[0] == 0x80 && bytes[1] == 0x00 &&
           big_endian(bytes + 8, 4) >= 2 && big_endian(bytes + 16, 4) >= 1;
}

VolumeLabel parse_volume_label(const VolumeLabelBytes& bytes) {
    VolumeLabel label;
    for (std::size_t i = 0; i < label.name.size(); ++i) {
        label.name[i] = bytes[2 + i];
    }
    label.directory_start = big_endian(&bytes[8], 4);
    label.system_word = static_cast<std::uint16_t>(big_endian(&bytes[12], 2));
    label.directory_sectors = big_endian(&bytes[16], 4);
    label.version = static_cast<std::uint16_t>(big_endian(&bytes[20], 2));
    label.tracks = big_endian(&bytes[24], 4);
    label.surfaces = big_endian(&bytes[28], 4);
    label.sectors_per_track = big_endian(&bytes[32], 4);
    for (std::size_t i = 0; i < label.date.size(); ++i) {
        label.date[i] = bytes[36 + i];
    }
    return label;
}

VolumeLabelBytes encode_volume_label(const VolumeLabel& label) {
    VolumeLabelBytes bytes{};
    put_big_endian(bytes, 0, 2, 0x8000);
    for (std::size_t i = 0; i < label.name.size(); ++i) {
        bytes[2 + i] = label.name[i];
    }
    put_big_endian(bytes, 8, 4, label.directory_start);
    put_big_endian(bytes, 12, 2, label.system_word);
    put_big_endian(bytes, 16, 4, label.directory_sectors);
    put_big_endian(bytes, 20, 2, label.version);
    put_big_endian(bytes, 24, 4, label.tracks);
    put_big_endian(bytes, 28, 4, label.surfaces);
    put_big_endian(bytes, 32, 4, label.sectors_per_track);
    for (std::size_t i = 0; i < label.date.size(); ++i) {
        bytes[36 + i] = label.date[i];
    }
    return bytes;
}

std::uint64_t volume_capacity(const VolumeLabel& label) {
    // Each factor is below 2^32: the product of the first two cannot
    // overflow, and the third is checked, so that a damaged label gives a
    // huge size rather than a wrong small one.
    const std::uint64_t per_cylinder = std::uint64_t{label.tracks} * label.surfaces;
    if (label.sectors_per_track != 0 &&
        per_cylinder > UINT64_MAX / label.sectors_per_track) {
        return UINT64_MAX;
    }
    return per_cylinder * label.sectors_per_track;
}

std::uint64_t directory_end(const VolumeLabel& label) {
    return std::uint64_t{label.directory_start} + label.directory_sectors;
}

}  // namespace velkord
