#include "platform/wildcards.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace velkord::platform {
namespace {

using Split = std::vector<std::pair<std::wstring, bool>>;

Split split(std::wstring_view command_line) {
    Split arguments;
    for (const CommandLineArgument& argument : split_command_line(command_line)) {
        arguments.emplace_back(argument.text, argument.quoted);
    }
    return arguments;
}

// As the C runtime splits them for argv, which wine's msvcrt does alike.
TEST(Wildcards, CommandLinesSplitAsTheCRuntimeSplitsThem) {
    const struct {
        std::wstring_view command_line;
        Split arguments;
    } cases[] = {
        {L"v.exe", {}},
        {L"", {}},
        {L"v.exe *.txt GAMES.LIF /t", {{L"*.txt", false}, {L"GAMES.LIF", false}, {L"/t", false}}},
        {L"v.exe \t a \t b  ", {{L"a", false}, {L"b", false}}},
        // The program's name: a quoted one ends at its closing quote, any
        // other at the first blank, a quote in it and all.
        {LR"("C:\Program Files\v.exe" *.txt)", {{L"*.txt", false}}},
        {LR"("C:\v.exe"*.txt)", {{L"*.txt", false}}},
        {LR"("v.exe)", {}},
        {LR"(C:\x\"v w.exe" *.lex)", {{L"w.exe *.lex", true}}},
        // Quotes, anywhere in an argument, make it quoted.
        {LR"(v.exe "x *.txt" y)", {{L"x *.txt", true}, {L"y", false}}},
        {LR"(v.exe a"b c"d)", {{L"ab cd", true}}},
        {LR"(v.exe "*.txt")", {{L"*.txt", true}}},
        {LR"(v.exe "")", {{L"", true}}},
        {LR"(v.exe "a)", {{L"a", true}}},
        // Backslashes: plain unless a quote follows; then halved, and an odd
        // one makes the quote a character, which quotes nothing.
        {LR"(v.exe sub\*.txt e\ f)", {{LR"(sub\*.txt)", false}, {LR"(e\)", false}, {L"f", false}}},
        {LR"(v.exe a\"b)", {{L"a\"b", false}}},
        {LR"(v.exe c\\\"d)", {{LR"(c\"d)", false}}},
        {LR"(v.exe "f g\\")", {{LR"(f g\)", true}}},
        {LR"(v.exe a\\\\"b c" d)", {{LR"(a\\b c)", true}, {L"d", false}}},
        // "" within quotes is a quote character, and the quotes go on.
        {LR"(v.exe "a""b c" d)", {{L"a\"b c", true}, {L"d", false}}},
        {LR"(v.exe """a b""")", {{L"\"a b\"", true}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(split(c.command_line), c.arguments) << std::wstring(c.command_line);
    }
}

TEST(Wildcards, OptionsAreArgumentsWithOneLeadingSlashOrADash) {
    const struct {
        std::string_view argument;
        bool option;
    } cases[] = {
        {"/t", true},  {"/?", true},           {"/*", true},         {"-t", true},
        {"-*", true},  {"/tmp/*.txt", false},  {"//server", false},  {"*.txt", false},
        {"a/b", false}, {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(is_option(c.argument), c.option) << c.argument;
    }
}

TEST(Wildcards, NamesMatchPatternsAsAUnixShellMatchesThem) {
    const struct {
        std::string_view pattern;
        std::string_view name;
        bool hidden;
        bool matches;
    } cases[] = {
        {"*.txt", "A.txt", false, true},
        {"*.txt", "a.txt.bak", false, false},
        {"*.txt", "txt", false, false},
        {"*txt", "txt", false, true},
        {"*.*", "noext", false, false},  // not as DOS took it
        {"*.*", "a.b", false, true},
        {"a*b*c", "aXbYc", false, true},
        {"a*b*c", "aXbYcZ", false, false},
        {"*ana", "banana", false, true},  // the '*' takes more on a miss
        {"a**b", "ab", false, true},
        {"[ab].txt", "a.txt", false, false},  // '[' is a plain character
        {"[ab].txt", "[AB].TXT", false, true},
        // Letter case folded as for output names.
        {"*.TXT", "b.txt", false, true},
        {"\u00c9T\u00c9.*", "\u00e9t\u00e9.lex", false, true},  // ÉTÉ.*
        {"k*", "\u212a.lex", false, true},                      // Kelvin sign
        {"*.LEX", "a.lez", false, false},
        // '?' is one character, however many bytes it takes.
        {"?.txt", "a.txt", false, true},
        {"?.txt", "ab.txt", false, false},
        {"?.txt", "\u00e9.txt", false, true},
        {"??.txt", "\u00e9.txt", false, false},
        {"?.txt", "\U00010400.txt", false, true},
        {"*?", "\u00e9", false, true},
        {"*??", "\u00e9", false, false},
        // Hidden files and dot files only for a pattern that begins with '.'.
        {"*", ".profile", false, false},
        {"?profile", ".profile", false, false},
        {".*", ".profile", false, true},
        {"*", "secret.lif", true, false},
        {"*.lif", "secret.lif", true, false},
        {".*", ".secret", true, true},
        {".*", ".", false, false},
        {".*", "..", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(matches_wildcard(c.pattern, c.name, c.hidden), c.matches)
            << c.pattern << " " << c.name << (c.hidden ? " (hidden)" : "");
    }
}

}  // namespace
}  // namespace velkord::platform
