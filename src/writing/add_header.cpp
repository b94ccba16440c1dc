#include "writing/add_header.h"

#include <cstdint>

#include "lif/file_io.h"
#include "lif/lif_header.h"
#include "writing/text_records.h"

namespace velkord {
namespace {

// Sectors are 256 bytes; the rest of the last one is filled with 0xFF.
bool write_sector_fill(std::FILE* output, std::uint64_t data_size) {
    static const Bytes fill(sector_size, 0xFF);
    const std::size_t used = static_cast<std::size_t>(data_size % sector_size);
    return used == 0 || write_bytes(output, fill.data(), sector_size - used);
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
    File output = create_output(destination_name);
    if (!output) {
        return report_cannot_create(destination_name);
    }
    const LifHeaderBytes header =
        build_lif_header(destination_name, type_letter,
                         static_cast<std::uint32_t>(sectors_for(*size)),
                         static_cast<std::uint32_t>(2 * *size));
    // Exactly the measured size is copied, so the header describes exactly
    // the bytes that follow it.
    CopyEnd end = write_bytes(output.get(), header.data(), header.size())
                      ? copy_bytes(input, output.get(), *size)
                      : CopyEnd::write_failed;
    if (end == CopyEnd::complete && !write_sector_fill(output.get(), *size)) {
        end = CopyEnd::write_failed;
    }
    return finish_output(output, end, input_name, destination_name);
}

// TEXT: the input's lines as records. They are converted in full before the
// destination is created, so a failure of the input leaves it untouched.
Report add_text_data(std::FILE* input, const std::string& input_name,
                     const std::string& destination_name) {
    const TextRecords records = convert_text_records(
        input, regular_file_size(input_name).value_or(0));
    switch (records.status) {
        case TextStatus::read_error:
            return report_read_error(input_name);
        case TextStatus::too_large:
            return report_too_large(input_name);
        case TextStatus::converted:
            break;
    }
    File output = create_output(destination_name);
    if (!output) {
        return report_cannot_create(destination_name);
    }
    // The records tell their own lengths: a TEXT header's nibble count is 0.
    const LifHeaderBytes header = build_lif_header(
        destination_name, 'T',
        static_cast<std::uint32_t>(records.bytes.size() / sector_size), 0);
    const bool written =
        write_bytes(output.get(), header.data(), header.size()) &&
        write_bytes(output.get(), records.bytes.data(), records.bytes.size());
    return finish_output(output,
                         written ? CopyEnd::complete : CopyEnd::write_failed,
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
