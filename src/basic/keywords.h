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
#include <string_view>
#include <vector>

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

// The keywords a program is read and listed with: the built-in tables, to
// which a LEX file's rows can be added. Searched by token (the lister) and
// by name (the tokenizer, which tries the tables in the HP-71B's order).
class KeywordTable {
public:
    // The tables of the mainframe, LEX 01, the Math Pac and the HP-IL
    // module with the KEYBOARD LEX, the plug-ins in that memory order.
    KeywordTable();
    // One such table, made once.
    static const KeywordTable& builtin();

    // The row of `token` in the table of LEX file `lex` (0 for the one-byte
    // tokens); null where there is none.
    const Keyword* find(unsigned lex, unsigned token) const;

    // True for a one-byte token that is part of an expression: an operand,
    // an operator, a function, a device word, an unquoted name.
    bool is_expression_token(unsigned byte) const {
        return byte < 256 && expression_token_[byte];
    }

    // The rows whose name starts `text` (letters compared without case, a
    // blank of the name optional), in the order the HP-71B tries them: the
    // plug-in LEX files in memory order, then LEX 01, the mainframe last;
    // of each table the longest name typed. Puts at most `room` rows in
    // `found` with the length of text each matched; returns their count.
    struct Match {
        const Keyword* row;
        std::size_t length;
    };
    std::size_t match(std::string_view text, Match* found, std::size_t room) const;

    // Adds the rows of a plug-in LEX file after the others in memory. Its
    // names must outlive the table.
    void add_lex(const std::vector<Keyword>& rows);

    const std::vector<Keyword>& rows() const { return rows_; }

private:
    void index();

    std::vector<Keyword> rows_;  // sorted by LEX id, then token
    std::vector<unsigned> plug_in_order_;  // LEX ids, in memory order
    // For each first letter, the rows typed as words that begin with it,
    // table by table in the order they are tried, with their names (by
    // place, so that a copy of the table finds its own rows).
    struct Named {
        std::size_t row;
        std::string_view name;
    };
    std::vector<Named> by_letter_[26];
    short one_byte_[256];
    bool expression_token_[256];
};

// The length of `name` typed at the start of `text` (case aside, a blank
// of the name optional), or 0 where it is not there.
std::size_t typed_length(std::string_view name, std::string_view text);

// What the HP-71B lists for a keyword or function whose LEX file it lacks:
// the prefix (XWORD, XFN), then the LEX id in decimal, then the token in
// three decimal digits: XWORD255025.
std::string absent_keyword(const char* prefix, unsigned lex, unsigned token);

}  // namespace velkord::basic

#endif
