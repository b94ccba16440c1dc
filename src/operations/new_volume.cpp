#include "operations/new_volume.h"

#include <algorithm>
#include <ctime>

#include "files/block_writer.h"
#include "files/utf8.h"
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

// The file's own name, without its folder part, up to its first '.'.
std::string stem_of(const std::string& name) {
    const std::size_t folder_end = name.find_last_of("/\\:");
    const std::string own = folder_end == std::string::npos ? name : name.substr(folder_end + 1);
    return own.substr(0, own.find('.'));
}

// A label holds letters and digits alone, in capitals, 6 at most: the
// file's own name with every other character dropped (a character is
// never cut in two).
std::string label_text(const std::string& name) {
    std::string label;
    for (const char c : stem_of(name)) {
        const char upper = ascii_upper(c);
        if (label.size() < 6 && ((upper >= 'A' && upper <= 'Z') || (c >= '0' && c <= '9'))) {
            label += upper;
        }
    }
    return label;
}

// The first six characters of the file's own name, in capitals: what the
// user expects the label to be.
std::string expected_label(const std::string& name) {
    const std::string stem = stem_of(name);
    std::string first;
    std::size_t at = 0;
    for (int characters = 0; characters < 6 && at < stem.size(); ++characters) {
        const std::size_t length = std::max<std::size_t>(decode_utf8(stem, at).length, 1);
        first += stem.substr(at, length);
        at += length;
    }
    return ascii_upper_text(first);
}

VolumeLabel new_label(const std::string& name) {
    VolumeLabel label;
    const std::string text = label_text(name);
    label.name.fill(' ');
    for (std::size_t i = 0; i < text.size() && i < label.name.size(); ++i) {
        label.name[i] = static_cast<unsigned char>(text[i]);
    }
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
    const std::string text = label_text(name);
    if (text != expected_label(name)) {
        return Report{"Warning: the volume label is \"" + text + "\"\n", false};
    }
    return Report{};
}

}  // namespace velkord
