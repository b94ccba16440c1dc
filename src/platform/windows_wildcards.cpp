// Wildcards in the arguments, expanded on Windows as a Unix shell expands
// them, since cmd and PowerShell leave that to each program.
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <tuple>

#include "files/case_fold.h"
#include "platform/platform.h"
#include "platform/wildcards.h"

namespace velkord::platform {
namespace {

bool has_wildcard(std::string_view text) {
    return text.find_first_of("*?") != std::string_view::npos;
}

// Where the folder part of a name ends: after its last '\' or '/', or after
// the drive of "C:*.txt"; 0 when it has none.
std::size_t folder_end(std::string_view name) {
    const std::size_t separator = name.find_last_of("\\/");
    if (separator != std::string_view::npos) {
        return separator + 1;
    }
    return name.size() >= 2 && name[1] == ':' ? 2 : 0;
}

struct Match {
    std::string folded;  // what the matches are sorted by
    std::string name;
};

// The names in `folder` (as typed, with its separator) that match
// `pattern`, each after the folder, sorted without regard to case.
std::vector<std::string> matching_names(std::string_view folder, std::string_view pattern) {
    // Every name in the folder, matched here: the system's own matching
    // would try each short 8.3 name too, so that "*.htm" matched
    // "page.html" through its short name PAGE~1.HTM.
    const std::string search = std::string(folder) + "*";
    WIN32_FIND_DATAW found;
    const HANDLE handle = FindFirstFileExW(to_path(search).c_str(), FindExInfoBasic,
                                           &found, FindExSearchNameMatch, nullptr, 0);
    if (handle == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::vector<Match> matches;
    do {
        const std::string name = std::filesystem::path(found.cFileName).u8string();
        const bool hidden = (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        if (matches_wildcard(pattern, name, hidden)) {
            matches.push_back({fold_case(name), std::string(folder) + name});
        }
    } while (FindNextFileW(handle, &found));
    FindClose(handle);
    // Names that differ only in case, in a folder that tells them apart,
    // still come in one order.
    std::sort(matches.begin(), matches.end(), [](const Match& a, const Match& b) {
        return std::tie(a.folded, a.name) < std::tie(b.folded, b.name);
    });
    std::vector<std::string> names;
    for (Match& match : matches) {
        names.push_back(std::move(match.name));
    }
    return names;
}

}  // namespace

std::vector<bool> quoted_arguments(int argc, wchar_t* argv[]) {
    const std::size_t count = argc > 1 ? static_cast<std::size_t>(argc - 1) : 0;
    const std::vector<CommandLineArgument> split = split_command_line(GetCommandLineW());
    const bool same = split.size() == count &&
                      std::equal(split.begin(), split.end(), argv + 1,
                                 [](const CommandLineArgument& argument, const wchar_t* given) {
                                     return argument.text == given;
                                 });
    if (!same) {
        // A command line split otherwise than the C runtime split it says
        // nothing sure of any argument: none is expanded.
        return std::vector<bool>(count, true);
    }
    std::vector<bool> quoted;
    for (const CommandLineArgument& argument : split) {
        quoted.push_back(argument.quoted);
    }
    return quoted;
}

std::vector<std::string> expand_wildcards(const std::vector<std::string>& arguments,
                                          const std::vector<bool>& quoted) {
    std::vector<std::string> expanded;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        const std::string_view folder = argument.substr(0, folder_end(argument));
        const std::string_view pattern = argument.substr(folder.size());
        std::vector<std::string> names;
        // A wildcard in the folder part is left as typed: it would need
        // every folder it matches searched in turn.
        if (!quoted[i] && !is_option(argument) && has_wildcard(pattern) &&
            !has_wildcard(folder)) {
            names = matching_names(folder, pattern);
        }
        if (names.empty()) {
            expanded.push_back(arguments[i]);  // so that the message names it
        } else {
            expanded.insert(expanded.end(), names.begin(), names.end());
        }
    }
    return expanded;
}

}  // namespace velkord::platform
