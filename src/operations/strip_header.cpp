#include "operations/strip_header.h"

#include "files/output_file.h"
#include "lif/lif_header.h"
#include "operations/inputs.h"
#include "report/outcomes.h"

namespace velkord {

Report strip_header(const Name& lif, const std::string& output_name) {
    InputFile input;
    LifHeader header;
    const Report warning = open_lif_file(lif, output_name, input, header);
    if (warning.failed) {
        return warning;
    }
    const std::uint32_t size = payload_bytes(header.nibble_count);
    // Data that end before the nibble count says: the bytes that are there
    // are what the user can save of a damaged file.
    OutputOptions options;
    options.expected_size = size;
    options.salvage = true;
    const OutputResult written = write_output(
        output_name, options, [&](OutputStream& out) { return out.blocks().copy_from(input, size); });
    Report result = report_output(written, lif.typed, output_name);
    if (!result.failed && header.file_type == lif_type_text) {
        // Its nibble count of 0 gave an empty file: show the way to the lines.
        result.text += hint_text_file(lif.typed);
    }
    if (!result.failed && is_listable_program(header.file_type)) {
        // Tokens are no use on a PC: show the way to the listing (which a
        // private program does not have).
        result.text += hint_basic_program(lif.typed);
    }
    return followed_by(warning, result);
}

}  // namespace velkord
