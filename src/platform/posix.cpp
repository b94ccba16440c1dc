// The platform layer on POSIX systems, where a name is its bytes and
// rename() replaces a file in one step.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#ifdef __linux__
#include <sys/vfs.h>
#endif
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>

#include "platform/platform.h"

namespace velkord::platform {
namespace {

namespace fs = std::filesystem;

void remove_and_end(int signal) {
    for (const RemovedOnInterrupt* file = RemovedOnInterrupt::first(); file;
         file = file->next()) {
        unlink(file->name());  // async-signal-safe, unlike std::remove
    }
    // Ends the process the way the signal would have, with its status.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

FileInfo info_of(const struct stat& status) {
    if (S_ISREG(status.st_mode)) {
        return {FileKind::regular, static_cast<std::uint64_t>(status.st_size),
                static_cast<std::int64_t>(status.st_mtime)};
    }
    if (S_ISDIR(status.st_mode)) {
        return {FileKind::directory, 0};
    }
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode)) {
        return {FileKind::device, 0};
    }
    return {FileKind::other, 0};
}

// The descriptor that an absolute, normalized path names by itself.
std::optional<int> descriptor_in(const fs::path& path) {
    const std::string text = path.string();
    if (text == "/dev/stdout") {
        return 1;
    }
    if (text == "/dev/stderr") {
        return 2;
    }
    const std::string own_folder = "/proc/" + std::to_string(getpid()) + "/fd/";
    for (const std::string& folder : {std::string("/dev/fd/"),
                                      std::string("/proc/self/fd/"), own_folder}) {
        if (text.size() > folder.size() && text.size() <= folder.size() + 9 &&
            text.compare(0, folder.size(), folder) == 0 &&
            text.find_first_not_of("0123456789", folder.size()) == std::string::npos) {
            return std::atoi(text.c_str() + folder.size());
        }
    }
    return std::nullopt;
}

// The descriptor a path names as written, or after its folder part is
// resolved (/dev/fd is itself a link, to /proc/<pid>/fd).
std::optional<int> descriptor_of_spelling(const fs::path& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error).lexically_normal();
    if (error) {
        return std::nullopt;
    }
    if (const std::optional<int> descriptor = descriptor_in(absolute)) {
        return descriptor;
    }
    const fs::path folder = fs::canonical(absolute.parent_path(), error);
    return error ? std::nullopt : descriptor_in(folder / absolute.filename());
}

// Where the symbolic link `path` leads; nothing when it is no link (or it
// cannot be read).
std::optional<fs::path> next_link(const fs::path& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) {
        return std::nullopt;
    }
    const fs::path next = fs::read_symlink(path, error);
    if (error) {
        return std::nullopt;
    }
    return next.is_absolute() ? next : path.parent_path() / next;
}

FileId id_of(const struct stat& status) {
    return FileId{static_cast<std::uint64_t>(status.st_dev),
                  static_cast<std::uint64_t>(status.st_ino)};
}

mode_t current_umask() {
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

}  // namespace

void prepare_process() {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        // A signal that the caller ignores (nohup, a background job) stays ignored.
        if (std::signal(signal, remove_and_end) == SIG_IGN) {
            std::signal(signal, SIG_IGN);
        }
    }
    // Past a file-size limit a write then fails, and the run says so.
    std::signal(SIGXFSZ, SIG_IGN);
}

SystemError last_error() { return SystemError{errno}; }

bool is_in_use(SystemError) { return false; }

bool print(const std::string& text, Stream stream) {
    std::FILE* to = stream == Stream::error ? stderr : stdout;
    return std::fwrite(text.data(), 1, text.size(), to) == text.size() &&
           std::fflush(to) == 0;
}

fs::path to_path(const std::string& name) { return fs::path(name); }

std::FILE* open_file(const fs::path& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

bool seek(std::FILE* file, std::uint64_t offset) {
    return offset <= static_cast<std::uint64_t>(INT64_MAX) &&
           fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
}

FileInfo file_info(const fs::path& path) {
    struct stat status;
    if (stat(path.c_str(), &status) != 0) {
        return {errno == ENOENT ? FileKind::missing : FileKind::unknown, 0};
    }
    return info_of(status);
}

FileInfo file_info(std::FILE* file) {
    struct stat status;
    if (fstat(fileno(file), &status) != 0) {
        return {};
    }
    return info_of(status);
}

std::optional<bool> same_file(const fs::path& first, const fs::path& second) {
    struct stat a;
    struct stat b;
    if (stat(first.c_str(), &a) != 0 || stat(second.c_str(), &b) != 0) {
        return std::nullopt;
    }
    if (a.st_dev == b.st_dev && a.st_ino == b.st_ino) {
        return true;
    }
    // Two device nodes made for one device have inodes of their own.
    const bool devices = (S_ISCHR(a.st_mode) && S_ISCHR(b.st_mode)) ||
                         (S_ISBLK(a.st_mode) && S_ISBLK(b.st_mode));
    return devices && a.st_rdev == b.st_rdev;
}

fs::path link_target(const fs::path& link) {
    fs::path path = link;
    // A chain longer than the system itself follows is left as it is;
    // looking at it then fails.
    for (int hop = 0; hop < 40; ++hop) {
        const std::optional<fs::path> next = next_link(path);
        if (!next) {
            break;
        }
        path = *next;
    }
    return path;
}

std::optional<int> named_descriptor(const fs::path& path) {
    // Every name along a chain of links counts: a link to /dev/stdout names
    // standard output, but /proc/self/fd/1 itself leads on to the file that
    // standard output happens to be.
    fs::path at = path;
    for (int hop = 0; hop < 40; ++hop) {
        if (const std::optional<int> descriptor = descriptor_of_spelling(at)) {
            return descriptor;
        }
        const std::optional<fs::path> next = next_link(at);
        if (!next) {
            break;
        }
        at = *next;
    }
    return std::nullopt;
}

std::FILE* open_descriptor(int descriptor, const char* mode) {
    const int copy = dup(descriptor);
    if (copy < 0) {
        return nullptr;
    }
    std::FILE* file = fdopen(copy, mode);
    if (!file) {
        close(copy);
    }
    return file;
}

bool set_modified_time(std::FILE* file, std::int64_t seconds) {
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;  // the time it was last read stays
    times[1].tv_sec = static_cast<time_t>(seconds);
    times[1].tv_nsec = 0;
    return futimens(fileno(file), times) == 0;
}

std::FILE* create_new_file(const fs::path& path) {
    // Private until it is complete: the data of a file that only its owner
    // may read never lie open to others, not even after a SIGKILL.
    const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (descriptor < 0) {
        return nullptr;
    }
    std::FILE* file = fdopen(descriptor, "wb");
    if (!file) {
        close(descriptor);
        unlink(path.c_str());
    }
    return file;
}

std::FILE* create_scratch_file() {
    std::error_code error;
    fs::path folder = fs::temp_directory_path(error);
    if (error) {
        folder = "/tmp";
    }
    std::string name = (folder / "velkord-XXXXXX").string();
    const int descriptor = mkstemp(name.data());
    if (descriptor < 0) {
        return nullptr;
    }
    // Unnamed at once, so that it goes when it is closed, whatever ends the run.
    unlink(name.c_str());
    std::FILE* file = fdopen(descriptor, "w+b");
    if (!file) {
        close(descriptor);
    }
    return file;
}

void adopt_attributes(std::FILE* file, const fs::path& replaced) {
    const int descriptor = fileno(file);
    struct stat old;
    if (stat(replaced.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) {
        static_cast<void>(fchmod(descriptor, 0666 & ~current_umask()));
        return;
    }
    // Owner and group where allowed (as root), else the group alone (as a
    // member of it), else neither, as `sed -i` does; changing the owner may
    // clear mode bits, so the mode comes last.
    if (fchown(descriptor, old.st_uid, old.st_gid) != 0) {
        static_cast<void>(fchown(descriptor, static_cast<uid_t>(-1), old.st_gid));
    }
    // The whole mode, setgid and sticky bits too (the system clears setgid
    // itself for a user outside the group).
    static_cast<void>(fchmod(descriptor, old.st_mode & 07777));
}

bool replace_file(const fs::path& from, const fs::path& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool place_new_file(const fs::path& from, const fs::path& to) {
    // A second name for it fails where `to` exists; the first then goes.
    if (link(from.c_str(), to.c_str()) == 0) {
        unlink(from.c_str());
        return true;
    }
    if (errno == EEXIST) {
        return false;
    }
    // File systems without links (FAT, some network shares): a rename,
    // after a look, which leaves only a moment for another file to appear.
    struct stat status;
    return lstat(to.c_str(), &status) != 0 && errno == ENOENT &&
           std::rename(from.c_str(), to.c_str()) == 0;
}

bool remove_file(const fs::path& path) { return unlink(path.c_str()) == 0; }

bool flush_to_disk(std::FILE* file) {
    if (std::fflush(file) != 0) {
        return false;
    }
    const int descriptor = fileno(file);
#ifdef F_FULLFSYNC
    // macOS: fsync() reaches the drive, not its platters; this does.
    if (fcntl(descriptor, F_FULLFSYNC) == 0) {
        return true;
    }
#endif
    return fsync(descriptor) == 0;
}

void flush_folder(const fs::path& folder) {
    const int descriptor =
        open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        // EINVAL or ENOTSUP: a file system that cannot flush a folder. Any
        // other failure comes after the rename, which stands; nothing a run
        // could do would make it surer.
        static_cast<void>(fsync(descriptor));
        close(descriptor);
    }
}

std::optional<FileId> file_id(const fs::path& path) {
    struct stat status;
    if (stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return id_of(status);
}

void FileLock::release() {
    if (handle_ != no_handle) {
        close(static_cast<int>(handle_));  // gives up the lock
        handle_ = no_handle;
    }
}

LockTry try_lock_file(const fs::path& path, FileLock& lock) {
    lock.release();
    // Open for writing where the user may (NFS takes flock() for a byte
    // range lock, which needs it); a run that may not write the volume
    // learns so when it makes the new image.
    int descriptor = open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (descriptor < 0) {
        descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    }
    if (descriptor < 0) {
        return LockTry::failed;
    }
    struct stat status;
    const bool locked =
        fstat(descriptor, &status) == 0 &&
        (flock(descriptor, LOCK_EX | LOCK_NB) == 0 ||
         // A file system that has no locks at all: the run goes on as runs
         // did before there were locks.
         errno == ENOLCK || errno == EOPNOTSUPP);
    if (!locked) {
        const int cause = errno;
        close(descriptor);
        errno = cause;
        return cause == EWOULDBLOCK ? LockTry::busy : LockTry::failed;
    }
    lock.handle_ = descriptor;
    lock.id_ = id_of(status);
    return LockTry::taken;
}

#ifdef __linux__
namespace {

// True for a file system where copy_file_range() saves work: it clones
// the extents (Btrfs, XFS, OCFS2, bcachefs, ZFS) or copies on the server
// (NFS, SMB). Elsewhere (ext4, tmpfs...) it copies the bytes through the
// page cache, slower than reading and writing them in large blocks.
bool copies_in_place(int descriptor) {
    struct statfs system;
    if (fstatfs(descriptor, &system) != 0) {
        return false;
    }
    switch (static_cast<unsigned long>(system.f_type)) {
        case 0x9123683EUL:  // Btrfs
        case 0x58465342UL:  // XFS
        case 0x7461636FUL:  // OCFS2
        case 0xCA451A4EUL:  // bcachefs
        case 0x2FC12FC1UL:  // ZFS
        case 0x6969UL:      // NFS
        case 0xFE534D42UL:  // SMB2
        case 0xFF534D42UL:  // CIFS
            return true;
        default:
            return false;
    }
}

}  // namespace
#endif

std::uint64_t copy_in_system(std::FILE* from, std::uint64_t from_offset, std::FILE* to,
                             std::uint64_t to_offset, std::uint64_t count) {
    std::uint64_t copied = 0;
#ifdef __linux__
    if (from_offset > INT64_MAX || to_offset > INT64_MAX || !copies_in_place(fileno(to))) {
        return 0;
    }
    loff_t in = static_cast<loff_t>(from_offset);
    loff_t out = static_cast<loff_t>(to_offset);
    while (copied < count) {
        // At most 1 GiB a call, as the system itself takes at most 2 GiB.
        const std::size_t part =
            static_cast<std::size_t>(std::min<std::uint64_t>(count - copied, 1 << 30));
        const ssize_t done = copy_file_range(fileno(from), &in, fileno(to), &out, part, 0);
        if (done <= 0) {
            break;  // the end of the input, or refused (EXDEV, ENOSYS...)
        }
        copied += static_cast<std::uint64_t>(done);
    }
#else
    static_cast<void>(from);
    static_cast<void>(from_offset);
    static_cast<void>(to);
    static_cast<void>(to_offset);
    static_cast<void>(count);
#endif
    return copied;
}

void pause(unsigned milliseconds) {
    struct timespec wait;
    wait.tv_sec = static_cast<time_t>(milliseconds / 1000);
    wait.tv_nsec = static_cast<long>(milliseconds % 1000) * 1000000L;
    while (nanosleep(&wait, &wait) != 0 && errno == EINTR) {
    }
}

}  // namespace velkord::platform
