#include "operations/add_header.h"

#include <algorithm>
#include <cstdint>

#include "content/lif_data.h"
#include "files/output_file.h"
#include "lif/volume_label.h"
#include "operations/inputs.h"
#include "report/outcomes.h"
#include "text/text_records.h"

namespace velkord {
namespace {

// Where the data are measured first: a raw input, or a text the output
// cannot take in one reading. The header comes first, with its counts.
CopyEnd put_measured_data(InputFile& input, const std::string& destination_name, LifData& data,
                          OutputStream& out) {
    const LifHeaderBytes header = encode_lif_header(lif_data_header(destination_name, data));
    out.blocks().put(header.data(), header.size());
    return write_lif_data(input, data, out.blocks());
}

// TEXT into a new file: the records are written as they are made, in one
// reading, and the header's sector count, known only at the end, is
// written again then.
CopyEnd put_text_in_one_reading(InputFile& input, const std::string& destination_name,
                                OutputStream& out, MeasureEnd& stopped) {
    LifData data;
    data.kind = DataKind::text;
    data.format = Format::text;
    const LifHeaderBytes first = encode_lif_header(lif_data_header(destination_name, data));
    out.blocks().put(first.data(), first.size());
    const TextStatus status = convert_text_input(input, out.blocks());
    if (status != TextStatus::converted) {
        stopped = measure_end_of(status);
        return CopyEnd::stopped;
    }
    data.bytes = out.blocks().count() - lif_header_size;
    const LifHeaderBytes header = encode_lif_header(lif_data_header(destination_name, data));
    return out.rewrite_start(header.data(), header.size()) ? CopyEnd::complete
                                                           : CopyEnd::write_failed;
}

// An input that is a LIF file or a volume already is most likely a slip
// (a forgotten /x, a disk image named by mistake): the run goes on, and the
// user learns of it.
std::string input_warning(InputFile& input, const std::string& input_name) {
    LifHeaderBytes first{};
    const std::size_t got = input.look(first.data(), first.size());
    if (begins_lif_volume(first.data(), got)) {
        return warning_lif_volume(input_name);
    }
    if (got == first.size() && is_plausible_lif_header(parse_lif_header(first))) {
        return warning_lif_header(input_name);
    }
    return std::string();
}

// The start of a regular input, which is read again from its start later.
std::string sample_of(InputFile& input) {
    std::string sample(
        static_cast<std::size_t>(std::min<std::uint64_t>(input.size().value_or(0), text_sample_size)),
        '\0');
    sample.resize(input.read(reinterpret_cast<unsigned char*>(sample.data()), sample.size()));
    if (!input.rewind()) {
        return std::string();  // looked at no further: the copy will say why
    }
    return sample;
}

}  // namespace

std::string name_warning(const LifName& name) {
    return is_hp71_name(name) ? std::string() : warning_unusable_name(lif_name_text(name));
}

std::string add_warnings(InputFile& input, const std::string& input_name, AddFormat format,
                         const LifName& stored_name) {
    // (A raw add refuses an input without a size, a pipe, before it reads.)
    const bool readable = format.format == Format::text || input.size();
    std::string warnings =
        (readable ? input_warning(input, input_name) : "") + name_warning(stored_name);
    if (format.format == Format::lex && !format.given && input.size() &&
        looks_like_text(sample_of(input))) {
        warnings += warning_text_as_lex(input_name);
    }
    return warnings;
}

Report add_header(const Name& input_name, const Name& destination, AddFormat chosen,
                  const TextOut& out) {
    const Format format = chosen.format;
    const std::string& name = input_name.typed;
    const std::string& destination_name = destination.typed;
    InputFile input;
    Report opened = open_apart_from(input_name, destination_name, input);
    if (opened.failed) {
        return opened;
    }
    // A whole volume is a file like any other here, and warned about.
    const std::string warnings =
        add_warnings(input, name, chosen, lif_name_field(destination_name));
    const bool text = format == Format::text;
    if (text && is_utf16_text(input)) {
        return report_utf16_text(name);
    }
    // A raw input is measured before anything is made: a pipe has no size
    // to put in the header, and an input may be too large. So is a BASIC
    // program, whose every line must be sound before anything is written.
    LifData data;
    if (!text) {
        const Report measured =
            report_measure(measure_lif_data(input, format, data), name, data, out);
        if (measured.failed) {
            return measured;
        }
    }
    // A text that might give more than a LIF file holds is measured first
    // too, so that it is refused before anything is written.
    const bool may_be_too_large =
        input.size() && most_text_bytes(*input.size()) > max_lif_data_bytes;
    OutputOptions options;
    if (!text) {
        options.expected_size = lif_header_size + data.bytes;
    } else if (input.size()) {
        options.expected_size = most_text_bytes(*input.size());
    }
    MeasureEnd stopped = MeasureEnd::measured;
    const OutputResult written = write_output(destination_name, options, [&](OutputStream& out) {
        if (text && out.rewritable() && !may_be_too_large) {
            return put_text_in_one_reading(input, destination_name, out, stopped);
        }
        if (text) {
            stopped = measure_lif_data(input, format, data);
            if (stopped != MeasureEnd::measured) {
                return CopyEnd::stopped;
            }
        }
        return put_measured_data(input, destination_name, data, out);
    });
    // (Only a TEXT input is measured here, and says nothing when it can be.)
    Report result = report_output(
        written, name, destination_name,
        stopped == MeasureEnd::measured ? Report{} : report_measure(stopped, name, data, out));
    // Warnings come once the output is complete; a failure is said alone.
    if (!result.failed) {
        result.text += warnings;
    }
    return result;
}

}  // namespace velkord
