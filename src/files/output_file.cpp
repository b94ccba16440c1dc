#include "files/output_file.h"

#include <random>
#include <system_error>

#include "platform/platform.h"

namespace velkord {
namespace {

namespace fs = std::filesystem;

// The file a chain of symbolic links leads to, even one that does not exist
// yet. A chain longer than the systems themselves follow is left as it is;
// looking at it then fails.
fs::path follow_links(fs::path path) {
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(path, error)) {
            break;
        }
        const fs::path next = fs::read_symlink(path, error);
        if (error) {
            break;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

// True when the user may write the existing file `path`: the same question
// that opening it for writing asked when outputs were written in place.
bool may_write(const fs::path& path) {
    return File(platform::open_file(path, "ab")) != nullptr;
}

// Creates a file with a name of its own next to `target`.
bool create_temporary(const fs::path& target, OutputFile& output) {
    std::random_device seed;
    std::minstd_rand random(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
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
        std::error_code error;
        if (!fs::exists(output.temporary, error)) {
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
        std::error_code error;
        fs::remove(temporary, error);
        platform::remove_on_interrupt(nullptr);
    }
}

bool begin_output(const std::string& destination_name, OutputFile& output) {
    const fs::path destination = platform::to_path(destination_name);
    if (destination.filename().empty()) {
        return false;  // no name at all, or a folder's
    }
    output.target = follow_links(destination);
    std::error_code error;
    const fs::file_status status = fs::status(output.target, error);
    if (status.type() == fs::file_type::not_found) {
        return create_temporary(output.target, output);
    }
    if (error) {
        return false;
    }
    if (!fs::is_regular_file(status)) {
        // A device or a pipe cannot be replaced, and a folder cannot be
        // written: opening it says which.
        output.file = unbuffered(File(platform::open_file(destination, "wb")));
        return output.file != nullptr;
    }
    if (!may_write(output.target)) {
        return false;
    }
    output.permissions = status.permissions() & fs::perms::all;
    return create_temporary(output.target, output);
}

bool output_rewritable(const OutputFile& output) {
    return !output.temporary.empty();
}

bool commit_output(OutputFile& output) {
    // The last buffered bytes reach the file only at the close, where a full
    // disk may show for the first time.
    if (std::fclose(output.file.release()) != 0) {
        return false;
    }
    if (output.temporary.empty()) {
        return true;
    }
    std::error_code error;
    if (output.permissions) {
        fs::permissions(output.temporary, *output.permissions,
                        fs::perm_options::replace, error);
    }
    if (!platform::replace_file(output.temporary, output.target)) {
        return false;
    }
    platform::remove_on_interrupt(nullptr);
    output.temporary.clear();
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
