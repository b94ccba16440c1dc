// The file types of LIF files that the HP-71B knows, in one table: their
// codes, the names the catalog and file names use, and which of them hold
// text or a BASIC program. No type code is written anywhere else.
#ifndef VELKORD_LIF_FILE_TYPES_H
#define VELKORD_LIF_FILE_TYPES_H

#include <cstdint>

namespace velkord {

constexpr std::uint16_t lif_type_text = 0x0001;
constexpr std::uint16_t lif_type_sdata = 0xE0D0;
constexpr std::uint16_t lif_type_data = 0xE0F0;
constexpr std::uint16_t lif_type_bin = 0xE204;
constexpr std::uint16_t lif_type_lex = 0xE208;
constexpr std::uint16_t lif_type_key = 0xE20C;
// A BASIC program; then a secure one, a private one, and one that is both.
constexpr std::uint16_t lif_type_basic = 0xE214;
constexpr std::uint16_t lif_type_basic_secure = 0xE215;
constexpr std::uint16_t lif_type_basic_private = 0xE216;
constexpr std::uint16_t lif_type_basic_private_secure = 0xE217;
constexpr std::uint16_t lif_type_forth = 0xE218;
constexpr std::uint16_t lif_type_rom = 0xE21C;
// A purged file on a volume; its sectors stay where they are.
constexpr std::uint16_t lif_type_purged = 0x0000;
// The first entry of this type ends a volume's directory.
constexpr std::uint16_t lif_type_end = 0xFFFF;

// What the add operation makes of an input: its bytes as a LEX (the
// default), BIN or ROM file, its lines as TEXT records, or its lines as the
// HP-71B BASIC program they are the text of.
enum class Format { lex, bin, rom, text, basic };

std::uint16_t lif_file_type(Format format);

// "BASIC", "LEX", "TEXT"... for the types the HP-71B knows by name; null for
// any other code.
const char* lif_type_name(std::uint16_t file_type);

// The HP-71B's own types (E200-E2FF), whose header counts their data in
// nibbles; other types use bytes 28-31 for something else, or nothing.
constexpr bool counts_nibbles(std::uint16_t file_type) {
    return (file_type & 0xFF00) == 0xE200;
}

// A BASIC program, or a secure one: both list.
constexpr bool is_listable_program(std::uint16_t file_type) {
    return file_type == lif_type_basic || file_type == lif_type_basic_secure;
}

// A private program, which the HP-71B never lists.
constexpr bool is_private_program(std::uint16_t file_type) {
    return file_type == lif_type_basic_private ||
           file_type == lif_type_basic_private_secure;
}

}  // namespace velkord

#endif
