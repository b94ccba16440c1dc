// Windows hands a program its arguments as they were typed: `velkord *.LEX
// /i` receives "*.LEX", where a Unix shell would have passed the names it
// matches. The Windows build expands such arguments itself, as a shell
// does. These are the rules it follows; they need nothing from the system,
// so that they are tested everywhere. windows_wildcards.cpp reads the
// folders.
#ifndef VELKORD_PLATFORM_WILDCARDS_H
#define VELKORD_PLATFORM_WILDCARDS_H

#include <string>
#include <string_view>
#include <vector>

namespace velkord::platform {

struct CommandLineArgument {
    std::wstring text;
    bool quoted = false;  // whether any part of it was in quotes
};

// The arguments after the program's name in a Windows command line, split
// as the C runtime splits it for wmain's argv.
std::vector<CommandLineArgument> split_command_line(std::wstring_view command_line);

// Whether an argument is an option, never expanded: "-t", or "/x" and "/?",
// which hold no second '/' as a path such as "/tmp/*.txt" does.
bool is_option(std::string_view argument);

// Whether a UTF-8 file name matches a pattern in which '*' stands for any
// characters and '?' for one, letter case ignored (folded as fold_case
// folds it). A hidden file, or a name that begins with '.', matches only a
// pattern that begins with '.'; "." and ".." match none.
bool matches_wildcard(std::string_view pattern, std::string_view name, bool hidden);

#ifdef _WIN32
// For each of argv[1] to argv[argc - 1], whether any part of it was quoted
// on the command line; all are taken as quoted when the command line does
// not split into the same arguments.
std::vector<bool> quoted_arguments(int argc, wchar_t* argv[]);

// `arguments` with each that is not quoted, not an option and holds '*' or
// '?' in its last part replaced by the names it matches in its folder,
// sorted without regard to case. One that matches nothing stays as it is.
std::vector<std::string> expand_wildcards(const std::vector<std::string>& arguments,
                                          const std::vector<bool>& quoted);
#endif

}  // namespace velkord::platform

#endif
