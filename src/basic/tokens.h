// The byte values of HP-71B BASIC tokens, named once for the lister and
// the tokenizer. A token is one byte of the nibble stream (low nibble
// first); a LEX file's keyword is EF, its LEX id and its token, a LEX
// file's function B3, the id, the token and a count nibble.
#ifndef VELKORD_BASIC_TOKENS_H
#define VELKORD_BASIC_TOKENS_H

#include <cstddef>
#include <cstdint>

#include "lif/file_types.h"

namespace velkord::basic {

// The LEX ids whose tables this tool knows.
namespace lex {
constexpr unsigned mainframe = 0x00;  // the one-byte tokens
constexpr unsigned builtin = 0x01;    // built into every HP-71B
constexpr unsigned math = 0x02;       // Math Pac
constexpr unsigned hpil = 0xFF;       // HP-IL module, then the KEYBOARD LEX
}  // namespace lex

namespace token {

// Operands.
constexpr unsigned marker = 0x00;  // lists nothing: before an INPUT prompt, a many-line DEF FN
// An integer constant: `integer_digits - token` BCD digits follow (2-12).
constexpr unsigned longest_integer = 0x02, shortest_integer = 0x0C, integer_digits = 0x0E;
constexpr unsigned label_reference = 0x0E;
constexpr unsigned line_reference = 0x0F;
// A real constant: `real_digits - token` mantissa digits (1-12), then a
// 3-digit exponent.
constexpr unsigned longest_real = 0x12, shortest_real = 0x1D, real_digits = 0x1E;
constexpr unsigned double_quote = 0x22, single_quote = 0x27;
constexpr unsigned hash = 0x23;  // # before a channel
constexpr unsigned opening_parenthesis = 0x28;
constexpr unsigned closing_parenthesis = 0x29;  // ends DEF FN's parameters
constexpr unsigned string_mark = 0x2D;          // a string variable's $
constexpr unsigned zero = 0x30, nine = 0x39;    // one-digit constants
constexpr unsigned key_direct = 0x3A;           // the : that ends DEF KEY
constexpr unsigned key_typing_aid = 0x3B;       // the ; that ends DEF KEY
constexpr unsigned first_letter = 0x41, last_letter = 0x5A;
constexpr unsigned first_name_digit = 0x60, last_name_digit = 0x69;
constexpr unsigned maxreal = 0x6C;
constexpr unsigned infinity = 0x70;
constexpr unsigned complex_pair = 0x7A;
constexpr unsigned user_function = 0x7C;  // FN; in DEF FN, a one-line definition
constexpr unsigned element = 0x7D;        // an array element; a dimensioned name
constexpr unsigned whole_array = 0x7E;
// A count nibble after FN that marks the function's name as the target
// of an assignment inside its own DEF FN.
constexpr unsigned assignment_target = 0xF;

// Operators.
constexpr unsigned power = 0x80, logical_not = 0x81, negation = 0x82;
constexpr unsigned multiply = 0x83, divide = 0x84, percent = 0x85, integer_divide = 0x86;
constexpr unsigned add = 0x87, subtract = 0x88, concatenate = 0x89;
constexpr unsigned relation = 0x8A;  // a nibble follows: less 1, equal 2, greater 4, unordered 8
constexpr unsigned logical_and = 0x8B, exclusive_or = 0x8C, logical_or = 0x8D;

constexpr unsigned substring = 0xA7;
constexpr unsigned external_function = 0xB3;  // B3 lex token count
constexpr unsigned prefix_function = 0xB4;    // B4 lex token length arguments

// Keywords of the mainframe.
constexpr unsigned copy = 0xB5, lr = 0xB6;
constexpr unsigned def_fn = 0xB9, end_def = 0xBA, list = 0xBB, real = 0xBC;
constexpr unsigned name = 0xBD, destroy = 0xBE, linput = 0xBF;
constexpr unsigned let = 0xC0, sub = 0xC1, end_sub = 0xC2, for_loop = 0xC3;
// NEXT at the start of a statement, an unquoted name (file, subprogram,
// label, device) elsewhere.
constexpr unsigned next = 0xC4, unquoted_name = 0xC4;
constexpr unsigned disp = 0xC5, data = 0xC6, read = 0xC7, input = 0xC9;
constexpr unsigned integer = 0xCA, short_real = 0xCB, dim = 0xCC, print = 0xCD, stat = 0xCE;
constexpr unsigned keys = 0xCF, card = 0xD0, port = 0xD1, main = 0xD2;
constexpr unsigned degrees = 0xD3, radians = 0xD4, add_statement = 0xD5, delay = 0xD6;
constexpr unsigned pause = 0xD7, wait = 0xD8, stop = 0xD9, end = 0xDA, return_statement = 0xDB;
constexpr unsigned gosub = 0xDC, go_to = 0xDD;
// RESTORE; right after RUN or CHAIN, the mark of a file name.
constexpr unsigned restore = 0xDE, file_name_mark = 0xDE;
constexpr unsigned if_then = 0xDF;
// ON and OFF; as words, also ON and OFF of BEEP, USER..., and how a CALL
// argument is passed.
constexpr unsigned on = 0xE0, off = 0xE1, by_reference = 0xE0, by_value = 0xE1;
// USER; inside an HP-IL statement, a device follows.
constexpr unsigned user = 0xE2, device = 0xE2;
constexpr unsigned error = 0xE3, timer = 0xE4, key = 0xE5, rem = 0xE6, is = 0xE7;
constexpr unsigned beep = 0xE8, base = 0xE9, trace = 0xEA, purge = 0xEB, cat = 0xEC;
constexpr unsigned option = 0xED;
constexpr unsigned external_keyword = 0xEF;  // EF lex token
constexpr unsigned end_of_line = 0xF0;
// A comma; the = of an assignment; in CALL's by-value marks, separated.
constexpr unsigned separator = 0xF1;
constexpr unsigned semicolon = 0xF2;
constexpr unsigned to = 0xF3;  // also opens the parameters of CALL, SUB, DEF FN
// THEN inside IF; as a terminator, another statement follows.
constexpr unsigned then = 0xF4, next_statement = 0xF4;
constexpr unsigned else_clause = 0xF5;
// STEP inside FOR; at the start of a statement, a label.
constexpr unsigned step = 0xF6, label = 0xF6;
constexpr unsigned tab = 0xF7;
constexpr unsigned all = 0xF8;  // also closes CALL's and SUB's parameters
constexpr unsigned call = 0xF9, cflag = 0xFA, sflag = 0xFB;
constexpr unsigned comment = 0xFC, using_format = 0xFD, run = 0xFE, image = 0xFF;
constexpr unsigned text_end = 0x0D;  // ends the text of REM, !, DATA, IMAGE
// An unquoted name's characters are ASCII: the first byte from here on
// ends it.
constexpr unsigned name_end = 0x80;

// Keywords of the built-in LEX file (id 01).
namespace builtin {
constexpr unsigned angle = 0x06, assign = 0x08, chain = 0x11, clock = 0x15;
constexpr unsigned create = 0x1B, zero = 0x1C, default_setting = 0x1D, extend = 0x26;
constexpr unsigned flow = 0x29, into = 0x2E, lc = 0x31, mean = 0x37, merge = 0x39;
constexpr unsigned near = 0x3C, negative = 0x3D, pos = 0x42, renumber = 0x4A, reset = 0x4B;
constexpr unsigned round = 0x4C, vars = 0x5B, plist = 0x1A;
}  // namespace builtin

// Keywords of the Math Pac (id 02).
namespace math {
constexpr unsigned complex = 0x07, fnroot = 0x0E, integral = 0x13, mat = 0x19;
constexpr unsigned con = 0x23, idn = 0x24, zero = 0x25, zer = 0x26, inv = 0x27, trn = 0x28;
constexpr unsigned sys = 0x29, array_marker = 0x2A, four = 0x2B, proot = 0x2C;
}  // namespace math

// Keywords of the HP-IL module and the KEYBOARD LEX (id FF).
namespace hpil {
constexpr unsigned initialize = 0x0D, clear = 0x0E, assign_io = 0x0F, off_io = 0x10;
constexpr unsigned restore_io = 0x11, list_io = 0x12, output = 0x13, enter = 0x14;
constexpr unsigned on_intr = 0x15, send = 0x16, reset_hpil = 0x17, printer_is = 0x18;
constexpr unsigned display_is = 0x19, pack = 0x1A, packdir = 0x1B, request = 0x1C;
constexpr unsigned local = 0x1D, remote = 0x1E, trigger = 0x1F, pass_control = 0x20;
constexpr unsigned enable_intr = 0x21, standby = 0x22, control = 0x23;
constexpr unsigned io = 0x24, lockout = 0x25, intr = 0x26;
constexpr unsigned keyboard_is = 0x27, reset_escape = 0x28, escape = 0x29, mapkbd = 0x2A;
// After the E2 of a device: all devices (*), an accessory id (:%48).
constexpr unsigned all_devices = multiply, accessory = percent;
}  // namespace hpil

}  // namespace token

// Fields of the program and its lines, in nibbles.
namespace field {
constexpr std::size_t program_header = 12;  // two 5-nibble fields, then F0
constexpr std::size_t line_number = 4;      // 4 BCD digits, least significant first
constexpr std::size_t statement_length = 2; // counted from itself to the terminator
constexpr std::size_t terminator = 2;
constexpr std::size_t link = 5;  // a link or cache that the HP-71B fills in
}  // namespace field

// The file types that CREATE and TRANSFORM name, as 4 nibbles, by the
// names the catalog gives them.
constexpr std::uint16_t file_types[] = {
    lif_type_text, lif_type_sdata, lif_type_data, lif_type_bin,
    lif_type_lex,  lif_type_key,   lif_type_basic,
};

}  // namespace velkord::basic

#endif
