// Any text as BASIC lines: making a program never crashes, and every
// program made lists back without an error, each of its lines listed.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "basic/make_program.h"
#include "basic/program.h"

using namespace velkord::basic;

namespace {

class CountedLines final : public LineSink {
public:
    void put(std::string_view) override { ++count; }
    std::size_t count = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const MadeProgram made = make_program(text, KeywordTable::builtin());
    if (made.body.size() != (made.nibbles + 1) / 2) {
        std::abort();
    }
    MemoryBytes body(made.body.data(), made.body.size());
    CountedLines lines;
    if (list_program(body, made.nibbles, lines, KeywordTable::builtin()) != ListingEnd::complete ||
        (made.nibbles > 12 && lines.count == 0)) {
        std::abort();  // a made program that does not list
    }
    return 0;
}
