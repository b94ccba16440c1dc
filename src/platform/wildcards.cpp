#include "platform/wildcards.h"

#include <algorithm>
#include <cstddef>

#include "files/case_fold.h"

namespace velkord::platform {
namespace {

bool is_blank(wchar_t c) { return c == L' ' || c == L'\t'; }

// A quoted program name ends at its closing quote, any other at the first
// blank; a backslash is a plain character in it. (Runtimes differ on a
// name that goes on after its closing quote, which quoted_arguments finds.)
std::size_t end_of_program_name(std::wstring_view line) {
    if (!line.empty() && line[0] == L'"') {
        const std::size_t closing = line.find(L'"', 1);
        return closing == std::wstring_view::npos ? line.size() : closing + 1;
    }
    return std::min(line.find_first_of(L" \t"), line.size());
}

// One argument from `at` on, which is no blank; `at` ends after it.
CommandLineArgument next_argument(std::wstring_view line, std::size_t& at) {
    CommandLineArgument argument;
    bool in_quotes = false;
    while (at < line.size() && (in_quotes || !is_blank(line[at]))) {
        const wchar_t c = line[at];
        if (c == L'\\') {
            std::size_t backslashes = 0;
            for (; at < line.size() && line[at] == L'\\'; ++at) {
                ++backslashes;
            }
            if (at < line.size() && line[at] == L'"') {
                // Before a quote, each pair stands for one backslash, and
                // one left over makes the quote a character.
                argument.text.append(backslashes / 2, L'\\');
                if (backslashes % 2 == 1) {
                    argument.text += L'"';
                    ++at;
                }
            } else {
                argument.text.append(backslashes, L'\\');
            }
        } else if (c == L'"') {
            if (in_quotes && at + 1 < line.size() && line[at + 1] == L'"') {
                // As wine's runtime and the C runtime since 2008 take it:
                // "" within quotes is a quote character, and the quotes go
                // on.
                argument.text += L'"';
                at += 2;
            } else {
                in_quotes = !in_quotes;
                argument.quoted = true;
                ++at;
            }
        } else {
            argument.text += c;
            ++at;
        }
    }
    return argument;
}

// The bytes of the UTF-8 character that starts at `at`: its first byte and
// the continuation bytes after it.
std::size_t character_length(std::string_view text, std::size_t at) {
    std::size_t end = at + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        ++end;
    }
    return end - at;
}

// Matches folded names. When the part after a '*' fails, the '*' takes one
// more character of the name and the part is tried again there; an earlier
// '*' never needs to take more, as the later one can take anything.
bool matches_folded(std::string_view pattern, std::string_view name) {
    constexpr std::size_t none = std::string_view::npos;
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t after_star = none;
    std::size_t star_took_to = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            after_star = ++p;
            star_took_to = n;
        } else if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            n += character_length(name, n);
        } else if (p < pattern.size() && pattern[p] == name[n]) {
            ++p;
            ++n;
        } else if (after_star != none) {
            star_took_to += character_length(name, star_took_to);
            p = after_star;
            n = star_took_to;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

}  // namespace

std::vector<CommandLineArgument> split_command_line(std::wstring_view command_line) {
    std::vector<CommandLineArgument> arguments;
    std::size_t at = end_of_program_name(command_line);
    while (true) {
        while (at < command_line.size() && is_blank(command_line[at])) {
            ++at;
        }
        if (at == command_line.size()) {
            return arguments;
        }
        arguments.push_back(next_argument(command_line, at));
    }
}

bool is_option(std::string_view argument) {
    if (argument.empty()) {
        return false;
    }
    return argument[0] == '-' ||
           (argument[0] == '/' && argument.find('/', 1) == std::string_view::npos);
}

bool matches_wildcard(std::string_view pattern, std::string_view name, bool hidden) {
    if (name == "." || name == "..") {
        return false;
    }
    const auto begins_with_dot = [](std::string_view text) {
        return !text.empty() && text[0] == '.';
    };
    if ((hidden || begins_with_dot(name)) && !begins_with_dot(pattern)) {
        return false;
    }
    return matches_folded(fold_case(pattern), fold_case(name));
}

}  // namespace velkord::platform
