// The 32-byte LIF header: the layout of a LIF directory entry, which starts
// every file sent to or received from the HP-71B, and which a LIF volume's
// directory holds for each of its files. This is the only place that knows
// the byte layout; writers and readers, of single files and of volumes,
// all go through it.
#ifndef VELKORD_LIF_LIF_HEADER_H
#define VELKORD_LIF_LIF_HEADER_H

#include <array>
#include <cstdint>
#include <string>

#include "lif/file_types.h"
#include "lif/lif_date.h"

namespace velkord {

constexpr std::size_t lif_header_size = 32;
constexpr std::size_t lif_name_size = 10;
constexpr std::size_t sector_size = 256;

// Every header this tool writes carries this implementation code.
constexpr std::uint16_t lif_implementation_code = 0x8001;

// The nibble count is 24 bits wide, so raw data stop one byte short of 2^23.
constexpr std::uint32_t max_raw_data_bytes = (std::uint32_t{1} << 23) - 1;
// The sector count is written in 24 bits as well.
constexpr std::uint64_t max_lif_data_bytes =
    ((std::uint64_t{1} << 24) - 1) * sector_size;

using LifHeaderBytes = std::array<unsigned char, lif_header_size>;
using LifName = std::array<unsigned char, lif_name_size>;

// The decoded fields, as stored. On a volume, the start sector is where the
// file's sectors begin and bytes 26-27 are the volume field (0x8001 for the
// last volume, number 1), which single files carry as their implementation
// code.
struct LifHeader {
    LifName name{};                      // bytes 0-9, space-filled
    std::uint16_t file_type = 0;         // bytes 10-11, big-endian
    std::uint32_t start_sector = 0;      // bytes 12-15, big-endian
    std::uint32_t sector_count = 0;      // bytes 16-19, big-endian
    LifDate date{};                      // bytes 20-25, BCD; zero for none
    std::uint16_t implementation_code = 0;  // bytes 26-27, big-endian
    std::uint32_t nibble_count = 0;      // bytes 28-30, little-endian
    unsigned char closing_byte = 0;      // byte 31
};

// Writes the fields byte by byte, so the host's byte order never matters.
// Only the low 24 bits of the nibble count are kept.
LifHeaderBytes encode_lif_header(const LifHeader& header);
LifHeader parse_lif_header(const LifHeaderBytes& bytes);

// The header of a new LIF file named `destination_name` (as typed) in the
// given format, with counts of which the low 24 bits are kept.
LifHeaderBytes build_lif_header(const std::string& destination_name,
                                Format format, std::uint32_t sector_count,
                                std::uint32_t nibble_count);

// At most 10 characters of the name after its last '/', '\' or ':', up to
// its first '.', ASCII letters upper-cased, other bytes unchanged (UTF-8
// stays UTF-8), space-filled.
LifName lif_name_field(const std::string& destination_name);

// The same rule for a name that has no folder part: at most 10 characters
// up to its first '.', ASCII letters upper-cased, space-filled.
LifName lif_name_of(const std::string& own_name);

// As lif_name_of, with the letters as they are: a name typed to find a
// file on a volume.
LifName lif_name_as_typed(const std::string& own_name);

// A header is plausible when its start sector is 0, its sector count is below
// 65536, its implementation code is 0x8001 and its last byte is zero.
bool is_plausible_lif_header(const LifHeader& header);

// Letters a-z in upper case, every other byte as it is: the case rule of
// LIF names, and of every comparison without regard to case.
constexpr char ascii_upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// `text` with its letters a-z in upper case, every other byte as it is.
std::string ascii_upper_text(std::string text);

// The name field as text, without its trailing spaces.
std::string lif_name_text(const LifName& name);

// The data size in bytes that a header stands for: half its nibble count,
// rounded up, for the HP-71B's own types (E200-E2FF); its whole sectors for
// every other type, whose bytes 28-31 mean something else or nothing.
std::uint64_t lif_data_bytes(const LifHeader& header);

// True when two name fields hold one name: trailing spaces aside, letters
// compared without regard to case (PC-made volumes hold lower case).
bool same_lif_name(const LifName& first, const LifName& second);

// True for a name the HP-71B can use: a letter A-Z, then up to seven
// letters or digits, the rest of the field spaces.
bool is_hp71_name(const LifName& name);

// A nibble count stands for half as many bytes, rounded up.
constexpr std::uint32_t payload_bytes(std::uint32_t nibble_count) {
    return nibble_count / 2 + nibble_count % 2;
}

constexpr std::uint64_t sectors_for(std::uint64_t data_bytes) {
    return (data_bytes + sector_size - 1) / sector_size;
}

// The 0xFF bytes that fill the rest of the last sector after the data.
constexpr std::uint64_t sector_fill(std::uint64_t data_bytes) {
    return sectors_for(data_bytes) * sector_size - data_bytes;
}

}  // namespace velkord

#endif
