// An input that holds the given bytes, as a regular file of that size.
#ifndef VELKORD_TESTS_SUPPORT_INPUT_HOLDING_H
#define VELKORD_TESTS_SUPPORT_INPUT_HOLDING_H

#include <cstdio>
#include <cstdlib>
#include <string>

#include "files/input_file.h"

namespace velkord {

inline InputFile input_holding(const std::string& bytes) {
    File file(std::tmpfile());
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        std::abort();
    }
    std::rewind(file.get());
    return InputFile(std::move(file), bytes.size());
}

}  // namespace velkord

#endif
