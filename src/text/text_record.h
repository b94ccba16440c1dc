// HP-71B TEXT data, as the writer makes it and the reader takes it apart:
// records of a 2-byte big-endian length n, n bytes, and one pad byte when n
// is odd (0x00 when written, any value when read). The length 0xFFFF marks
// the end (so the end mark and the sector fill after it are all 0xFF), and
// 0xFFFE is a null record with no bytes.
#ifndef VELKORD_TEXT_TEXT_RECORD_H
#define VELKORD_TEXT_TEXT_RECORD_H

#include <cstddef>

namespace velkord {

constexpr std::size_t text_length_size = 2;
constexpr std::size_t text_end_mark = 0xFFFF;
constexpr std::size_t text_null_record = 0xFFFE;
// The longest record the format allows: 0xFFFD bytes.
constexpr std::size_t text_longest_length = 0xFFFD;
// The longest record made from a line: the HP-71B's own limit; a longer
// line is cut into pieces of this many bytes.
constexpr std::size_t text_piece_limit = 4095;

// A record's bytes in all: length word, data and the pad after an odd length.
constexpr std::size_t text_record_size(std::size_t length) {
    return text_length_size + length + length % 2;
}

}  // namespace velkord

#endif
