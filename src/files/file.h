// Files as the operations use them: named in UTF-8, opened in binary mode,
// owned by a handle that closes them, every write checked.
#ifndef VELKORD_FILES_FILE_H
#define VELKORD_FILES_FILE_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

namespace velkord {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;
using Bytes = std::vector<unsigned char>;

// The operations read and write in blocks of their own, so a stream's own
// buffer would only split them and copy every byte once more.
File unbuffered(File file);

// A file in the system's temporary folder for bytes that must wait, gone
// when it is closed or the run ends; null when none can be made.
File open_scratch_file();

bool write_bytes(std::FILE* output, const unsigned char* data, std::size_t size);

// How a copy ended: an input that ends before the count is `input_short`,
// one that fails to be read is `read_failed`, one that holds other than the
// bytes measured when it was opened is `input_changed`. A copy that gives up
// for a reason of its own (a text too large, say), which it reports itself,
// is `stopped`.
enum class CopyEnd { complete, input_short, read_failed, input_changed, write_failed, stopped };

}  // namespace velkord

#endif
