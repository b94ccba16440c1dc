#include "files/case_fold.h"

#include <gtest/gtest.h>

#include <string>

namespace velkord {
namespace {

TEST(CaseFold, NamesThatDifferOnlyInCaseFoldToOne) {
    const struct {
        std::string name;
        std::string folded;
    } cases[] = {
        // ASCII: only A-Z change; the characters either side of them stay.
        {"GAMES.LIF", "games.lif"},
        {"@AZ[`az{", "@az[`az{"},
        {"", ""},
        // Greek: final sigma folds to sigma, as capital sigma does.
        {"\u03a3\u039f\u03a6\u0399\u0391", "\u03c3\u03bf\u03c6\u03b9\u03b1"},  // ΣΟΦΙΑ
        {"\u03c3\u03bf\u03c6\u03b9\u03b1", "\u03c3\u03bf\u03c6\u03b9\u03b1"},  // σοφια
        {"\u03c2", "\u03c3"},                                                  // ς
        // Cyrillic, Latin-1, fullwidth.
        {"\u041f\u0440\u0438\u0432", "\u043f\u0440\u0438\u0432"},  // Прив
        {"\u00c9t\u00e9", "\u00e9t\u00e9"},                        // Été
        {"\uff38", "\uff58"},                                      // Ｘ
        // Capital, title-case and small DŽ are one letter.
        {"\u01c4\u01c5\u01c6", "\u01c6\u01c6\u01c6"},
        // Latin Extended-A: capitals and small letters take turns.
        {"\u0100\u0101\u0102\u0139\u013a", "\u0101\u0101\u0103\u013a\u013a"},
        // Kelvin sign and capital sharp s fold to letters of another length.
        {"\u212a", "k"},
        {"\u1e9e", "\u00df"},
        {"\u023a", "\u2c65"},  // Ⱥ: 2 bytes fold to 3
        // Only simple folding: ß stays (not "ss"), and so do I with a dot
        // and ΐ, which fold only under the full or Turkic rules.
        {"\u00df\u0130\u0390", "\u00df\u0130\u0390"},
        // Cherokee folds to its capitals, which came first in Unicode.
        {"\uab70\u13a0\u13f8", "\u13a0\u13a0\u13f0"},
        // Deseret, 4 bytes in UTF-8.
        {"\U00010400\U00010428", "\U00010428\U00010428"},
        // Characters with no case.
        {"\u4e2d\u6587 \U0001f600 1.TXT", "\u4e2d\u6587 \U0001f600 1.txt"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fold_case(c.name), c.folded) << ::testing::PrintToString(c.name);
    }
}

TEST(CaseFold, BytesThatAreNotUtf8StayAsTheyAre) {
    const struct {
        std::string name;
        std::string folded;
    } cases[] = {
        {"A\xff\xfe" "B", "a\xff\xfe" "b"},        // never in UTF-8
        {"\xc1\x81", "\xc1\x81"},                  // 'A' in an overlong form
        {"\xe0\x81\x81", "\xe0\x81\x81"},          // the same in 3 bytes
        {"\xc3\x89", "\xc3\xa9"},                  // É, for contrast
        {"\xc3", "\xc3"},                          // É cut short
        {"\xc3" "A", "\xc3" "a"},                  // ... before a letter
        {"\xe2\x84" "K", "\xe2\x84" "k"},          // Kelvin sign cut short
        {"\x89\xc3\x89", "\x89\xc3\xa9"},          // a stray continuation byte
        {"\xed\xa0\x80", "\xed\xa0\x80"},          // a surrogate
        {"\xf4\x90\x80\x80", "\xf4\x90\x80\x80"},  // beyond U+10FFFF
        {"\xf8\x88\x80\x80\x80", "\xf8\x88\x80\x80\x80"},  // a 5-byte form
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fold_case(c.name), c.folded) << ::testing::PrintToString(c.name);
    }
}

// Folding twice changes nothing more, for every code point: otherwise two
// names could fold to one in one order and not in another.
TEST(CaseFold, FoldedCodePointsStayFolded) {
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        const char32_t folded = fold_code_point(c);
        ASSERT_EQ(fold_code_point(folded), folded) << std::hex << c;
    }
}

TEST(CaseFold, CodePointsAtTheEdgesOfRuns) {
    const struct {
        char32_t code_point;
        char32_t folded;
    } cases[] = {
        {0x00BF, 0x00BF}, {0x00C0, 0x00E0}, {0x00D6, 0x00F6},
        {0x00D7, 0x00D7},  // the multiplication sign between the capitals
        {0x00D8, 0x00F8}, {0x00DE, 0x00FE},
        {0x012E, 0x012F}, {0x012F, 0x012F}, {0x0130, 0x0130},
        {0x13EF, 0x13EF}, {0xAB6F, 0xAB6F}, {0xABBF, 0x13EF}, {0xABC0, 0xABC0},
        {0x1E921, 0x1E943}, {0x1E922, 0x1E922},  // the last capital in Unicode
        {0x10FFFF, 0x10FFFF},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fold_code_point(c.code_point), c.folded) << std::hex << c.code_point;
    }
}

}  // namespace
}  // namespace velkord
