#include "command_line/command_line.h"

#include "reading/show_header.h"
#include "reading/strip_header.h"
#include "reading/strip_text_header.h"
#include "writing/add_header.h"

namespace velkord {
namespace {

char ascii_upper(char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }

void apply_option(CommandSettings& settings, char letter) {
    switch (ascii_upper(letter)) {
        case '?':
        case 'H':
            settings.help = true;
            break;
        case 'B':
        case 'R':
        case 'T':
            settings.type_letter = ascii_upper(letter);
            break;
        case 'I':
            settings.info = true;
            break;
        case 'X':
            settings.strip = true;
            break;
        default:
            // /L, a lone '/' and any other option change nothing.
            break;
    }
}

}  // namespace

CommandSettings parse_command_line(const std::vector<std::string>& arguments) {
    CommandSettings settings;
    for (const std::string& argument : arguments) {
        if (!argument.empty() && argument[0] == '/') {
            apply_option(settings, argument.size() > 1 ? argument[1] : '\0');
        } else if (settings.first_name.empty()) {
            settings.first_name = argument;
        } else {
            settings.second_name = argument;
        }
    }
    return settings;
}

Report run_command_line(const std::vector<std::string>& arguments) {
    const CommandSettings settings = parse_command_line(arguments);
    if (settings.help) {
        return Report{usage_text(), false};
    }
    if (settings.first_name.empty()) {
        return failure("Error: no file name\n");
    }
    if (settings.info) {
        return show_header(settings.first_name);
    }
    if (settings.strip) {
        return settings.type_letter == 'T'
                   ? strip_text_header(settings.first_name, settings.second_name)
                   : strip_header(settings.first_name, settings.second_name);
    }
    if (!settings.second_name.empty()) {
        return add_header(settings.first_name, settings.second_name,
                          settings.type_letter);
    }
    return failure("Error: no destination file name\n");
}

std::string usage_text() {
    return "VELKORD: add a 32-byte LIF header for file transfer to HP-71B\n"
           "Syntax : VELKORD input_file LIF_file /[L|B|R|T]\n"
           "         VELKORD LIF_file /i\n"
           "         VELKORD LIF_file output_file /x\n"
           "Options :\n"
           "  /L : use HP-71B LEX  file type (default)\n"
           "  /B : use HP-71B BIN  file type\n"
           "  /R : use HP-71B ROM  file type\n"
           "  /T : use HP-71B TEXT file type with data conversion\n"
           "  /i : display header information of LIF file\n"
           "  /x : remove header from LIF file\n"
           "  /h : help\n"
           "V1.2 - velkord, made by the velkord developers\n";
}

}  // namespace velkord
