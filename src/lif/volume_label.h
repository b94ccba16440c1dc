// A LIF volume (a disk or cassette image) begins with its label in sector 0,
// all numbers big-endian: the identifier 0x8000 (bytes 0-1), the volume's
// name (2-7, space-filled), the directory's first sector (8-11), a word that
// is 0x1000 on most media and 0 on the HP-71B's own (12-13), the directory's
// length in sectors (16-19), the version (20-21), the geometry as tracks per
// surface, surfaces and sectors per track (24-35), and the date the volume
// was made (36-41). Sector 1 is zero; the directory follows, 8 entries to a
// sector, each with the layout of a LIF header.
#ifndef VELKORD_LIF_VOLUME_LABEL_H
#define VELKORD_LIF_VOLUME_LABEL_H

#include <array>
#include <cstddef>
#include <cstdint>

#include "lif/lif_date.h"
#include "lif/lif_header.h"

namespace velkord {

// The label's bytes; the rest of sector 0 is zero.
constexpr std::size_t volume_label_size = 42;
// The label bytes that tell a volume from anything else.
constexpr std::size_t volume_label_known_bytes = 20;
constexpr std::size_t directory_entry_size = lif_header_size;

using VolumeLabelBytes = std::array<unsigned char, volume_label_size>;

struct VolumeLabel {
    std::array<unsigned char, 6> name{};  // space-filled
    std::uint32_t directory_start = 0;
    std::uint16_t system_word = 0;         // bytes 12-13, kept as found
    std::uint32_t directory_sectors = 0;
    std::uint16_t version = 0;
    std::uint32_t tracks = 0;
    std::uint32_t surfaces = 0;
    std::uint32_t sectors_per_track = 0;
    LifDate date{};
};

// True when the first `size` bytes of a file begin a volume: the identifier,
// a directory that starts at sector 2 or later and is at least one sector
// long. Nothing else is required: real media differ in the rest.
bool begins_lif_volume(const unsigned char* bytes, std::size_t size);

VolumeLabel parse_volume_label(const VolumeLabelBytes& bytes);
// The identifier 0x8000 and the fields, byte by byte; bytes 14-15 and 22-23
// zero.
VolumeLabelBytes encode_volume_label(const VolumeLabel& label);

// The sectors the geometry gives (0 when the media did not say, as some
// HP-41-made ones do not).
std::uint64_t volume_capacity(const VolumeLabel& label);

// The first sector after the directory: the label, sector 1 and the
// directory lie before it.
std::uint64_t directory_end(const VolumeLabel& label);

}  // namespace velkord

#endif
