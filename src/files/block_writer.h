// Gathers the many small pieces of a conversion into blocks (128 KiB, or
// less for a small output), so that writing costs one call per block,
// however small the pieces are.
#ifndef VELKORD_FILES_BLOCK_WRITER_H
#define VELKORD_FILES_BLOCK_WRITER_H

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "files/file.h"
#include "files/input_file.h"
#include "platform/platform.h"

namespace velkord {

class BlockWriter {
public:
    // Full blocks go to `file`, or are appended to `memory`; with neither,
    // the bytes are only counted. `expected`, the bytes to come when known,
    // keeps the block of a small output small.
    explicit BlockWriter(std::FILE* file = nullptr, Bytes* memory = nullptr,
                         std::uint64_t expected = UINT64_MAX);

    void put(const unsigned char* data, std::size_t size);
    void put(unsigned char byte) { put(&byte, 1); }

    // For a caller that makes its bytes in place, saving a copy: room(n)
    // gives the place of the next byte with at least n bytes (at most 8 KiB)
    // free after it; put_up_to(end) then counts the bytes before `end` as put.
    unsigned char* room(std::size_t size) {
        if (size > block_.size() - used_) {
            flush();
        }
        return block_.data() + used_;
    }
    unsigned char* room_end() { return block_.data() + block_.size(); }
    void put_up_to(const unsigned char* end) {
        const std::size_t size = static_cast<std::size_t>(end - (block_.data() + used_));
        used_ += size;
        count_ += size;
    }
    void put_repeated(unsigned char byte, std::size_t count);

    // Reads `count` bytes of `input` straight into the blocks. When the
    // input ends early or fails, every byte read before that stays put.
    CopyEnd copy_from(InputFile& input, std::uint64_t count);

    // Copies `count` bytes of the whole file `input` from `offset` on: in
    // the system where it can (on Linux without passing through the
    // process, and cloned where the file system can), else through the
    // blocks.
    CopyEnd copy_range(InputFile& input, std::uint64_t offset, std::uint64_t count);

    // Hands on what the block holds; false when any write so far failed.
    // After the first failed write nothing more is written: the bytes put
    // after it are only counted, so that a caller filling a large stretch
    // can stop at once.
    bool flush();
    bool failed() const { return failed_; }

    // The bytes put so far.
    std::uint64_t count() const { return count_; }
    // Why the first failed write failed.
    platform::SystemError error() const { return error_; }

private:
    std::FILE* file_;
    Bytes* memory_;
    Bytes block_;
    std::size_t used_ = 0;
    std::uint64_t count_ = 0;
    bool failed_ = false;
    platform::SystemError error_;
};

}  // namespace velkord

#endif
