#include "text/text_records.h"

#include <algorithm>
#include <cstring>

#include "files/utf8.h"

namespace velkord {
namespace {

constexpr std::size_t read_block_size = 64 * 1024;
constexpr std::size_t end_mark_size = text_length_size;

// `start` is where the records began among the bytes put. The end mark is
// 0xFFFF, so it and the fill after it are all 0xFF.
void put_end_mark_and_fill(BlockWriter& records, std::uint64_t start) {
    const std::uint64_t size = records.count() - start + end_mark_size;
    records.put_repeated(0xFF, static_cast<std::size_t>(end_mark_size + sector_fill(size)));
}

// The most one piece of a line takes as a record: length, bytes, pad byte.
constexpr std::size_t record_limit = text_record_size(text_piece_limit);

// Writes the record for one piece of a line at `out` and gives the place
// after it: line ends (any run of CR and LF) at its end are dropped, and a
// piece left empty gives no record.
unsigned char* make_text_record(unsigned char* out, const unsigned char* piece,
                                std::size_t size) {
    while (size > 0) {
        const unsigned char last = piece[size - 1];
        if (last != '\n' && last != '\r') {
            break;
        }
        --size;
    }
    if (size == 0) {
        return out;
    }
    out[0] = static_cast<unsigned char>(size >> 8);
    out[1] = static_cast<unsigned char>(size & 0xFF);
    std::memcpy(out + text_length_size, piece, size);
    out[text_length_size + size] = 0x00;  // the pad byte, kept only after an odd length
    return out + text_record_size(size);
}

}  // namespace

TextStatus convert_text_records(InputFile& input, BlockWriter& records,
                                std::uint64_t max_bytes) {
    const std::uint64_t start = records.count();
    Bytes block(read_block_size);
    std::size_t begin = 0;
    std::size_t end = 0;
    bool input_ended = false;
    while (!input_ended) {
        std::memmove(block.data(), block.data() + begin, end - begin);
        end -= begin;
        begin = 0;
        end += input.read(block.data() + end, block.size() - end);
        if (end < block.size()) {
            if (input.failed()) {
                return TextStatus::read_error;
            }
            input_ended = true;
        }
        // While the input lasts, only pieces that can reach their full
        // length within the block are cut; the rest waits for the next read.
        const std::size_t stop = input_ended ? end : end - text_piece_limit + 1;
        unsigned char* out = records.room(record_limit);
        while (begin < stop) {
            if (records.room_end() - out < static_cast<std::ptrdiff_t>(record_limit)) {
                records.put_up_to(out);
                out = records.room(record_limit);
            }
            // A piece ends after a line feed or after text_piece_limit bytes.
            const unsigned char* piece = block.data() + begin;
            const std::size_t available = std::min(end - begin, text_piece_limit);
            const void* line_feed = std::memchr(piece, '\n', available);
            const std::size_t size =
                line_feed ? static_cast<const unsigned char*>(line_feed) - piece + 1
                          : available;
            out = make_text_record(out, piece, size);
            begin += size;
        }
        records.put_up_to(out);
        // A block of input gives at most twice its size in records, so
        // checking once a block stops them soon enough.
        if (records.count() - start + end_mark_size > max_bytes) {
            return TextStatus::too_large;
        }
    }
    put_end_mark_and_fill(records, start);
    return TextStatus::converted;
}

bool looks_like_text(std::string_view sample) {
    bool line_feed = false;
    for (std::size_t at = 0; at < sample.size();) {
        const auto byte = static_cast<unsigned char>(sample[at]);
        if (byte >= 0x20 && byte < 0x7F) {
            ++at;
            continue;
        }
        if (byte == '\t' || byte == '\r' || byte == '\n' || byte == '\f') {
            line_feed = line_feed || byte == '\n';
            ++at;
            continue;
        }
        const Utf8Character character = decode_utf8(sample, at);
        if (character.length == 0) {
            // At the end of the sample, the start of a character cut in two.
            const std::size_t rest = sample.size() - at;
            bool cut = rest < 4 && byte >= 0xC2 && byte <= 0xF4;
            for (std::size_t i = 1; cut && i < rest; ++i) {
                cut = (static_cast<unsigned char>(sample[at + i]) & 0xC0) == 0x80;
            }
            return cut && line_feed;
        }
        if (character.code_point < 0xA0) {
            return false;
        }
        at += character.length;
    }
    return line_feed;
}

bool is_utf16_text(InputFile& input) {
    unsigned char first[2];
    return input.look(first, sizeof first) == 2 &&
           ((first[0] == 0xFF && first[1] == 0xFE) || (first[0] == 0xFE && first[1] == 0xFF));
}

TextStatus convert_text_input(InputFile& input, BlockWriter& records,
                              std::uint64_t max_bytes) {
    unsigned char mark[3];
    if (input.look(mark, sizeof mark) == 3 && mark[0] == 0xEF && mark[1] == 0xBB &&
        mark[2] == 0xBF) {
        input.read(mark, sizeof mark);
    }
    const TextStatus status = convert_text_records(input, records, max_bytes);
    if (status == TextStatus::converted && input.size() &&
        input.position() != *input.size()) {
        return TextStatus::read_error;
    }
    return status;
}

}  // namespace velkord
