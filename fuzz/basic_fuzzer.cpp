// Any bytes as a BASIC program: the lister never crashes, never reads past
// its nibble count (bytes after it, and the unused half of an odd last
// byte, change nothing), writes whole lines, and the same each time. The
// first byte steers: bit 0 makes the nibble count odd, bit 1 takes the rest
// as the whole program data; otherwise a program header goes before it, so
// that the lines are reached. (Strings and comments may hold any byte, a
// line feed too, so the lines' insides are not checked.)
#include <cstdint>
#include <cstdlib>
#include <string>

#include "operations/list_lines.h"
#include "support/input_holding.h"

using namespace velkord;

namespace {

struct Listed {
    std::string text;
    CopyEnd end;
};

Listed list(const std::string& bytes, std::uint32_t nibbles) {
    InputFile input = input_holding(bytes);
    Bytes listed;
    BlockWriter lines(nullptr, &listed);
    const CopyEnd end = list_basic_program(input, nibbles, lines);
    if (!lines.flush()) {
        std::abort();
    }
    return Listed{std::string(listed.begin(), listed.end()), end};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    std::string bytes;
    if ((data[0] & 2) == 0) {
        bytes = std::string("\xFF\xFF\xFF\xFF\xFF\xF0", 6);
    }
    bytes.append(reinterpret_cast<const char*>(data) + 1, size - 1);
    const bool odd = !bytes.empty() && (data[0] & 1);
    const std::uint32_t nibbles = static_cast<std::uint32_t>(bytes.size() * 2 - odd);
    const Listed listed = list(bytes, nibbles);
    const std::string& text = listed.text;
    if ((listed.end != CopyEnd::complete && listed.end != CopyEnd::input_short) ||
        (!text.empty() && (text.back() != '\n' || text[0] < '0' || text[0] > '9'))) {
        std::abort();
    }
    std::string beyond = bytes;
    if (odd) {
        beyond.back() = static_cast<char>(beyond.back() ^ 0xF0);
    }
    beyond += "\x0F\xF4\x30\x22";
    const Listed again = list(beyond, nibbles);
    if (again.text != text || again.end != listed.end) {
        std::abort();
    }
    return 0;
}
