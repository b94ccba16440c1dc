// The data that follow the header of a LIF file made from an input, as the
// add operation makes them: the input's bytes and 0xFF to the sector
// boundary (LEX, BIN, ROM), or its lines as TEXT records with the end mark
// and fill; or, copying a LIF file, its sectors as they are. Measured first
// and written afterwards, for outputs whose header must come first with
// its sector count: a device, a pipe, a file on a volume. Nothing here
// speaks to the user: a measurement says what stopped it.
#ifndef VELKORD_CONTENT_LIF_DATA_H
#define VELKORD_CONTENT_LIF_DATA_H

#include <cstdint>
#include <string>

#include "files/block_writer.h"
#include "files/input_file.h"
#include "lif/lif_header.h"
#include "basic/make_program.h"
#include "lif/file_types.h"
#include "text/text_records.h"

namespace velkord {

enum class DataKind { raw, text, basic, lif_sectors };

// The most text a BASIC program is made from: far more than an HP-71B
// holds, and held in memory whole while the program is made.
constexpr std::uint64_t most_basic_text = 1 << 20;

struct LifData {
    DataKind kind = DataKind::raw;
    Format format = Format::lex;    // of raw, text and BASIC data
    std::uint64_t input_bytes = 0;  // the input's size, for raw data
    std::uint64_t bytes = 0;        // the data: whole sectors
    InputFile scratch;              // TEXT from a pipe: the records, made already
    basic::MadeProgram program;     // BASIC: the program made, and what was said

    // True when writing the data reads the input again: they are not made
    // already (a BASIC program, TEXT records from a pipe).
    bool needs_input() const {
        return kind != DataKind::basic && !(kind == DataKind::text && scratch);
    }
};

// Why data could not be measured.
enum class MeasureEnd {
    measured,
    no_size,      // a raw input without a size to put in the header (a pipe)
    too_large,    // more than a LIF file holds
    utf16_text,   // text that cannot be read as lines of bytes
    read_failed,  // the input, or a scratch file for a pipe's records
    too_large_program,  // more text than a BASIC program is made from
    lines_refused,      // lines the HP-71B would refuse (program.diagnostics)
};

// Measures the data `input` gives in `format`, leaving the input at its
// start: a raw input's size; a TEXT input's records, counted in a first
// reading of a regular file, or made into a scratch file from a pipe; a
// BASIC program, made from the whole text (its warnings kept in it).
MeasureEnd measure_lif_data(InputFile& input, Format format, LifData& data);

// The data of the LIF file `input` (at least its header, which the caller
// has checked): its sectors, as many as its header names.
LifData lif_sectors(const LifHeader& header);

// The header of data measured, for a file named `name` by the usual rule.
LifHeader lif_data_header(const std::string& name, const LifData& data);

// Writes exactly the data measured to `out`, reading the input from its
// start once more. A regular input that gives other bytes than it did
// when measured ends the writing with `input_changed`.
CopyEnd write_lif_data(InputFile& input, LifData& data, BlockWriter& out);

// How a TEXT conversion that did not end `converted` failed.
MeasureEnd measure_end_of(TextStatus status);

}  // namespace velkord

#endif
