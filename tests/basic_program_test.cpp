// Whole BASIC programs: the header, lines and statements as stored, how
// statements are joined, where a listing stops, and the keyword tables.
#include <gtest/gtest.h>

#include <string>

#include "basic/keywords.h"
#include "lif/file_types.h"
#include "support/basic_program.h"

namespace velkord {
namespace {

// Lines as nibbles in stream order: number | length | body | terminator.
TEST(BasicProgram, LinesAsStored) {
    const struct {
        const char* nibbles;
        const char* listed;
    } cases[] = {
        {"0100 | C0 | 141F241378 | 0F", "10 A=B+1"},
        {"0730 | 41 | 851F14243428782878 | 0F", "370 X=A-(B-C)"},
        {"0200 | D1 | D2141F22849422D22423337A298 | 0F", "20 A$=\"HI\"&B$[2,3]"},
        {"0210 | 61 | 851F85D1179938C05278 | 0F", "120 X=X*.001+25"},
        {"0071 | 41 | 851F51000321321200 | 0F", "1700 X=123.123000"},
        {"0900 | 82 | 851FD214D224333B10243D214D2243B1024278 | 0F",
         "90 X=POS(A$,B$,3)+POS(A$,B$)"},
        {"0360 | E1 | 141F13CF140234F4D4D454E445D0 | 0F", "630 A=1 ! A COMMENT"},
        {"0460 | C1 | 9BC7140C71413F85921F858538 | 0F", "640 DEF FNA(X)=X*X"},
        {"0520 | 52 | 9F4C353F850ED2950EE7A510E131E141E8F | 0F",
         "250 CALL S(X,Y$,Z(),1,(A))"},
        {"0510 | 61 | FE209114FE2092822434 | 0F", "150 MAT A=SYS(B,C)"},
        {"0481 | 81 | FE1075228522FE10E21000 | 0F", "1840 TRANSFORM \"X\" INTO TEXT"},
        {"1000 | 40 | 9D | 0F", "1 STOP"},
        {"9999 | 40 | 9D | 0F", "9999 STOP"},
    };
    for (const auto& c : cases) {
        const Nibbles data = program({stream(c.nibbles)});
        const Listing listing = list_nibbles(data);
        EXPECT_EQ(listing.text, std::string(c.listed) + "\n") << c.nibbles;
        EXPECT_EQ(listing.end, CopyEnd::complete) << c.nibbles;
    }
}

// " @ " between statements, a space after THEN, a label and a bare ELSE,
// and before ELSE.
TEST(BasicProgram, StatementsJoined) {
    const struct {
        const char* nibbles;
        const char* listed;
    } cases[] = {
        {"0600 | 81 | FD1413A824FF0000000100 | 4F | F0 | 5FF0000000200 | 0F",
         "60 IF A=1 THEN 10 ELSE 20"},
        {"0551 | 80 | FD144F | 4F | 80 | 851F13 | 4F | 80 | 951F23 | 4F | 40 | 5F | 4F | 80 |"
         " A51F33 | 0F",
         "1550 IF A THEN X=1 @ Y=2 ELSE Z=3"},
        {"0400 | D0 | 6F6F9508595 | 4F | C0 | CCD7A55363 | 0F", "40 'XY': DIM Z(5,6)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(list_nibbles(program({stream(c.nibbles)})).text, std::string(c.listed) + "\n");
    }
    const struct {
        std::vector<std::string> statements;
        const char* listed;
    } built[] = {
        {{"DF 41 F4 0F n:0,0,0,0,0 n:0,1,0,0", "58 F1 31"}, "10 IF A THEN 10 @ X=1"},
        {{"F6 n:0,0,0,0,0 {LOOP}"}, "10 'LOOP':"},
        {{"DF 41 F4", "EF F0 05 41", "58 F1 31"}, "10 IF A THEN XWORD240005 @ X=1"},
        {{"DF 41 F4", "F5", "DA"}, "10 IF A THEN ELSE END"},
        {{"C6 {1  } 0D", "DA"}, "10 DATA 1 @ END"},
        {{"58 F1 31", "FC 0D"}, "10 X=1 @ !"},
    };
    for (const auto& c : built) {
        EXPECT_EQ(list_nibbles(program({line(10, c.statements)})).text,
                  std::string(c.listed) + "\n");
    }
}

TEST(BasicProgram, EmptyAndOddLengths) {
    Listing listing = list_nibbles(program({}));
    EXPECT_EQ(listing.text, "");
    EXPECT_EQ(listing.end, CopyEnd::complete);
    // An odd nibble count: the last byte's high nibble is no part of it.
    const Nibbles data = program({stream("0200 | D1 | D2141F22849422D22423337A298 | 0F")});
    ASSERT_EQ(data.size() % 2, 1u);
    std::string bytes = packed(data);
    bytes.back() = static_cast<char>(bytes.back() | 0xF0);
    listing = list_nibbles(data, data.size(), &bytes);
    EXPECT_EQ(listing.text, "20 A$=\"HI\"&B$[2,3]\n");
    EXPECT_EQ(listing.end, CopyEnd::complete);
}

// Whatever cannot be listed stops the listing after the whole lines before.
TEST(BasicProgram, DamagedLinesStopTheListing) {
    const Nibbles good = line(10, {"DA"});
    const struct {
        Nibbles damaged;
        const char* why;
    } cases[] = {
        {stream("0A00 | 40 | AD | 0F"), "a line number that is not BCD"},
        {stream("0200 | 10 | 0F"), "a length below 2"},
        {stream("0200 | 40 | AD | 3F"), "a terminator that is neither F0 nor F4"},
        {stream("0200 | 40 | AD | 4F"), "a line that ends with the data"},
        {stream("0200 | 60 | AD"), "a statement past the data"},
        {stream("02"), "a line number cut off"},
        {stream("0200 | 4"), "a length cut off"},
        {line(20, {"58 F1 01"}), "an unknown token"},
    };
    for (const auto& c : cases) {
        const Listing listing = list_nibbles(program({good, c.damaged, good}));
        EXPECT_EQ(listing.text, "10 END\n") << c.why;
        EXPECT_EQ(listing.end, CopyEnd::input_short) << c.why;
    }
    // A program whose header does not end with F0 gives no line at all.
    Nibbles data = program({good});
    data[11] = 0xE;
    EXPECT_EQ(list_nibbles(data).text, "");
    EXPECT_EQ(list_nibbles(data).end, CopyEnd::input_short);
    EXPECT_EQ(list_nibbles(stream("FFFFFFFFFF0")).end, CopyEnd::input_short);
}

// The nibble count says where the program ends, not the file.
TEST(BasicProgram, NibbleCountAgainstTheFile) {
    const Nibbles data = program({line(10, {"DA"}), line(20, {"D9"})});
    const std::size_t first_line = 12 + 4 + 2 + 2 + 2;
    // The count ends between lines: the rest of the file is no program.
    Listing listing = list_nibbles(data, first_line);
    EXPECT_EQ(listing.text, "10 END\n");
    EXPECT_EQ(listing.end, CopyEnd::complete);
    // The file ends before the count does: the lines before, then short.
    const std::string cut = packed(data).substr(0, 13);
    listing = list_nibbles(data, data.size(), &cut);
    EXPECT_EQ(listing.text, "10 END\n");
    EXPECT_EQ(listing.end, CopyEnd::input_short);
    listing = list_nibbles(data, data.size() + 100);
    EXPECT_EQ(listing.text, "10 END\n20 STOP\n");
    EXPECT_EQ(listing.end, CopyEnd::input_short);
    // A count one short: the last nibble is in the file, but no program's.
    listing = list_nibbles(data, data.size() - 1);
    EXPECT_EQ(listing.text, "10 END\n");
    EXPECT_EQ(listing.end, CopyEnd::input_short);
}

// Far more lines than the reading block holds, of odd lengths, so that
// statements straddle every block boundary at either nibble.
TEST(BasicProgram, LargeProgramStreams) {
    std::vector<Nibbles> lines;
    std::string expected;
    for (unsigned number = 1; number <= 9999; ++number) {
        if (number % 2) {
            lines.push_back(line(number, {"2D 41 F1 22 {HI} 22 2D 42 32 33 A7 n:2 89", "DA"}));
            expected += std::to_string(number) + " A$=\"HI\"&B$[2,3] @ END\n";
        } else {
            lines.push_back(line(number, {"DD 0F n:0,0,0,0,0 n:0,1,0,0"}));
            expected += std::to_string(number) + " GOTO 10\n";
        }
    }
    const Listing listing = list_nibbles(program(lines));
    EXPECT_EQ(listing.end, CopyEnd::complete);
    EXPECT_TRUE(listing.text == expected);
}

TEST(BasicProgram, OverlongLineIsDamage) {
    std::vector<std::string> statements(600, "E6 {" + std::string(120, 'X') + "} 0D");
    const Listing listing = list_nibbles(program({line(10, {"DA"}), line(20, statements)}));
    EXPECT_EQ(listing.text, "10 END\n");
    EXPECT_EQ(listing.end, CopyEnd::input_short);
}

TEST(BasicKeywords, TablesAndPlaceholders) {
    const basic::KeywordTable& keywords = basic::KeywordTable::builtin();
    for (const basic::Keyword& row : keywords.rows()) {
        EXPECT_EQ(keywords.find(row.lex, row.token), &row);
        // A LEX file's function always takes a count nibble.
        if (row.lex != 0 && row.kind == basic::Kind::function) {
            EXPECT_EQ(row.args, -1) << row.name;
        }
    }
    EXPECT_EQ(keywords.find(0, 0x01), nullptr);
    EXPECT_EQ(keywords.find(0x01, 0x70), nullptr);
    EXPECT_EQ(keywords.find(0, 0x100), nullptr);
    EXPECT_STREQ(keywords.find(0xFF, 0x27)->name, "KEYBOARD");
    EXPECT_STREQ(keywords.find(0x02, 0x0E)->name, "FNROOT");
    EXPECT_EQ(basic::absent_keyword("XWORD", 2, 25), "XWORD2025");
    EXPECT_EQ(basic::absent_keyword("XFN", 255, 9), "XFN255009");
    EXPECT_TRUE(is_listable_program(0xE214));
    EXPECT_TRUE(is_listable_program(0xE215));
    EXPECT_TRUE(is_private_program(0xE216));
    EXPECT_TRUE(is_private_program(0xE217));
    EXPECT_FALSE(is_listable_program(0xE216) || is_private_program(0xE214) ||
                 is_listable_program(0x0001));
}

}  // namespace
}  // namespace velkord
