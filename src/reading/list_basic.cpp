#include "reading/list_basic.h"

#include "basic/program.h"
#include "files/block_writer.h"
#include "files/output_file.h"

namespace velkord {

Report list_basic(NamedInput& lif, const LifHeader& header, const std::string& lif_name,
                  const std::string& output_name) {
    OutputFile output;
    if (!begin_output(output_name, output)) {
        return report_cannot_create(output_name);
    }
    BlockWriter lines(output.file.get());
    CopyEnd end = basic::list_program(lif.input, header.nibble_count, lines);
    if (!lines.flush()) {
        end = CopyEnd::write_failed;
    }
    // The lines before a damaged one are what the user can save of it.
    return finish_salvaged_output(output, end, lif_name, output_name);
}

}  // namespace velkord
