#include "reading/strip_header.h"

#include "basic/program.h"
#include "files/block_writer.h"
#include "files/input_file.h"
#include "files/output_file.h"
#include "lif/lif_header.h"
#include "reading/read_lif_header.h"

namespace velkord {

Report strip_header(const std::string& lif_name,
                    const std::string& output_name) {
    NamedInput lif;
    LifHeader header;
    const Report warning = open_lif_file(lif_name, output_name, lif, header);
    if (warning.failed) {
        return warning;
    }
    OutputFile output;
    if (!begin_output(output_name, output)) {
        return followed_by(warning, report_cannot_create(output_name));
    }
    const std::uint32_t size = payload_bytes(header.nibble_count);
    BlockWriter data(output.file.get(), nullptr, size);
    CopyEnd end = data.copy_from(lif.input, size);
    if (!data.flush()) {
        end = CopyEnd::write_failed;
    }
    // Data that end before the nibble count says: the bytes that are there
    // are what the user can save of a damaged file.
    Report result = finish_salvaged_output(output, end, lif_name, output_name);
    if (!result.failed && header.file_type == lif_type_text) {
        // Its nibble count of 0 gave an empty file: show the way to the lines.
        result.text += hint_text_file(lif_name);
    }
    if (!result.failed && basic::is_listable_program(header.file_type)) {
        // Tokens are no use on a PC: show the way to the listing (which a
        // private program does not have).
        result.text += hint_basic_program(lif_name);
    }
    return followed_by(warning, result);
}

}  // namespace velkord
