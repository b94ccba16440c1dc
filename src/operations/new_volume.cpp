#include "operations/new_volume.h"

#include <ctime>

#include "files/block_writer.h"
#include "files/output_file.h"
#include "lif/lif_header.h"
#include "lif/volume_label.h"
#include "report/printable_name.h"

namespace velkord {
namespace {

constexpr std::uint32_t tracks = 77;
constexpr std::uint32_t surfaces = 2;
constexpr std::uint32_t sectors_per_track = 16;
constexpr std::uint32_t directory_start = 2;
constexpr std::uint32_t directory_sectors = 63;

Report report_exists(const std::string& name) {
    return failure(printable_name(name) + " exists already\n");
}

VolumeLabel new_label(const std::string& name) {
    VolumeLabel label;
    const LifName field = lif_name_field(name);
    std::copy(field.begin(), field.begin() + label.name.size(), label.name.begin());
    label.directory_start = directory_start;
    label.system_word = 0x1000;
    label.directory_sectors = directory_sectors;
    label.version = 1;
    label.tracks = tracks;
    label.surfaces = surfaces;
    label.sectors_per_track = sectors_per_track;
    const std::time_t now = std::time(nullptr);
    if (const std::tm* local = std::localtime(&now)) {
        label.date = lif_date_of(*local);
    }
    return label;
}

}  // namespace

Report new_volume(const Name& volume) {
    const std::string& name = volume.typed;
    // Anything there, a file, a folder or a device, is not made over. (A
    // name that cannot be looked at cannot be made either.)
    if (volume.kind == NameKind::unknown) {
        return report_cannot_create(name);
    }
    if (volume.kind != NameKind::missing && volume.kind != NameKind::file_on_volume) {
        return report_exists(name);
    }
    OutputFile output;
    if (!begin_output(name, output) || !output_rewritable(output)) {
        return report_cannot_create(name);
    }
    const std::uint64_t sectors = std::uint64_t{tracks} * surfaces * sectors_per_track;
    BlockWriter out(output.file.get(), nullptr, sectors * sector_size);
    const VolumeLabelBytes label = encode_volume_label(new_label(name));
    out.put(label.data(), label.size());
    out.put_repeated(0x00, 2 * sector_size - label.size());  // the rest of it, and sector 1
    out.put_repeated(0xFF, directory_sectors * sector_size);
    out.put_repeated(0x00, static_cast<std::size_t>(
                               (sectors - directory_start - directory_sectors) * sector_size));
    if (!out.flush()) {
        return report_write_error(name);
    }
    if (!close_output(output)) {
        return report_write_error(name);
    }
    if (!place_new_output(output)) {
        // A file that appeared meanwhile is left as it is.
        return resolve_name(name).kind == NameKind::missing ? report_write_error(name)
                                                            : report_exists(name);
    }
    return Report{};
}

}  // namespace velkord
