#include "reading/strip_text_header.h"

#include "basic/program.h"
#include "files/block_writer.h"
#include "files/output_file.h"
#include "reading/list_basic.h"
#include "reading/read_lif_header.h"
#include "reading/text_lines.h"

namespace velkord {

Report strip_text_header(const std::string& lif_name,
                         const std::string& output_name) {
    NamedInput lif;
    LifHeader header;
    const Report warning = open_lif_file(lif_name, output_name, lif, header);
    if (warning.failed) {
        return warning;
    }
    if (basic::is_private_program(header.file_type)) {
        return followed_by(warning, report_private_program(lif_name));
    }
    if (basic::is_listable_program(header.file_type)) {
        return followed_by(warning, list_basic(lif, header, lif_name, output_name));
    }
    if (header.file_type != lif_type_text) {
        return followed_by(warning, report_not_text(lif_name));
    }
    OutputFile output;
    if (!begin_output(output_name, output)) {
        return followed_by(warning, report_cannot_create(output_name));
    }
    BlockWriter lines(output.file.get());
    CopyEnd end = convert_text_lines(
        lif.input, std::uint64_t{header.sector_count} * sector_size, lines);
    if (!lines.flush()) {
        end = CopyEnd::write_failed;
    }
    // The lines before the place where a cut file ends are kept.
    return followed_by(warning,
                       finish_salvaged_output(output, end, lif_name, output_name));
}

}  // namespace velkord
