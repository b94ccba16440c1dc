#include "reading/show_header.h"

#include <cstdio>

#include "files/file.h"
#include "reading/read_lif_header.h"

namespace velkord {
namespace {

template <typename... Values>
void append_line(std::string& text, const char* format, Values... values) {
    char line[64];
    const int size = std::snprintf(line, sizeof line, format, values...);
    if (size > 0) {
        text.append(line, static_cast<std::size_t>(size));
    }
}

}  // namespace

bool is_plausible_lif_header(const LifHeader& header) {
    return header.start_sector == 0 && header.sector_count <= 0xFFFF &&
           header.implementation_code == lif_implementation_code &&
           header.closing_byte == 0;
}

std::string describe_lif_header(const LifHeader& header) {
    std::string text = "File name = ";
    for (const unsigned char c : header.name) {
        if (c == 0) {
            break;
        }
        text += static_cast<char>(c);
    }
    text += '\n';
    // Start sector and sector count are shown in their low 16 bits only.
    append_line(text, "File type = %04X\n", unsigned{header.file_type});
    append_line(text, "File start sector   = %d\n",
                static_cast<int>(header.start_sector & 0xFFFF));
    append_line(text, "File len in sectors = %d\n",
                static_cast<int>(header.sector_count & 0xFFFF));
    append_line(text, "Implementation code = %04X\n",
                unsigned{header.implementation_code});
    append_line(text, "File length = %ld nibbles (%ld bytes)\n",
                static_cast<long>(header.nibble_count),
                static_cast<long>(payload_bytes(header.nibble_count)));
    if (!is_plausible_lif_header(header)) {
        text += "Warning: probably not a valid LIF header\n";
    }
    return text;
}

Report show_header(const std::string& name) {
    File file = open_input(name);
    if (!file) {
        return report_not_found(name);
    }
    LifHeader header;
    if (!read_lif_header(file.get(), header)) {
        return report_read_error(name);
    }
    return Report{describe_lif_header(header), false};
}

}  // namespace velkord
