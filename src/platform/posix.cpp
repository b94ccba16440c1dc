// The platform layer on POSIX systems, where a name is its bytes and
// rename() replaces a file in one step.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>

#include "platform/platform.h"

namespace velkord::platform {
namespace {

namespace fs = std::filesystem;

// Read by the signal handler, so a lock-free atomic and nothing else.
std::atomic<const char*> file_to_remove{nullptr};
static_assert(std::atomic<const char*>::is_always_lock_free);

void remove_and_end(int signal) {
    if (const char* name = file_to_remove.load()) {
        unlink(name);  // async-signal-safe, unlike std::remove
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
    static_cast<void>(fchmod(descriptor, old.st_mode & 0777));
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

void remove_on_interrupt(const fs::path* path) {
    file_to_remove.store(path ? path->c_str() : nullptr);
}

}  // namespace velkord::platform
