#include "report/printable_name.h"

#include <cstddef>

#include "files/utf8.h"

namespace velkord {
namespace {

bool in(unsigned char byte, unsigned char low, unsigned char high) {
    return byte >= low && byte <= high;
}

}  // namespace

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
        const Utf8Character character = decode_utf8(name, at);
        if (character.length == 0) {
            shown += in(byte, 0x80, 0x9F) ? '?' : name[at];
            ++at;
        } else if (character.code_point <= 0x9F) {
            shown += '?';  // U+0080-U+009F
            at += character.length;
        } else {
            shown.append(name, at, character.length);
            at += character.length;
        }
    }
    return shown;
}

}  // namespace velkord
