// Any 32 bytes or more: the header decodes, its display shows the name up to
// its first zero byte with control bytes as '?', then five more lines and a
// sixth exactly when it warns, and encoding gives the bytes back.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "lif/lif_header.h"
#include "reading/show_header.h"

using namespace velkord;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < lif_header_size) {
        return 0;
    }
    LifHeaderBytes bytes;
    std::copy(data, data + lif_header_size, bytes.begin());
    const LifHeader header = parse_lif_header(bytes);

    const std::string text = describe_lif_header(header);
    std::string name(header.name.begin(),
                     std::find(header.name.begin(), header.name.end(), 0));
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = '?';  // no control byte reaches the terminal
        }
    }
    const std::string first_line = "File name = " + name + "\n";
    if (text.compare(0, first_line.size(), first_line) != 0) {
        std::abort();
    }
    const auto later_lines = std::count(text.begin() + first_line.size(), text.end(), '\n');
    if (later_lines != (is_plausible_lif_header(header) ? 5 : 6) || text.back() != '\n') {
        std::abort();
    }
    const LifHeaderBytes again = encode_lif_header(header);
    for (std::size_t i = 0; i < lif_header_size; ++i) {
        if ((i < 20 || i > 25) && again[i] != bytes[i]) {
            std::abort();
        }
    }
    return 0;
}
