#include "content/lif_data.h"

#include <utility>

#include "text/text_records.h"

namespace velkord {
namespace {

// True when a regular file holds more than the size it had when opened: a
// file being written meanwhile, or one under /proc that says it is empty.
bool input_grew(InputFile& input) {
    unsigned char next;
    return input.size() && input.look(&next, 1) > 0;
}

CopyEnd copy_end_of(TextStatus status) {
    return status == TextStatus::converted ? CopyEnd::complete : CopyEnd::read_failed;
}

MeasureEnd measure_text(InputFile& input, LifData& data) {
    if (is_utf16_text(input)) {
        return MeasureEnd::utf16_text;
    }
    if (input.size()) {
        // Counted only, so that nothing is held.
        BlockWriter counter(nullptr, nullptr, most_text_bytes(*input.size()));
        const TextStatus status = convert_text_input(input, counter);
        if (status != TextStatus::converted) {
            return measure_end_of(status);
        }
        data.bytes = counter.count();
        return input.rewind() ? MeasureEnd::measured : MeasureEnd::read_failed;
    }
    // A pipe cannot be read twice: its records wait in a scratch file,
    // never in memory.
    File scratch = open_scratch_file();
    if (!scratch) {
        return MeasureEnd::read_failed;
    }
    BlockWriter records(scratch.get());
    const TextStatus status = convert_text_input(input, records);
    if (status != TextStatus::converted) {
        return measure_end_of(status);
    }
    if (!records.flush()) {
        return MeasureEnd::read_failed;  // no room for the scratch file
    }
    data.bytes = records.count();
    data.scratch = InputFile(std::move(scratch), data.bytes);
    return MeasureEnd::measured;
}

// A BASIC program is made from its whole text, which waits in memory: a
// text a program could be made of is small.
MeasureEnd measure_basic(InputFile& input, LifData& data) {
    if (is_utf16_text(input)) {
        return MeasureEnd::utf16_text;
    }
    if (input.size() && *input.size() > most_basic_text) {
        return MeasureEnd::too_large_program;
    }
    std::string text;
    unsigned char block[16384];
    while (std::size_t got = input.read(block, sizeof block)) {
        if (text.size() + got > most_basic_text) {
            return MeasureEnd::too_large_program;
        }
        text.append(reinterpret_cast<const char*>(block), got);
    }
    if (input.failed()) {
        return MeasureEnd::read_failed;
    }
    data.program = basic::make_program(text, basic::KeywordTable::builtin());
    if (data.program.refused()) {
        return MeasureEnd::lines_refused;
    }
    data.bytes = sectors_for(data.program.body.size()) * sector_size;
    return MeasureEnd::measured;
}

}  // namespace

MeasureEnd measure_end_of(TextStatus status) {
    switch (status) {
        case TextStatus::converted:
            return MeasureEnd::measured;
        case TextStatus::too_large:
            return MeasureEnd::too_large;
        case TextStatus::read_error:
            break;
    }
    return MeasureEnd::read_failed;
}

MeasureEnd measure_lif_data(InputFile& input, Format format, LifData& data) {
    data.format = format;
    if (format == Format::text) {
        data.kind = DataKind::text;
        return measure_text(input, data);
    }
    if (format == Format::basic) {
        data.kind = DataKind::basic;
        return measure_basic(input, data);
    }
    data.kind = DataKind::raw;
    if (!input.size()) {
        return MeasureEnd::no_size;
    }
    if (*input.size() > max_raw_data_bytes) {
        return MeasureEnd::too_large;
    }
    data.input_bytes = *input.size();
    data.bytes = sectors_for(data.input_bytes) * sector_size;
    return MeasureEnd::measured;
}

LifData lif_sectors(const LifHeader& header) {
    LifData data;
    data.kind = DataKind::lif_sectors;
    data.bytes = std::uint64_t{header.sector_count} * sector_size;
    return data;
}

LifHeader lif_data_header(const std::string& name, const LifData& data) {
    // The records tell their own lengths: a TEXT header's nibble count is 0.
    const std::uint32_t nibbles = data.kind == DataKind::raw
                                      ? static_cast<std::uint32_t>(2 * data.input_bytes)
                                  : data.kind == DataKind::basic ? data.program.nibbles
                                                                 : 0;
    return parse_lif_header(build_lif_header(
        name, data.format, static_cast<std::uint32_t>(data.bytes / sector_size), nibbles));
}

CopyEnd write_lif_data(InputFile& input, LifData& data, BlockWriter& out) {
    if (data.kind == DataKind::text && data.scratch) {
        // The scratch file is on the output's side: a failure there is the
        // output's too.
        return data.scratch.rewind() && out.copy_from(data.scratch, data.bytes) == CopyEnd::complete
                   ? CopyEnd::complete
                   : CopyEnd::write_failed;
    }
    if (data.kind == DataKind::basic) {
        // Made already, from the input read once.
        const std::vector<unsigned char>& body = data.program.body;
        out.put(body.data(), body.size());
        out.put_repeated(0xFF, static_cast<std::size_t>(sector_fill(body.size())));
        return CopyEnd::complete;
    }
    if (!input.rewind()) {
        return CopyEnd::read_failed;
    }
    const std::uint64_t start = out.count();
    switch (data.kind) {
        case DataKind::text: {
            const CopyEnd end = copy_end_of(convert_text_input(input, out));
            if (end == CopyEnd::complete && out.count() - start != data.bytes) {
                return CopyEnd::input_changed;
            }
            return end;
        }
        case DataKind::lif_sectors: {
            LifHeaderBytes header;
            if (input.read(header.data(), header.size()) != header.size()) {
                return CopyEnd::input_short;
            }
            return out.copy_from(input, data.bytes);
        }
        case DataKind::raw:
        case DataKind::basic:
            break;
    }
    // The measured size exactly, so that the header describes exactly the
    // bytes that follow it.
    CopyEnd end = out.copy_from(input, data.input_bytes);
    if (end == CopyEnd::complete && input_grew(input)) {
        end = CopyEnd::input_changed;
    }
    // Sectors are 256 bytes; the rest of the last one is filled with 0xFF.
    out.put_repeated(0xFF, static_cast<std::size_t>(sector_fill(data.input_bytes)));
    return end;
}

}  // namespace velkord
