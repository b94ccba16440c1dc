#include "writing/add_header.h"

#include <cstdint>
#include <optional>

#include "files/block_writer.h"
#include "files/input_file.h"
#include "files/output_file.h"
#include "lif/lif_header.h"
#include "lif/volume_label.h"
#include "volume/named_input.h"
#include "writing/lif_data.h"
#include "writing/text_records.h"

namespace velkord {
namespace {

// Where the data can be written as they are made and the header rewritten
// at the end; elsewhere (a device, a pipe) they are measured first.
Report add_measured_data(InputFile& input, const std::string& input_name,
                         const std::string& destination_name, OutputFile& output,
                         LifData& data) {
    const LifHeaderBytes header = encode_lif_header(lif_data_header(destination_name, data));
    BlockWriter out(output.file.get(), nullptr, header.size() + data.bytes);
    out.put(header.data(), header.size());
    CopyEnd end = write_lif_data(input, data, out);
    if (!out.flush()) {
        end = CopyEnd::write_failed;
    }
    return finish_output(output, end, input_name, destination_name);
}

// TEXT into a new file: the records are written as they are made, in one
// reading, and the header's sector count, known only at the end, is
// written again then.
Report add_text_in_one_reading(InputFile& input, const std::string& input_name,
                               const std::string& destination_name, OutputFile& output) {
    const std::uint64_t expected = input.size() ? most_text_bytes(*input.size()) : UINT64_MAX;
    BlockWriter records(output.file.get(), nullptr, expected);
    LifData data;
    data.kind = DataKind::text;
    data.type_letter = 'T';
    const LifHeaderBytes first = encode_lif_header(lif_data_header(destination_name, data));
    records.put(first.data(), first.size());
    const TextStatus status = convert_text_input(input, records);
    if (status != TextStatus::converted) {
        return report_text_failure(status, input_name);
    }
    data.bytes = records.count() - lif_header_size;
    const LifHeaderBytes header = encode_lif_header(lif_data_header(destination_name, data));
    const bool written = records.flush() && std::fseek(output.file.get(), 0, SEEK_SET) == 0 &&
                         write_bytes(output.file.get(), header.data(), header.size());
    return finish_output(output, written ? CopyEnd::complete : CopyEnd::write_failed,
                         input_name, destination_name);
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

}  // namespace

std::string name_warning(const LifName& name) {
    return is_hp71_name(name) ? std::string() : warning_unusable_name(lif_name_text(name));
}

std::string add_warnings(InputFile& input, const std::string& input_name, char type_letter,
                         const LifName& stored_name) {
    // (A raw add refuses an input without a size, a pipe, before it reads.)
    const bool readable = type_letter == 'T' || input.size();
    return (readable ? input_warning(input, input_name) : "") + name_warning(stored_name);
}

Report add_header(const std::string& input_name,
                  const std::string& destination_name, char type_letter) {
    NamedInput named;
    Report opened = open_input_apart_from(input_name, destination_name, named);
    if (opened.failed) {
        return opened;
    }
    // A whole volume is a file like any other here, and warned about.
    InputFile& input = named.input;
    const std::string warnings =
        add_warnings(input, input_name, type_letter, lif_name_field(destination_name));
    if (type_letter == 'T' && is_utf16_text(input)) {
        return report_utf16_text(input_name);
    }
    OutputFile output;
    // A raw input is measured before anything is made: a pipe has no size
    // to put in the header, and an input may be too large.
    LifData data;
    if (type_letter != 'T') {
        Report measured = measure_lif_data(input, input_name, type_letter, data);
        if (measured.failed) {
            return measured;
        }
    }
    if (!begin_output(destination_name, output)) {
        return report_cannot_create(destination_name);
    }
    // A text that might give more than a LIF file holds is measured first
    // too, so that it is refused before anything is written.
    const bool may_be_too_large =
        input.size() && most_text_bytes(*input.size()) > max_lif_data_bytes;
    Report result;
    if (type_letter == 'T' && output_rewritable(output) && !may_be_too_large) {
        result = add_text_in_one_reading(input, input_name, destination_name, output);
    } else {
        Report measured = type_letter == 'T'
                              ? measure_lif_data(input, input_name, type_letter, data)
                              : Report{};
        result = measured.failed ? measured
                                 : add_measured_data(input, input_name, destination_name,
                                                     output, data);
    }
    // Warnings come once the output is complete; a failure is said alone.
    if (!result.failed) {
        result.text += warnings;
    }
    return result;
}

}  // namespace velkord
