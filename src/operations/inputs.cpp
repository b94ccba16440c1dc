#include "operations/inputs.h"

#include <cstdio>
#include <utility>

#include "platform/platform.h"
#include "report/printable_name.h"

namespace velkord {

Report open_named(const Name& name, InputFile& input) {
    if (name.kind == NameKind::file_on_volume && name.read_failed) {
        return report_read_error(name.file);
    }
    if (name.kind == NameKind::file_on_volume && name.ambiguous) {
        return report_ambiguous(name.on_volume, name.file);
    }
    if (platform::is_in_use(name.cause)) {
        return report_in_use(name.file);
    }
    input = open_name(name);
    if (!input && platform::is_in_use(platform::last_error())) {
        return report_in_use(name.file);
    }
    return input ? Report{} : report_not_found(name.typed);
}

Report open_apart_from(const Name& name, const std::string& output_name, InputFile& input) {
    InputFile opened;
    Report report = open_named(name, opened);
    if (report.failed) {
        return report;
    }
    if (may_be_same_file(name.file, output_name)) {
        return report_input_as_output(output_name);
    }
    input = std::move(opened);
    return Report{};
}

bool read_lif_header(InputFile& file, LifHeader& header) {
    LifHeaderBytes bytes;
    if (file.read(bytes.data(), bytes.size()) != bytes.size()) {
        return false;
    }
    header = parse_lif_header(bytes);
    return true;
}

bool read_single_lif_file(const Name& name, InputFile& input, LifHeader& header) {
    if (name.kind == NameKind::file_on_volume) {
        header = *name.entry;
        return true;
    }
    const bool single = name.kind == NameKind::file && input.size() &&
                        read_lif_header(input, header) && header.start_sector == 0 &&
                        *input.size() >=
                            lif_header_size + std::uint64_t{header.sector_count} * sector_size;
    return single && input.rewind();
}

Report for_each_file(const Name& volume, const std::function<void(const LifHeader&)>& each) {
    constexpr std::uint64_t most_files = 65536;
    InputFile image;
    Report opened = open_named(volume, image);
    if (opened.failed) {
        return opened;
    }
    std::uint64_t files = 0;
    DirectoryReader counted(image, volume.volume);
    LifHeader entry;
    while (counted.next(entry)) {
        files += entry.file_type != lif_type_purged ? 1 : 0;
    }
    if (files > most_files) {
        char count[24];
        std::snprintf(count, sizeof count, "%llu", static_cast<unsigned long long>(files));
        return failure("Error: " + printable_name(volume.typed) + " holds too many files (" +
                       count + ")\n");
    }
    DirectoryReader directory(image, volume.volume);
    while (!counted.failed() && directory.next(entry)) {
        if (entry.file_type != lif_type_purged) {
            each(entry);
        }
    }
    return counted.failed() || directory.failed() ? report_read_error(volume.typed) : Report{};
}

Report open_lif_file(const Name& lif, const std::string& output_name, InputFile& input,
                     LifHeader& header) {
    Report opened = open_apart_from(lif, output_name, input);
    if (opened.failed) {
        return opened;
    }
    if (lif.kind == NameKind::volume) {
        return report_whole_volume(lif.typed);
    }
    // The header is read before the output is begun, so a file too short to
    // hold one leaves an existing output untouched.
    if (!read_lif_header(input, header)) {
        return report_read_error(lif.typed);
    }
    return Report{plausibility_warning(header), false};
}

}  // namespace velkord
