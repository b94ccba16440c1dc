// Why the HP-71B refuses a typed line, and what it shows for it.
#ifndef VELKORD_BASIC_REFUSAL_H
#define VELKORD_BASIC_REFUSAL_H

namespace velkord::basic {

enum class Refusal : unsigned char {
    none,
    syntax,             // 75
    parenthesis,        // 76 ) Expected
    quote,              // 77 Quote Expected
    excess_chars,       // 78
    illegal_context,    // 79
    invalid_expr,       // 80
    invalid_parm,       // 81
    missing_parm,       // 82
    invalid_var,        // 83
    invalid_filespec,   // 58
    invalid_file_type,  // 63
    hpil_missing_parm,  // the HP-IL module's own: 255004
    hpil_invalid_parm,  // 255005
    hpil_invalid_expr,  // 255006
    hpil_syntax,        // 255007
    line_too_long,      // longer than TRANSFORM takes
};

// What the HP-71B shows: "ERR:Syntax", "HPIL ERR:Missing Parm".
const char* refusal_message(Refusal refusal);

// The warnings of a stored line.
enum class Warning : unsigned char { overflow, underflow };
const char* warning_message(Warning warning);

}  // namespace velkord::basic

#endif
