#include "text/text_lines.h"

#include <algorithm>
#include <cstring>

#include "text/text_record.h"

namespace velkord {
namespace {

constexpr std::size_t longest_record = text_record_size(text_longest_length);

// The data of a LIF file, read in blocks that always hold a whole record,
// and never beyond the data's length.
struct DataBlocks {
    InputFile& file;
    std::uint64_t unread;  // bytes of the data not read yet
    Bytes block = Bytes(2 * longest_record);
    std::size_t begin = 0;
    std::size_t end = 0;
    bool cut = false;      // the file ended before the data did
    bool failed = false;

    // Makes `size` bytes (at most a record) from `begin` on ready, as far
    // as the data hold them, and gives how many are ready.
    std::size_t ready(std::size_t size) {
        if (end - begin < size && unread > 0 && !failed) {
            std::memmove(block.data(), block.data() + begin, end - begin);
            end -= begin;
            begin = 0;
            const std::size_t wanted = static_cast<std::size_t>(
                std::min<std::uint64_t>(block.size() - end, unread));
            const std::size_t got = file.read(block.data() + end, wanted);
            end += got;
            unread = got < wanted ? 0 : unread - got;
            failed = got < wanted && file.failed();
            cut = got < wanted && !failed;
        }
        return end - begin;
    }
};

}  // namespace

CopyEnd convert_text_lines(InputFile& lif, std::uint64_t data_bytes,
                           BlockWriter& lines) {
    DataBlocks data{lif, data_bytes};
    for (;;) {
        const std::size_t available = data.ready(text_length_size);
        if (data.failed) {
            return CopyEnd::read_failed;
        }
        if (available < text_length_size) {
            // Where the sectors end without an end mark, the text ends there
            // too (older tools wrote none when the records filled the last
            // sector); where the file ends first, a part of it is missing.
            return available == 0 && !data.cut ? CopyEnd::complete : CopyEnd::input_short;
        }
        const unsigned char* at = data.block.data() + data.begin;
        const std::size_t length = at[0] * std::size_t{256} + at[1];
        if (length == text_end_mark) {
            return CopyEnd::complete;  // nothing after it counts
        }
        if (length == text_null_record) {
            data.begin += text_length_size;
            continue;
        }
        const std::size_t record = text_record_size(length);
        if (data.ready(record) < record) {
            return data.failed ? CopyEnd::read_failed : CopyEnd::input_short;
        }
        at = data.block.data() + data.begin;  // the block may have moved
        lines.put(at + text_length_size, length);
        lines.put('\n');
        data.begin += record;
    }
}

}  // namespace velkord
