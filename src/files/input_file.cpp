#include "files/input_file.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/platform.h"

namespace velkord {

InputFile::InputFile(File file, std::optional<std::uint64_t> size)
    : file_(std::move(file)), size_(size) {}

InputFile::InputFile(File file, const Prefix& prefix, std::uint64_t offset,
                     std::uint64_t length, std::uint64_t present)
    : file_(std::move(file)),
      size_(prefix.size() + std::min(length, present)),
      prefix_(prefix),
      prefix_size_(prefix.size()),
      start_(offset),
      length_(length) {
    failed_ = !rewind();
}

std::size_t InputFile::read_file(unsigned char* data, std::size_t size) {
    if (failed_) {
        return 0;
    }
    const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(size, unread_));
    const std::size_t got = wanted == 0 ? 0 : std::fread(data, 1, wanted, file_.get());
    unread_ -= got;
    failed_ = std::ferror(file_.get()) != 0;
    if (failed_) {
        error_ = platform::last_error();
    }
    return got;
}

std::size_t InputFile::read(unsigned char* data, std::size_t size) {
    const std::size_t ahead = std::min(size, ahead_end_ - ahead_begin_);
    std::memcpy(data, ahead_.data() + ahead_begin_, ahead);
    ahead_begin_ += ahead;
    const std::size_t got = ahead + (ahead < size ? read_file(data + ahead, size - ahead) : 0);
    position_ += got;
    return got;
}

std::size_t InputFile::look(unsigned char* data, std::size_t size) {
    size = std::min(size, look_limit);
    if (ahead_end_ - ahead_begin_ < size) {
        std::memmove(ahead_.data(), ahead_.data() + ahead_begin_, ahead_end_ - ahead_begin_);
        ahead_end_ -= ahead_begin_;
        ahead_begin_ = 0;
        ahead_end_ += read_file(ahead_.data() + ahead_end_, size - ahead_end_);
    }
    const std::size_t ready = std::min(size, ahead_end_ - ahead_begin_);
    std::memcpy(data, ahead_.data() + ahead_begin_, ready);
    return ready;
}

bool InputFile::rewind() {
    if (!platform::seek(file_.get(), start_)) {
        return false;
    }
    std::clearerr(file_.get());
    ahead_ = prefix_;
    ahead_begin_ = 0;
    ahead_end_ = prefix_size_;
    unread_ = length_;
    position_ = 0;
    failed_ = false;
    return true;
}

bool InputFile::seek(std::uint64_t position) {
    if (prefix_size_ != 0 || !platform::seek(file_.get(), position)) {
        return false;
    }
    std::clearerr(file_.get());
    ahead_begin_ = ahead_end_ = 0;
    position_ = position;
    failed_ = false;
    return true;
}

InputFile open_input(const std::string& name) {
    File file = unbuffered(File(name == standard_stream_name
                                    ? platform::open_descriptor(0, "rb")
                                    : platform::open_file(platform::to_path(name), "rb")));
    if (!file) {
        return InputFile();
    }
    // Opening a folder succeeds on some systems and then fails on the
    // first read; refuse it before that.
    const platform::FileInfo info = platform::file_info(file.get());
    if (info.kind == platform::FileKind::directory) {
        return InputFile();
    }
    if (info.kind != platform::FileKind::regular) {
        return InputFile(std::move(file), std::nullopt);
    }
    InputFile input(std::move(file), info.size);
    input.set_modified(info.modified);
    return input;
}

}  // namespace velkord
