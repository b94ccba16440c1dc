#include "files/output_file.h"

#include <random>

#include "platform/platform.h"

namespace velkord {
namespace {

namespace fs = std::filesystem;
using platform::FileKind;

// True when the user may write the existing file `path`: the same question
// that opening it for writing asked when outputs were written in place.
bool may_write(const fs::path& path) {
    return File(platform::open_file(path, "ab")) != nullptr;
}

static_assert(sizeof ".velkord-01234567.tmp" - 1 <= platform::temporary_name_room);

// Creates a file with a name of its own next to `target`.
bool create_temporary(const fs::path& target, OutputFile& output) {
    std::random_device seed;
    std::minstd_rand random(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        // minstd_rand gives 31 bits: always 8 hex digits.
        char name[32];
        std::snprintf(name, sizeof name, ".velkord-%08lx.tmp",
                      static_cast<unsigned long>(random()));
        output.temporary = target.parent_path() / name;
        // Named before it exists, so that no interruption can leave it behind.
        platform::remove_on_interrupt(&output.temporary);
        output.file = unbuffered(File(platform::create_new_file(output.temporary)));
        if (output.file) {
            return true;
        }
        platform::remove_on_interrupt(nullptr);
        if (platform::file_info(output.temporary).kind == FileKind::missing) {
            break;  // not a clash of names: the folder refuses new files
        }
    }
    output.temporary.clear();
    return false;
}

}  // namespace

OutputFile::~OutputFile() {
    file.reset();
    if (!temporary.empty()) {
        platform::remove_file(temporary);
        platform::remove_on_interrupt(nullptr);
    }
}

bool begin_output(const std::string& destination_name, OutputFile& output) {
    const fs::path destination = platform::to_path(destination_name);
    if (destination.filename().empty()) {
        return false;  // no name at all, or a folder's
    }
    if (const std::optional<int> descriptor = platform::named_descriptor(destination)) {
        // Reopening it by name would start a redirected file again at its
        // beginning, and a rename would put a new file in its place.
        output.file = unbuffered(File(platform::open_descriptor(*descriptor)));
        return output.file != nullptr;
    }
    output.target = platform::link_target(destination);
    switch (platform::file_info(output.target).kind) {
        case FileKind::missing:
            return create_temporary(output.target, output);
        case FileKind::regular:
            output.replacing = true;
            return may_write(output.target) && create_temporary(output.target, output);
        case FileKind::device:
        case FileKind::other:
            // A device or a pipe cannot be replaced: it is written as it is.
            output.file = unbuffered(File(platform::open_file(destination, "wb")));
            return output.file != nullptr;
        case FileKind::directory:
        case FileKind::unknown:
            break;
    }
    return false;
}

bool output_rewritable(const OutputFile& output) {
    return !output.temporary.empty();
}

bool names_standard_output(const std::string& name) {
    return platform::named_descriptor(platform::to_path(name)) == 1;
}

namespace {

// Only now, complete, does a new file get its final permissions. The last
// buffered bytes reach the file only at the close, where a full disk may
// show for the first time.
bool close_output(OutputFile& output) {
    if (!output.temporary.empty()) {
        platform::adopt_attributes(output.file.get(), output.target);
    }
    return std::fclose(output.file.release()) == 0;
}

// The new file is no longer the run's to remove.
void keep_temporary(OutputFile& output) {
    platform::remove_on_interrupt(nullptr);
    output.temporary.clear();
}

}  // namespace

bool commit_output(OutputFile& output) {
    if (!close_output(output)) {
        return false;
    }
    if (output.temporary.empty()) {
        return true;
    }
    if (platform::replace_file(output.temporary, output.target)) {
        keep_temporary(output);
        return true;
    }
    if (output.replacing && platform::file_info(output.target).kind == FileKind::missing) {
        // The system took the old file away and then failed to put the new
        // one in its place (a replacement on Windows can): the new file is
        // all there is now, so it stays where it is.
        keep_temporary(output);
    }
    return false;
}

bool commit_new_output(OutputFile& output) {
    if (!close_output(output) || !platform::place_new_file(output.temporary, output.target)) {
        return false;
    }
    keep_temporary(output);
    return true;
}

Report finish_output(OutputFile& output, CopyEnd end,
                     const std::string& input_name,
                     const std::string& output_name) {
    switch (end) {
        case CopyEnd::complete:
            break;
        case CopyEnd::input_short:
        case CopyEnd::read_failed:
        case CopyEnd::input_changed:
            return report_read_error(input_name);
        case CopyEnd::write_failed:
            return report_write_error(output_name);
    }
    return commit_output(output) ? Report{} : report_write_error(output_name);
}

Report finish_salvaged_output(OutputFile& output, CopyEnd end,
                              const std::string& input_name,
                              const std::string& output_name) {
    if (end != CopyEnd::input_short) {
        return finish_output(output, end, input_name, output_name);
    }
    const Report kept = finish_output(output, CopyEnd::complete, input_name, output_name);
    return kept.failed ? kept : report_read_error(input_name);
}

}  // namespace velkord
