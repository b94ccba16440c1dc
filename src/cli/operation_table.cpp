#include "cli/operation_table.h"

#include <algorithm>
#include <iterator>

#include "cli/usage.h"
#include "operations/add_header.h"
#include "operations/copy_files.h"
#include "operations/list_lines.h"
#include "operations/new_volume.h"
#include "operations/purge_files.h"
#include "operations/put_on_volume.h"
#include "operations/show_header.h"
#include "operations/strip_header.h"

namespace velkord {
namespace {

Report run_usage(const Command&, const TextOut&) { return Report{usage_text(), false}; }

Report run_version(const Command&, const TextOut&) {
    return Report{"velkord " + version_text() + "\n", false};
}

Report run_show_headers(const Command& command, const TextOut& out) {
    return show_headers(command.inputs, out);
}

Report run_strip_header(const Command& command, const TextOut&) {
    return strip_header(command.inputs.front(), command.destination.typed);
}

Report run_list_lines(const Command& command, const TextOut&) {
    return list_lines(command.inputs.front(), command.destination.typed);
}

// Onto a volume, files are put; elsewhere they are copied out.
Report run_copy_files(const Command& command, const TextOut& out) {
    return is_on_volume(command.destination)
               ? put_on_volume(command.inputs, command.destination, PutMode::copy, command.format,
                               out)
               : copy_files(command.inputs, command.destination);
}

Report run_purge_files(const Command& command, const TextOut&) {
    return purge_files(command.inputs);
}

Report run_new_volume(const Command& command, const TextOut&) {
    return new_volume(command.destination);
}

Report run_add_header(const Command& command, const TextOut& out) {
    return is_on_volume(command.destination)
               ? put_on_volume(command.inputs, command.destination, PutMode::add, command.format,
                               out)
               : add_header(command.inputs.front(), command.destination, command.format, out);
}

// `/c`, `/p` and `/n` count only as written, or as their long forms: a
// mistyped path that begins with /c, /p or /n copies, purges or makes
// nothing.
constexpr OperationRow rows[] = {
    {'H', nullptr, Operation::show_usage, Names::none, run_usage},
    {'?', nullptr, Operation::show_usage, Names::none, run_usage},
    {'I', nullptr, Operation::show_headers, Names::any, run_show_headers},
    {'X', nullptr, Operation::strip_header, Names::pair, run_strip_header},
    {'C', "COPY", Operation::copy_files, Names::many_into, run_copy_files},
    {'P', "PURGE", Operation::purge_files, Names::any, run_purge_files},
    {'N', "NEW", Operation::new_volume, Names::one, run_new_volume},
    // No option of their own: --version, /x with /t, and adding a header.
    {'\0', nullptr, Operation::show_version, Names::none, run_version},
    {'\0', nullptr, Operation::list_lines, Names::pair, run_list_lines},
    {'\0', nullptr, Operation::add_header, Names::many_onto, run_add_header},
};

}  // namespace

const OperationRow* operation_rows_begin() { return std::begin(rows); }
const OperationRow* operation_rows_end() { return std::end(rows); }

const OperationRow* find_operation_row(Operation operation) {
    const OperationRow* row = std::find_if(
        std::begin(rows), std::end(rows),
        [operation](const OperationRow& candidate) { return candidate.operation == operation; });
    return row == std::end(rows) ? nullptr : row;
}

}  // namespace velkord
