#include "files/input_file.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/platform.h"

namespace velkord {
namespace {

// True when both names may lead to one file, whatever the spelling or the
// links: when they do (two names of one device included), and also when the
// output exists but the system cannot tell, as for a file locked by another
// program. Writing the output could then destroy the input, so it is not
// guessed. An output that cannot even be looked at (no such folder, no
// right to it) cannot be written either, which the output itself then says.
bool may_be_same_file(const std::string& input_name, const std::string& output_name) {
    using platform::FileKind;
    const std::filesystem::path output = platform::to_path(output_name);
    const FileKind kind = platform::file_info(output).kind;
    if (kind == FileKind::missing || kind == FileKind::unknown) {
        return false;
    }
    return platform::same_file(platform::to_path(input_name), output).value_or(true);
}

}  // namespace

InputFile::InputFile(File file, std::optional<std::uint64_t> size)
    : file_(std::move(file)), size_(size) {}

std::size_t InputFile::read(unsigned char* data, std::size_t size) {
    const std::size_t ahead = std::min(size, ahead_end_ - ahead_begin_);
    std::memcpy(data, ahead_.data() + ahead_begin_, ahead);
    ahead_begin_ += ahead;
    std::size_t got = ahead;
    if (got < size && !failed_) {
        got += std::fread(data + got, 1, size - got, file_.get());
        failed_ = std::ferror(file_.get()) != 0;
    }
    position_ += got;
    return got;
}

std::size_t InputFile::look(unsigned char* data, std::size_t size) {
    size = std::min(size, look_limit);
    if (ahead_end_ - ahead_begin_ < size && !failed_) {
        std::memmove(ahead_.data(), ahead_.data() + ahead_begin_, ahead_end_ - ahead_begin_);
        ahead_end_ -= ahead_begin_;
        ahead_begin_ = 0;
        ahead_end_ += std::fread(ahead_.data() + ahead_end_, 1, size - ahead_end_,
                                 file_.get());
        failed_ = std::ferror(file_.get()) != 0;
    }
    const std::size_t ready = std::min(size, ahead_end_ - ahead_begin_);
    std::memcpy(data, ahead_.data() + ahead_begin_, ready);
    return ready;
}

bool InputFile::rewind() {
    if (std::fseek(file_.get(), 0, SEEK_SET) != 0) {
        return false;
    }
    std::clearerr(file_.get());
    ahead_begin_ = ahead_end_ = 0;
    position_ = 0;
    failed_ = false;
    return true;
}

InputFile open_input(const std::string& name) {
    File file = unbuffered(File(platform::open_file(platform::to_path(name), "rb")));
    if (!file) {
        return InputFile();
    }
    // Opening a folder succeeds on some systems and then fails on the
    // first read; refuse it before that.
    const platform::FileInfo info = platform::file_info(file.get());
    if (info.kind == platform::FileKind::directory) {
        return InputFile();
    }
    std::optional<std::uint64_t> size;
    if (info.kind == platform::FileKind::regular) {
        size = info.size;
    }
    return InputFile(std::move(file), size);
}

Report open_input_apart_from(const std::string& input_name,
                             const std::string& output_name, InputFile& input) {
    InputFile opened = open_input(input_name);
    if (!opened) {
        return report_not_found(input_name);
    }
    if (may_be_same_file(input_name, output_name)) {
        return report_input_as_output(output_name);
    }
    input = std::move(opened);
    return Report{};
}

}  // namespace velkord
