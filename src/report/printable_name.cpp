#include "report/printable_name.h"

#include <cstddef>

namespace velkord {
namespace {

bool in(unsigned char byte, unsigned char low, unsigned char high) {
    return byte >= low && byte <= high;
}

// The length of the valid UTF-8 sequence (no overlong forms, no surrogates,
// nothing beyond U+10FFFF) that starts at `at`, or 0 when none does.
std::size_t utf8_sequence(const std::string& text, std::size_t at) {
    const auto byte = [&](std::size_t i) {
        return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0;
    };
    const unsigned char lead = byte(0);
    // The range the second byte must lie in, by lead byte; the others are
    // always 0x80-0xBF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    std::size_t length = 0;
    if (in(lead, 0xC2, 0xDF)) {
        length = 2;
    } else if (in(lead, 0xE0, 0xEF)) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (in(lead, 0xF0, 0xF4)) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (!in(byte(1), low, high)) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!in(byte(i), 0x80, 0xBF)) {
            return 0;
        }
    }
    return length;
}

}  // namespace

bool is_valid_utf8(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size()) {
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            ++at;
            continue;
        }
        const std::size_t length = utf8_sequence(text, at);
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}

std::string printable_name(const std::string& name) {
    std::string shown;
    shown.reserve(name.size());
    std::size_t at = 0;
    while (at < name.size()) {
        const auto byte = static_cast<unsigned char>(name[at]);
        if (byte < 0x80) {
            shown += byte < 0x20 || byte == 0x7F ? '?' : name[at];
            ++at;
            continue;
        }
        const std::size_t length = utf8_sequence(name, at);
        if (length == 0) {
            shown += in(byte, 0x80, 0x9F) ? '?' : name[at];
            ++at;
        } else if (byte == 0xC2 && in(static_cast<unsigned char>(name[at + 1]), 0x80, 0x9F)) {
            shown += '?';  // U+0080-U+009F
            at += length;
        } else {
            shown.append(name, at, length);
            at += length;
        }
    }
    return shown;
}

}  // namespace velkord
