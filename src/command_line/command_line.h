// The program's command line: slash options and file names in any order, all
// read before one operation is chosen.
#ifndef VELKORD_COMMAND_LINE_COMMAND_LINE_H
#define VELKORD_COMMAND_LINE_COMMAND_LINE_H

#include <string>
#include <vector>

#include "report/report.h"

namespace velkord {

struct CommandSettings {
    char type_letter = 'L';  // L, B, R or T
    bool help = false;
    bool info = false;
    bool strip = false;
    bool copy = false;
    bool purge = false;
    bool new_volume = false;
    std::vector<std::string> names;  // the file names, in the order given
};

// `arguments` are the program's arguments without its own name. An argument
// that begins with '/' is an option, told by its second character alone,
// unless it holds another '/': then it is an absolute path.
CommandSettings parse_command_line(const std::vector<std::string>& arguments);

// The one thing a run does, decided from all the settings at once.
enum class Operation {
    show_usage,
    no_file_name,
    too_many_names,
    show_headers,
    strip_header,
    strip_text,
    copy_files,
    purge_files,
    new_volume,
    add_header,
    no_destination,
};

// What the last name is, where it matters: several files may be copied
// into an existing folder or volume, and added to an existing volume.
enum class LastName { other, folder, volume };

Operation choose_operation(const CommandSettings& settings, LastName last = LastName::other);

// Parses the arguments, then runs the one operation they ask for. The text
// of an operation whose text grows with its input goes to `out` as it is
// made; the rest comes back in the report.
Report run_command_line(const std::vector<std::string>& arguments, const TextOut& out);

std::string usage_text();

}  // namespace velkord

#endif
