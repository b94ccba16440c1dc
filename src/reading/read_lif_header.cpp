#include "reading/read_lif_header.h"

#include "report/printable_name.h"

namespace velkord {

bool read_lif_header(InputFile& file, LifHeader& header) {
    LifHeaderBytes bytes;
    if (file.read(bytes.data(), bytes.size()) != bytes.size()) {
        return false;
    }
    header = parse_lif_header(bytes);
    return true;
}

bool read_single_lif_file(NamedInput& file, LifHeader& header) {
    if (file.kind == InputKind::file_on_volume) {
        header = file.entry;
        return true;
    }
    const bool single = file.kind == InputKind::file && file.input.size() &&
                        read_lif_header(file.input, header) && header.start_sector == 0 &&
                        *file.input.size() >=
                            lif_header_size + std::uint64_t{header.sector_count} * sector_size;
    return single && file.input.rewind();
}

Report report_not_lif_file(const std::string& name) {
    return failure(printable_name(name) + " is not a LIF file\n");
}

std::string plausibility_warning(const LifHeader& header) {
    return is_plausible_lif_header(header)
               ? std::string()
               : "Warning: probably not a valid LIF header\n";
}

Report open_lif_file(const std::string& lif_name, const std::string& output_name,
                     NamedInput& lif, LifHeader& header) {
    Report opened = open_input_apart_from(lif_name, output_name, lif);
    if (opened.failed) {
        return opened;
    }
    if (lif.kind == InputKind::volume) {
        return report_whole_volume(lif_name);
    }
    // The header is read before the output is begun, so a file too short to
    // hold one leaves an existing output untouched.
    if (!read_lif_header(lif.input, header)) {
        return report_read_error(lif_name);
    }
    return Report{plausibility_warning(header), false};
}

}  // namespace velkord
