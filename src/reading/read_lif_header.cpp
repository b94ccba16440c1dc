#include "reading/read_lif_header.h"

namespace velkord {

bool read_lif_header(std::FILE* file, LifHeader& header) {
    LifHeaderBytes bytes;
    if (std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        return false;
    }
    header = parse_lif_header(bytes);
    return true;
}

}  // namespace velkord
