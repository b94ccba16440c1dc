// The parts of the platform layer that are the same on every system.
#include "platform/platform.h"

#include <utility>

namespace velkord::platform {
namespace {

// The files an interruption removes, as a list that the handler walks while
// the run may be adding or taking away one: only the run changes it, one
// atomic store at a time, so the handler always finds a whole list.
std::atomic<RemovedOnInterrupt*> head{nullptr};
static_assert(std::atomic<RemovedOnInterrupt*>::is_always_lock_free);

}  // namespace

RemovedOnInterrupt::RemovedOnInterrupt(const std::filesystem::path& path)
    : name_(path.c_str()), next_(head.load()) {
    head.store(this);
}

RemovedOnInterrupt::~RemovedOnInterrupt() {
    std::atomic<RemovedOnInterrupt*>* link = &head;
    while (link->load() && link->load() != this) {
        link = &link->load()->next_;
    }
    if (link->load() == this) {
        link->store(next_.load());
    }
}

const RemovedOnInterrupt* RemovedOnInterrupt::first() { return head.load(); }

FileLock::~FileLock() { release(); }

FileLock::FileLock(FileLock&& other) noexcept
    : handle_(std::exchange(other.handle_, no_handle)), id_(other.id_) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        handle_ = std::exchange(other.handle_, no_handle);
        id_ = other.id_;
    }
    return *this;
}

}  // namespace velkord::platform
