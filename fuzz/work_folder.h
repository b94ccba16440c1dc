// A folder of the fuzz target's own for the files it writes, removed when
// the run ends.
#ifndef VELKORD_FUZZ_WORK_FOLDER_H
#define VELKORD_FUZZ_WORK_FOLDER_H

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

inline const std::filesystem::path& work_folder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::path made = std::filesystem::temp_directory_path() /
                                     ("velkord-fuzz-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(made);
        std::atexit([] { std::filesystem::remove_all(work_folder()); });
        return made;
    }();
    return folder;
}

#endif
