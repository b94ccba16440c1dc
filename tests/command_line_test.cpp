#include "command_line/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velkord {
namespace {

// The settings written as one line, so that a table can compare them.
std::string settings_text(const CommandSettings& s) {
    std::ostringstream text;
    text << s.type_letter << (s.help ? " help" : "") << (s.info ? " info" : "")
         << (s.strip ? " strip" : "") << " [" << s.first_name << "] ["
         << s.second_name << "]";
    return text.str();
}

TEST(CommandLine, ArgumentScan) {
    const struct {
        std::vector<std::string> arguments;
        std::string settings;
    } cases[] = {
        {{}, "L [] []"},
        {{"a", "b"}, "L [a] [b]"},
        {{"/b", "a", "/l", "b"}, "B [a] [b]"},  // /l does not undo /b
        {{"a", "b", "/r", "/T", "/b"}, "B [a] [b]"},  // the last type wins
        {{"/text", "/help", "a"}, "T help [a] []"},   // second character only
        {{"/?"}, "L help [] []"},
        {{"/I", "/x", "a"}, "L info strip [a] []"},
        {{"/", "/z", "/9", "/Lb", "a"}, "L [a] []"},
        {{"a", "b", "c"}, "L [a] [c]"},
        {{"", "a", "b"}, "L [a] [b]"},  // an empty first name stays empty
        {{"a", "b", ""}, "L [a] []"},   // an empty argument empties the second
        {{"-t", "/tmp/x"}, "T [-t] []"},  // only '/' starts an option
        {{std::string(300, 'n'), "b"}, "L [" + std::string(300, 'n') + "] [b]"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(settings_text(parse_command_line(c.arguments)), c.settings)
            << ::testing::PrintToString(c.arguments);
    }
}

}  // namespace
}  // namespace velkord
