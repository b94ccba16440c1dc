#include "files/case_fold.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "files/utf8.h"

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
        const Utf8Character character = decode_utf8(utf8, at);
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
