#include "command_line/command_line.h"

#include "files/output_file.h"
#include "lif/lif_header.h"
#include "platform/platform.h"
#include "reading/copy_lif_files.h"
#include "volume/named_input.h"
#include "writing/new_volume.h"
#include "writing/purge_files.h"
#include "writing/put_on_volume.h"
#include "reading/show_header.h"
#include "reading/strip_header.h"
#include "reading/strip_text_header.h"
#include "writing/add_header.h"

namespace velkord {
namespace {

// `/t`, `/text` and `/?` are options; `/home/me/x.LEX` is a file, which a
// user must be able to name on every system.
bool is_option(const std::string& argument) {
    return !argument.empty() && argument[0] == '/' &&
           argument.find('/', 1) == std::string::npos;
}

bool same_word(const std::string& argument, const char* word) {
    std::string upper;
    for (const char c : argument) {
        upper += ascii_upper(c);
    }
    return upper == word;
}

void apply_option(CommandSettings& settings, const std::string& argument) {
    const char letter = argument.size() > 1 ? argument[1] : '\0';
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
        // Only as written: a mistyped path that begins with /c, /p or /n
        // copies, purges or makes nothing.
        case 'C':
            settings.copy = settings.copy || same_word(argument, "/C") ||
                            same_word(argument, "/COPY");
            break;
        case 'P':
            settings.purge = settings.purge || same_word(argument, "/P") ||
                             same_word(argument, "/PURGE");
            break;
        case 'N':
            settings.new_volume = settings.new_volume || same_word(argument, "/N") ||
                                  same_word(argument, "/NEW");
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
        if (is_option(argument)) {
            apply_option(settings, argument);
        } else if (!argument.empty()) {
            settings.names.push_back(argument);
        }
    }
    return settings;
}

Operation choose_operation(const CommandSettings& settings, LastName last) {
    if (settings.help) {
        return Operation::show_usage;
    }
    const std::size_t names = settings.names.size();
    if (names == 0) {
        return Operation::no_file_name;
    }
    if (settings.info) {
        return Operation::show_headers;
    }
    // With more names the last would be written: a shell wildcard would
    // then destroy a file the user never named as an output. Only a volume,
    // or for copies a folder, takes many files.
    const bool many = names > 2;
    if (settings.strip) {
        return many ? Operation::too_many_names
                    : settings.type_letter == 'T' ? Operation::strip_text
                                                  : Operation::strip_header;
    }
    if (settings.copy) {
        return names < 2 ? Operation::no_destination
               : many && last == LastName::other ? Operation::too_many_names
                                                 : Operation::copy_files;
    }
    if (settings.purge) {
        return Operation::purge_files;
    }
    if (settings.new_volume) {
        return names > 1 ? Operation::too_many_names : Operation::new_volume;
    }
    return names < 2                             ? Operation::no_destination
           : many && last != LastName::volume ? Operation::too_many_names
                                                 : Operation::add_header;
}

Report run_command_line(const std::vector<std::string>& arguments, const TextOut& out) {
    const CommandSettings settings = parse_command_line(arguments);
    const std::vector<std::string>& names = settings.names;
    // /x with one name writes to no name at all, which fails as such.
    const std::string output_name = names.size() >= 2 ? names.back() : std::string();
    // Only adding and copying look at what their last name is.
    const bool writes_last = names.size() >= 2 && !settings.help && !settings.info &&
                             !settings.strip && !settings.purge && !settings.new_volume;
    const NamedDestination destination =
        writes_last ? resolve_destination(output_name) : NamedDestination{};
    const LastName last = destination.kind == DestinationKind::folder   ? LastName::folder
                          : destination.kind == DestinationKind::volume ? LastName::volume
                                                                        : LastName::other;
    const std::vector<std::string> inputs(names.begin(), names.end() - (names.size() >= 2));
    const bool to_volume = destination.kind == DestinationKind::volume ||
                           destination.kind == DestinationKind::file_on_volume;
    Report report;
    switch (choose_operation(settings, last)) {
        case Operation::show_usage:
            return Report{usage_text(), false};
        case Operation::no_file_name:
            return failure("Error: no file name\n");
        case Operation::too_many_names:
            return failure("Error: too many file names\n");
        case Operation::no_destination:
            return failure("Error: no destination file name\n");
        case Operation::show_headers:
            return show_headers(names, out);
        case Operation::strip_header:
            report = strip_header(names[0], output_name);
            break;
        case Operation::strip_text:
            report = strip_text_header(names[0], output_name);
            break;
        case Operation::copy_files:
            report = to_volume ? put_on_volume(inputs, destination, settings.type_letter, true)
                               : copy_lif_files(inputs, output_name);
            break;
        case Operation::purge_files:
            return purge_files(names);
        case Operation::new_volume:
            return new_volume(names[0]);
        case Operation::add_header:
            report = to_volume ? put_on_volume(inputs, destination, settings.type_letter, false)
                               : add_header(names[0], output_name, settings.type_letter);
            break;
    }
    report.to_error_stream = names_standard_output(output_name);
    return report;
}

std::string usage_text() {
    return "VELKORD: add a 32-byte LIF header for file transfer to HP-71B\n"
           "Syntax : VELKORD input_file LIF_file /[L|B|R|T]\n"
           "         VELKORD LIF_file /i\n"
           "         VELKORD LIF_volume /i\n"
           "         VELKORD LIF_file output_file /x\n"
           "Options :\n"
           "  /L : use HP-71B LEX  file type (default)\n"
           "  /B : use HP-71B BIN  file type\n"
           "  /R : use HP-71B ROM  file type\n"
           "  /T : use HP-71B TEXT file type with data conversion\n"
           "  /i : display header information of LIF file\n"
           "  /x : remove header from LIF file\n"
           "  /x /t : turn an HP-71B TEXT file or BASIC program into lines\n"
           "  /c : copy a LIF file as it is, into, out of or between LIF volumes\n"
           "  /p : purge a file from a LIF volume\n"
           "  /n : create an empty LIF volume\n"
           "  /h : help\n"
           "V1.2 - velkord, made by the velkord developers\n";
}

}  // namespace velkord
