#include "reading/show_header.h"

#include <cstdio>

#include "reading/show_catalog.h"
#include "report/printable_name.h"
#include "volume/named_input.h"

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

std::string describe_lif_header(const LifHeader& header) {
    // A name from someone else's file must not steer the terminal.
    std::string name;
    for (const unsigned char c : header.name) {
        if (c == 0) {
            break;
        }
        name += static_cast<char>(c);
    }
    std::string text = "File name = " + printable_name(name) + "\n";
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
    return text + plausibility_warning(header);
}

Report show_header(const std::string& name, const TextOut& out) {
    NamedInput file;
    Report report = open_named_input(name, file);
    if (!report.failed && file.kind == InputKind::volume) {
        report = show_catalog(file.input, file.volume, name, out);
    } else if (!report.failed) {
        LifHeader header;
        report = read_lif_header(file.input, header)
                     ? Report{describe_lif_header(header), false}
                     : report_read_error(name);
    }
    out(report.text);
    return Report{std::string(), report.failed};
}

Report show_headers(const std::vector<std::string>& names, const TextOut& out) {
    if (names.size() == 1) {
        return show_header(names[0], out);
    }
    bool failed = false;
    for (const std::string& name : names) {
        out((&name != &names.front() ? "\n==> " : "==> ") + printable_name(name) + " <==\n");
        failed = show_header(name, out).failed || failed;
    }
    return Report{std::string(), failed};
}

}  // namespace velkord
