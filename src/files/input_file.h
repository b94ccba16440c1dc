// An input as the operations read it: opened by its UTF-8 name, read in the
// operations' own blocks, its size measured when it is a regular file, and
// its next few bytes open to a look before they are read, also on a pipe.
#ifndef VELKORD_FILES_INPUT_FILE_H
#define VELKORD_FILES_INPUT_FILE_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "files/file.h"
#include "report/report.h"

namespace velkord {

class InputFile {
public:
    // The most that look() can show.
    static constexpr std::size_t look_limit = 32;

    InputFile() = default;
    InputFile(File file, std::optional<std::uint64_t> size);

    explicit operator bool() const { return file_ != nullptr; }

    // The size of a regular file when it was opened; nothing for a pipe or
    // a device.
    std::optional<std::uint64_t> size() const { return size_; }

    // Reads up to `size` bytes; fewer only where the input ends or fails.
    std::size_t read(unsigned char* data, std::size_t size);
    bool failed() const { return failed_; }
    // The bytes read since the start.
    std::uint64_t position() const { return position_; }

    // Copies up to `size` (at most look_limit) of the next bytes to `data`
    // without reading them: the next read gives them again. Fewer only
    // where the input ends or fails.
    std::size_t look(unsigned char* data, std::size_t size);

    // Back to the start; false when the input cannot be read twice (a pipe).
    bool rewind();

private:
    File file_;
    std::optional<std::uint64_t> size_;
    std::array<unsigned char, look_limit> ahead_{};
    std::size_t ahead_begin_ = 0;
    std::size_t ahead_end_ = 0;
    std::uint64_t position_ = 0;
    bool failed_ = false;
};

// Opens a file to be read; false as a value when it cannot be (a folder
// counts as such a file).
InputFile open_input(const std::string& name);

// Opens the input of an operation that writes `output_name`: reports "not
// found", or refuses when both names lead to one file (or an existing output
// cannot be told apart from the input), before anything is written. `input`
// is set only when the report is not a failure.
Report open_input_apart_from(const std::string& input_name,
                             const std::string& output_name, InputFile& input);

}  // namespace velkord

#endif
