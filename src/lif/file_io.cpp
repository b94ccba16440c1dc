#include "lif/file_io.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

namespace velkord {
namespace {

// True when both names lead to one file, whatever the spelling or the links.
bool is_same_file(const std::string& first, const std::string& second) {
    std::error_code error;
    // Fails, and so answers false, when either file does not exist.
    return std::filesystem::equivalent(first, second, error) && !error;
}

}  // namespace

File open_input(const std::string& name) {
    std::error_code error;
    // Opening a directory succeeds on some systems and then fails on the
    // first read; refuse it before that.
    if (std::filesystem::is_directory(name, error)) {
        return nullptr;
    }
    return File(std::fopen(name.c_str(), "rb"));
}

Report open_input_apart_from(const std::string& input_name,
                             const std::string& output_name, File& input) {
    File opened = open_input(input_name);
    if (!opened) {
        return report_not_found(input_name);
    }
    if (is_same_file(input_name, output_name)) {
        return report_input_as_output(output_name);
    }
    input = std::move(opened);
    return Report{};
}

File create_output(const std::string& name) {
    return File(std::fopen(name.c_str(), "wb"));
}

std::optional<std::uint64_t> regular_file_size(const std::string& name) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(name, error);
    if (error) {
        return std::nullopt;
    }
    return size;
}

bool write_bytes(std::FILE* output, const unsigned char* data,
                 std::size_t size) {
    return size == 0 || std::fwrite(data, 1, size, output) == size;
}

CopyEnd copy_bytes(std::FILE* input, std::FILE* output, std::uint64_t count) {
    // Small enough to stay in the cache, large enough to keep the calls few.
    constexpr std::size_t block_size = 128 * 1024;
    Bytes block(static_cast<std::size_t>(std::min<std::uint64_t>(count, block_size)));
    while (count > 0) {
        const std::size_t wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(count, block.size()));
        const std::size_t got = std::fread(block.data(), 1, wanted, input);
        if (!write_bytes(output, block.data(), got)) {
            return CopyEnd::write_failed;
        }
        if (got < wanted) {
            return CopyEnd::read_failed;
        }
        count -= got;
    }
    return CopyEnd::complete;
}

Report finish_output(File& output, CopyEnd end, const std::string& input_name,
                     const std::string& output_name) {
    // The last buffered bytes reach the file only at the close.
    const bool closed = std::fclose(output.release()) == 0;
    if (end == CopyEnd::read_failed) {
        return report_read_error(input_name);
    }
    if (end == CopyEnd::write_failed || !closed) {
        return report_write_error(output_name);
    }
    return Report{};
}

}  // namespace velkord
