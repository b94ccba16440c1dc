// The data that follow the header of a LIF file made from an input, as the
// add operation makes them: the input's bytes and 0xFF to the sector
// boundary (LEX, BIN, ROM), or its lines as TEXT records with the end mark
// and fill; or, copying a LIF file, its sectors as they are. Measured first
// and written afterwards, for outputs whose header must come first with
// its sector count: a device, a pipe, a file on a volume.
#ifndef VELKORD_WRITING_LIF_DATA_H
#define VELKORD_WRITING_LIF_DATA_H

#include <cstdint>
#include <string>

#include "files/block_writer.h"
#include "files/input_file.h"
#include "lif/lif_header.h"
#include "report/report.h"
#include "writing/text_records.h"

namespace velkord {

enum class DataKind { raw, text, lif_sectors };

struct LifData {
    DataKind kind = DataKind::raw;
    char type_letter = 'L';       // of raw and text data
    std::uint64_t input_bytes = 0;  // the input's size, for raw data
    std::uint64_t bytes = 0;        // the data: whole sectors
    InputFile scratch;              // TEXT from a pipe: the records, made already
};

// Measures the data `input` gives as type `type_letter` (L, B, R or T),
// leaving the input at its start: a raw input's size (refused when it has
// none, or is too large); a TEXT input's records, counted in a first reading
// of a regular file, or made into a scratch file from a pipe (UTF-16 text
// is refused).
Report measure_lif_data(InputFile& input, const std::string& input_name, char type_letter,
                        LifData& data);

// The data of the LIF file `input` (at least its header, which the caller
// has checked): its sectors, as many as its header names.
LifData lif_sectors(const LifHeader& header);

// The header of data measured, for a file named `name` by the usual rule.
LifHeader lif_data_header(const std::string& name, const LifData& data);

// Writes exactly the data measured to `out`, reading the input from its
// start once more. A regular input that gives other bytes than it did
// when measured ends the writing with `input_changed`.
CopyEnd write_lif_data(InputFile& input, LifData& data, BlockWriter& out);

// "too large" or "read error" for a TEXT conversion that failed.
Report report_text_failure(TextStatus status, const std::string& input_name);

}  // namespace velkord

#endif
