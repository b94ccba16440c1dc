#include "files/case_fold.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>

namespace velkord {
namespace {

// `count` code points from `first`, `step` apart (1 for a block of
// capitals, 2 for capitals and small letters taking turns), each folding
// to itself plus `delta`.
struct FoldRun {
    char32_t first;
    std::int32_t delta;
    std::uint8_t count;
    std::uint8_t step;
};

// Sorted by `first`, and no run starts inside another.
constexpr FoldRun fold_runs[] = {
#include "files/case_fold_table.inc"
};

// A decoded UTF-8 character; length 0 when the bytes are no valid one.
struct Character {
    char32_t code_point = 0;
    std::size_t length = 0;
};

// The character that starts at `at`. Its leading byte says how many
// continuation bytes follow and how many bits each gives; then the value
// must need that many bytes (no overlong form) and be a scalar value.
Character decode(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    Character found;
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

}  // namespace

char32_t fold_code_point(char32_t code_point) {
    if (code_point < 0x80) {
        // Most names are ASCII: no search for them.
        return code_point >= 'A' && code_point <= 'Z' ? code_point + 32 : code_point;
    }
    const FoldRun* after = std::upper_bound(
        std::begin(fold_runs), std::end(fold_runs), code_point,
        [](char32_t wanted, const FoldRun& run) { return wanted < run.first; });
    if (after == std::begin(fold_runs)) {
        return code_point;
    }
    const FoldRun& run = *std::prev(after);
    const char32_t offset = code_point - run.first;
    if (offset % run.step != 0 || offset / run.step >= run.count) {
        return code_point;  // past the run, or between its capitals
    }
    return static_cast<char32_t>(static_cast<std::int32_t>(code_point) + run.delta);
}

std::string fold_case(std::string_view utf8) {
    std::string folded;
    folded.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if (byte < 0x80) {
            folded += static_cast<char>(fold_code_point(byte));
            ++at;
            continue;
        }
        const Character character = decode(utf8, at);
        if (character.length == 0) {
            folded += utf8[at];
            ++at;
            continue;
        }
        append_utf8(folded, fold_code_point(character.code_point));
        at += character.length;
    }
    return folded;
}

}  // namespace velkord
