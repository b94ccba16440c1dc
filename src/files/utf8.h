// UTF-8, the one encoding of names and text inside the program: decoded
// strictly, so that bytes that are no valid UTF-8 are always told apart.
#ifndef VELKORD_FILES_UTF8_H
#define VELKORD_FILES_UTF8_H

#include <cstddef>
#include <string>
#include <string_view>

namespace velkord {

// A character decoded from UTF-8; length 0 when the bytes are no valid one.
struct Utf8Character {
    char32_t code_point = 0;
    std::size_t length = 0;
};

// The character that starts at `at` (ASCII too). Valid: no overlong form,
// no surrogate, nothing beyond U+10FFFF, not cut by the end of `text`.
Utf8Character decode_utf8(std::string_view text, std::size_t at);

void append_utf8(std::string& text, char32_t code_point);

// True when `text` is valid UTF-8 throughout.
bool is_valid_utf8(std::string_view text);

// The characters of `text` as a terminal shows them in a line: each valid
// UTF-8 sequence one, and each other byte one.
std::size_t utf8_characters(std::string_view text);

}  // namespace velkord

#endif
