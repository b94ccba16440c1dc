// What the program needs from the system that standard C++ does not give in
// the same way everywhere: Unicode arguments and messages, files opened,
// looked at and replaced by Unicode names, and a half-written file cleared
// away when the run is interrupted. One small file per system (posix.cpp,
// windows.cpp, with windows_wildcards.cpp beside it) implements it; nothing
// else in the program depends on the system. Names are UTF-8 everywhere
// else.
#ifndef VELKORD_PLATFORM_PLATFORM_H
#define VELKORD_PLATFORM_PLATFORM_H

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velkord::platform {

#ifdef _WIN32
// The arguments after the program's own name, from UTF-16 to UTF-8, with
// wildcards expanded as a Unix shell expands them (wildcards.h).
std::vector<std::string> utf8_arguments(int argc, wchar_t* argv[]);
#endif

// Called once at the start of a run. An interruption (SIGINT, SIGTERM,
// SIGHUP, SIGQUIT; Ctrl+C or closing the console on Windows) then removes
// the file named by remove_on_interrupt before the process ends, and a
// file-size limit (SIGXFSZ) makes a write fail instead of ending the run.
void prepare_process();

// The system's reason for a failure: errno on POSIX systems, the Windows
// error code on Windows; 0 where none was given.
struct SystemError {
    int code = 0;
};

// The reason the system gave for the last call that failed.
SystemError last_error();

// True when another program holds the file so that it cannot be used now
// (Windows: a sharing violation or a lock); never on POSIX systems, where
// locks only advise.
bool is_in_use(SystemError error);

enum class Stream { output, error };

// Writes UTF-8 text to standard output or standard error: to a Windows
// console as the characters it stands for, anywhere else as its bytes (on
// Windows with CR LF line ends). False when that fails.
bool print(const std::string& text, Stream stream = Stream::output);

// The longest name of a file that is put beside an output while it is
// written (".velkord-XXXXXXXX.tmp").
constexpr std::size_t temporary_name_room = 24;

// The file system's own form of a UTF-8 name: the same bytes on POSIX
// systems; on Windows UTF-16, and a full path with the \\?\ prefix when the
// name, or a temporary file beside it, is too long for the system's usual
// limit.
std::filesystem::path to_path(const std::string& name);

// Opens a file in the given std::fopen mode; null when that fails.
std::FILE* open_file(const std::filesystem::path& path, const char* mode);

// Moves to `offset` from the start of the file, beyond 2 GiB too (where a
// long has 32 bits); false when that fails.
bool seek(std::FILE* file, std::uint64_t offset);

enum class FileKind {
    missing,    // nothing by that name
    regular,
    directory,
    device,     // a terminal, /dev/null, NUL or CON on Windows...
    other,      // a pipe, a socket
    unknown,    // it cannot be looked at
};
struct FileInfo {
    FileKind kind = FileKind::unknown;
    std::uint64_t size = 0;      // of a regular file
    std::int64_t modified = 0;   // of a regular file: seconds since 1970
};

// What a name leads to, links followed.
FileInfo file_info(const std::filesystem::path& path);
// What an open file is.
FileInfo file_info(std::FILE* file);

// Whether two existing files are one: the same file under two names, links,
// drive letters or spellings, or two names of one device. Nothing when the
// system cannot tell.
std::optional<bool> same_file(const std::filesystem::path& first,
                              const std::filesystem::path& second);

// The file that a chain of symbolic links leads to, even one that does not
// exist yet (on Windows, only one that exists); the path itself when it is
// no link.
std::filesystem::path link_target(const std::filesystem::path& path);

// The descriptor of this process that a name stands for (/dev/stdout,
// /dev/stderr, /dev/fd/N, /proc/self/fd/N, or a link to one), if any.
std::optional<int> named_descriptor(const std::filesystem::path& path);

// A stream in the std::fopen mode `mode` ("rb", "wb") through a copy of an
// open descriptor (0 for standard input), where it is, its bytes as they
// are (binary on Windows too); null when the descriptor is not open.
std::FILE* open_descriptor(int descriptor, const char* mode);

// Sets the time an open file was last changed (seconds since 1970); false
// when that fails.
bool set_modified_time(std::FILE* file, std::int64_t seconds);

// Creates `path` for binary writing, failing when it exists already. On
// POSIX only its owner may read it until adopt_attributes; on Windows it has
// its folder's permissions until replace_file gives it the replaced file's,
// and it can be deleted while it is open, so that an interruption can
// remove it.
std::FILE* create_new_file(const std::filesystem::path& path);

// A file for binary reading and writing in the system's temporary folder,
// which goes away when it is closed or the process ends, however it ends.
std::FILE* create_scratch_file();

// Gives the complete new file `file` what the file it is about to replace
// has: owner and group where the system allows it, and permission bits; a
// file that replaces none gets the usual permissions of a new file. What
// cannot be kept is no error.
void adopt_attributes(std::FILE* file, const std::filesystem::path& replaced);

// Puts the closed file `from` in the place of `to` in one step, replacing
// the file that `to` names, if any (keeping its attributes on Windows).
bool replace_file(const std::filesystem::path& from,
                  const std::filesystem::path& to);

// Puts the closed file `from` at `to`, failing when `to` exists, even when
// it appeared a moment ago.
bool place_new_file(const std::filesystem::path& from,
                    const std::filesystem::path& to);

bool remove_file(const std::filesystem::path& path);

// A file that an interruption removes before the process ends, for as long
// as this object lives: a new file beside its destination, not yet in its
// place. Several may be at once (the new images of all the volumes that one
// run changes). `path` must outlive the object.
class RemovedOnInterrupt {
public:
    explicit RemovedOnInterrupt(const std::filesystem::path& path);
    ~RemovedOnInterrupt();
    RemovedOnInterrupt(const RemovedOnInterrupt&) = delete;
    RemovedOnInterrupt& operator=(const RemovedOnInterrupt&) = delete;

    // For the interruption handler, which walks them without taking a lock.
    static const RemovedOnInterrupt* first();
    const RemovedOnInterrupt* next() const { return next_.load(); }
    const std::filesystem::path::value_type* name() const { return name_; }

private:
    const std::filesystem::path::value_type* name_;
    std::atomic<RemovedOnInterrupt*> next_{nullptr};
};

// Makes the bytes written to `file` durable: on the disk itself (F_FULLFSYNC
// where the system has it), so that a power cut after a rename that follows
// cannot leave a name on a file whose data never arrived. False when the
// system says it could not.
bool flush_to_disk(std::FILE* file);

// Makes the renames done in `folder` durable, where the system can flush a
// folder (POSIX; a file system that cannot is no error).
void flush_folder(const std::filesystem::path& folder);

// Where a file is: its device (volume serial on Windows) and its number
// there, which no other file there has while it exists. Ordered, so that
// several files are always locked in one order.
struct FileId {
    std::uint64_t device = 0;
    std::uint64_t number = 0;
    bool operator==(const FileId& other) const {
        return device == other.device && number == other.number;
    }
    bool operator<(const FileId& other) const {
        return device != other.device ? device < other.device : number < other.number;
    }
};

// The file that `path` leads to; nothing when it cannot be looked at.
std::optional<FileId> file_id(const std::filesystem::path& path);

enum class LockTry { taken, busy, failed };

// An exclusive advisory lock that runs of velkord take on a volume while
// they change it: an open handle on the file (sharing reading, writing and
// deletion), given up when it closes. It keeps no reader out: on POSIX a
// flock() lock, which a close of another descriptor of the file does not
// drop; on Windows a lock on one byte far past any end an image can have.
class FileLock {
public:
    FileLock() = default;
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    explicit operator bool() const { return handle_ != no_handle; }
    // The file locked.
    FileId id() const { return id_; }

private:
    static constexpr std::intptr_t no_handle = -1;
    friend LockTry try_lock_file(const std::filesystem::path&, FileLock&);
    void release();

    std::intptr_t handle_ = no_handle;  // a descriptor, or a HANDLE
    FileId id_;
};

// Opens `path` and tries once, without waiting, to lock it: busy when
// another run holds it, failed when it cannot be opened or locked.
LockTry try_lock_file(const std::filesystem::path& path, FileLock& lock);

// Copies up to `count` bytes of `from`, from `from_offset` on, to `to` at
// `to_offset`, inside the system: copy_file_range() on Linux, on the file
// systems where it clones them or copies them on a server. The bytes
// copied: fewer, even none, where the system refuses, has no such call or
// would only copy them more slowly than reading and writing (the caller
// copies the rest itself, and learns then of any real failure). Neither
// stream's position moves.
std::uint64_t copy_in_system(std::FILE* from, std::uint64_t from_offset, std::FILE* to,
                             std::uint64_t to_offset, std::uint64_t count);

// Waits about `milliseconds`.
void pause(unsigned milliseconds);

}  // namespace velkord::platform

#endif
