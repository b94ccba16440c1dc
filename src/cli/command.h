// A run's command: what the command line asks for, decided once. Every name
// is resolved before anything is done, so that nothing below the command
// line asks again what a name is.
#ifndef VELKORD_CLI_COMMAND_H
#define VELKORD_CLI_COMMAND_H

#include <string>
#include <vector>

#include "lif/file_types.h"
#include "operations/add_header.h"
#include "volume/names.h"

namespace velkord {

// The one thing a run does.
enum class Operation {
    show_usage,
    show_version,
    not_an_option,
    no_file_name,
    too_many_names,
    no_destination,
    show_headers,
    strip_header,
    list_lines,
    copy_files,
    purge_files,
    new_volume,
    add_header,
};

// The options and names as given, before any name is looked at.
struct CommandSettings {
    Format format = Format::lex;
    bool format_given = false;  // a type option was written, /L too
    // The operations that options ask for, one bit each (1 << Operation).
    unsigned asked = 0;
    std::vector<std::string> names;  // the file names, in the order given
    // The first argument that begins with '-' and is no option: a habit
    // from other tools, or a file that must be named ./-x.
    std::string not_an_option;

    bool asks(Operation operation) const {
        return (asked >> static_cast<unsigned>(operation)) & 1u;
    }
};

struct Command {
    Operation operation = Operation::show_usage;
    AddFormat format;             // what adding makes, and whether it was asked for
    std::string not_an_option;    // for Operation::not_an_option
    std::size_t names = 0;        // how many names were given
    std::vector<Name> inputs;     // the names read: every name of /i and /p
    Name destination;             // the name written: the last, or the one of /n
    // The last name was looked at to choose the operation: where it is a
    // volume, files go onto it.
    bool last_decides = false;
};

}  // namespace velkord

#endif
