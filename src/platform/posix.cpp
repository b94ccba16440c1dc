// The platform layer on POSIX systems, where a name is its bytes and
// std::rename replaces a file in one step.
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <csignal>

#include "platform/platform.h"

namespace velkord::platform {
namespace {

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

void install_handlers() {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        // A signal that the caller ignores (nohup, a background job) stays ignored.
        if (std::signal(signal, remove_and_end) == SIG_IGN) {
            std::signal(signal, SIG_IGN);
        }
    }
}

}  // namespace

bool print(const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
}

std::filesystem::path to_path(const std::string& name) {
    return std::filesystem::path(name);
}

std::FILE* open_file(const std::filesystem::path& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

std::optional<bool> same_file(const std::filesystem::path& first,
                              const std::filesystem::path& second) {
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

std::FILE* create_new_file(const std::filesystem::path& path) {
    // "x" creates exclusively, with the usual 0666 less the umask.
    return std::fopen(path.c_str(), "wbx");
}

bool replace_file(const std::filesystem::path& from,
                  const std::filesystem::path& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

void remove_on_interrupt(const std::filesystem::path* path) {
    static const bool installed = (install_handlers(), true);
    static_cast<void>(installed);
    file_to_remove.store(path ? path->c_str() : nullptr);
}

}  // namespace velkord::platform
