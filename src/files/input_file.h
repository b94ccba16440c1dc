// An input as the operations read it: opened by its UTF-8 name, read in the
// operations' own blocks, its size measured when it is a regular file, and
// its next few bytes open to a look before they are read, also on a pipe.
// A file on a LIF volume is an input too: the bytes it would have as a
// single LIF file, its header and then its sectors, never beyond them.
#ifndef VELKORD_FILES_INPUT_FILE_H
#define VELKORD_FILES_INPUT_FILE_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "files/file.h"
#include "platform/platform.h"

namespace velkord {

class InputFile {
public:
    // The most that look() can show, and the size of a prefix.
    static constexpr std::size_t look_limit = 32;
    using Prefix = std::array<unsigned char, look_limit>;

    InputFile() = default;
    // A whole file; `size` when it is a regular file.
    InputFile(File file, std::optional<std::uint64_t> size);
    // `prefix`, then the `length` bytes of `file` that begin at `offset`, of
    // which only `present` are there (a file ends before a part of it that
    // it names).
    InputFile(File file, const Prefix& prefix, std::uint64_t offset,
              std::uint64_t length, std::uint64_t present);

    explicit operator bool() const { return file_ != nullptr; }

    // The bytes there are to read: the size of a regular file when it was
    // opened, or of a prefix and the part present; nothing for a pipe or a
    // device.
    std::optional<std::uint64_t> size() const { return size_; }
    // When a regular file was last changed (seconds since 1970).
    std::optional<std::int64_t> modified() const { return modified_; }
    void set_modified(std::int64_t seconds) { modified_ = seconds; }

    // Reads up to `size` bytes; fewer only where the input ends or fails.
    std::size_t read(unsigned char* data, std::size_t size);
    bool failed() const { return failed_; }
    // Why reading failed.
    platform::SystemError error() const { return error_; }
    // The bytes read since the start.
    std::uint64_t position() const { return position_; }

    // Copies up to `size` (at most look_limit) of the next bytes to `data`
    // without reading them: the next read gives them again. Fewer only
    // where the input ends or fails.
    std::size_t look(unsigned char* data, std::size_t size);

    // Back to the start; false when the input cannot be read twice (a pipe).
    bool rewind();

    // Reads on from `position` of a whole file; false where that cannot be.
    bool seek(std::uint64_t position);

    // The file itself where the input is a whole file (no prefix, no part
    // of one), for a copy that the system makes; null otherwise.
    std::FILE* whole_file() const {
        return prefix_size_ == 0 && start_ == 0 && length_ == UINT64_MAX ? file_.get() : nullptr;
    }

private:
    std::size_t read_file(unsigned char* data, std::size_t size);

    File file_;
    std::optional<std::uint64_t> size_;
    std::optional<std::int64_t> modified_;
    Prefix prefix_{};
    std::size_t prefix_size_ = 0;
    std::uint64_t start_ = 0;          // where the bytes after the prefix begin
    std::uint64_t length_ = UINT64_MAX;  // how many of them may be read
    std::uint64_t unread_ = UINT64_MAX;
    Prefix ahead_{};
    std::size_t ahead_begin_ = 0;
    std::size_t ahead_end_ = 0;
    std::uint64_t position_ = 0;
    bool failed_ = false;
    platform::SystemError error_;
};

// The name that stands for standard input as an input, and for standard
// output as an output.
constexpr const char* standard_stream_name = "-";

// Opens a whole file to be read, or standard input for "-"; false as a
// value when it cannot be (a folder counts as such a file).
InputFile open_input(const std::string& name);

}  // namespace velkord

#endif
