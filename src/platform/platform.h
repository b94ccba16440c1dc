// What the program needs from the system that standard C++ does not give in
// the same way everywhere: Unicode arguments and messages, files opened and
// replaced by Unicode names, and a half-written file cleared away when the
// run is interrupted. One small file
// per system (posix.cpp, windows.cpp) implements it; nothing else in the
// program depends on the system. Names are UTF-8 everywhere else.
#ifndef VELKORD_PLATFORM_PLATFORM_H
#define VELKORD_PLATFORM_PLATFORM_H

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velkord::platform {

#ifdef _WIN32
// The arguments after the program's own name, from UTF-16 to UTF-8.
std::vector<std::string> utf8_arguments(int argc, wchar_t* argv[]);
#endif

// Writes UTF-8 text to standard output: to a Windows console as the
// characters it stands for, anywhere else as its bytes (on Windows with
// CR LF line ends). False when that fails.
bool print(const std::string& text);

// The file system's own form of a UTF-8 name: the same bytes on POSIX
// systems, UTF-16 on Windows.
std::filesystem::path to_path(const std::string& name);

// Opens a file in the given std::fopen mode; null when that fails.
std::FILE* open_file(const std::filesystem::path& path, const char* mode);

// Whether two existing files are one: the same file under two names or
// links, or two names of one device. Nothing when the system cannot tell.
std::optional<bool> same_file(const std::filesystem::path& first,
                              const std::filesystem::path& second);

// Creates `path` for binary writing, failing when it exists already. The file
// gets the permissions a new file usually gets, and on Windows it can be
// deleted while it is open, so that an interruption can remove it.
std::FILE* create_new_file(const std::filesystem::path& path);

// Puts the closed file `from` in the place of `to` in one step, replacing
// the file that `to` names, if any.
bool replace_file(const std::filesystem::path& from,
                  const std::filesystem::path& to);

// Names the one file that an interruption (SIGINT, SIGTERM or SIGHUP; Ctrl+C
// or closing the console on Windows) removes before the process ends; null
// for none. The path must stay alive until it is unnamed again.
void remove_on_interrupt(const std::filesystem::path* path);

}  // namespace velkord::platform

#endif
