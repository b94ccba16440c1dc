#include "operations/show_header.h"

#include <cstdio>

#include "operations/inputs.h"
#include "operations/show_catalog.h"
#include "report/printable_name.h"

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
    if (is_valid_lif_date(header.date)) {
        text += "File date = " + format_lif_date(header.date) + "\n";
    }
    return text + plausibility_warning(header);
}

Report show_header(const Name& name, const TextOut& out) {
    InputFile input;
    Report report = name.kind == NameKind::folder
                        ? failure(printable_name(name.typed) + " is a folder\n")
                        : open_named(name, input);
    if (!report.failed && name.kind == NameKind::volume) {
        report = show_catalog(input, name.volume, name.typed, out);
    } else if (!report.failed) {
        LifHeader header;
        report = read_lif_header(input, header) ? Report{describe_lif_header(header), false}
                                                : report_read_error(name.typed);
    }
    out(report.text);
    return Report{std::string(), report.failed};
}

Report show_headers(const std::vector<Name>& names, const TextOut& out) {
    if (names.size() == 1) {
        return show_header(names[0], out);
    }
    bool failed = false;
    for (const Name& name : names) {
        out((&name != &names.front() ? "\n==> " : "==> ") + printable_name(name.typed) +
            " <==\n");
        failed = show_header(name, out).failed || failed;
    }
    return Report{std::string(), failed};
}

}  // namespace velkord
