// Files as the operations use them: opened in binary mode, owned by a handle
// that closes them, every write and the final close of an output checked.
#ifndef VELKORD_LIF_FILE_IO_H
#define VELKORD_LIF_FILE_IO_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lif/report.h"

namespace velkord {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;
using Bytes = std::vector<unsigned char>;

// Null when the file cannot be read; a directory counts as such a file.
File open_input(const std::string& name);

// Opens the input of an operation that writes `output_name`: reports "not
// found", or refuses when both names lead to one file, before anything is
// written. `input` is set only when the report is not a failure.
Report open_input_apart_from(const std::string& input_name,
                             const std::string& output_name, File& input);

// Creates the file or empties an existing one; null when that fails.
File create_output(const std::string& name);

// The size of a regular file; nothing for anything else (a pipe, a device).
std::optional<std::uint64_t> regular_file_size(const std::string& name);

bool write_bytes(std::FILE* output, const unsigned char* data, std::size_t size);

enum class CopyEnd { complete, read_failed, write_failed };

// Copies exactly `count` bytes; when the input ends early or fails, every
// byte read before that is still written.
CopyEnd copy_bytes(std::FILE* input, std::FILE* output, std::uint64_t count);

// Closes an output after writing it and says how the writing went: a write
// error (also one that shows only at the close, as with a full disk), a read
// error of the input, or nothing at all.
Report finish_output(File& output, CopyEnd end, const std::string& input_name,
                     const std::string& output_name);

}  // namespace velkord

#endif
