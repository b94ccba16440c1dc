#include "files/utf8.h"

namespace velkord {

// The leading byte says how many continuation bytes follow and how many
// bits each gives; then the value must need that many bytes.
Utf8Character decode_utf8(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    Utf8Character found;
    char32_t smallest = 0;
    if (lead >= 0xC0 && lead < 0xE0) {
        found = {lead & 0x1Fu, 2};
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        found = {lead & 0x0Fu, 3};
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead < 0xF8) {
        found = {lead & 0x07u, 4};
        smallest = 0x10000;
    } else {
        return {};
    }
    if (text.size() - at < found.length) {
        return {};
    }
    for (std::size_t i = 1; i < found.length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if ((byte & 0xC0) != 0x80) {
            return {};
        }
        found.code_point = found.code_point << 6 | (byte & 0x3Fu);
    }
    const char32_t value = found.code_point;
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return {};
    }
    return found;
}

void append_utf8(std::string& text, char32_t code_point) {
    if (code_point < 0x80) {
        text += static_cast<char>(code_point);
    } else if (code_point < 0x800) {
        text += static_cast<char>(0xC0 | code_point >> 6);
        text += static_cast<char>(0x80 | (code_point & 0x3F));
    } else if (code_point < 0x10000) {
        text += static_cast<char>(0xE0 | code_point >> 12);
        text += static_cast<char>(0x80 | (code_point >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (code_point & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | code_point >> 18);
        text += static_cast<char>(0x80 | (code_point >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (code_point >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (code_point & 0x3F));
    }
}

bool is_valid_utf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = decode_utf8(text, at).length;
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}

std::size_t utf8_characters(std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++characters) {
        const std::size_t length = decode_utf8(text, at).length;
        at += length == 0 ? 1 : length;
    }
    return characters;
}

}  // namespace velkord
