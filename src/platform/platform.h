// What the program needs from the system that standard C++ does not give in
// the same way everywhere: files opened and replaced by Unicode names, and a
// half-written file cleared away when the run is interrupted. One small file
// per system (posix.cpp, windows.cpp) implements it; nothing else in the
// program depends on the system. Names are UTF-8 everywhere else.
#ifndef VELKORD_PLATFORM_PLATFORM_H
#define VELKORD_PLATFORM_PLATFORM_H

#include <cstdio>
#include <filesystem>
#include <string>

namespace velkord::platform {

// The file system's own form of a UTF-8 name: the same bytes on POSIX
// systems, UTF-16 on Windows.
std::filesystem::path to_path(const std::string& name);

// Opens a file in the given std::fopen mode; null when that fails.
std::FILE* open_file(const std::filesystem::path& path, const char* mode);

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
