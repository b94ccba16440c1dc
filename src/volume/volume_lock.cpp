#include "volume/volume_lock.h"

#include <algorithm>
#include <chrono>

namespace velkord {
namespace {

using Clock = std::chrono::steady_clock;
constexpr unsigned retry_ms = 50;
constexpr unsigned missing_patience_ms = 1000;

struct Target {
    std::size_t index;  // in the names
    platform::FileId id;
};

// The images in locking order, each file once; false when one cannot be
// looked at (`which` is then that one).
bool locking_order(const std::vector<std::string>& names, std::vector<Target>& order,
                   std::size_t& which) {
    order.clear();
    for (which = 0; which < names.size(); ++which) {
        const std::optional<platform::FileId> id = platform::file_id(platform::to_path(names[which]));
        if (!id) {
            return false;
        }
        order.push_back(Target{which, *id});
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const Target& a, const Target& b) { return a.id < b.id; });
    order.erase(std::unique(order.begin(), order.end(),
                            [](const Target& a, const Target& b) { return a.id == b.id; }),
                order.end());
    return true;
}

enum class Step { locked, moved, in_use, failed };

// Locks one image, waiting while another run holds it; `moved` when the
// file locked is not, or no longer, the one `target` found.
Step lock_one(const std::string& name, const Target& target, Clock::time_point deadline,
              platform::FileLock& lock, platform::SystemError& cause) {
    const std::filesystem::path path = platform::to_path(name);
    for (;;) {
        switch (platform::try_lock_file(path, lock)) {
            case platform::LockTry::taken:
                return lock.id() == target.id && platform::file_id(path) == target.id
                           ? Step::locked
                           : Step::moved;
            case platform::LockTry::failed:
                cause = platform::last_error();
                // Gone meanwhile: perhaps being replaced (see lock_volumes).
                return platform::file_id(path) ? Step::failed : Step::moved;
            case platform::LockTry::busy:
                break;
        }
        if (Clock::now() >= deadline) {
            return Step::in_use;
        }
        platform::pause(retry_ms);
    }
}

}  // namespace

VolumeLocks lock_volumes(const std::vector<std::string>& image_names, unsigned patience_ms) {
    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline = start + std::chrono::milliseconds(patience_ms);
    VolumeLocks locks;
    std::vector<Target> order;
    for (;;) {
        locks.held.clear();
        if (!locking_order(image_names, order, locks.which)) {
            // Where a replacement is not one step (ReplaceFileW can take the
            // old file away before the new one has its name), a volume that
            // another run is replacing is missing for a moment.
            if (Clock::now() - start < std::chrono::milliseconds(missing_patience_ms)) {
                platform::pause(retry_ms);
                continue;
            }
            locks.end = LockEnd::failed;
            locks.cause = platform::last_error();
            return locks;
        }
        Step step = Step::locked;
        for (const Target& target : order) {
            platform::FileLock lock;
            step = lock_one(image_names[target.index], target, deadline, lock, locks.cause);
            locks.which = target.index;
            if (step != Step::locked) {
                break;
            }
            locks.held.push_back(std::move(lock));
        }
        switch (step) {
            case Step::locked:
                return locks;
            case Step::in_use:
                locks.held.clear();
                locks.end = LockEnd::in_use;
                return locks;
            case Step::failed:
                locks.held.clear();
                locks.end = LockEnd::failed;
                return locks;
            case Step::moved:
                // Another run put a new image in its place: the order is
                // made again from the files as they are now.
                if (Clock::now() >= deadline) {
                    locks.held.clear();
                    locks.end = LockEnd::in_use;
                    return locks;
                }
                break;
        }
    }
}

}  // namespace velkord
