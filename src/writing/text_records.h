// HP-71B TEXT data: each line of the input becomes a record, a 2-byte
// big-endian length followed by the line's bytes and, when the length is odd,
// one 0x00 byte. The records end with at least two 0xFF bytes (the 0xFFFF
// length word that marks the end) and are filled with 0xFF to whole sectors.
#ifndef VELKORD_WRITING_TEXT_RECORDS_H
#define VELKORD_WRITING_TEXT_RECORDS_H

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "lif/file_io.h"
#include "lif/lif_header.h"

namespace velkord {

// A line is read in pieces of at most this many bytes; each gives a record.
constexpr std::size_t text_piece_limit = 4095;

enum class TextStatus { converted, read_error, too_large };

struct TextRecords {
    Bytes bytes;  // the records, the end mark and the fill
    TextStatus status = TextStatus::converted;
};

// Reads `input` from its current position to its end. `size_hint` (the
// input's size, or 0) only sizes the buffer. Stops with `too_large` as soon
// as the result would exceed `max_bytes`, a multiple of 256.
TextRecords convert_text_records(std::FILE* input, std::uint64_t size_hint,
                                 std::uint64_t max_bytes = max_lif_data_bytes);

}  // namespace velkord

#endif
