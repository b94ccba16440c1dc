#include "writing/add_header.h"

#include <cstdint>
#include <optional>

#include "files/block_writer.h"
#include "files/input_file.h"
#include "files/output_file.h"
#include "lif/lif_header.h"
#include "lif/volume_label.h"
#include "volume/named_input.h"
#include "writing/text_records.h"

namespace velkord {
namespace {

bool write_header(std::FILE* output, const LifHeaderBytes& header) {
    return write_bytes(output, header.data(), header.size());
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

std::string name_warning(const std::string& destination_name) {
    const LifName name = lif_name_field(destination_name);
    return is_hp71_name(name) ? std::string() : warning_unusable_name(lif_name_text(name));
}

// True when a regular file holds more than the size it had when opened: a
// file being written meanwhile, or one under /proc that says it is empty.
bool input_grew(InputFile& input) {
    unsigned char next;
    return input.size() && input.look(&next, 1) > 0;
}

// LEX, BIN and ROM: the input's bytes as they are.
Report add_raw_data(InputFile& input, const std::string& input_name,
                    const std::string& destination_name, char type_letter) {
    const std::optional<std::uint64_t> size = input.size();
    if (!size) {
        return report_read_error(input_name);
    }
    if (*size > max_raw_data_bytes) {
        return report_too_large(input_name);
    }
    OutputFile output;
    if (!begin_output(destination_name, output)) {
        return report_cannot_create(destination_name);
    }
    const LifHeaderBytes header =
        build_lif_header(destination_name, type_letter,
                         static_cast<std::uint32_t>(sectors_for(*size)),
                         static_cast<std::uint32_t>(2 * *size));
    // Exactly the measured size is copied, so the header describes exactly
    // the bytes that follow it; an input that shrinks or grows meanwhile is
    // an error.
    BlockWriter data(output.file.get(), nullptr,
                     header.size() + sectors_for(*size) * sector_size);
    data.put(header.data(), header.size());
    CopyEnd end = data.copy_from(input, *size);
    if (end == CopyEnd::complete && input_grew(input)) {
        end = CopyEnd::input_changed;
    }
    // Sectors are 256 bytes; the rest of the last one is filled with 0xFF.
    data.put_repeated(0xFF, sector_fill(*size));
    if (!data.flush()) {
        end = CopyEnd::write_failed;
    }
    return finish_output(output, end, input_name, destination_name);
}

// Notepad saves "UTF-8" with a byte-order mark, and "Unicode" as UTF-16.
enum class TextEncoding { plain, utf8_with_mark, utf16 };

TextEncoding text_encoding(InputFile& input) {
    unsigned char first[3];
    const std::size_t got = input.look(first, sizeof first);
    if (got >= 2 && ((first[0] == 0xFF && first[1] == 0xFE) ||
                     (first[0] == 0xFE && first[1] == 0xFF))) {
        return TextEncoding::utf16;
    }
    const bool mark = got == 3 && first[0] == 0xEF && first[1] == 0xBB && first[2] == 0xBF;
    return mark ? TextEncoding::utf8_with_mark : TextEncoding::plain;
}

// One pass over the whole text: the byte-order mark is no part of the first
// line. A regular file must give exactly the bytes it had when opened.
TextStatus convert_text(InputFile& input, BlockWriter& records) {
    if (text_encoding(input) == TextEncoding::utf8_with_mark) {
        unsigned char mark[3];
        input.read(mark, sizeof mark);
    }
    const TextStatus status = convert_text_records(input, records);
    if (status == TextStatus::converted && input.size() &&
        input.position() != *input.size()) {
        return TextStatus::read_error;
    }
    return status;
}

// The records tell their own lengths: a TEXT header's nibble count is 0.
LifHeaderBytes text_header(const std::string& destination_name,
                           std::uint64_t data_bytes) {
    return build_lif_header(destination_name, 'T',
                            static_cast<std::uint32_t>(data_bytes / sector_size), 0);
}

Report report_text_failure(TextStatus status, const std::string& input_name) {
    return status == TextStatus::too_large ? report_too_large(input_name)
                                           : report_read_error(input_name);
}

// A pipe into something written directly (a device, a pipe, standard
// output): the header that goes first needs the records' count, so the
// records wait in a scratch file, never in memory.
Report add_text_through_scratch(InputFile& input, const std::string& input_name,
                                const std::string& destination_name,
                                OutputFile& output) {
    File scratch = open_scratch_file();
    if (!scratch) {
        return report_cannot_create(destination_name);
    }
    BlockWriter records(scratch.get());
    const TextStatus status = convert_text(input, records);
    if (status != TextStatus::converted) {
        return report_text_failure(status, input_name);
    }
    const std::uint64_t data_bytes = records.count();
    const LifHeaderBytes header = text_header(destination_name, data_bytes);
    BlockWriter out(output.file.get());
    out.put(header.data(), header.size());
    InputFile kept(std::move(scratch), data_bytes);
    // The scratch file is on the output's side: any failure there is the
    // output's.
    const bool copied = records.flush() && kept.rewind() &&
                        out.copy_from(kept, data_bytes) == CopyEnd::complete &&
                        out.flush();
    return finish_output(output, copied ? CopyEnd::complete : CopyEnd::write_failed,
                         input_name, destination_name);
}

// TEXT: the input's lines as records, written as they are made. The header's
// sector count is known only at the end, so the header is written again
// then. Where that cannot be done (a destination written directly), a
// regular file is read twice, the first time only to count. An input that
// might give more than a LIF file holds is counted first too, so that it is
// refused before anything is written.
Report add_text_data(InputFile& input, const std::string& input_name,
                     const std::string& destination_name) {
    if (text_encoding(input) == TextEncoding::utf16) {
        return report_utf16_text(input_name);
    }
    OutputFile output;
    if (!begin_output(destination_name, output)) {
        return report_cannot_create(destination_name);
    }
    const std::optional<std::uint64_t> size = input.size();
    const bool rewritable = output_rewritable(output);
    std::optional<std::uint64_t> counted;
    const std::uint64_t expected = size ? most_text_bytes(*size) : UINT64_MAX;
    if (size && (!rewritable || expected > max_lif_data_bytes)) {
        BlockWriter counter(nullptr, nullptr, expected);
        const TextStatus status = convert_text(input, counter);
        if (status != TextStatus::converted) {
            return report_text_failure(status, input_name);
        }
        if (!input.rewind()) {
            return report_read_error(input_name);
        }
        counted = counter.count();
    }
    if (!rewritable && !counted) {
        return add_text_through_scratch(input, input_name, destination_name, output);
    }
    // The header goes first, with the count if it is known already.
    BlockWriter records(output.file.get(), nullptr, expected);
    const LifHeaderBytes first_header = text_header(destination_name, counted.value_or(0));
    records.put(first_header.data(), first_header.size());
    const TextStatus status = convert_text(input, records);
    if (status != TextStatus::converted) {
        return report_text_failure(status, input_name);
    }
    bool written = records.flush();
    const std::uint64_t data_bytes = records.count() - lif_header_size;
    if (counted && data_bytes != *counted) {
        return report_read_error(input_name);  // it changed between the readings
    }
    if (!counted) {
        written = written && std::fseek(output.file.get(), 0, SEEK_SET) == 0 &&
                  write_header(output.file.get(), text_header(destination_name, data_bytes));
    }
    return finish_output(output, written ? CopyEnd::complete : CopyEnd::write_failed,
                         input_name, destination_name);
}

}  // namespace

Report add_header(const std::string& input_name,
                  const std::string& destination_name, char type_letter) {
    NamedInput named;
    Report opened = open_input_apart_from(input_name, destination_name, named);
    if (opened.failed) {
        return opened;
    }
    // A whole volume is a file like any other here, and warned about.
    InputFile& input = named.input;
    // (A raw add refuses an input without a size, a pipe, before it reads.)
    const bool readable = type_letter == 'T' || input.size();
    const std::string warnings = (readable ? input_warning(input, input_name) : "") +
                                 name_warning(destination_name);
    Report result = type_letter == 'T'
                        ? add_text_data(input, input_name, destination_name)
                        : add_raw_data(input, input_name, destination_name, type_letter);
    // Warnings come once the output is complete; a failure is said alone.
    if (!result.failed) {
        result.text += warnings;
    }
    return result;
}

}  // namespace velkord
