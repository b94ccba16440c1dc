#include "files/block_writer.h"

#include <algorithm>
#include <cstring>

namespace velkord {

// Large enough to keep the calls few. A smaller output gets a block of its
// own size (but room for a whole TEXT record), which spares it the cost of
// the fresh pages a large block would take.
constexpr std::uint64_t largest_block = 128 * 1024;
constexpr std::uint64_t smallest_block = 8 * 1024;

BlockWriter::BlockWriter(std::FILE* file, Bytes* memory, std::uint64_t expected)
    : file_(file),
      memory_(memory),
      block_(static_cast<std::size_t>(
          std::clamp(expected, smallest_block, largest_block))) {}

void BlockWriter::put(const unsigned char* data, std::size_t size) {
    count_ += size;
    if ((!file_ && !memory_) || failed_) {
        return;  // only counting
    }
    while (size > block_.size() - used_) {
        const std::size_t part = block_.size() - used_;
        std::memcpy(block_.data() + used_, data, part);
        used_ = block_.size();
        flush();
        data += part;
        size -= part;
    }
    std::memcpy(block_.data() + used_, data, size);
    used_ += size;
}

void BlockWriter::put_repeated(unsigned char byte, std::size_t count) {
    unsigned char run[256];
    std::memset(run, byte, sizeof run);
    while (count > 0) {
        if (failed_) {
            count_ += count;  // counted, as put() counts them
            return;
        }
        const std::size_t part = count < sizeof run ? count : sizeof run;
        put(run, part);
        count -= part;
    }
}

CopyEnd BlockWriter::copy_from(InputFile& input, std::uint64_t count) {
    while (count > 0) {
        if (failed_ || (used_ == block_.size() && !flush())) {
            return CopyEnd::write_failed;
        }
        const std::size_t room = block_.size() - used_;
        const std::size_t wanted = count < room ? static_cast<std::size_t>(count) : room;
        const std::size_t got = input.read(block_.data() + used_, wanted);
        used_ += got;
        count_ += got;
        count -= got;
        if (got < wanted) {
            return input.failed() ? CopyEnd::read_failed : CopyEnd::input_short;
        }
    }
    return CopyEnd::complete;
}

CopyEnd BlockWriter::copy_range(InputFile& input, std::uint64_t offset, std::uint64_t count) {
    // The output's own position is where the bytes put so far end: it is
    // written from its start, through this writer alone.
    std::FILE* from = input.whole_file();
    if (file_ && from && count > 0 && flush()) {
        const std::uint64_t copied = platform::copy_in_system(from, offset, file_, count_, count);
        if (copied > 0 && !platform::seek(file_, count_ + copied)) {
            failed_ = true;
            error_ = platform::last_error();
            return CopyEnd::write_failed;
        }
        count_ += copied;
        offset += copied;
        count -= copied;
    }
    if (count == 0) {
        return failed_ ? CopyEnd::write_failed : CopyEnd::complete;
    }
    // Refused or cut short: the rest by reading and writing, which also
    // says why, if anything failed.
    return input.seek(offset) ? copy_from(input, count) : CopyEnd::read_failed;
}

bool BlockWriter::flush() {
    if (used_ > 0 && !failed_) {
        if (memory_) {
            memory_->insert(memory_->end(), block_.data(), block_.data() + used_);
        } else if (file_) {
            failed_ = !write_bytes(file_, block_.data(), used_);
            if (failed_) {
                error_ = platform::last_error();
            }
        }
    }
    used_ = 0;
    return !failed_;
}

}  // namespace velkord
