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
    std::string first_name;
    std::string second_name;  // the last of the names after the first
};

// `arguments` are the program's arguments without its own name. An argument
// that begins with '/' is an option, told by its second character alone.
CommandSettings parse_command_line(const std::vector<std::string>& arguments);

// Parses the arguments, then runs the one operation they ask for.
Report run_command_line(const std::vector<std::string>& arguments);

std::string usage_text();

}  // namespace velkord

#endif
