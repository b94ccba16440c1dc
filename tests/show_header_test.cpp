#include "operations/show_header.h"

#include <gtest/gtest.h>

namespace velkord {
namespace {

const std::string warning = "Warning: probably not a valid LIF header\n";

TEST(ShowHeader, DescribesEveryField) {
    const struct {
        LifHeaderBytes bytes;
        std::string text;
    } cases[] = {
        {build_lif_header("ab", Format::rom, 65535, 0xFFFFFF),
         "File name = AB        \nFile type = E21C\n"
         "File start sector   = 0\nFile len in sectors = 65535\n"
         "Implementation code = 8001\n"
         "File length = 16777215 nibbles (8388608 bytes)\n"},
        // Control bytes show as '?', bytes from 0x80 up as they are.
        {{'\x1b', '[', '2', 'J', '\a', '\r', 0x7F, 0xC3, 0xA9, ' ', 0xe2, 0x08,
          0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0, 0, 0, 0},
         "File name = ?[2J???\xC3\xA9 \nFile type = E208\n"
         "File start sector   = 0\nFile len in sectors = 1\n"
         "Implementation code = 8001\nFile length = 0 nibbles (0 bytes)\n"},
        // The name stops at a zero byte; only the low 16 bits of the start
        // sector and the sector count are shown.
        {{'A', 'B', 0, 'C', 'D', 'E', 'F', 'G', 'H', 'I', 0xab, 0xcd, 0, 1,
          0, 2, 0, 1, 0x23, 0x45, 9, 9, 9, 9, 9, 9, 0x12, 0x34, 1, 0, 0, 7},
         "File name = AB\nFile type = ABCD\n"
         "File start sector   = 2\nFile len in sectors = 9029\n"
         "Implementation code = 1234\nFile length = 1 nibbles (1 bytes)\n"
         "File date = 2009-09-09 09:09:09\n" +
             warning},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(describe_lif_header(parse_lif_header(c.bytes)), c.text);
    }
}

TEST(ShowHeader, WarnsOnlyAboutTheTestedBytes) {
    const LifHeaderBytes good = build_lif_header("prog", Format::lex, 4, 2000);
    const struct {
        std::size_t offset;
        unsigned char value;
        bool warns;
    } cases[] = {
        {12, 1, true},     {13, 1, true},     {14, 1, true},
        {15, 1, true},     {16, 1, true},     {17, 1, true},
        {31, 1, true},     {26, 0x81, true},  {27, 0x00, true},
        {27, 0x02, true},  {0, 0x00, false},  {10, 0x00, false},
        {11, 0xFF, false}, {18, 0xFF, false}, {19, 0x00, false},
        {20, 0x26, false}, {25, 0x01, false}, {30, 0xFF, false},
    };
    for (const auto& c : cases) {
        LifHeaderBytes bytes = good;
        bytes[c.offset] = c.value;
        const std::string text = describe_lif_header(parse_lif_header(bytes));
        EXPECT_EQ(text.find(warning) != std::string::npos, c.warns) << c.offset;
    }
}

}  // namespace
}  // namespace velkord
