// Any text as BASIC lines: making a program never crashes, and every
// program made lists back without an error, each of its lines listed.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "basic/make_program.h"
#include "basic/program.h"

using namespace velkord::basic;

namespace {

class Body final : public ByteSource {
public:
    explicit Body(const std::vector<unsigned char>& bytes) : bytes_(bytes) {}
    std::size_t read(unsigned char* bytes, std::size_t count) override {
        const std::size_t taken = count < bytes_.size() - at_ ? count : bytes_.size() - at_;
        std::memcpy(bytes, bytes_.data() + at_, taken);
        at_ += taken;
        return taken;
    }
    bool failed() const override { return false; }

private:
    const std::vector<unsigned char>& bytes_;
    std::size_t at_ = 0;
};

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
    Body body(made.body);
    CountedLines lines;
    if (list_program(body, made.nibbles, lines, KeywordTable::builtin()) != ListingEnd::complete ||
        (made.nibbles > 12 && lines.count == 0)) {
        std::abort();  // a made program that does not list
    }
    return 0;
}
