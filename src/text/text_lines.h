// HP-71B TEXT data (text/text_record.h) back into lines: each record becomes
// its bytes as they are, followed by one line feed.
#ifndef VELKORD_TEXT_TEXT_LINES_H
#define VELKORD_TEXT_TEXT_LINES_H

#include <cstdint>

#include "files/block_writer.h"
#include "files/input_file.h"

namespace velkord {

// Reads at most `data_bytes` of `lif` from its current position and puts the
// lines into `lines`. Ends `complete` at the end mark, or where the data end
// between two records (older tools wrote no end mark when the records filled
// the last sector); `input_short` where the file ends before the data do,
// with no end mark reached (a record cut off is then left out);
// `read_failed` when the file cannot be read.
CopyEnd convert_text_lines(InputFile& lif, std::uint64_t data_bytes,
                           BlockWriter& lines);

}  // namespace velkord

#endif
