#include "reading/strip_header.h"

#include "lif/file_io.h"
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
    File output = create_output(output_name);
    if (!output) {
        return report_cannot_create(output_name);
    }
    const CopyEnd end =
        copy_bytes(lif.get(), output.get(), payload_bytes(header.nibble_count));
    return finish_output(output, end, lif_name, output_name);
}

}  // namespace velkord
