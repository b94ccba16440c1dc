// Lines into HP-71B TEXT data (text/text_record.h): each line of the input
// becomes a record, and the records end with the end mark and 0xFF to whole
// sectors.
#ifndef VELKORD_TEXT_TEXT_RECORDS_H
#define VELKORD_TEXT_TEXT_RECORDS_H

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/block_writer.h"
#include "files/input_file.h"
#include "lif/lif_header.h"
#include "text/text_record.h"

namespace velkord {

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

// True when `input` begins with a UTF-16 byte-order mark: Notepad's
// "Unicode", which cannot be read as lines of bytes.
bool is_utf16_text(InputFile& input);

// How much of an input looks_like_text needs to see.
constexpr std::size_t text_sample_size = 64 * 1024;

// True when `sample`, the start of an input, looks like text: at least one
// line feed, and nothing but printable ASCII, tab, CR, LF, form feed and
// UTF-8 characters from U+00A0 on (no DEL, no other control character). A
// character cut by the end of the sample counts as one.
bool looks_like_text(std::string_view sample);

// The whole text of `input`, from its start, as records: a UTF-8 byte-order
// mark (Notepad's "UTF-8 with BOM") is no part of the first line, and a
// regular file must give exactly the bytes it had when it was opened
// (`read_error` when it shrank or grew meanwhile).
TextStatus convert_text_input(InputFile& input, BlockWriter& records,
                              std::uint64_t max_bytes = max_lif_data_bytes);

}  // namespace velkord

#endif
