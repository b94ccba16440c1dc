// The platform layer on Windows: every name goes to the system as UTF-16
// through the wide functions, never through the ANSI code page, which cannot
// hold most of the names users give their files.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cwchar>
#include <random>

#include "platform/platform.h"
#include "platform/wildcards.h"

namespace velkord::platform {
namespace {

namespace fs = std::filesystem;

// The attributes that SetFileAttributesW can give a file back.
constexpr DWORD settable_attributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
    FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED |
    FILE_ATTRIBUTE_OFFLINE | FILE_ATTRIBUTE_TEMPORARY;

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

bool starts_with(const std::wstring& text, const wchar_t* prefix) {
    return text.compare(0, std::wcslen(prefix), prefix) == 0;
}

// The full path that the system itself makes of a name before it uses it:
// drive and current folder filled in, "." and ".." resolved, trailing dots
// and spaces dropped, and a device name such as NUL, "com1:" or "C:\x\nul.txt"
// turned into \\.\NUL or \\.\COM1. Empty when that fails.
std::wstring full_path(const wchar_t* name) {
    const DWORD size = GetFullPathNameW(name, 0, nullptr, nullptr);
    if (size == 0) {
        return std::wstring();
    }
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(name, size, full.data(), nullptr);
    if (length == 0 || length >= size) {
        return std::wstring();
    }
    full.resize(length);
    return full;
}

// The device that the system takes a name for, if any. Which names those are
// is the system's to say (it changes between versions), so no list is kept.
std::optional<std::wstring> device_path(const fs::path& path) {
    std::wstring full = full_path(path.c_str());
    if (starts_with(full, LR"(\\.\)")) {
        return full;
    }
    return std::nullopt;
}

// A name as the system can open it. Past MAX_PATH characters, for the name
// or for a temporary file beside it, only the \\?\ form of the full path
// reaches it when long paths are not turned on for the whole system; below
// that the name stays as given, so that a relative name stays relative.
std::wstring reachable(const std::wstring& name) {
    const std::wstring full = full_path(name.c_str());
    if (full.empty() || starts_with(full, LR"(\\?\)") || starts_with(full, LR"(\\.\)")) {
        return name;  // already in that form, or a device
    }
    const std::size_t folder_end = full.find_last_of(L'\\');
    const std::size_t temporary_size =
        folder_end == std::wstring::npos ? 0 : folder_end + 1 + temporary_name_room;
    if (std::max(full.size(), temporary_size) < MAX_PATH) {
        return name;
    }
    if (starts_with(full, LR"(\\)")) {
        return LR"(\\?\UNC\)" + full.substr(2);  // \\server\share\...
    }
    return LR"(\\?\)" + full;
}

FileKind kind_of_error(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return FileKind::missing;
        default:
            // No such drive, server or share, a name that no file can have
            // (a?b), no right to look: nothing can be made there either.
            return FileKind::unknown;
    }
}

// FILETIME counts 100 ns from 1601; files here count seconds from 1970.
constexpr std::int64_t filetime_per_second = 10000000;
constexpr std::int64_t filetime_of_1970 = 116444736000000000;

std::int64_t seconds_of(const FILETIME& time) {
    const std::int64_t ticks =
        static_cast<std::int64_t>((std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime);
    return (ticks - filetime_of_1970) / filetime_per_second;
}

FileInfo info_of(DWORD attributes, DWORD size_high, DWORD size_low, const FILETIME& written) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        return {FileKind::directory, 0, 0};
    }
    return {FileKind::regular, (std::uint64_t{size_high} << 32) | size_low, seconds_of(written)};
}

// Opens whatever a name leads to, links followed, only to look at it: any
// other program's use of the file allows that, and the backup flag lets
// folders be opened too.
HANDLE open_to_look(const fs::path& path) {
    return CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// Where a file is: its volume and its number there, which no other file on
// that volume has while it exists.
FileId id_of(const BY_HANDLE_FILE_INFORMATION& data) {
    return FileId{data.dwVolumeSerialNumber,
                  (std::uint64_t{data.nFileIndexHigh} << 32) | data.nFileIndexLow};
}

std::optional<FileId> identity_of(const fs::path& path) {
    const HANDLE handle = open_to_look(path);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION data;
    const bool known = GetFileInformationByHandle(handle, &data) != 0;
    CloseHandle(handle);
    if (!known) {
        return std::nullopt;
    }
    return id_of(data);
}

std::wstring final_path(HANDLE handle) {
    const DWORD flags = FILE_NAME_NORMALIZED | VOLUME_NAME_DOS;
    const DWORD size = GetFinalPathNameByHandleW(handle, nullptr, 0, flags);
    if (size == 0) {
        return std::wstring();
    }
    std::wstring path(size, L'\0');
    const DWORD length = GetFinalPathNameByHandleW(handle, path.data(), size, flags);
    if (length == 0 || length >= size) {
        return std::wstring();
    }
    path.resize(length);
    return path;
}

// A C stream that owns `handle` from then on, or null (the handle closed).
std::FILE* stream_of(HANDLE handle, int flags, const char* mode) {
    const int descriptor =
        _open_osfhandle(reinterpret_cast<std::intptr_t>(handle), flags | _O_BINARY);
    if (descriptor == -1) {
        CloseHandle(handle);
        return nullptr;
    }
    std::FILE* file = _fdopen(descriptor, mode);
    if (!file) {
        _close(descriptor);
    }
    return file;
}

// A console shows characters, whatever its code page, and wants CR LF.
bool write_console(HANDLE console, const std::string& text) {
    std::wstring wide;
    for (const wchar_t c : widen(text)) {
        if (c == L'\n') {
            wide += L'\r';
        }
        wide += c;
    }
    // Consoles before Windows 8 refuse a single write of much over 64 KiB.
    constexpr std::size_t most = 8192;
    std::size_t done = 0;
    while (done < wide.size()) {
        DWORD part = static_cast<DWORD>(std::min(wide.size() - done, most));
        if (done + part < wide.size() && IS_HIGH_SURROGATE(wide[done + part - 1])) {
            --part;  // a character is never cut in two
        }
        DWORD written = 0;
        if (!WriteConsoleW(console, wide.data() + done, part, &written, nullptr) ||
            written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

// Runs on a thread of its own; the list is made for that.
BOOL WINAPI remove_and_end(DWORD) {
    for (const RemovedOnInterrupt* file = RemovedOnInterrupt::first(); file;
         file = file->next()) {
        // The file was opened for sharing deletion: it goes when the
        // process ends and closes it.
        DeleteFileW(file->name());
    }
    return FALSE;  // the default handler then ends the process
}

// The byte that runs lock, at 2^62: far past any end a LIF image can have
// (its entries end below 2^33 sectors, 2^41 bytes), so that no reader of
// the image's bytes is ever refused.
constexpr DWORD lock_offset_high = 0x40000000;

// Opens a file to read it, sharing reading, writing and deletion with
// every other handle, so that a run that changes a volume can replace it.
HANDLE open_shared(const fs::path& path) {
    return CreateFileW(path.c_str(), GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE handle_of(std::FILE* file) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
}

}  // namespace

std::vector<std::string> utf8_arguments(int argc, wchar_t* argv[]) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(narrow(argv[i], std::wcslen(argv[i])));
    }
    // cmd and PowerShell pass "*.txt" on as typed.
    return expand_wildcards(arguments, quoted_arguments(argc, argv));
}

void prepare_process() {
    // A drive without its disk or card fails like any other, instead of
    // stopping the run on a dialog box.
    SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    // Ctrl+C, Ctrl+Break, and closing the console window or logging off.
    SetConsoleCtrlHandler(remove_and_end, TRUE);
}

SystemError last_error() { return SystemError{static_cast<int>(GetLastError())}; }

bool is_in_use(SystemError error) {
    return error.code == ERROR_SHARING_VIOLATION || error.code == ERROR_LOCK_VIOLATION;
}

bool print(const std::string& text, Stream stream) {
    const bool error = stream == Stream::error;
    const HANDLE handle = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        return write_console(handle, text);
    }
    // Redirected: UTF-8 bytes, and the C runtime's text mode makes each line
    // end CR LF, as Windows programs write them.
    std::FILE* to = error ? stderr : stdout;
    return std::fwrite(text.data(), 1, text.size(), to) == text.size() &&
           std::fflush(to) == 0;
}

fs::path to_path(const std::string& name) {
    return fs::path(reachable(widen(name)));
}

std::FILE* open_file(const fs::path& path, const char* mode) {
    // A file is read sharing deletion too: a run that changes a volume must
    // be able to put its new image in the place of one that another run is
    // reading. (Devices refuse that sharing: they are opened as before.)
    if (mode[0] == 'r' && file_info(path).kind == FileKind::regular) {
        const HANDLE handle = open_shared(path);
        if (handle != INVALID_HANDLE_VALUE) {
            return stream_of(handle, _O_RDONLY, "rb");
        }
    }
    return _wfopen(path.c_str(), widen(mode).c_str());
}

bool seek(std::FILE* file, std::uint64_t offset) {
    return offset <= static_cast<std::uint64_t>(INT64_MAX) &&
           _fseeki64(file, static_cast<__int64>(offset), SEEK_SET) == 0;
}

FileInfo file_info(const fs::path& path) {
    if (device_path(path)) {
        return {FileKind::device, 0};
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return {kind_of_error(GetLastError()), 0};
    }
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        return info_of(data.dwFileAttributes, data.nFileSizeHigh, data.nFileSizeLow,
                       data.ftLastWriteTime);
    }
    // A link's own attributes say nothing of the file it leads to.
    const HANDLE handle = open_to_look(path);
    if (handle == INVALID_HANDLE_VALUE) {
        return {kind_of_error(GetLastError()), 0};
    }
    BY_HANDLE_FILE_INFORMATION target;
    const bool known = GetFileInformationByHandle(handle, &target) != 0;
    CloseHandle(handle);
    if (!known) {
        return {};
    }
    return info_of(target.dwFileAttributes, target.nFileSizeHigh, target.nFileSizeLow,
                   target.ftLastWriteTime);
}

FileInfo file_info(std::FILE* file) {
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    if (handle == INVALID_HANDLE_VALUE) {
        return {};
    }
    switch (GetFileType(handle)) {
        case FILE_TYPE_CHAR:
            return {FileKind::device, 0};
        case FILE_TYPE_PIPE:
            return {FileKind::other, 0};
        case FILE_TYPE_DISK: {
            BY_HANDLE_FILE_INFORMATION data;
            if (!GetFileInformationByHandle(handle, &data)) {
                return {};
            }
            return info_of(data.dwFileAttributes, data.nFileSizeHigh, data.nFileSizeLow,
                           data.ftLastWriteTime);
        }
        default:
            return {};
    }
}

std::optional<bool> same_file(const fs::path& first, const fs::path& second) {
    // Names are no guide: SUBST and network drives, 8.3 names and trailing
    // dots give one file many. The system's own numbers for it are.
    const std::optional<std::wstring> first_device = device_path(first);
    const std::optional<std::wstring> second_device = device_path(second);
    if (first_device || second_device) {
        return first_device && second_device &&
               CompareStringOrdinal(first_device->c_str(), -1,
                                    second_device->c_str(), -1, TRUE) == CSTR_EQUAL;
    }
    const std::optional<FileId> a = identity_of(first);
    const std::optional<FileId> b = identity_of(second);
    if (!a || !b) {
        return std::nullopt;
    }
    return *a == *b;
}

fs::path link_target(const fs::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        return path;
    }
    const HANDLE handle = open_to_look(path);
    if (handle == INVALID_HANDLE_VALUE) {
        return path;  // a link to nothing yet
    }
    const std::wstring target = final_path(handle);
    CloseHandle(handle);
    return target.empty() ? path : fs::path(target);
}

std::optional<int> named_descriptor(const fs::path&) {
    return std::nullopt;  // Windows has no names such as /dev/stdout
}

std::FILE* open_descriptor(int descriptor, const char* mode) {
    const int copy = _dup(descriptor);
    if (copy < 0) {
        return nullptr;
    }
    // The bytes as they are, whatever mode the original has: no CR LF
    // made of LF, no Ctrl+Z taken for the end.
    _setmode(copy, _O_BINARY);
    std::FILE* file = _fdopen(copy, mode);
    if (!file) {
        _close(copy);
    }
    return file;
}

bool set_modified_time(std::FILE* file, std::int64_t seconds) {
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    const std::uint64_t ticks =
        static_cast<std::uint64_t>(seconds * filetime_per_second + filetime_of_1970);
    FILETIME written;
    written.dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFF);
    written.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return handle != INVALID_HANDLE_VALUE && SetFileTime(handle, nullptr, nullptr, &written);
}

std::FILE* create_new_file(const fs::path& path) {
    // Shared for deletion, so that the console handler can remove it while
    // it is open; shared for reading, so that it may be looked at.
    const HANDLE handle =
        CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                    nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    std::FILE* file = stream_of(handle, _O_WRONLY, "wb");
    if (!file) {
        DeleteFileW(path.c_str());
    }
    return file;
}

std::FILE* create_scratch_file() {
    wchar_t folder[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH) {
        return nullptr;
    }
    std::random_device seed;
    std::minstd_rand random(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::wstring name = reachable(std::wstring(folder, length) + L"velkord-" +
                                            std::to_wstring(random()) + L".tmp");
        // The system deletes it when the last handle closes, even when the
        // process is killed.
        const HANDLE handle = CreateFileW(
            name.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_DELETE, nullptr,
            CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            return stream_of(handle, _O_RDWR, "w+b");
        }
        if (GetLastError() != ERROR_FILE_EXISTS) {
            break;
        }
    }
    return nullptr;
}

void adopt_attributes(std::FILE*, const fs::path&) {
    // replace_file gives the new file what the old one had.
}

bool replace_file(const fs::path& from, const fs::path& to) {
    const DWORD old = GetFileAttributesW(to.c_str());
    if (old == INVALID_FILE_ATTRIBUTES) {
        return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    }
    // ReplaceFileW gives the new file the old one's security, attributes and
    // times. It wants full paths (wine refuses some relative ones), and not
    // every version keeps the attributes, so they are set again: a hidden
    // file stays hidden.
    const DWORD kept = (old & settable_attributes) ? old & settable_attributes
                                                   : FILE_ATTRIBUTE_NORMAL;
    const std::wstring full_from = full_path(from.c_str());
    const std::wstring full_to = full_path(to.c_str());
    if (!full_from.empty() && !full_to.empty() &&
        ReplaceFileW(full_to.c_str(), full_from.c_str(), nullptr,
                     REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS,
                     nullptr, nullptr)) {
        SetFileAttributesW(to.c_str(), kept);
        return true;
    }
    // Some file systems and network shares refuse ReplaceFileW. Without a
    // backup name the new file then still has its own name, and the old one
    // is either intact or already gone: a move replaces or restores it.
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        return false;
    }
    SetFileAttributesW(to.c_str(), kept);
    return true;
}

bool place_new_file(const fs::path& from, const fs::path& to) {
    // Without MOVEFILE_REPLACE_EXISTING the move fails where `to` exists.
    return MoveFileExW(from.c_str(), to.c_str(), 0) != 0;
}

bool remove_file(const fs::path& path) { return DeleteFileW(path.c_str()) != 0; }

bool flush_to_disk(std::FILE* file) {
    return std::fflush(file) == 0 && FlushFileBuffers(handle_of(file)) != 0;
}

void flush_folder(const fs::path&) {
    // Windows flushes no folder; its file systems log the replacement.
}

std::optional<FileId> file_id(const fs::path& path) { return identity_of(path); }

void FileLock::release() {
    if (handle_ != no_handle) {
        CloseHandle(reinterpret_cast<HANDLE>(handle_));  // gives up the lock
        handle_ = no_handle;
    }
}

LockTry try_lock_file(const fs::path& path, FileLock& lock) {
    lock.release();
    const HANDLE handle = open_shared(path);
    if (handle == INVALID_HANDLE_VALUE) {
        return LockTry::failed;
    }
    BY_HANDLE_FILE_INFORMATION data;
    OVERLAPPED place{};
    place.OffsetHigh = lock_offset_high;
    if (!GetFileInformationByHandle(handle, &data) ||
        !LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                    &place)) {
        const DWORD cause = GetLastError();
        CloseHandle(handle);
        SetLastError(cause);
        return cause == ERROR_LOCK_VIOLATION || cause == ERROR_IO_PENDING ? LockTry::busy
                                                                           : LockTry::failed;
    }
    lock.handle_ = reinterpret_cast<std::intptr_t>(handle);
    lock.id_ = id_of(data);
    return LockTry::taken;
}

std::uint64_t copy_in_system(std::FILE*, std::uint64_t, std::FILE*, std::uint64_t,
                             std::uint64_t) {
    return 0;  // the caller reads and writes: Windows has no such call for a part of a file
}

void pause(unsigned milliseconds) { Sleep(milliseconds); }

}  // namespace velkord::platform
