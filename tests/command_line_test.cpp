#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velkord {
namespace {

// The settings written as one line, so that a table can compare them.
std::string settings_text(const CommandSettings& s) {
    std::ostringstream text;
    text << "LBRTb"[static_cast<int>(s.format)]
         << (s.asks(Operation::show_usage) ? " help" : "")
         << (s.asks(Operation::show_headers) ? " info" : "")
         << (s.asks(Operation::strip_header) ? " strip" : "");
    for (const std::string& name : s.names) {
        text << " [" << name << "]";
    }
    return text.str();
}

TEST(CommandLine, ArgumentScan) {
    const struct {
        std::vector<std::string> arguments;
        std::string settings;
    } cases[] = {
        {{}, "L"},
        {{"a", "b"}, "L [a] [b]"},
        {{"/b", "a", "/l", "b"}, "B [a] [b]"},  // /l does not undo /b
        {{"a", "b", "/r", "/T", "/b"}, "B [a] [b]"},  // the last type wins
        {{"/text", "/help", "a"}, "T help [a]"},   // second character only
        {{"/?"}, "L help"},
        {{"/I", "/x", "a"}, "L info strip [a]"},
        {{"/", "/z", "/9", "/Lb", "a"}, "L [a]"},
        {{"a", "b", "c"}, "L [a] [b] [c]"},
        {{"", "a", "", "b", ""}, "L [a] [b]"},  // an empty argument names nothing
        {{"-t", "/tmp"}, "T"},  // '-' starts no option, and names no file either
        {{"-", "/b", "-"}, "B [-] [-]"},  // standard input and output
        // /basic only as written; among /B, /R, /T and /basic the last counts.
        {{"/basic", "a"}, "b [a]"},
        {{"/BASIC", "/t"}, "T"},
        {{"/t", "/Basic"}, "b"},
        {{"/bas", "/basics", "/bin"}, "B"},
        // A second '/' makes an absolute path, wherever it stands.
        {{"/home/me/prog.bin", "PROG.LEX"}, "L [/home/me/prog.bin] [PROG.LEX]"},
        {{"prog.bin", "OUT", "/home/me/x.LEX"}, "L [prog.bin] [OUT] [/home/me/x.LEX]"},
        {{"/x", "/dev/stdout", "/t", "//"}, "T strip [/dev/stdout] [//]"},
        {{std::string(300, 'n'), "b"}, "L [" + std::string(300, 'n') + "] [b]"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(settings_text(parse_command_line(c.arguments)), c.settings)
            << ::testing::PrintToString(c.arguments);
    }
}

TEST(CommandLine, DecisionOrder) {
    using O = Operation;
    using L = LastName;
    const struct {
        std::vector<std::string> arguments;
        Operation operation;
        LastName last = LastName::other;
    } cases[] = {
        {{"a", "b", "c", "/h"}, O::show_usage},
        {{"/i", "/x"}, O::no_file_name},
        {{"a", "b", "c", "/i"}, O::show_headers},
        {{"a", "b", "c"}, O::too_many_names},
        {{"a", "b", "c", "/x"}, O::too_many_names},
        {{"a", "/x", "/t"}, O::no_destination},
        {{"a", "b", "/x", "/t"}, O::list_lines},
        {{"a", "b", "/basic", "/x"}, O::list_lines},
        {{"a", "b", "/basic", "/c"}, O::copy_files},
        {{"a", "b", "/basic"}, O::add_header},
        // Habits from other tools: --help first, then --version; any
        // other word that begins with '-' is refused.
        {{"a", "--HELP", "-x", "--version"}, O::show_usage},
        {{"a", "-x", "--Version"}, O::show_version},
        {{"a", "b", "-x", "/i"}, O::not_an_option},
        {{"-", "-"}, O::add_header},
        {{"a", "/x", "/i"}, O::show_headers},
        {{"a", "b", "/x", "/b"}, O::strip_header},
        {{"a", "b", "/t"}, O::add_header},
        {{"a", "/t"}, O::no_destination},
        // Many files go only into a volume, or with /c into a folder too.
        {{"a", "b", "c", "/t"}, O::add_header, L::volume},
        {{"a", "b", "c", "/t"}, O::too_many_names, L::folder},
        {{"a", "b", "c", "/c"}, O::copy_files, L::folder},
        {{"a", "b", "c", "/copy"}, O::copy_files, L::volume},
        {{"a", "b", "c", "/x"}, O::too_many_names, L::volume},
        {{"a", "/c"}, O::no_destination},
        // Then /p, then /n, each only as written.
        {{"a", "b", "c", "/p"}, O::purge_files},
        {{"a", "/purge", "/new"}, O::purge_files},
        {{"a", "/n"}, O::new_volume},
        {{"a", "b", "/n"}, O::too_many_names},
        {{"a", "b", "/x", "/c", "/p"}, O::strip_header},
        {{"a", "b", "/cx", "/pn", "/nope", "/copying"}, O::add_header},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(choose_operation(parse_command_line(c.arguments), c.last), c.operation)
            << ::testing::PrintToString(c.arguments);
    }
}

}  // namespace
}  // namespace velkord
