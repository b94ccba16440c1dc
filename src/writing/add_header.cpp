#include "writing/add_header.h"

#include <cstdint>
#include <optional>

#include "files/block_writer.h"
#include "files/file.h"
#include "files/output_file.h"
#include "lif/lif_header.h"
#include "writing/text_records.h"

namespace velkord {
namespace {

bool write_header(std::FILE* output, const LifHeaderBytes& header) {
    return write_bytes(output, header.data(), header.size());
}

// LEX, BIN and ROM: the input's bytes as they are.
Report add_raw_data(std::FILE* input, const std::string& input_name,
                    const std::string& destination_name, char type_letter) {
    const std::optional<std::uint64_t> size = regular_file_size(input_name);
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
    // the bytes that follow it; an input that shrinks meanwhile is an error.
    BlockWriter data(output.file.get(), nullptr,
                     header.size() + sectors_for(*size) * sector_size);
    data.put(header.data(), header.size());
    CopyEnd end = data.copy_from(input, *size);
    // Sectors are 256 bytes; the rest of the last one is filled with 0xFF.
    data.put_repeated(0xFF, sector_fill(*size));
    if (!data.flush()) {
        end = CopyEnd::write_failed;
    }
    return finish_output(output, end, input_name, destination_name);
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

// TEXT: the input's lines as records, written as they are made. The header's
// sector count is known only at the end, so the header is written again
// then. Where that cannot be done (a destination written in place), the
// input is read twice, the first time only to count; an input that cannot be
// read twice either (a pipe) is converted in memory. An input that might give
// more than a LIF file holds is counted first too, so that it is refused
// before anything is written.
Report add_text_data(std::FILE* input, const std::string& input_name,
                     const std::string& destination_name) {
    OutputFile output;
    if (!begin_output(destination_name, output)) {
        return report_cannot_create(destination_name);
    }
    const std::optional<std::uint64_t> size = regular_file_size(input_name);
    const bool rewritable = output_rewritable(output);
    std::optional<std::uint64_t> counted;
    const std::uint64_t expected = size ? most_text_bytes(*size) : UINT64_MAX;
    if (size && (!rewritable || expected > max_lif_data_bytes)) {
        BlockWriter counter(nullptr, nullptr, expected);
        const TextStatus status = convert_text_records(input, counter);
        if (status != TextStatus::converted) {
            return report_text_failure(status, input_name);
        }
        if (std::fseek(input, 0, SEEK_SET) != 0) {
            return report_read_error(input_name);
        }
        counted = counter.count();
    }
    std::FILE* file = output.file.get();
    Bytes kept;
    const bool keep_in_memory = !rewritable && !counted;
    BlockWriter records(keep_in_memory ? nullptr : file,
                        keep_in_memory ? &kept : nullptr, expected);
    // The header goes first, with the count if it is known already.
    const std::size_t header_bytes = keep_in_memory ? 0 : lif_header_size;
    if (!keep_in_memory) {
        const LifHeaderBytes header = text_header(destination_name, counted.value_or(0));
        records.put(header.data(), header.size());
    }
    const TextStatus status = convert_text_records(input, records);
    if (status != TextStatus::converted) {
        return report_text_failure(status, input_name);
    }
    bool written = records.flush();
    const std::uint64_t data_bytes = records.count() - header_bytes;
    if (counted && data_bytes != *counted) {
        return report_read_error(input_name);  // it changed between the readings
    }
    const LifHeaderBytes header = text_header(destination_name, data_bytes);
    if (keep_in_memory) {
        written = written && write_header(file, header) &&
                  write_bytes(file, kept.data(), kept.size());
    } else if (!counted) {
        written = written && std::fseek(file, 0, SEEK_SET) == 0 &&
                  write_header(file, header);
    }
    return finish_output(output, written ? CopyEnd::complete : CopyEnd::write_failed,
                         input_name, destination_name);
}

}  // namespace

Report add_header(const std::string& input_name,
                  const std::string& destination_name, char type_letter) {
    File input;
    Report opened = open_input_apart_from(input_name, destination_name, input);
    if (opened.failed) {
        return opened;
    }
    if (type_letter == 'T') {
        return add_text_data(input.get(), input_name, destination_name);
    }
    return add_raw_data(input.get(), input_name, destination_name, type_letter);
}

}  // namespace velkord
