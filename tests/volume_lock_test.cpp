// Locks on volumes: a volume that another run holds is waited for and then
// said to be in use; one file named twice is locked once; a file that is
// not there is no lock. (The wait here is short; a run waits 30 seconds.)
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "volume/volume_lock.h"

namespace velkord {
namespace {

namespace fs = std::filesystem;

class VolumeLock : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("velkord-lock-test-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
        for (const char* name : {"a.lif", "b.lif"}) {
            std::ofstream(folder_ / name) << "volume";
        }
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string name(const char* file) const { return (folder_ / file).string(); }

private:
    fs::path folder_;
};

TEST_F(VolumeLock, LocksEachFileOnceInOneOrder) {
    const VolumeLocks locks = lock_volumes({name("b.lif"), name("a.lif"), name("b.lif")}, 0);
    EXPECT_EQ(locks.end, LockEnd::locked);
    EXPECT_EQ(locks.held.size(), 2u);
    EXPECT_TRUE(locks.held[0].id() < locks.held[1].id());
}

TEST_F(VolumeLock, AVolumeHeldByAnotherRunIsInUse) {
    const VolumeLocks other = lock_volumes({name("b.lif")});
    ASSERT_EQ(other.end, LockEnd::locked);
    const VolumeLocks locks = lock_volumes({name("a.lif"), name("b.lif")}, 200);
    EXPECT_EQ(locks.end, LockEnd::in_use);
    EXPECT_EQ(locks.which, 1u);
    EXPECT_TRUE(locks.held.empty());  // a.lif is not kept locked meanwhile
    EXPECT_EQ(lock_volumes({name("a.lif")}, 0).end, LockEnd::locked);
}

TEST_F(VolumeLock, AMissingFileIsNoLock) {
    const VolumeLocks locks = lock_volumes({name("a.lif"), name("none.lif")}, 0);
    EXPECT_EQ(locks.end, LockEnd::failed);
    EXPECT_EQ(locks.which, 1u);
}

}  // namespace
}  // namespace velkord
