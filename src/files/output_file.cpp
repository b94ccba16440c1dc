#include "files/output_file.h"

#include <random>

#include "platform/platform.h"

namespace velkord {
namespace {

namespace fs = std::filesystem;
using platform::FileKind;

// False, with the system's reason kept, when `done` is false.
bool noted(OutputFile& output, bool done) {
    if (!done) {
        output.cause = platform::last_error();
    }
    return done;
}

// True when the user may write the existing file `path`: the same question
// that opening it for writing asked when outputs were written in place.
bool may_write(const fs::path& path, OutputFile& output) {
    return noted(output, File(platform::open_file(path, "ab")) != nullptr);
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
        output.removal.emplace(output.temporary);
        output.file = unbuffered(File(platform::create_new_file(output.temporary)));
        if (output.file) {
            return true;
        }
        output.cause = platform::last_error();
        output.removal.reset();
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
        removal.reset();
    }
}

bool begin_output(const std::string& destination_name, OutputFile& output) {
    const fs::path destination = platform::to_path(destination_name);
    if (destination.filename().empty()) {
        return false;  // no name at all, or a folder's
    }
    const std::optional<int> descriptor = destination_name == standard_stream_name
                                              ? std::optional<int>(1)
                                              : platform::named_descriptor(destination);
    if (descriptor) {
        // Reopening it by name would start a redirected file again at its
        // beginning, and a rename would put a new file in its place.
        output.file = unbuffered(File(platform::open_descriptor(*descriptor, "wb")));
        return noted(output, output.file != nullptr);
    }
    output.target = platform::link_target(destination);
    switch (platform::file_info(output.target).kind) {
        case FileKind::missing:
            return create_temporary(output.target, output);
        case FileKind::regular:
            output.replacing = true;
            return may_write(output.target, output) && create_temporary(output.target, output);
        case FileKind::device:
        case FileKind::other:
            // A device or a pipe cannot be replaced: it is written as it is.
            output.file = unbuffered(File(platform::open_file(destination, "wb")));
            return noted(output, output.file != nullptr);
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
    return name == standard_stream_name || platform::named_descriptor(platform::to_path(name)) == 1;
}

namespace {

// The new file is no longer the run's to remove.
void keep_temporary(OutputFile& output) {
    output.removal.reset();
    output.temporary.clear();
}

}  // namespace

// Only now, complete, does a new file get its final permissions. The last
// buffered bytes reach the file only at the close, where a full disk may
// show for the first time.
bool close_output(OutputFile& output) {
    if (!output.temporary.empty()) {
        platform::adopt_attributes(output.file.get(), output.target);
        if (output.replacing && !noted(output, platform::flush_to_disk(output.file.get()))) {
            return false;
        }
    }
    return noted(output, std::fclose(output.file.release()) == 0);
}

bool place_output(OutputFile& output) {
    if (output.temporary.empty()) {
        return true;
    }
    if (platform::replace_file(output.temporary, output.target)) {
        keep_temporary(output);
        if (output.replacing) {
            platform::flush_folder(output.target.parent_path());
        }
        return true;
    }
    output.cause = platform::last_error();
    if (output.replacing && platform::file_info(output.target).kind == FileKind::missing) {
        // The system took the old file away and then failed to put the new
        // one in its place (a replacement on Windows can): the new file is
        // all there is now, so it stays where it is.
        keep_temporary(output);
    }
    return false;
}

bool place_new_output(OutputFile& output) {
    if (!noted(output, platform::place_new_file(output.temporary, output.target))) {
        return false;
    }
    keep_temporary(output);
    return true;
}

bool OutputStream::rewrite_start(const unsigned char* data, std::size_t size) {
    std::FILE* file = file_.file.get();
    return rewritable() && blocks_.flush() && std::fseek(file, 0, SEEK_SET) == 0 &&
           write_bytes(file, data, size);
}

OutputResult write_output(const std::string& name, const OutputOptions& options,
                          const Producer& produce) {
    OutputFile output;
    if (!begin_output(name, output)) {
        return {OutputEnd::not_created, CopyEnd::complete, output.cause};
    }
    BlockWriter blocks(output.file.get(), nullptr, options.expected_size);
    OutputStream stream(output, blocks);
    CopyEnd end = produce(stream);
    if (!blocks.flush()) {
        end = CopyEnd::write_failed;
    }
    const bool salvaged = end == CopyEnd::input_short && options.salvage;
    switch (end) {
        case CopyEnd::complete:
            break;
        case CopyEnd::input_short:
            if (salvaged) {
                break;
            }
            [[fallthrough]];
        case CopyEnd::read_failed:
        case CopyEnd::input_changed:
            return {OutputEnd::input_failed, end, {}};
        case CopyEnd::write_failed:
            return {OutputEnd::write_failed, end, blocks.error()};
        case CopyEnd::stopped:
            return {OutputEnd::stopped, end, {}};
    }
    if (options.modified) {
        // What cannot be set (on a device) is no error.
        static_cast<void>(platform::set_modified_time(output.file.get(), *options.modified));
    }
    if (!close_output(output) || !place_output(output)) {
        return {OutputEnd::write_failed, CopyEnd::write_failed, output.cause};
    }
    return {salvaged ? OutputEnd::salvaged : OutputEnd::written, end, {}};
}

}  // namespace velkord
