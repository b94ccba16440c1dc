#include "cli/command_line.h"

#include "cli/operation_table.h"
#include "files/output_file.h"
#include "platform/platform.h"
#include "report/printable_name.h"

namespace velkord {
namespace {

// `/t`, `/text` and `/?` are options; `/home/me/x.LEX` is a file, which a
// user must be able to name on every system.
bool is_option(const std::string& argument) {
    return !argument.empty() && argument[0] == '/' &&
           argument.find('/', 1) == std::string::npos;
}

bool same_word(const std::string& argument, const char* word) {
    return ascii_upper_text(argument) == word;
}

// A row's option: '/' and its letter, then any word, or only its long form
// where it has one.
bool gives(const std::string& argument, const OperationRow& row) {
    const char letter = argument.size() > 1 ? ascii_upper(argument[1]) : '\0';
    if (row.letter == '\0' || letter != row.letter) {
        return false;
    }
    return !row.word || argument.size() == 2 || same_word(argument.substr(1), row.word);
}

void ask(CommandSettings& settings, Operation operation) {
    settings.asked |= 1u << static_cast<unsigned>(operation);
}

void apply_option(CommandSettings& settings, const std::string& argument) {
    const char letter = argument.size() > 1 ? ascii_upper(argument[1]) : '\0';
    switch (letter) {
        case 'L':
            settings.format_given = true;  // and LEX stays the default
            return;
        case 'B':
            // /basic only as written: /b, /bin and any other word are BIN.
            settings.format = same_word(argument, "/BASIC") ? Format::basic : Format::bin;
            settings.format_given = true;
            return;
        case 'R':
            settings.format = Format::rom;
            settings.format_given = true;
            return;
        case 'T':
            settings.format = Format::text;
            settings.format_given = true;
            break;  // /t is also /x's partner
        default:
            break;
    }
    for (const OperationRow* row = operation_rows_begin(); row != operation_rows_end(); ++row) {
        if (gives(argument, *row)) {
            ask(settings, row->operation);
        }
    }
    // A lone '/' and any other option change nothing.
}

// Users of other tools type --help and --version from habit, and they are
// understood; any other word that begins with '-' is refused, so that it
// never names a file by accident. '-' alone is standard input or output.
void apply_dash_word(CommandSettings& settings, const std::string& argument) {
    if (same_word(argument, "--HELP")) {
        ask(settings, Operation::show_usage);
    } else if (same_word(argument, "--VERSION")) {
        ask(settings, Operation::show_version);
    } else if (settings.not_an_option.empty()) {
        settings.not_an_option = argument;
    }
}

// The row that decides: the first one asked for, or adding a header.
const OperationRow& deciding_row(const CommandSettings& settings) {
    for (const OperationRow* row = operation_rows_begin(); row != operation_rows_end(); ++row) {
        if (settings.asks(row->operation)) {
            // /x with /t, or with /basic, lists a TEXT file or a program.
            const bool lines = settings.format == Format::text || settings.format == Format::basic;
            if (row->operation == Operation::strip_header && lines) {
                return *find_operation_row(Operation::list_lines);
            }
            return *row;
        }
    }
    return *find_operation_row(Operation::add_header);
}

// True when the operation writes its last name, which it must then know.
bool writes_last_name(Names names) {
    return names == Names::pair || names == Names::many_into || names == Names::many_onto;
}

}  // namespace

CommandSettings parse_command_line(const std::vector<std::string>& arguments) {
    CommandSettings settings;
    for (const std::string& argument : arguments) {
        if (is_option(argument)) {
            apply_option(settings, argument);
        } else if (argument.size() > 1 && argument[0] == '-') {
            apply_dash_word(settings, argument);
        } else if (!argument.empty()) {
            settings.names.push_back(argument);
        }
    }
    return settings;
}

Operation choose_operation(const CommandSettings& settings, LastName last) {
    if (settings.asks(Operation::show_usage)) {
        return Operation::show_usage;
    }
    if (settings.asks(Operation::show_version)) {
        return Operation::show_version;
    }
    if (!settings.not_an_option.empty()) {
        return Operation::not_an_option;
    }
    const std::size_t names = settings.names.size();
    if (names == 0) {
        return Operation::no_file_name;
    }
    const OperationRow& row = deciding_row(settings);
    // With more names the last would be written: a shell wildcard would
    // then destroy a file the user never named as an output. Only a volume,
    // or for copies a folder, takes many files.
    const bool many = names > 2;
    switch (row.names) {
        case Names::none:
        case Names::any:
            break;
        case Names::one:
            return names > 1 ? Operation::too_many_names : row.operation;
        case Names::pair:
            return many        ? Operation::too_many_names
                   : names < 2 ? Operation::no_destination
                               : row.operation;
        case Names::many_into:
            return names < 2                          ? Operation::no_destination
                   : many && last == LastName::other ? Operation::too_many_names
                                                     : row.operation;
        case Names::many_onto:
            return names < 2                           ? Operation::no_destination
                   : many && last != LastName::volume ? Operation::too_many_names
                                                      : row.operation;
    }
    return row.operation;
}

Command make_command(const std::vector<std::string>& arguments) {
    const CommandSettings settings = parse_command_line(arguments);
    const std::vector<std::string>& names = settings.names;
    Command command;
    command.format = AddFormat{settings.format, settings.format_given};
    command.not_an_option = settings.not_an_option;
    command.names = names.size();
    // Only the operations that take many files into their last name look
    // at it before they are chosen.
    LastName last = LastName::other;
    const Operation without_names = choose_operation(settings);
    const bool names_matter = without_names != Operation::show_usage &&
                              without_names != Operation::show_version &&
                              without_names != Operation::not_an_option;
    if (names_matter && names.size() >= 2) {
        const Names wanted = deciding_row(settings).names;
        if (wanted == Names::many_into || wanted == Names::many_onto) {
            command.destination = resolve_name(names.back());
            command.last_decides = true;
            last = command.destination.kind == NameKind::folder   ? LastName::folder
                   : command.destination.kind == NameKind::volume ? LastName::volume
                                                                  : LastName::other;
        }
    }
    command.operation = choose_operation(settings, last);
    const OperationRow* row = find_operation_row(command.operation);
    if (!row || row->names == Names::none) {
        return command;  // a usage text or an error: no name is looked at
    }
    if (row->names == Names::one) {
        command.destination = resolve_name(names.front());
        return command;
    }
    // The last of two or more names is written; with one name there is
    // no output to write.
    const bool writes_last = writes_last_name(row->names) && names.size() >= 2;
    for (std::size_t i = 0; i < names.size() - (writes_last ? 1 : 0); ++i) {
        command.inputs.push_back(resolve_name(names[i]));
    }
    if (writes_last && command.destination.typed.empty()) {
        command.destination = resolve_name(names.back());
    }
    return command;
}

namespace {

// A last name that cannot take what the run would put there. Whether it is
// a volume decides what is done: where that cannot be known, guessing could
// replace a volume with a single file. Where it does not exist, the user
// most likely meant a volume or a folder to be there.
Report refuse_last_name(const Command& command) {
    const Name& last = command.destination;
    if (!command.last_decides) {
        return Report{};
    }
    if (platform::is_in_use(last.cause)) {
        return report_in_use(last.file);
    }
    if (last.kind == NameKind::unreadable) {
        return report_unreadable(last.typed);
    }
    if (last.kind == NameKind::missing && !last.container.empty() && !last.container_exists) {
        return failure("Error: " + printable_name(last.container) +
                       " not found: make the volume first with /n\n");
    }
    if (last.kind == NameKind::missing && command.names > 2) {
        return failure("Error: " + printable_name(last.typed) +
                       " not found: make it first, with /n for a volume or mkdir for a folder\n");
    }
    return Report{};
}

}  // namespace

Report run_command_line(const std::vector<std::string>& arguments, const Printer& print) {
    const Command command = make_command(arguments);
    Report refused = refuse_last_name(command);
    if (refused.failed) {
        refused.to_error_stream = names_standard_output(command.destination.typed);
        return refused;
    }
    switch (command.operation) {
        case Operation::no_file_name:
            return failure("Error: no file name\n");
        case Operation::too_many_names:
            return failure("Error: too many file names\n");
        case Operation::no_destination:
            return failure("Error: no destination file name\n");
        case Operation::not_an_option:
            return failure("Error: " + printable_name(command.not_an_option) +
                           " is not an option: options begin with /; write ./" +
                           printable_name(command.not_an_option) + " for a file of that name\n");
        default:
            break;
    }
    const OperationRow& row = *find_operation_row(command.operation);
    // Where the data go to standard output, the messages must not mix with them.
    const bool to_error_stream =
        writes_last_name(row.names) && names_standard_output(command.destination.typed);
    Report report = row.run(command, [&print, to_error_stream](const std::string& text) {
        print(text, to_error_stream);
    });
    report.to_error_stream = to_error_stream;
    return report;
}

}  // namespace velkord
