#include "lif/lif_header.h"

#include <algorithm>

namespace velkord {
namespace {

constexpr std::uint32_t low_24_bits = 0xFFFFFF;

void put_big_endian(LifHeaderBytes& bytes, std::size_t offset,
                    std::size_t width, std::uint32_t value) {
    for (std::size_t i = 0; i < width; ++i) {
        const std::size_t shift = 8 * (width - 1 - i);
        bytes[offset + i] = static_cast<unsigned char>((value >> shift) & 0xFF);
    }
}

std::uint32_t get_big_endian(const LifHeaderBytes& bytes, std::size_t offset,
                             std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value = (value << 8) | bytes[offset + i];
    }
    return value;
}

}  // namespace

LifHeaderBytes encode_lif_header(const LifHeader& header) {
    LifHeaderBytes bytes{};
    for (std::size_t i = 0; i < lif_name_size; ++i) {
        bytes[i] = header.name[i];
    }
    put_big_endian(bytes, 10, 2, header.file_type);
    put_big_endian(bytes, 12, 4, header.start_sector);
    put_big_endian(bytes, 16, 4, header.sector_count);
    for (std::size_t i = 0; i < header.date.size(); ++i) {
        bytes[20 + i] = header.date[i];
    }
    put_big_endian(bytes, 26, 2, header.implementation_code);
    const std::uint32_t nibbles = header.nibble_count & low_24_bits;
    bytes[28] = static_cast<unsigned char>(nibbles & 0xFF);
    bytes[29] = static_cast<unsigned char>((nibbles >> 8) & 0xFF);
    bytes[30] = static_cast<unsigned char>((nibbles >> 16) & 0xFF);
    bytes[31] = header.closing_byte;
    return bytes;
}

LifHeader parse_lif_header(const LifHeaderBytes& bytes) {
    LifHeader header;
    for (std::size_t i = 0; i < lif_name_size; ++i) {
        header.name[i] = bytes[i];
    }
    header.file_type = static_cast<std::uint16_t>(get_big_endian(bytes, 10, 2));
    header.start_sector = get_big_endian(bytes, 12, 4);
    header.sector_count = get_big_endian(bytes, 16, 4);
    for (std::size_t i = 0; i < header.date.size(); ++i) {
        header.date[i] = bytes[20 + i];
    }
    header.implementation_code =
        static_cast<std::uint16_t>(get_big_endian(bytes, 26, 2));
    header.nibble_count = bytes[28] | (std::uint32_t{bytes[29]} << 8) |
                          (std::uint32_t{bytes[30]} << 16);
    header.closing_byte = bytes[31];
    return header;
}

LifName lif_name_field(const std::string& destination_name) {
    // The HP-71B knows no folders: only the file's own name counts, after
    // the folder part of any system (C:\hp71\PROG.LEX and ./PROG.LEX both
    // give PROG), so one typed name gives one header everywhere.
    const std::size_t folder_end = destination_name.find_last_of("/\\:");
    return lif_name_of(folder_end == std::string::npos
                           ? destination_name
                           : destination_name.substr(folder_end + 1));
}

LifName lif_name_as_typed(const std::string& own_name) {
    LifName name;
    name.fill(' ');
    for (std::size_t i = 0; i < lif_name_size && i < own_name.size(); ++i) {
        if (own_name[i] == '.') {
            break;
        }
        name[i] = static_cast<unsigned char>(own_name[i]);
    }
    return name;
}

LifName lif_name_of(const std::string& own_name) {
    LifName name = lif_name_as_typed(own_name);
    for (unsigned char& c : name) {
        c = static_cast<unsigned char>(ascii_upper(static_cast<char>(c)));
    }
    return name;
}

bool is_plausible_lif_header(const LifHeader& header) {
    return header.start_sector == 0 && header.sector_count <= 0xFFFF &&
           header.implementation_code == lif_implementation_code &&
           header.closing_byte == 0;
}

std::uint64_t lif_data_bytes(const LifHeader& header) {
    if (counts_nibbles(header.file_type)) {
        return payload_bytes(header.nibble_count);
    }
    return std::uint64_t{header.sector_count} * sector_size;
}

std::string ascii_upper_text(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), ascii_upper);
    return text;
}

std::string lif_name_text(const LifName& name) {
    std::size_t size = name.size();
    while (size > 0 && name[size - 1] == ' ') {
        --size;
    }
    return std::string(name.begin(), name.begin() + size);
}

bool same_lif_name(const LifName& first, const LifName& second) {
    const std::string a = lif_name_text(first);
    const std::string b = lif_name_text(second);
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return ascii_upper(x) == ascii_upper(y);
           });
}

bool is_hp71_name(const LifName& name) {
    const auto letter = [](unsigned char c) { return c >= 'A' && c <= 'Z'; };
    const auto digit = [](unsigned char c) { return c >= '0' && c <= '9'; };
    const std::string text = lif_name_text(name);
    if (text.empty() || text.size() > 8 || !letter(text[0])) {
        return false;
    }
    for (const unsigned char c : text) {
        if (!letter(c) && !digit(c)) {
            return false;
        }
    }
    return true;
}

LifHeaderBytes build_lif_header(const std::string& destination_name,
                                Format format, std::uint32_t sector_count,
                                std::uint32_t nibble_count) {
    LifHeader header;
    header.name = lif_name_field(destination_name);
    header.file_type = lif_file_type(format);
    header.sector_count = sector_count & low_24_bits;
    header.implementation_code = lif_implementation_code;
    header.nibble_count = nibble_count;
    return encode_lif_header(header);
}

}  // namespace velkord
