#include "text/text_records.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/input_holding.h"
#include "support/text_check.h"

namespace velkord {
namespace {

struct TextRecords {
    Bytes bytes;
    TextStatus status;
};

TextRecords convert(const std::string& text,
                    std::uint64_t max_bytes = max_lif_data_bytes) {
    InputFile input = input_holding(text);
    TextRecords result;
    BlockWriter records(nullptr, &result.bytes);
    result.status = convert_text_records(input, records, max_bytes);
    EXPECT_TRUE(records.flush());
    return result;
}

std::string bytes(const std::string& hex_pairs) {
    std::string out;
    for (std::size_t i = 0; i + 1 < hex_pairs.size(); i += 3) {
        out += static_cast<char>(std::stoi(hex_pairs.substr(i, 2), nullptr, 16));
    }
    return out;
}

TEST(TextRecords, RecordsAndFill) {
    const std::string line252(252, 'a');
    const std::string line254(254, 'b');
    const struct {
        std::string input;
        std::string records;  // what comes before the 0xFF fill
        std::size_t size;     // the whole data, fill included
    } cases[] = {
        {"AB\r\nC\n", bytes("00 02 41 42 00 01 43 00"), 256},
        {"", "", 256},                      // the end mark alone
        {"\r\n\n\r\r\n", "", 256},          // only line ends
        {"A\n\nB\n", bytes("00 01 41 00 00 01 42 00"), 256},
        {"x \t\n", bytes("00 03 78 20 09 00"), 256},  // spaces and tabs stay
        {"A\rB\n", bytes("00 03 41 0D 42 00"), 256},  // a lone CR is data
        {"A\r\r\n\n\r\n", bytes("00 01 41 00"), 256},  // any mix of line ends
        {"last", bytes("00 04 6C 61 73 74"), 256},     // no final line end
        {std::string("\0A\0\n", 4), bytes("00 03 00 41 00 00"), 256},
        {std::string("\0\n", 2), bytes("00 01 00 00"), 256},
        {line252 + "\n", bytes("00 FC") + line252, 256},  // 2 bytes of fill
        {line254 + "\n", bytes("00 FE") + line254, 512},  // mark needs a sector
    };
    for (const auto& c : cases) {
        const TextRecords result = convert(c.input);
        ASSERT_EQ(result.status, TextStatus::converted);
        std::string expected = c.records;
        expected.resize(c.size, '\xFF');
        EXPECT_EQ(std::string(result.bytes.begin(), result.bytes.end()), expected)
            << ::testing::PrintToString(c.input);
    }
}

TEST(TextRecords, LongLinesArriveInPiecesOf4095) {
    const struct {
        std::size_t line;
        std::string end;
        std::vector<std::size_t> records;
    } cases[] = {
        {8189, "\r\n", {4095, 4094}}, {4096, "\n", {4095, 1}},
        {4095, "\n", {4095}},         {4095, "\r\n", {4095}},
        {4094, "\r\n", {4094}},       {4094, "\r\r\n", {4094}},
        {12285, "", {4095, 4095, 4095}},
    };
    for (const auto& c : cases) {
        const ParsedText parsed =
            parse_text_records(convert(std::string(c.line, 'q') + c.end).bytes);
        ASSERT_EQ(parsed.fault, "");
        std::vector<std::size_t> sizes;
        for (const std::string& record : parsed.records) {
            sizes.push_back(record.size());
        }
        EXPECT_EQ(sizes, c.records) << c.line;
    }
}

TEST(TextRecords, RefusesDataBeyondTheLimit) {
    const struct {
        std::string input;
        std::uint64_t max_bytes;
        TextStatus status;
    } cases[] = {
        {std::string(252, 'a'), 256, TextStatus::converted},  // 254 + mark
        {std::string(253, 'a'), 256, TextStatus::too_large},
        {std::string(254, 'a'), 512, TextStatus::converted},
        {"", 256, TextStatus::converted},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(convert(c.input, c.max_bytes).status, c.status)
            << c.input.size() << " " << c.max_bytes;
    }
}

TEST(TextRecords, ReadErrorIsReported) {
    // Reading a directory fails where opening one succeeds.
    File directory(std::fopen(".", "rb"));
    if (!directory) {
        GTEST_SKIP() << "directories cannot be opened here";
    }
    InputFile input(std::move(directory), std::nullopt);
    BlockWriter counter;
    EXPECT_EQ(convert_text_records(input, counter), TextStatus::read_error);
}

// Random texts of short and long lines, zero bytes and every kind of line
// end: the records read back are the non-empty lines, cut into 4095s.
TEST(TextRecords, RecordsHoldTheNonEmptyLines) {
    std::mt19937 random(71);
    const char* const ends[] = {"\n", "\r\n", "\r\r\n", "\n\n", "\r\n\r\n"};
    for (int round = 0; round < 40; ++round) {
        std::string input;
        std::vector<std::string> expected;
        const int lines = random() % 200;
        for (int i = 0; i < lines; ++i) {
            const std::size_t size = random() % 8 == 0 ? random() % 13000
                                                       : random() % 90;
            std::string line(size, ' ');
            for (char& c : line) {
                do {
                    c = static_cast<char>(random() % 256);
                } while (c == '\r' || c == '\n');
            }
            input += line;
            if (i + 1 < lines || random() % 2 == 0) {
                input += ends[random() % 5];
            }
            for (std::size_t at = 0; at < line.size(); at += text_piece_limit) {
                expected.push_back(line.substr(at, text_piece_limit));
            }
        }
        const ParsedText parsed = parse_text_records(convert(input).bytes);
        ASSERT_EQ(parsed.fault, "") << "round " << round;
        ASSERT_EQ(parsed.records, expected) << "round " << round;
    }
}

}  // namespace
}  // namespace velkord
