#include "files/file.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/platform.h"

namespace velkord {
namespace {

// True when both names may lead to one file, whatever the spelling or the
// links: when they do (two names of one device included), and also when the
// output exists but the system cannot tell, as for a file that cannot be
// looked at. Writing the output could then destroy the input, so it is not
// guessed.
bool may_be_same_file(const std::string& input_name, const std::string& output_name) {
    namespace fs = std::filesystem;
    const fs::path output = platform::to_path(output_name);
    std::error_code error;
    if (fs::status(output, error).type() == fs::file_type::not_found) {
        return false;  // nothing there to be overwritten
    }
    return platform::same_file(platform::to_path(input_name), output).value_or(true);
}

}  // namespace

File unbuffered(File file) {
    if (file) {
        std::setvbuf(file.get(), nullptr, _IONBF, 0);
    }
    return file;
}

File open_input(const std::string& name) {
    const std::filesystem::path path = platform::to_path(name);
    std::error_code error;
    // Opening a directory succeeds on some systems and then fails on the
    // first read; refuse it before that.
    if (std::filesystem::is_directory(path, error)) {
        return nullptr;
    }
    return unbuffered(File(platform::open_file(path, "rb")));
}

Report open_input_apart_from(const std::string& input_name,
                             const std::string& output_name, File& input) {
    File opened = open_input(input_name);
    if (!opened) {
        return report_not_found(input_name);
    }
    if (may_be_same_file(input_name, output_name)) {
        return report_input_as_output(output_name);
    }
    input = std::move(opened);
    return Report{};
}

std::optional<std::uint64_t> regular_file_size(const std::string& name) {
    std::error_code error;
    const std::uintmax_t size =
        std::filesystem::file_size(platform::to_path(name), error);
    if (error) {
        return std::nullopt;
    }
    return size;
}

bool write_bytes(std::FILE* output, const unsigned char* data,
                 std::size_t size) {
    return size == 0 || std::fwrite(data, 1, size, output) == size;
}

}  // namespace velkord
