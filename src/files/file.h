// Files as the operations use them: named in UTF-8, opened in binary mode,
// owned by a handle that closes them, every write checked.
#ifndef VELKORD_FILES_FILE_H
#define VELKORD_FILES_FILE_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "report/report.h"

namespace velkord {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;
using Bytes = std::vector<unsigned char>;

// The operations read and write in blocks of their own, so a stream's own
// buffer would only split them and copy every byte once more.
File unbuffered(File file);

// Null when the file cannot be read; a directory counts as such a file.
// Unbuffered.
File open_input(const std::string& name);

// Opens the input of an operation that writes `output_name`: reports "not
// found", or refuses when both names lead to one file (or an existing output
// cannot be told apart from the input), before anything is written. `input`
// is set only when the report is not a failure.
Report open_input_apart_from(const std::string& input_name,
                             const std::string& output_name, File& input);

// The size of a regular file; nothing for anything else (a pipe, a device).
std::optional<std::uint64_t> regular_file_size(const std::string& name);

bool write_bytes(std::FILE* output, const unsigned char* data, std::size_t size);

// How a copy ended: an input that ends before the count is `input_short`,
// one that fails to be read is `read_failed`.
enum class CopyEnd { complete, input_short, read_failed, write_failed };

}  // namespace velkord

#endif
