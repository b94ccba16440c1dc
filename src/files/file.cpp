#include "files/file.h"

#include "platform/platform.h"

namespace velkord {

File unbuffered(File file) {
    if (file) {
        std::setvbuf(file.get(), nullptr, _IONBF, 0);
    }
    return file;
}

File open_scratch_file() {
    return unbuffered(File(platform::create_scratch_file()));
}

bool write_bytes(std::FILE* output, const unsigned char* data,
                 std::size_t size) {
    return size == 0 || std::fwrite(data, 1, size, output) == size;
}

}  // namespace velkord
