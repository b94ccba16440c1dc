// The operations that options ask for, one row each: the option, how many
// names the operation takes, and how it is run. A new operation is one new
// row here, one file under operations/ and a line of the usage text.
#ifndef VELKORD_CLI_OPERATION_TABLE_H
#define VELKORD_CLI_OPERATION_TABLE_H

#include <cstddef>

#include "cli/command.h"
#include "report/report.h"

namespace velkord {

// How many names an operation takes, and what its last name is.
enum class Names {
    none,         // names are ignored
    any,          // one or more, all read
    one,          // exactly one, written
    pair,         // an input and its output
    many_into,    // inputs into the last name: two, or more where the last
                  // is an existing folder or volume
    many_onto,    // as many_into, where only a volume takes more than one
};

struct OperationRow {
    char letter;        // the option: '/' and this letter, in any case
    const char* word;   // a long form that counts too ("COPY"); null where
                        // any word that begins with the letter counts
    Operation operation;
    Names names;
    Report (*run)(const Command& command, const TextOut& out);
};

// The rows in the order their options count: the first row whose option
// is given decides what a run does. Adding a header, which no option asks
// for, comes after them.
const OperationRow* operation_rows_begin();
const OperationRow* operation_rows_end();

// The row of an operation; every Operation but the errors has one.
const OperationRow* find_operation_row(Operation operation);

}  // namespace velkord

#endif
