// Any 32 bytes or more: the header decodes, its display shows the name up to
// its first zero byte with no control character left in it (none below 0x20,
// no DEL, no C1 in UTF-8, and showing it again changes nothing), then five
// more lines and a sixth exactly when it warns, and encoding gives the bytes
// back.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "lif/lif_header.h"
#include "operations/show_header.h"
#include "report/printable_name.h"

using namespace velkord;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < lif_header_size) {
        return 0;
    }
    LifHeaderBytes bytes;
    std::copy(data, data + lif_header_size, bytes.begin());
    const LifHeader header = parse_lif_header(bytes);

    const std::string text = describe_lif_header(header);
    const std::string prefix = "File name = ";
    const std::size_t line_end = text.find('\n');
    if (text.compare(0, prefix.size(), prefix) != 0 || line_end == std::string::npos) {
        std::abort();
    }
    const std::string shown = text.substr(prefix.size(), line_end - prefix.size());
    const std::string name(header.name.begin(),
                           std::find(header.name.begin(), header.name.end(), 0));
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto c = static_cast<unsigned char>(shown[i]);
        const bool c1 = c == 0xC2 && i + 1 < shown.size() &&
                        (static_cast<unsigned char>(shown[i + 1]) & 0xE0) == 0x80;
        if (c < 0x20 || c == 0x7F || c1) {
            std::abort();
        }
    }
    // Each control character became one '?', so the name never grows.
    if (printable_name(shown) != shown || shown.size() > name.size()) {
        std::abort();
    }
    const std::string first_line = prefix + shown + "\n";
    const auto later_lines = std::count(text.begin() + first_line.size(), text.end(), '\n');
    // The five other fields, a valid date, and a warning for an implausible
    // header.
    const long lines = 5 + (is_valid_lif_date(header.date) ? 1 : 0) +
                       (is_plausible_lif_header(header) ? 0 : 1);
    if (later_lines != lines || text.back() != '\n') {
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
