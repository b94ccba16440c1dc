#include "reading/strip_header.h"

#include "files/block_writer.h"
#include "files/file.h"
#include "files/output_file.h"
#include "lif/lif_header.h"
#include "reading/read_lif_header.h"

namespace velkord {

Report strip_header(const std::string& lif_name,
                    const std::string& output_name) {
    File lif;
    Report opened = open_input_apart_from(lif_name, output_name, lif);
    if (opened.failed) {
        return opened;
    }
    // The header is read first, so a file too short to hold one leaves an
    // existing output untouched.
    LifHeader header;
    if (!read_lif_header(lif.get(), header)) {
        return report_read_error(lif_name);
    }
    OutputFile output;
    if (!begin_output(output_name, output)) {
        return report_cannot_create(output_name);
    }
    const std::uint32_t size = payload_bytes(header.nibble_count);
    BlockWriter data(output.file.get(), nullptr, size);
    CopyEnd end = data.copy_from(lif.get(), size);
    if (!data.flush()) {
        end = CopyEnd::write_failed;
    }
    if (end != CopyEnd::input_short) {
        return finish_output(output, end, lif_name, output_name);
    }
    // Data that end before the nibble count says: the bytes that are there
    // are what the user can save of a damaged file, so they become the output.
    const Report kept = finish_output(output, CopyEnd::complete, lif_name, output_name);
    return kept.failed ? kept : report_read_error(lif_name);
}

}  // namespace velkord
