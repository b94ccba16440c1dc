// The program's command line: slash options and file names in any order, all
// read before one operation is chosen and every name is resolved. This is
// the one place that knows the option letters.
#ifndef VELKORD_CLI_COMMAND_LINE_H
#define VELKORD_CLI_COMMAND_LINE_H

#include <string>
#include <vector>

#include "cli/command.h"
#include "report/report.h"

namespace velkord {

// `arguments` are the program's arguments without its own name. An argument
// that begins with '/' is an option, told by its second character alone,
// unless it holds another '/': then it is an absolute path.
CommandSettings parse_command_line(const std::vector<std::string>& arguments);

// What the last name is, where it matters: several files may be copied
// into an existing folder or volume, and added to an existing volume.
enum class LastName { other, folder, volume };

// The one thing a run does, decided from all the settings at once.
Operation choose_operation(const CommandSettings& settings, LastName last = LastName::other);

// The command the arguments give: the operation, and every name it uses
// resolved.
Command make_command(const std::vector<std::string>& arguments);

// Runs the one operation the arguments ask for. The text of an operation
// whose text grows with its input goes to `print` as it is made; the rest
// comes back in the report.
Report run_command_line(const std::vector<std::string>& arguments, const Printer& print);

}  // namespace velkord

#endif
