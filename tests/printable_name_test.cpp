#include "report/printable_name.h"

#include <gtest/gtest.h>

namespace velkord {
namespace {

TEST(PrintableName, EachControlCharacterIsOneQuestionMark) {
    const struct {
        std::string name;
        std::string shown;
    } cases[] = {
        {"plain name.lif", "plain name.lif"},
        {"\x1b[2J\a\r\n\t\x7f", "?[2J?????"},
        {"\xc2\x80\xc2\x9f\xc2\xa0", "??\xc2\xa0"},  // C1 in UTF-8; NBSP stays
        {"\x80\x9f\xa0\xff\xfe", "??\xa0\xff\xfe"},   // stray bytes
        {"\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80", "\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80"},
        // Not valid UTF-8 (cut, overlong, surrogate, beyond U+10FFFF): each
        // byte is judged alone.
        {"\xe2\x82", "\xe2?"},
        {"\xc0\x80", "\xc0?"},
        {"\xe0\x80\x80", "\xe0??"},
        {"\xed\xa0\x80", "\xed\xa0?"},
        {"\xf4\x90\x80\x80", "\xf4???"},
        {"\xc2", "\xc2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(printable_name(c.name), c.shown) << ::testing::PrintToString(c.name);
    }
}

}  // namespace
}  // namespace velkord
