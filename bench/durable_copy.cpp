// The least that replacing a file durably costs: a copy of SOURCE made by
// reading and writing (never cloned) into a new file beside DESTINATION,
// flushed to the disk, renamed over DESTINATION, and the folder flushed.
// The floor that the benchmark measures velkord against. POSIX only.
//
//   durable_copy SOURCE DESTINATION
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: durable_copy SOURCE DESTINATION\n");
        return 2;
    }
    const std::string destination = argv[2];
    const std::string temporary = destination + ".durable-copy.tmp";
    const int in = open(argv[1], O_RDONLY);
    const int out = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0) {
        std::perror("durable_copy");
        return 1;
    }
    std::vector<char> block(128 * 1024);
    for (;;) {
        const ssize_t got = read(in, block.data(), block.size());
        if (got < 0) {
            std::perror("durable_copy: read");
            return 1;
        }
        if (got == 0) {
            break;
        }
        if (write(out, block.data(), static_cast<size_t>(got)) != got) {
            std::perror("durable_copy: write");
            return 1;
        }
    }
    if (fsync(out) != 0 || close(out) != 0 || close(in) != 0 ||
        std::rename(temporary.c_str(), destination.c_str()) != 0) {
        std::perror("durable_copy");
        return 1;
    }
    const std::string::size_type slash = destination.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : destination.substr(0, slash + 1);
    const int directory = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (directory >= 0) {
        fsync(directory);
        close(directory);
    }
    return 0;
}
