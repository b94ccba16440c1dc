// The keywords of HP-71B BASIC and the classes of its tokens: the
// mainframe's one-byte tokens (LEX id 0), and the tables of the LEX files
// that this tool knows: id 1 (built into every HP-71B), 2 (Math Pac) and
// 255 (HP-IL module, tokens 1-38, and KEYBOARD LEX, tokens 39-42). A
// keyword of any other LEX file has no name here, as on an HP-71B that lacks
// that LEX file. Adding a LEX file's table means adding its rows.
#ifndef VELKORD_BASIC_KEYWORDS_H
#define VELKORD_BASIC_KEYWORDS_H

#include <cstddef>
#include <string>

namespace velkord::basic {

enum class Kind : unsigned char {
    statement,          // a keyword that starts a statement
    keyboard,           // a statement typed at the keyboard only
    word,               // a keyword used inside statements
    function,           // a fixed argument count (`args`), or a count nibble (-1)
    prefix_function,    // arguments inside a block of their own (FNROOT)
    unary,
    binary,
    relational,
    integer,            // `args` BCD digits follow
    real,               // `args` mantissa digits and an exponent follow
    digit,              // a one-digit constant
    letter,             // a variable's letter
    name_digit,         // a variable's digit
    string_mark,        // a string variable's $
    quote,
    separator,
    parenthesis,
    marker,             // lists nothing
    end_of_line,
    label_reference,
    line_reference,
    complex,
    user_function,
    element,
    whole_array,
    substring,
    external_function,  // B3: a LEX file's function
    external_keyword,   // EF: a LEX file's keyword
};

enum KeywordFlag : unsigned {
    flag_text = 1u << 0,         // the rest of the statement is text up to 0D
    flag_declaration = 1u << 1,  // a list of names, dimensions and lengths
    flag_own_layout = 1u << 2,   // fields of its own (DEF FN, SUB, CALL)
    flag_hash = 1u << 3,         // a # before the expression that follows
    flag_def_key = 1u << 4,      // listed DEF KEY at the start of a statement
    flag_device = 1u << 5,       // listed :CARD, :PORT... inside arguments
    flag_no_count = 1u << 6,     // a B3 form without a count nibble in OPTION
    flag_file_type = 1u << 7,    // a 4-nibble file type follows the keyword
    flag_renumber = 1u << 8,     // its arguments are bare line numbers
    flag_mat = 1u << 9,          // the Math Pac's MAT
    flag_hpil = 1u << 10,        // an HP-IL statement
    flag_invisible = 1u << 11,   // lists nothing
    flag_name_marker = 1u << 12, // a DE right after it marks a file name
};

struct Keyword {
    unsigned char lex;
    unsigned char token;
    const char* name;  // as the HP-71B lists it; empty for an operand token
    Kind kind;
    signed char args;  // see Kind
    unsigned flags;
};

// The row of `token` in the table of LEX file `lex` (0 for the one-byte
// tokens); null where there is none.
const Keyword* find_keyword(unsigned lex, unsigned token);

// What the HP-71B lists for a keyword or function whose LEX file it lacks:
// the prefix (XWORD, XFN), then the LEX id in decimal, then the token in
// three decimal digits: XWORD255025.
std::string absent_keyword(const char* prefix, unsigned lex, unsigned token);

// All the rows, for checks.
const Keyword* keywords_begin();
const Keyword* keywords_end();

}  // namespace velkord::basic

#endif
