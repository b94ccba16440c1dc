#include "lif/volume_label.h"

#include <cstdint>

namespace velkord {
namespace {

std::uint32_t big_endian_32(const unsigned char* bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
           (std::uint32_t{bytes[2]} << 8) | bytes[3];
}

}  // namespace

bool begins_lif_volume(const unsigned char* bytes, std::size_t size) {
    return size >= volume_label_known_bytes && bytes[0] == 0x80 && bytes[1] == 0x00 &&
           big_endian_32(bytes + 8) >= 2 && big_endian_32(bytes + 16) >= 1;
}

}  // namespace velkord
