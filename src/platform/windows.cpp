// The platform layer on Windows: every name goes to the system as UTF-16
// through the wide functions, never through the ANSI code page, which cannot
// hold most of the names users give their files.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <cwchar>

#include "platform/platform.h"

namespace velkord::platform {
namespace {

std::wstring widen(const std::string& utf8) {
    if (utf8.empty()) {
        return std::wstring();
    }
    const int size = static_cast<int>(utf8.size());
    const int wide_size =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wide_size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), wide_size);
    return wide;
}

std::string narrow(const wchar_t* wide, std::size_t size) {
    if (size == 0) {
        return std::string();
    }
    const int wide_size = static_cast<int>(size);
    const int utf8_size = WideCharToMultiByte(CP_UTF8, 0, wide, wide_size,
                                              nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(utf8_size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, wide_size, utf8.data(), utf8_size,
                        nullptr, nullptr);
    return utf8;
}

// Read by the console handler, which runs on a thread of its own.
std::atomic<const wchar_t*> file_to_remove{nullptr};

BOOL WINAPI remove_and_end(DWORD) {
    if (const wchar_t* name = file_to_remove.load()) {
        // The file was opened for sharing deletion: it goes when the
        // process ends and closes it.
        DeleteFileW(name);
    }
    return FALSE;  // the default handler then ends the process
}

}  // namespace

std::vector<std::string> utf8_arguments(int argc, wchar_t* argv[]) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(narrow(argv[i], std::wcslen(argv[i])));
    }
    return arguments;
}

bool print(const std::string& text) {
    const HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (!GetConsoleMode(console, &mode)) {
        // Redirected: UTF-8 bytes, and the C runtime's text mode makes each
        // line end CR LF, as Windows programs write them.
        return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
               std::fflush(stdout) == 0;
    }
    // A console shows characters, whatever its code page.
    std::wstring wide;
    for (const wchar_t c : widen(text)) {
        if (c == L'\n') {
            wide += L'\r';
        }
        wide += c;
    }
    DWORD written = 0;
    return wide.empty() ||
           (WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()),
                          &written, nullptr) &&
            written == wide.size());
}

std::filesystem::path to_path(const std::string& name) {
    return std::filesystem::path(widen(name));
}

std::FILE* open_file(const std::filesystem::path& path, const char* mode) {
    return _wfopen(path.c_str(), widen(mode).c_str());
}

std::optional<bool> same_file(const std::filesystem::path& first,
                              const std::filesystem::path& second) {
    // Compares the volumes and file indexes of both.
    std::error_code error;
    const bool same = std::filesystem::equivalent(first, second, error);
    if (error) {
        return std::nullopt;
    }
    return same;
}

std::FILE* create_new_file(const std::filesystem::path& path) {
    const HANDLE handle = CreateFileW(
        path.c_str(), GENERIC_READ | GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    const int descriptor =
        _open_osfhandle(reinterpret_cast<std::intptr_t>(handle), _O_BINARY);
    if (descriptor == -1) {
        CloseHandle(handle);
        return nullptr;
    }
    std::FILE* file = _fdopen(descriptor, "w+b");
    if (!file) {
        _close(descriptor);
    }
    return file;
}

bool replace_file(const std::filesystem::path& from,
                  const std::filesystem::path& to) {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

void remove_on_interrupt(const std::filesystem::path* path) {
    static const bool installed = SetConsoleCtrlHandler(remove_and_end, TRUE);
    static_cast<void>(installed);
    file_to_remove.store(path ? path->c_str() : nullptr);
}

}  // namespace velkord::platform
