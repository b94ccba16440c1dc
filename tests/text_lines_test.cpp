#include "text/text_lines.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "support/input_holding.h"
#include "text/text_records.h"

namespace velkord {
namespace {

struct Lines {
    std::string text;
    CopyEnd end;
};

Lines convert(const std::string& data, std::uint64_t data_bytes) {
    InputFile lif = input_holding(data);
    Bytes bytes;
    BlockWriter lines(nullptr, &bytes);
    const CopyEnd end = convert_text_lines(lif, data_bytes, lines);
    EXPECT_TRUE(lines.flush());
    return Lines{std::string(bytes.begin(), bytes.end()), end};
}

TEST(TextLines, RecordRules) {
    const std::string mark("\xFF\xFF", 2);
    const std::string null_record("\xFF\xFE", 2);
    const struct {
        std::string data;
        std::uint64_t data_bytes;  // the sectors the header names, in bytes
        std::string lines;
        CopyEnd end;
    } cases[] = {
        // Any byte pads an odd length; an even length has none.
        {std::string("\0\3ABCZ\0\2DE", 10) + mark, 256, "ABC\nDE\n", CopyEnd::complete},
        {std::string("\0\0", 2) + mark, 256, "\n", CopyEnd::complete},
        {null_record + std::string("\0\1A\xFE", 4) + null_record + mark, 256,
         "A\n", CopyEnd::complete},
        // Nothing after the end mark counts.
        {std::string("\0\1A\0", 4) + mark + std::string("\0\1B\0", 4), 256, "A\n",
         CopyEnd::complete},
        // No end mark where the records fill the data: the text ends there.
        {std::string("\0\2AB\0\2CD", 8), 8, "AB\nCD\n", CopyEnd::complete},
        {std::string("\0\2AB\0\2CD", 8) + mark, 4, "AB\n", CopyEnd::complete},
        // A file that ends before its data, with no end mark: the lines
        // before the cut are kept, a record cut off loses all its bytes.
        {std::string("\0\2AB", 4), 256, "AB\n", CopyEnd::input_short},
        {std::string("\0\2AB\0\5CDE", 9), 256, "AB\n", CopyEnd::input_short},
        {std::string("\0\2AB\0\3CDE", 9), 256, "AB\n", CopyEnd::input_short},
        {std::string("\0\2AB\0", 5), 256, "AB\n", CopyEnd::input_short},
        {std::string("\0\2AB\0\2CD", 8), 6, "AB\n", CopyEnd::input_short},
        // CR, zero bytes and bytes above 0x7F are data.
        {std::string("\0\4\r\0\xE9\n", 6) + mark, 256, std::string("\r\0\xE9\n\n", 5),
         CopyEnd::complete},
        {"", 0, "", CopyEnd::complete},
    };
    for (const auto& c : cases) {
        const Lines lines = convert(c.data, c.data_bytes);
        EXPECT_EQ(lines.text, c.lines) << ::testing::PrintToString(c.data);
        EXPECT_EQ(lines.end, c.end) << ::testing::PrintToString(c.data);
    }
}

TEST(TextLines, LongestRecord) {
    const std::string line(0xFFFD, 'x');
    const Lines lines = convert(std::string("\xFF\xFD", 2) + line + "p", 0x10000);
    EXPECT_EQ(lines.text, line + "\n");
    EXPECT_EQ(lines.end, CopyEnd::complete);
}

// Text with LF line ends, no empty lines and lines of at most 4095 bytes
// (none ending in CR) comes back byte for byte through records and lines.
TEST(TextLines, TextComesBackThroughRecords) {
    std::mt19937 random(71);
    for (int round = 0; round < 40; ++round) {
        std::string text;
        const int count = random() % 300;
        for (int i = 0; i < count; ++i) {
            std::string line(1 + random() % (random() % 8 == 0 ? 4095 : 80), ' ');
            for (char& c : line) {
                do {
                    c = static_cast<char>(random() % 256);
                } while (c == '\n');
            }
            if (line.back() == '\r') {
                line.back() = 'r';
            }
            text += line + "\n";
        }
        InputFile input = input_holding(text);
        Bytes records;
        BlockWriter writer(nullptr, &records);
        ASSERT_EQ(convert_text_records(input, writer), TextStatus::converted);
        ASSERT_TRUE(writer.flush());
        const Lines back =
            convert(std::string(records.begin(), records.end()), records.size());
        EXPECT_EQ(back.end, CopyEnd::complete);
        ASSERT_EQ(back.text, text) << "round " << round;
    }
}

}  // namespace
}  // namespace velkord
