#include "writing/text_records.h"

#include <algorithm>
#include <cstring>

namespace velkord {
namespace {

constexpr std::size_t read_block_size = 64 * 1024;
constexpr std::size_t end_mark_size = 2;

// A record never takes more than twice its piece (a 1-byte line gives a
// 4-byte record), so only data too large to keep outgrow this reservation.
// Pages not written to do not take up memory.
std::size_t reservation_for(std::uint64_t size_hint, std::uint64_t max_bytes) {
    const std::uint64_t worst = 2 * size_hint + end_mark_size + sector_size;
    return static_cast<std::size_t>(std::min(worst, max_bytes));
}

void append_end_mark_and_fill(Bytes& records) {
    const std::size_t filled = static_cast<std::size_t>(
        sectors_for(records.size() + end_mark_size) * sector_size);
    records.resize(filled, 0xFF);
}

// Appends the record for one piece of a line: line ends (any run of CR and
// LF) at its end are dropped, and a piece left empty gives no record.
void append_text_record(Bytes& records, const unsigned char* piece,
                        std::size_t size) {
    while (size > 0 && (piece[size - 1] == '\r' || piece[size - 1] == '\n')) {
        --size;
    }
    if (size == 0) {
        return;
    }
    records.push_back(static_cast<unsigned char>(size >> 8));
    records.push_back(static_cast<unsigned char>(size & 0xFF));
    records.insert(records.end(), piece, piece + size);
    if (size % 2 != 0) {
        records.push_back(0x00);
    }
}

}  // namespace

TextRecords convert_text_records(std::FILE* input, std::uint64_t size_hint,
                                 std::uint64_t max_bytes) {
    TextRecords result;
    result.bytes.reserve(reservation_for(size_hint, max_bytes));
    Bytes block(read_block_size);
    std::size_t begin = 0;
    std::size_t end = 0;
    bool input_ended = false;
    for (;;) {
        // Keep at least one whole piece in the block while the input lasts.
        if (end - begin < text_piece_limit && !input_ended) {
            std::memmove(block.data(), block.data() + begin, end - begin);
            end -= begin;
            begin = 0;
            end += std::fread(block.data() + end, 1, block.size() - end, input);
            if (end < block.size()) {
                if (std::ferror(input)) {
                    result.status = TextStatus::read_error;
                    return result;
                }
                input_ended = true;
            }
        }
        if (begin == end) {
            break;
        }
        // A piece ends after a line feed or after text_piece_limit bytes.
        const unsigned char* piece = block.data() + begin;
        const std::size_t available = std::min(end - begin, text_piece_limit);
        const void* line_feed = std::memchr(piece, '\n', available);
        const std::size_t size =
            line_feed ? static_cast<const unsigned char*>(line_feed) - piece + 1
                      : available;
        append_text_record(result.bytes, piece, size);
        begin += size;
        if (result.bytes.size() + end_mark_size > max_bytes) {
            result.status = TextStatus::too_large;
            return result;
        }
    }
    append_end_mark_and_fill(result.bytes);
    return result;
}

}  // namespace velkord
