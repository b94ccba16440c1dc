#include "volume/names.h"

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

FileKind kind_of(const std::string& name) {
    return platform::file_info(platform::to_path(name)).kind;
}

// The first live entry that `wanted` means on the volume `name.volume`.
void find_entry(InputFile& image, const std::string& wanted, Name& name) {
    DirectoryReader directory(image, name.volume);
    NameMatch match(lif_name_as_typed(wanted));
    LifHeader entry;
    while (directory.next(entry)) {
        if (entry.file_type != lif_type_purged) {
            match.add(entry);
        }
    }
    name.read_failed = directory.failed();
    name.ambiguous = match.ambiguous();
    if (!name.read_failed) {
        name.entry = match.first();
    }
}

// A name that no file has: perhaps DISK.LIF/NAME, a file on a volume.
// (Windows takes any name ending in CON or NUL for the device, even inside
// a file: such a name is tried as one on a volume too.)
void resolve_on_volume(Name& name) {
    const std::size_t separator = last_separator(name.typed);
    if (separator == std::string::npos || separator == 0) {
        return;
    }
    const std::string image_name = name.typed.substr(0, separator);
    name.container = image_name;
    const FileKind container = kind_of(image_name);
    name.container_exists = container != FileKind::missing && container != FileKind::unknown;
    if (container != FileKind::regular) {
        return;
    }
    InputFile image = open_input(image_name);
    Volume volume;
    if (!image) {
        name.cause = platform::last_error();
        name.file = image_name;  // what could not be read
        return;
    }
    if (!read_volume(image, volume)) {
        return;
    }
    name.kind = NameKind::file_on_volume;
    name.file = image_name;
    name.on_volume = name.typed.substr(separator + 1);
    name.volume = volume;
    find_entry(image, name.on_volume, name);
}

}  // namespace

Name resolve_name(const std::string& typed) {
    Name name;
    name.typed = typed;
    name.file = typed;
    if (typed == standard_stream_name) {
        name.kind = NameKind::stream;
        return name;
    }
    const FileKind kind = kind_of(typed);
    switch (kind) {
        case FileKind::directory:
            name.kind = NameKind::folder;
            break;
        case FileKind::regular: {
            InputFile file = open_input(typed);
            if (!file) {
                name.cause = platform::last_error();
            }
            name.kind = !file                            ? NameKind::unreadable
                        : read_volume(file, name.volume) ? NameKind::volume
                                                         : NameKind::file;
            break;
        }
        case FileKind::other:
            name.kind = NameKind::stream;
            break;
        case FileKind::device:
        case FileKind::unknown:
        case FileKind::missing:
            name.kind = kind == FileKind::device    ? NameKind::stream
                        : kind == FileKind::unknown ? NameKind::unknown
                                                    : NameKind::missing;
            resolve_on_volume(name);
            break;
    }
    return name;
}

bool is_on_volume(const Name& name) {
    return name.kind == NameKind::volume || name.kind == NameKind::file_on_volume;
}

InputFile open_name(const Name& name) {
    switch (name.kind) {
        case NameKind::file:
        case NameKind::volume:
        case NameKind::stream:
        case NameKind::unknown:
        case NameKind::unreadable:
            return open_input(name.file);
        case NameKind::file_on_volume:
            if (name.entry) {
                return open_file_on_volume(
                    unbuffered(File(platform::open_file(platform::to_path(name.file), "rb"))),
                    name.volume, *name.entry);
            }
            break;
        case NameKind::missing:
        case NameKind::folder:
            break;
    }
    return InputFile();
}

// Two names of one device count as one file. Where the output exists but the
// system cannot tell, as for a file locked by another program, writing it
// could destroy the input, so it is not guessed. An output that cannot even
// be looked at (no such folder, no right to it) cannot be written either,
// which the output itself then says.
bool may_be_same_file(const std::string& input_file, const std::string& output_name) {
    if (input_file == standard_stream_name || output_name == standard_stream_name) {
        return false;  // an output replaces a file only once it is complete
    }
    const std::filesystem::path output = platform::to_path(output_name);
    const FileKind kind = platform::file_info(output).kind;
    if (kind == FileKind::missing || kind == FileKind::unknown) {
        return false;
    }
    return platform::same_file(platform::to_path(input_file), output).value_or(true);
}

bool names_lif_file(const std::string& name, const LifName& field) {
    const LifName wanted = lif_name_as_typed(name);
    return !lif_name_text(wanted).empty() && same_lif_name(wanted, field);
}

void NameMatch::add(const LifHeader& entry) {
    if (lif_name_text(wanted_).empty() || exact_) {
        return;
    }
    if (entry.name == wanted_) {
        exact_ = entry;
    } else if (same_lif_name(entry.name, wanted_)) {
        if (!loose_) {
            loose_ = entry;
        } else if (loose_->name != entry.name) {
            differ_ = true;
        }
    }
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

}  // namespace velkord
