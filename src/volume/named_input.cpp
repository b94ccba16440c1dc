#include "volume/named_input.h"

#include <algorithm>
#include <utility>

#include "platform/platform.h"

namespace velkord {
namespace {

using platform::FileKind;

// The separators that may part a volume's name from a file's on it.
std::size_t last_separator(const std::string& name) {
#ifdef _WIN32
    return name.find_last_of("/\\");
#else
    return name.find_last_of('/');
#endif
}

// The file called `file_name` on the volume whose image is `image_name`.
Report open_on_volume(const std::string& name, const std::string& image_name,
                      const std::string& file_name, NamedInput& opened) {
    InputFile image = open_input(image_name);
    Volume volume;
    if (!image || !read_volume(image, volume)) {
        return report_not_found(name);
    }
    DirectoryReader directory(image, volume);
    LifHeader entry;
    while (directory.next(entry)) {
        if (entry.file_type != lif_type_purged && names_lif_file(file_name, entry.name)) {
            File file = unbuffered(File(platform::open_file(platform::to_path(image_name), "rb")));
            if (!file) {
                return report_not_found(name);
            }
            opened.kind = InputKind::file_on_volume;
            opened.input = open_file_on_volume(std::move(file), volume, entry);
            opened.file_name = image_name;
            opened.volume = volume;
            opened.entry = entry;
            return Report{};
        }
    }
    return directory.failed() ? report_read_error(image_name) : report_not_found(name);
}

// True when `name` is a regular file that holds a volume.
bool holds_volume(const std::string& name) {
    if (platform::file_info(platform::to_path(name)).kind != FileKind::regular) {
        return false;
    }
    InputFile image = open_input(name);
    Volume volume;
    return image && read_volume(image, volume);
}

}  // namespace

// Two names of one device count as one file. Where the output exists but the
// system cannot tell, as for a file locked by another program, writing it
// could destroy the input, so it is not guessed. An output that cannot even
// be looked at (no such folder, no right to it) cannot be written either,
// which the output itself then says.
bool may_be_same_file(const std::string& input_name, const std::string& output_name) {
    const std::filesystem::path output = platform::to_path(output_name);
    const FileKind kind = platform::file_info(output).kind;
    if (kind == FileKind::missing || kind == FileKind::unknown) {
        return false;
    }
    return platform::same_file(platform::to_path(input_name), output).value_or(true);
}

bool names_lif_file(const std::string& name, const LifName& field) {
    const LifName wanted = lif_name_of(name);
    return !lif_name_text(wanted).empty() && same_lif_name(wanted, field);
}

InputFile open_file_on_volume(File image, const Volume& volume, const LifHeader& entry) {
    if (!image) {
        return InputFile();
    }
    LifHeader as_single = entry;
    as_single.start_sector = 0;
    const std::uint64_t offset = std::uint64_t{entry.start_sector} * sector_size;
    const std::uint64_t length = std::uint64_t{entry.sector_count} * sector_size;
    const std::uint64_t present =
        offset < volume.image_bytes ? volume.image_bytes - offset : 0;
    return InputFile(std::move(image), encode_lif_header(as_single), offset, length, present);
}

std::string volume_part(const std::string& name) {
    const std::size_t separator = last_separator(name);
    return separator == std::string::npos ? std::string() : name.substr(0, separator);
}

NamedDestination resolve_destination(const std::string& name) {
    NamedDestination destination;
    destination.name = name;
    const FileKind kind = platform::file_info(platform::to_path(name)).kind;
    if (kind == FileKind::directory) {
        destination.kind = DestinationKind::folder;
    } else if (kind == FileKind::regular && holds_volume(name)) {
        destination.kind = DestinationKind::volume;
        destination.image_name = name;
    } else if (kind == FileKind::missing || kind == FileKind::unknown ||
               kind == FileKind::device) {
        const std::size_t separator = last_separator(name);
        if (separator != std::string::npos && separator > 0 &&
            holds_volume(name.substr(0, separator))) {
            destination.kind = DestinationKind::file_on_volume;
            destination.image_name = name.substr(0, separator);
            destination.file_name = name.substr(separator + 1);
        }
    }
    return destination;
}

Report open_named_input(const std::string& name, NamedInput& opened) {
    const FileKind kind = platform::file_info(platform::to_path(name)).kind;
    // No file by the whole name: perhaps one on a volume. (Windows takes any
    // name ending in CON or NUL for the device, even inside a file.)
    if (kind == FileKind::missing || kind == FileKind::unknown || kind == FileKind::device) {
        const std::size_t separator = last_separator(name);
        if (separator != std::string::npos && separator > 0) {
            const std::string image_name = name.substr(0, separator);
            if (platform::file_info(platform::to_path(image_name)).kind == FileKind::regular) {
                return open_on_volume(name, image_name, name.substr(separator + 1), opened);
            }
        }
    }
    opened.input = open_input(name);
    if (!opened.input) {
        return report_not_found(name);
    }
    opened.kind = read_volume(opened.input, opened.volume) ? InputKind::volume : InputKind::file;
    opened.file_name = name;
    // Looking for a label read a little: every operation starts at the start.
    if (opened.input.size() && !opened.input.rewind()) {
        return report_read_error(name);
    }
    return Report{};
}

Report open_input_apart_from(const std::string& input_name,
                             const std::string& output_name, NamedInput& opened) {
    NamedInput input;
    Report report = open_named_input(input_name, input);
    if (report.failed) {
        return report;
    }
    if (may_be_same_file(input.file_name, output_name)) {
        return report_input_as_output(output_name);
    }
    opened = std::move(input);
    return Report{};
}

}  // namespace velkord
