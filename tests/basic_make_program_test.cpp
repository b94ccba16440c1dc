// Making a program from text: how lines are taken (numbers, order,
// repeats, blank lines, line ends), what is said of the ones refused,
// how numbers are stored, which keyword a word is read as.
#include <gtest/gtest.h>

#include <string>

#include "basic/make_program.h"
#include "support/basic_data.h"

namespace velkord {
namespace {

using basic::KeywordTable;
using basic::MadeProgram;

MadeProgram make(const std::string& text) {
    return basic::make_program(text, KeywordTable::builtin());
}

// What is said, one line each: "text line: [Warning: ]message".
std::string said(const MadeProgram& made) {
    std::string text;
    for (const basic::Diagnostic& diagnostic : made.diagnostics) {
        text += std::to_string(diagnostic.text_line) + ": " +
                (diagnostic.error ? "" : "Warning: ") + diagnostic.message() + "\n";
    }
    return text;
}

std::string listing(const MadeProgram& made) {
    return basic_data::list(made.body, made.nibbles).text;
}

TEST(BasicMakeProgram, WhatIsSaidOfEachLine) {
    const struct {
        std::string text;
        const char* said;
    } cases[] = {
        {"10 A=1\n", ""},
        {"0 A=1\n", "1: ERR:Excess Chars\n"},
        {"10000 A=1\n", "1: ERR:Excess Chars\n"},
        {"1.5 A=1\n", "1: ERR:Excess Chars\n"},
        {"10\n", "1: line 10 holds no statement\n"},
        {"10   \n", "1: line 10 holds no statement\n"},
        {"10 =1\n", "1: line 10 holds no statement\n"},
        {"10 ,\n", "1: line 10 holds no statement\n"},
        {"A=1\n", "1: not a program line: it must begin with a line number\n"},
        {"\n  \n20 X\n", ""},
        {"10 A=1\n10 B=2\n", "2: Warning: line 10 is given again: the later one is kept\n"},
        {"10 X=1E500\n20 Y=1E-500\n",
         "1: Warning: WRN:Overflow\n2: Warning: WRN:Underflow\n"},
        {"10 X=1E500\n20 DISP A$+B$\n30 GOTO 0\n",
         "1: Warning: WRN:Overflow\n2: ERR:Excess Chars\n3: ERR:Syntax\n"},
        {"10 A=\"X\n", "1: ERR:Invalid Expr\n"},
        {"10 DATA 1,\"X\n", "1: ERR:Quote Expected\n"},
        {"10 PRINTER IS\n", "1: HPIL ERR:Missing Parm\n"},
        {"10 " + std::string(118, 'A') + "\n", "1: ERR:Line Too Long\n"},
        {"10 <\n", "1: ERR:Invalid Expr\n"},
        {"10 IF A THEN IF B THEN 20\n", "1: ERR:Illegal Context\n"},
    };
    for (const auto& c : cases) {
        const MadeProgram made = make(c.text);
        EXPECT_EQ(said(made), c.said) << c.text;
        bool error = false;
        for (const basic::Diagnostic& diagnostic : made.diagnostics) {
            error = error || diagnostic.error;
        }
        EXPECT_EQ(made.refused(), error) << c.text;
    }
}

// Lines go to their place by number, the later of two with one number
// kept; CR LF ends a line as LF does; a byte-order mark is dropped; a
// line is at most 120 bytes.
TEST(BasicMakeProgram, LinesTakenAsTransformTakesThem) {
    const struct {
        const char* text;
        const char* listed;
    } cases[] = {
        {"20 B=2\n10 A=1\n", "10 A=1\n20 B=2\n"},
        {"10 A=1\n20 B=2\n10 C=3\n", "10 C=3\n20 B=2\n"},
        {"10 A=1\r\n20 B=2\r\n", "10 A=1\n20 B=2\n"},
        {"\xEF\xBB\xBF" "10 A=1", "10 A=1\n"},
        {"  0010 A=1\n", "10 A=1\n"},
        {"10A=1\n", "10 A=1\n"},
        {"", ""},
    };
    for (const auto& c : cases) {
        const MadeProgram made = make(c.text);
        EXPECT_FALSE(made.refused()) << c.text;
        EXPECT_EQ(listing(made), c.listed) << c.text;
    }
    const std::string longest = "10 REM " + std::string(113, 'X');
    EXPECT_FALSE(make(longest).refused());
    EXPECT_TRUE(make(longest + "X").refused());
}

// An empty program is the header alone; an odd last nibble is padded.
TEST(BasicMakeProgram, BodyAndNibbleCount) {
    const MadeProgram empty = make("");
    EXPECT_EQ(empty.body, (std::vector<unsigned char>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0}));
    EXPECT_EQ(empty.nibbles, 12u);
    // 10 A=1$: line 0100, length 8, 41 F1 31... the count nibble of a
    // relation makes it odd: 10 A=B=C.
    const MadeProgram odd = make("10 X=A=B\n");
    EXPECT_EQ(odd.nibbles % 2, 1u);
    EXPECT_EQ(odd.body.size(), (odd.nibbles + 1) / 2);
    EXPECT_EQ(odd.body.back() >> 4, 0);
}

// Numbers: the digits typed, rounded to 12, an integer when every digit
// is of the integer part, a real otherwise; out of range, MAXREAL or 0.
TEST(BasicMakeProgram, NumbersStoredAsTheHp71bStoresThem) {
    const struct {
        const char* typed;
        const char* stored;  // the nibbles after "X="
    } cases[] = {
        {"0", "03"},
        {"0.0", "03"},
        {"0E5", "03"},
        {"5.", "53"},
        {"1E0", "13"},
        {".25E2", "C052"},
        {"2.5E1", "C052"},
        {"100000", "80000001"},
        {"1E3", "D11300"},
        {"10E1", "C101200"},
        {"1.0E+03", "C101300"},
        {"5.0", "C105000"},
        {"1E-3", "D11799"},
        {"12345678901234", "21210987654321310"},
        {"999999999999999", "D11510"},
        {"123456789012.5", "20210987654321"},
        {"999999999999.5", "D11210"},
        {"1E500", "C6"},
        {"-1E500", "C628"},
        {"1E-500", "03"},
        {"-1", "1328"},
    };
    for (const auto& c : cases) {
        const basic::TypedLine typed =
            basic::type_line(std::string("10 X=") + c.typed, KeywordTable::builtin());
        ASSERT_EQ(typed.outcome, basic::LineOutcome::stored) << c.typed;
        const std::string nibbles = basic_data::hex_nibbles(typed.nibbles);
        // Line number (4), length (2), X (2), = (2), then the number, F0.
        EXPECT_EQ(nibbles.substr(10, nibbles.size() - 12), c.stored) << c.typed;
    }
    for (const char* refused : {"1E", "1E+", "1.2.3", "1E3.5", "1E3E3", "1E3A", "1 000"}) {
        EXPECT_EQ(basic::type_line(std::string("10 X=") + refused, KeywordTable::builtin())
                      .refusal,
                  basic::Refusal::excess_chars)
            << refused;
    }
}

// A word is read as the keyword of the first table that has it (plug-in
// LEX files before LEX 01 before the mainframe), the longest of each
// table; the first whose statement reads to the end is stored.
TEST(BasicMakeProgram, KeywordsChosenAsTheHp71bChooses) {
    const struct {
        const char* typed;
        const char* listed;
    } cases[] = {
        {"10 REMOTE :2", "10 REMOTE :2"},
        {"10 REMOTE :2,3", "10 REM OTE :2,3"},
        {"10 REMARK", "10 REM ARK"},
        {"10 DISPA", "10 DISP A"},
        {"10 FORI=1TO10", "10 FOR I=1 TO 10"},
        {"10 RESTORE IO", "10 RESTORE IO"},
        {"10 RESTORE IOX", "10 RESTORE IO X"},
        {"10 RESTORE 10", "10 RESTORE 10"},
        {"10 ENTERED", "10 ENTER :ED"},
        {"10 CLEARX", "10 CLEAR :X"},
        {"10 X=SINH(1)+SIN(1)", "10 X=SINH(1)+SIN(1)"},
        {"10 OUTPUT:2;A", "10 'OUTPUT': DISP 2;A"},
        {"10 GO TO 100", "10 GOTO 100"},
        {"10 KEY \"A\",\"X\":", "10 DEF KEY \"A\",\"X\":"},
        {"10 X=A-B*C", "10 X=A-B*C"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(listing(make(c.typed)), std::string(c.listed) + "\n") << c.typed;
    }
    const struct {
        const char* typed;
        const char* said;
    } refused[] = {
        {"10 CONT", "1: ERR:Excess Chars\n"},
        {"10 DISPLAY", "1: HPIL ERR:Syntax\n"},
        {"10 LIST IO ,", "1: ERR:Excess Chars\n"},
        {"10 EDIT", "1: ERR:Illegal Context\n"},
    };
    for (const auto& c : refused) {
        EXPECT_EQ(said(make(c.typed)), c.said) << c.typed;
    }
}

// The characters of the HP-71B above 0x7F are kept in strings and text,
// refused elsewhere.
TEST(BasicMakeProgram, CharactersAbove7F) {
    EXPECT_FALSE(make("10 A$=\"\x8A\xFF\"\n20 REM \x90\n30 DATA \x91\n40 IMAGE \x92\n").refused());
    EXPECT_TRUE(make("10 A\x8A=1\n").refused());
    EXPECT_TRUE(make("10 GOTO \x8A\n").refused());
}

// A LEX file's rows added to the table: found by token and by name, tried
// after the plug-ins before it in memory and before LEX 01 and the
// mainframe, listed by their names.
TEST(BasicMakeProgram, KeywordTableTakesALexFilesRows) {
    basic::KeywordTable keywords = KeywordTable::builtin();  // a copy, then the LEX file
    keywords.add_lex({{0x52, 0x01, "DISPLAYED", basic::Kind::statement, 0, 0},
                      {0x52, 0x02, "FLASH", basic::Kind::function, -1, 0}});
    ASSERT_NE(keywords.find(0x52, 0x01), nullptr);
    EXPECT_STREQ(keywords.find(0x52, 0x02)->name, "FLASH");
    EXPECT_EQ(keywords.find(0x52, 0x03), nullptr);
    basic::KeywordTable::Match matches[4];
    ASSERT_EQ(keywords.match("DISPLAYED", matches, 4), 3u);
    EXPECT_STREQ(matches[0].row->name, "DISPLAY");  // the HP-IL module's
    EXPECT_STREQ(matches[1].row->name, "DISPLAYED");
    EXPECT_STREQ(matches[2].row->name, "DISP");
    const MadeProgram made = basic::make_program("10 X=FLASH(1)+FLASH\n", keywords);
    ASSERT_FALSE(made.refused());
    basic::MemoryBytes bytes(made.body.data(), made.body.size());
    basic_data::CollectedLines lines;
    EXPECT_EQ(basic::list_program(bytes, made.nibbles, lines, keywords),
              basic::ListingEnd::complete);
    EXPECT_EQ(lines.text, "10 X=FLASH(1)+FLASH\n");
    // Without that LEX file the HP-71B lists a placeholder.
    EXPECT_EQ(listing(made), "10 X=XFN82002(1)+XFN82002\n");
}

}  // namespace
}  // namespace velkord
