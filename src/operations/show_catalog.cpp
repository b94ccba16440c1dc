#include "operations/show_catalog.h"

#include <algorithm>
#include <cstdio>

#include "files/utf8.h"
#include "lif/file_types.h"
#include "report/printable_name.h"

namespace velkord {
namespace {

// Lines are handed on in pieces of about this size.
constexpr std::size_t piece_size = 64 * 1024;

using Count = unsigned long long;

template <typename... Values>
void append(std::string& text, const char* format, Values... values) {
    char line[128];
    const int size = std::snprintf(line, sizeof line, format, values...);
    if (size > 0) {
        text.append(line, static_cast<std::size_t>(size) < sizeof line
                              ? static_cast<std::size_t>(size)
                              : sizeof line - 1);
    }
}

void append_file(std::string& text, const LifHeader& entry) {
    const char* type = lif_type_name(entry.file_type);
    // Padded to its column by characters, so that names outside ASCII line up.
    const std::string name = printable_name(lif_name_text(entry.name));
    text += name;
    text.append(lif_name_size - std::min(lif_name_size, utf8_characters(name)), ' ');
    append(text, " %-5s %04X %8llu %8llu %9llu  ", type ? type : "-",
           unsigned{entry.file_type}, Count{entry.start_sector}, Count{entry.sector_count},
           Count{lif_data_bytes(entry)});
    text += format_lif_date(entry.date) + "\n";
}

}  // namespace

Report show_catalog(InputFile& image, const Volume& volume, const std::string& name,
                    const TextOut& out) {
    const VolumeLabel& label = volume.label;
    const LifName label_name{label.name[0], label.name[1], label.name[2],
                             label.name[3], label.name[4], label.name[5],
                             ' ', ' ', ' ', ' '};
    std::string text = "Volume label = " + printable_name(lif_name_text(label_name)) + "\n";
    append(text, "Volume size = %llu sectors\n", Count{volume_sectors(volume)});
    append(text, "Directory = %llu sectors at sector %llu\n",
           Count{label.directory_sectors}, Count{label.directory_start});
    text += "NAME       TYPE  CODE    START  SECTORS     BYTES  DATE\n";

    DirectoryReader directory(image, volume);
    VolumeCheck check(volume);
    Count files = 0;
    Count cut_files = 0;
    LifHeader entry;
    while (directory.next(entry)) {
        if (entry.file_type == lif_type_purged) {
            continue;  // its sectors count as free
        }
        check.add_file(entry);
        append_file(text, entry);
        ++files;
        cut_files += is_whole(volume, entry) ? 0 : 1;
        if (text.size() >= piece_size) {
            out(text);
            text.clear();
        }
    }
    if (directory.failed()) {
        out(text);
        return report_read_error(name);
    }
    check.end_directory(directory.cut());
    const std::uint64_t used =
        std::min(directory_end(label), UINT64_MAX - check.file_sectors()) + check.file_sectors();
    const std::uint64_t size = volume_sectors(volume);
    append(text, "%llu files, %llu sectors free\n", files,
           Count{used < size ? size - used : 0});
    if (cut_files > 0) {
        text += "Warning: " + printable_name(name) + " is cut short: it ends inside or before ";
        append(text, "%llu of its files\n", cut_files);
    }
    if (check.damaged()) {
        text += "Warning: " + printable_name(name) + " is a damaged LIF volume\n";
    }
    out(text);
    return Report{};
}

}  // namespace velkord
