// A LIF volume (a disk or cassette image) begins with its label in sector
// 0: the identifier 0x8000 in bytes 0-1, the directory's first sector in
// bytes 8-11 and its length in sectors in bytes 16-19, all big-endian.
#ifndef VELKORD_LIF_VOLUME_LABEL_H
#define VELKORD_LIF_VOLUME_LABEL_H

#include <cstddef>

namespace velkord {

// The label bytes that tell a volume from anything else.
constexpr std::size_t volume_label_known_bytes = 20;

// True when the first `size` bytes of a file begin a volume: the identifier,
// a directory that starts at sector 2 or later and is at least one sector
// long. Nothing else is required: real media differ in the rest.
bool begins_lif_volume(const unsigned char* bytes, std::size_t size);

}  // namespace velkord

#endif
