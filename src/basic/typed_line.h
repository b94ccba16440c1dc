// One line of text as the HP-71B takes it when it is typed: the stored
// line (its number and statements as nibbles), or why it is refused.
#ifndef VELKORD_BASIC_TYPED_LINE_H
#define VELKORD_BASIC_TYPED_LINE_H

#include <string_view>
#include <vector>

#include "basic/line_parser.h"

namespace velkord::basic {

enum class LineOutcome {
    stored,
    refused,           // `refusal` says why
    no_line_number,    // it does not begin with a line number
    no_statement,      // a line number alone, or what follows is no statement
};

struct TypedLine {
    LineOutcome outcome = LineOutcome::refused;
    unsigned number = 0;
    Nibbles nibbles;  // the line number, then the statements
    Refusal refusal = Refusal::none;
    std::vector<Warning> warnings;
    std::vector<LinkField> links;  // offsets counted in `nibbles`
};

constexpr unsigned largest_line_number = 9999;

// Longest line that TRANSFORM takes, in bytes.
constexpr std::size_t longest_text_line = 120;

TypedLine type_line(std::string_view line, const KeywordTable& keywords);

}  // namespace velkord::basic

#endif
