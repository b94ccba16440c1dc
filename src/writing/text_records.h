// HP-71B TEXT data: each line of the input becomes a record, a 2-byte
// big-endian length followed by the line's bytes and, when the length is odd,
// one 0x00 byte. The records end with at least two 0xFF bytes (the 0xFFFF
// length word that marks the end) and are filled with 0xFF to whole sectors.
#ifndef VELKORD_WRITING_TEXT_RECORDS_H
#define VELKORD_WRITING_TEXT_RECORDS_H

#include <cstddef>
#include <cstdint>

#include "files/block_writer.h"
#include "files/input_file.h"
#include "lif/lif_header.h"

namespace velkord {

// A line is read in pieces of at most this many bytes; each gives a record.
constexpr std::size_t text_piece_limit = 4095;

// No input gives more than this many bytes of records, end mark and fill:
// the records take at most twice the input and two bytes (a 1-byte line
// gives a 4-byte record), the end mark two more.
constexpr std::uint64_t most_text_bytes(std::uint64_t input_size) {
    return sectors_for(2 * input_size + 4) * sector_size;
}

enum class TextStatus { converted, read_error, too_large };

// Reads `input` from its current position to its end and puts the records,
// the end mark and the fill into `records`, as they are made. Stops with
// `too_large` as soon as they would exceed `max_bytes`, a multiple of 256.
// Write errors stay with `records`.
TextStatus convert_text_records(InputFile& input, BlockWriter& records,
                                std::uint64_t max_bytes = max_lif_data_bytes);

}  // namespace velkord

#endif
