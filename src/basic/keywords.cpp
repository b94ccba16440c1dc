#include "basic/keywords.h"

#include "basic/tokens.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace velkord::basic {
namespace {

// One row a token, sorted by LEX id and token: the lookup searches them.
// Operand tokens carry their class only; a mainframe function its argument
// count, a LEX file's function -1 (a count nibble follows it).
constexpr Keyword builtin_rows[] = {
    {0x00, 0x00, "", Kind::marker, 0, 0},
    {0x00, 0x02, "", Kind::integer, 12, 0},
    {0x00, 0x03, "", Kind::integer, 11, 0},
    {0x00, 0x04, "", Kind::integer, 10, 0},
    {0x00, 0x05, "", Kind::integer, 9, 0},
    {0x00, 0x06, "", Kind::integer, 8, 0},
    {0x00, 0x07, "", Kind::integer, 7, 0},
    {0x00, 0x08, "", Kind::integer, 6, 0},
    {0x00, 0x09, "", Kind::integer, 5, 0},
    {0x00, 0x0A, "", Kind::integer, 4, 0},
    {0x00, 0x0B, "", Kind::integer, 3, 0},
    {0x00, 0x0C, "", Kind::integer, 2, 0},
    {0x00, 0x0E, "", Kind::label_reference, 0, 0},
    {0x00, 0x0F, "", Kind::line_reference, 0, 0},
    {0x00, 0x12, "", Kind::real, 12, 0},
    {0x00, 0x13, "", Kind::real, 11, 0},
    {0x00, 0x14, "", Kind::real, 10, 0},
    {0x00, 0x15, "", Kind::real, 9, 0},
    {0x00, 0x16, "", Kind::real, 8, 0},
    {0x00, 0x17, "", Kind::real, 7, 0},
    {0x00, 0x18, "", Kind::real, 6, 0},
    {0x00, 0x19, "", Kind::real, 5, 0},
    {0x00, 0x1A, "", Kind::real, 4, 0},
    {0x00, 0x1B, "", Kind::real, 3, 0},
    {0x00, 0x1C, "", Kind::real, 2, 0},
    {0x00, 0x1D, "", Kind::real, 1, 0},
    {0x00, 0x22, "\"", Kind::quote, 0, 0},
    {0x00, 0x23, "#", Kind::separator, 0, 0},
    {0x00, 0x27, "'", Kind::quote, 0, 0},
    {0x00, 0x28, "(", Kind::parenthesis, 0, 0},
    {0x00, 0x29, ")", Kind::parenthesis, 0, 0},
    {0x00, 0x2D, "$", Kind::string_mark, 0, 0},
    {0x00, 0x30, "0", Kind::digit, 0, 0},
    {0x00, 0x31, "1", Kind::digit, 0, 0},
    {0x00, 0x32, "2", Kind::digit, 0, 0},
    {0x00, 0x33, "3", Kind::digit, 0, 0},
    {0x00, 0x34, "4", Kind::digit, 0, 0},
    {0x00, 0x35, "5", Kind::digit, 0, 0},
    {0x00, 0x36, "6", Kind::digit, 0, 0},
    {0x00, 0x37, "7", Kind::digit, 0, 0},
    {0x00, 0x38, "8", Kind::digit, 0, 0},
    {0x00, 0x39, "9", Kind::digit, 0, 0},
    {0x00, 0x3B, ";", Kind::separator, 0, 0},
    {0x00, 0x41, "A", Kind::letter, 0, 0},
    {0x00, 0x42, "B", Kind::letter, 0, 0},
    {0x00, 0x43, "C", Kind::letter, 0, 0},
    {0x00, 0x44, "D", Kind::letter, 0, 0},
    {0x00, 0x45, "E", Kind::letter, 0, 0},
    {0x00, 0x46, "F", Kind::letter, 0, 0},
    {0x00, 0x47, "G", Kind::letter, 0, 0},
    {0x00, 0x48, "H", Kind::letter, 0, 0},
    {0x00, 0x49, "I", Kind::letter, 0, 0},
    {0x00, 0x4A, "J", Kind::letter, 0, 0},
    {0x00, 0x4B, "K", Kind::letter, 0, 0},
    {0x00, 0x4C, "L", Kind::letter, 0, 0},
    {0x00, 0x4D, "M", Kind::letter, 0, 0},
    {0x00, 0x4E, "N", Kind::letter, 0, 0},
    {0x00, 0x4F, "O", Kind::letter, 0, 0},
    {0x00, 0x50, "P", Kind::letter, 0, 0},
    {0x00, 0x51, "Q", Kind::letter, 0, 0},
    {0x00, 0x52, "R", Kind::letter, 0, 0},
    {0x00, 0x53, "S", Kind::letter, 0, 0},
    {0x00, 0x54, "T", Kind::letter, 0, 0},
    {0x00, 0x55, "U", Kind::letter, 0, 0},
    {0x00, 0x56, "V", Kind::letter, 0, 0},
    {0x00, 0x57, "W", Kind::letter, 0, 0},
    {0x00, 0x58, "X", Kind::letter, 0, 0},
    {0x00, 0x59, "Y", Kind::letter, 0, 0},
    {0x00, 0x5A, "Z", Kind::letter, 0, 0},
    {0x00, 0x60, "0", Kind::name_digit, 0, 0},
    {0x00, 0x61, "1", Kind::name_digit, 0, 0},
    {0x00, 0x62, "2", Kind::name_digit, 0, 0},
    {0x00, 0x63, "3", Kind::name_digit, 0, 0},
    {0x00, 0x64, "4", Kind::name_digit, 0, 0},
    {0x00, 0x65, "5", Kind::name_digit, 0, 0},
    {0x00, 0x66, "6", Kind::name_digit, 0, 0},
    {0x00, 0x67, "7", Kind::name_digit, 0, 0},
    {0x00, 0x68, "8", Kind::name_digit, 0, 0},
    {0x00, 0x69, "9", Kind::name_digit, 0, 0},
    {0x00, 0x6A, "IP", Kind::function, 1, 0},
    {0x00, 0x6B, "FP", Kind::function, 1, 0},
    {0x00, 0x6C, "MAXREAL", Kind::function, 0, 0},
    {0x00, 0x6D, "RMD", Kind::function, 2, 0},
    {0x00, 0x6E, "RAD", Kind::function, 1, 0},
    {0x00, 0x6F, "DEG", Kind::function, 1, 0},
    {0x00, 0x70, "INF", Kind::function, 0, 0},
    {0x00, 0x71, "EPS", Kind::function, 0, 0},
    {0x00, 0x72, "CEIL", Kind::function, 1, 0},
    {0x00, 0x73, "KEY$", Kind::function, 0, 0},
    {0x00, 0x74, "MOD", Kind::function, 2, 0},
    {0x00, 0x75, "ERRL", Kind::function, 0, 0},
    {0x00, 0x76, "ERRN", Kind::function, 0, 0},
    {0x00, 0x77, "DATE", Kind::function, 0, 0},
    {0x00, 0x78, "DATE$", Kind::function, 0, 0},
    {0x00, 0x79, "PI", Kind::function, 0, 0},
    {0x00, 0x7A, "", Kind::complex, 2, 0},
    {0x00, 0x7B, "TIME", Kind::function, 0, 0},
    {0x00, 0x7C, "FN", Kind::user_function, -1, 0},
    {0x00, 0x7D, "", Kind::element, -1, 0},
    {0x00, 0x7E, "", Kind::whole_array, -1, 0},
    {0x00, 0x7F, "RES", Kind::function, 0, 0},
    {0x00, 0x80, "^", Kind::binary, 2, 0},
    {0x00, 0x81, "NOT", Kind::unary, 1, 0},
    {0x00, 0x82, "-", Kind::unary, 1, 0},
    {0x00, 0x83, "*", Kind::binary, 2, 0},
    {0x00, 0x84, "/", Kind::binary, 2, 0},
    {0x00, 0x85, "%", Kind::binary, 2, 0},
    {0x00, 0x86, "DIV", Kind::binary, 2, 0},
    {0x00, 0x87, "+", Kind::binary, 2, 0},
    {0x00, 0x88, "-", Kind::binary, 2, 0},
    {0x00, 0x89, "&", Kind::binary, 2, 0},
    {0x00, 0x8A, "", Kind::relational, 2, 0},
    {0x00, 0x8B, "AND", Kind::binary, 2, 0},
    {0x00, 0x8C, "EXOR", Kind::binary, 2, 0},
    {0x00, 0x8D, "OR", Kind::binary, 2, 0},
    {0x00, 0x90, "LOG", Kind::function, 1, 0},
    {0x00, 0x91, "LN", Kind::function, 1, 0},
    {0x00, 0x92, "SQR", Kind::function, 1, 0},
    {0x00, 0x93, "LOG10", Kind::function, 1, 0},
    {0x00, 0x94, "EXP", Kind::function, 1, 0},
    {0x00, 0x95, "TIME$", Kind::function, 0, 0},
    {0x00, 0x96, "SIN", Kind::function, 1, 0},
    {0x00, 0x97, "COS", Kind::function, 1, 0},
    {0x00, 0x98, "TAN", Kind::function, 1, 0},
    {0x00, 0x99, "ASIN", Kind::function, 1, 0},
    {0x00, 0x9A, "ACOS", Kind::function, 1, 0},
    {0x00, 0x9B, "ATAN", Kind::function, 1, 0},
    {0x00, 0x9C, "INT", Kind::function, 1, 0},
    {0x00, 0x9D, "MEAN", Kind::function, 0, 0},
    {0x00, 0x9E, "SDEV", Kind::function, 0, 0},
    {0x00, 0x9F, "PREDV", Kind::function, 1, 0},
    {0x00, 0xA0, "RND", Kind::function, 0, 0},
    {0x00, 0xA1, "SGN", Kind::function, 1, 0},
    {0x00, 0xA2, "ABS", Kind::function, 1, 0},
    {0x00, 0xA3, "NUM", Kind::function, 1, 0},
    {0x00, 0xA4, "CHR$", Kind::function, 1, 0},
    {0x00, 0xA5, "VAL", Kind::function, 1, 0},
    {0x00, 0xA6, "STR$", Kind::function, 1, 0},
    {0x00, 0xA7, "", Kind::substring, -1, 0},
    {0x00, 0xA8, "FACT", Kind::function, 1, 0},
    {0x00, 0xA9, "LEN", Kind::function, 1, 0},
    {0x00, 0xAB, "UPRC$", Kind::function, 1, 0},
    {0x00, 0xAC, "MIN", Kind::function, 2, 0},
    {0x00, 0xAD, "MAX", Kind::function, 2, 0},
    {0x00, 0xAE, "IVL", Kind::function, 0, 0},
    {0x00, 0xAF, "OVF", Kind::function, 0, 0},
    {0x00, 0xB0, "UNF", Kind::function, 0, 0},
    {0x00, 0xB1, "DVZ", Kind::function, 0, 0},
    {0x00, 0xB2, "INX", Kind::function, 0, 0},
    {0x00, 0xB3, "", Kind::external_function, -1, 0},
    {0x00, 0xB4, "", Kind::prefix_function, 0, 0},
    {0x00, 0xB5, "COPY", Kind::statement, 0, 0},
    {0x00, 0xB6, "LR", Kind::statement, 0, 0},
    {0x00, 0xB7, "DELETE", Kind::keyboard, 0, 0},
    {0x00, 0xB8, "EDIT", Kind::keyboard, 0, 0},
    {0x00, 0xB9, "DEF", Kind::statement, 0, flag_own_layout},
    {0x00, 0xBA, "END DEF", Kind::statement, 0, 0},
    {0x00, 0xBB, "LIST", Kind::statement, 0, 0},
    {0x00, 0xBC, "REAL", Kind::statement, 0, flag_declaration},
    {0x00, 0xBD, "NAME", Kind::statement, 0, 0},
    {0x00, 0xBE, "DESTROY", Kind::statement, 0, 0},
    {0x00, 0xBF, "LINPUT", Kind::statement, 0, 0},
    {0x00, 0xC0, "LET", Kind::statement, 0, 0},
    {0x00, 0xC1, "SUB", Kind::statement, 0, flag_own_layout},
    {0x00, 0xC2, "END SUB", Kind::statement, 0, 0},
    {0x00, 0xC3, "FOR", Kind::statement, 0, 0},
    {0x00, 0xC4, "NEXT", Kind::statement, 0, 0},
    {0x00, 0xC5, "DISP", Kind::statement, 0, 0},
    {0x00, 0xC6, "DATA", Kind::statement, 0, flag_text},
    {0x00, 0xC7, "READ", Kind::statement, 0, 0},
    {0x00, 0xC8, "FETCH", Kind::keyboard, 0, 0},
    {0x00, 0xC9, "INPUT", Kind::statement, 0, 0},
    {0x00, 0xCA, "INTEGER", Kind::statement, 0, flag_declaration},
    {0x00, 0xCB, "SHORT", Kind::statement, 0, flag_declaration},
    {0x00, 0xCC, "DIM", Kind::statement, 0, flag_declaration},
    {0x00, 0xCD, "PRINT", Kind::statement, 0, 0},
    {0x00, 0xCE, "STAT", Kind::statement, 0, flag_declaration},
    {0x00, 0xCF, "KEYS", Kind::word, 0, 0},
    {0x00, 0xD0, "CARD", Kind::word, 0, flag_device},
    {0x00, 0xD1, "PORT", Kind::word, 0, flag_device},
    {0x00, 0xD2, "MAIN", Kind::word, 0, flag_device},
    {0x00, 0xD3, "DEGREES", Kind::statement, 0, 0},
    {0x00, 0xD4, "RADIANS", Kind::statement, 0, 0},
    {0x00, 0xD5, "ADD", Kind::statement, 0, 0},
    {0x00, 0xD6, "DELAY", Kind::statement, 0, 0},
    {0x00, 0xD7, "PAUSE", Kind::statement, 0, 0},
    {0x00, 0xD8, "WAIT", Kind::statement, 0, 0},
    {0x00, 0xD9, "STOP", Kind::statement, 0, 0},
    {0x00, 0xDA, "END", Kind::statement, 0, 0},
    {0x00, 0xDB, "RETURN", Kind::statement, 0, 0},
    {0x00, 0xDC, "GOSUB", Kind::statement, 0, 0},
    {0x00, 0xDD, "GOTO", Kind::statement, 0, 0},
    {0x00, 0xDE, "RESTORE", Kind::statement, 0, 0},
    {0x00, 0xDF, "IF", Kind::statement, 0, 0},
    {0x00, 0xE0, "ON", Kind::statement, 0, 0},
    {0x00, 0xE1, "OFF", Kind::statement, 0, 0},
    {0x00, 0xE2, "USER", Kind::statement, 0, 0},
    {0x00, 0xE3, "ERROR", Kind::word, 0, 0},
    {0x00, 0xE4, "TIMER", Kind::word, 0, flag_hash},
    {0x00, 0xE5, "KEY", Kind::statement, 0, flag_def_key},
    {0x00, 0xE6, "REM", Kind::statement, 0, flag_text},
    {0x00, 0xE7, "IS", Kind::word, 0, 0},
    {0x00, 0xE8, "BEEP", Kind::statement, 0, 0},
    {0x00, 0xE9, "BASE", Kind::word, 0, 0},
    {0x00, 0xEA, "TRACE", Kind::statement, 0, 0},
    {0x00, 0xEB, "PURGE", Kind::statement, 0, 0},
    {0x00, 0xEC, "CAT", Kind::statement, 0, 0},
    {0x00, 0xED, "OPTION", Kind::statement, 0, 0},
    {0x00, 0xEE, "AUTO", Kind::keyboard, 0, 0},
    {0x00, 0xEF, "", Kind::external_keyword, 0, 0},
    {0x00, 0xF0, "", Kind::end_of_line, 0, 0},
    {0x00, 0xF1, ",", Kind::separator, 0, 0},
    {0x00, 0xF2, ";", Kind::separator, 0, 0},
    {0x00, 0xF3, "TO", Kind::word, 0, 0},
    {0x00, 0xF4, "THEN", Kind::word, 0, 0},
    {0x00, 0xF5, "ELSE", Kind::statement, 0, 0},
    {0x00, 0xF6, "STEP", Kind::word, 0, 0},
    {0x00, 0xF7, "TAB", Kind::word, 0, 0},
    {0x00, 0xF8, "ALL", Kind::word, 0, 0},
    {0x00, 0xF9, "CALL", Kind::statement, 0, flag_own_layout},
    {0x00, 0xFA, "CFLAG", Kind::statement, 0, 0},
    {0x00, 0xFB, "SFLAG", Kind::statement, 0, 0},
    {0x00, 0xFC, "!", Kind::statement, 0, flag_text},
    {0x00, 0xFD, "USING", Kind::word, 0, 0},
    {0x00, 0xFE, "RUN", Kind::statement, 0, flag_name_marker},
    {0x00, 0xFF, "IMAGE", Kind::statement, 0, flag_text},
    {0x01, 0x01, "ACS", Kind::function, -1, 0},
    {0x01, 0x02, "ADDR$", Kind::function, -1, 0},
    {0x01, 0x03, "ADJABS", Kind::statement, 0, 0},
    {0x01, 0x04, "ADJUST", Kind::statement, 0, 0},
    {0x01, 0x05, "AF", Kind::function, -1, 0},
    {0x01, 0x06, "ANGLE", Kind::function, -1, flag_no_count},
    {0x01, 0x07, "ASN", Kind::function, -1, 0},
    {0x01, 0x08, "ASSIGN", Kind::statement, 0, flag_hash},
    {0x01, 0x09, "ATN", Kind::function, -1, 0},
    {0x01, 0x0A, "BYE", Kind::statement, 0, 0},
    {0x01, 0x0B, "CAT$", Kind::function, -1, 0},
    {0x01, 0x0C, "STD", Kind::statement, 0, 0},
    {0x01, 0x0D, "FIX", Kind::statement, 0, 0},
    {0x01, 0x0E, "SCI", Kind::statement, 0, 0},
    {0x01, 0x0F, "ENG", Kind::statement, 0, 0},
    {0x01, 0x10, "CHARSET", Kind::statement, 0, 0},
    {0x01, 0x11, "CHAIN", Kind::statement, 0, flag_name_marker},
    {0x01, 0x12, "CHARSET$", Kind::function, -1, 0},
    {0x01, 0x13, "CLAIM", Kind::keyboard, 0, 0},
    {0x01, 0x14, "CLASS", Kind::function, -1, 0},
    {0x01, 0x15, "CLOCK", Kind::word, 0, 0},
    {0x01, 0x16, "CLSTAT", Kind::statement, 0, 0},
    {0x01, 0x17, "CONTRAST", Kind::statement, 0, 0},
    {0x01, 0x18, "CONT", Kind::keyboard, 0, 0},
    {0x01, 0x19, "CORR", Kind::function, -1, 0},
    {0x01, 0x1A, "PLIST", Kind::statement, 0, 0},
    {0x01, 0x1B, "CREATE", Kind::statement, 0, flag_file_type},
    {0x01, 0x1C, "ZERO", Kind::word, 0, 0},
    {0x01, 0x1D, "DEFAULT", Kind::statement, 0, 0},
    {0x01, 0x1E, "DROP", Kind::statement, 0, 0},
    {0x01, 0x1F, "DTH$", Kind::function, -1, 0},
    {0x01, 0x20, "ENDLINE", Kind::statement, 0, 0},
    {0x01, 0x21, "ERRM$", Kind::function, -1, 0},
    {0x01, 0x22, "VER$", Kind::function, -1, 0},
    {0x01, 0x23, "EXACT", Kind::statement, 0, 0},
    {0x01, 0x24, "EXPM1", Kind::function, -1, 0},
    {0x01, 0x25, "EXPONENT", Kind::function, -1, 0},
    {0x01, 0x26, "EXTEND", Kind::word, 0, 0},
    {0x01, 0x27, "FLAG", Kind::function, -1, 0},
    {0x01, 0x28, "FLOOR", Kind::function, -1, 0},
    {0x01, 0x29, "FLOW", Kind::word, 0, 0},
    {0x01, 0x2A, "FREE", Kind::keyboard, 0, 0},
    {0x01, 0x2B, "GDISP", Kind::statement, 0, 0},
    {0x01, 0x2C, "GDISP$", Kind::function, -1, 0},
    {0x01, 0x2D, "HTD", Kind::function, -1, 0},
    {0x01, 0x2E, "INTO", Kind::word, 0, flag_file_type},
    {0x01, 0x2F, "KEYDEF$", Kind::function, -1, 0},
    {0x01, 0x30, "KEYDOWN", Kind::function, -1, 0},
    {0x01, 0x31, "LC", Kind::statement, 0, 0},
    {0x01, 0x32, "LGT", Kind::function, -1, 0},
    {0x01, 0x33, "LOCK", Kind::statement, 0, 0},
    {0x01, 0x34, "LOGP1", Kind::function, -1, 0},
    {0x01, 0x35, "WIDTH", Kind::statement, 0, 0},
    {0x01, 0x36, "MATH", Kind::word, 0, 0},
    {0x01, 0x37, "MEAN", Kind::function, -1, 0},
    {0x01, 0x38, "MEM", Kind::function, -1, 0},
    {0x01, 0x39, "MERGE", Kind::statement, 0, 0},
    {0x01, 0x3A, "MINREAL", Kind::function, -1, 0},
    {0x01, 0x3B, "NAN", Kind::function, -1, 0},
    {0x01, 0x3C, "NEAR", Kind::word, 0, 0},
    {0x01, 0x3D, "NEG", Kind::word, 0, 0},
    {0x01, 0x3E, "PCRD", Kind::word, 0, 0},
    {0x01, 0x3F, "PEEK$", Kind::function, -1, 0},
    {0x01, 0x40, "POKE", Kind::statement, 0, 0},
    {0x01, 0x41, "POP", Kind::statement, 0, 0},
    {0x01, 0x42, "POS", Kind::function, -1, 0},
    {0x01, 0x43, "PRIVATE", Kind::statement, 0, 0},
    {0x01, 0x44, "PROTECT", Kind::statement, 0, 0},
    {0x01, 0x45, "PUT", Kind::statement, 0, 0},
    {0x01, 0x46, "PWIDTH", Kind::statement, 0, 0},
    {0x01, 0x47, "RANDOMIZE", Kind::statement, 0, 0},
    {0x01, 0x48, "RED", Kind::function, -1, 0},
    {0x01, 0x49, "RENAME", Kind::statement, 0, 0},
    {0x01, 0x4A, "RENUMBER", Kind::statement, 0, flag_renumber},
    {0x01, 0x4B, "RESET", Kind::statement, 0, 0},
    {0x01, 0x4C, "ROUND", Kind::word, 0, 0},
    {0x01, 0x4D, "SDEV", Kind::function, -1, 0},
    {0x01, 0x4E, "WINDOW", Kind::statement, 0, 0},
    {0x01, 0x4F, "SECURE", Kind::statement, 0, 0},
    {0x01, 0x50, "DISP$", Kind::function, -1, 0},
    {0x01, 0x51, "SETDATE", Kind::statement, 0, 0},
    {0x01, 0x52, "SETTIME", Kind::statement, 0, 0},
    {0x01, 0x53, "SHOW", Kind::keyboard, 0, 0},
    {0x01, 0x54, "SQRT", Kind::function, -1, 0},
    {0x01, 0x55, "STARTUP", Kind::statement, 0, 0},
    {0x01, 0x56, "TOTAL", Kind::function, -1, 0},
    {0x01, 0x57, "TRANSFORM", Kind::statement, 0, 0},
    {0x01, 0x58, "TRAP", Kind::function, -1, 0},
    {0x01, 0x59, "UNPROTECT", Kind::statement, 0, 0},
    {0x01, 0x5A, "UNSECURE", Kind::statement, 0, 0},
    {0x01, 0x5B, "VARS", Kind::word, 0, 0},
    {0x02, 0x01, "ACOSH", Kind::function, -1, 0},
    {0x02, 0x02, "ASINH", Kind::function, -1, 0},
    {0x02, 0x03, "ATANH", Kind::function, -1, 0},
    {0x02, 0x04, "BSTR$", Kind::function, -1, 0},
    {0x02, 0x05, "BVAL", Kind::function, -1, 0},
    {0x02, 0x06, "CNORM", Kind::function, -1, 0},
    {0x02, 0x07, "COMPLEX", Kind::statement, 0, flag_declaration},
    {0x02, 0x08, "COSH", Kind::function, -1, 0},
    {0x02, 0x09, "DETL", Kind::function, -1, 0},
    {0x02, 0x0A, "DET", Kind::function, -1, 0},
    {0x02, 0x0B, "DOT", Kind::function, -1, 0},
    {0x02, 0x0C, "FGUESS", Kind::function, -1, 0},
    {0x02, 0x0D, "FNORM", Kind::function, -1, 0},
    {0x02, 0x0E, "FNROOT", Kind::prefix_function, 0, 0},
    {0x02, 0x0F, "FVALUE", Kind::function, -1, 0},
    {0x02, 0x10, "GAMMA", Kind::function, -1, 0},
    {0x02, 0x11, "IBOUND", Kind::function, -1, 0},
    {0x02, 0x12, "IMPT", Kind::function, -1, 0},
    {0x02, 0x13, "INTEGRAL", Kind::prefix_function, 0, 0},
    {0x02, 0x14, "IROUND", Kind::function, -1, 0},
    {0x02, 0x15, "IVALUE", Kind::function, -1, 0},
    {0x02, 0x16, "LBND", Kind::function, -1, 0},
    {0x02, 0x17, "LBOUND", Kind::function, -1, 0},
    {0x02, 0x18, "LOG2", Kind::function, -1, 0},
    {0x02, 0x19, "MAT", Kind::statement, 0, flag_mat},
    {0x02, 0x1A, "NAN$", Kind::function, -1, 0},
    {0x02, 0x1B, "NEIGHBOR", Kind::function, -1, 0},
    {0x02, 0x1C, "REPT", Kind::function, -1, 0},
    {0x02, 0x1D, "RNORM", Kind::function, -1, 0},
    {0x02, 0x1E, "SCALE10", Kind::function, -1, 0},
    {0x02, 0x1F, "SINH", Kind::function, -1, 0},
    {0x02, 0x20, "TANH", Kind::function, -1, 0},
    {0x02, 0x21, "UBND", Kind::function, -1, 0},
    {0x02, 0x22, "UBOUND", Kind::function, -1, 0},
    {0x02, 0x23, "CON", Kind::word, 0, 0},
    {0x02, 0x24, "IDN", Kind::word, 0, 0},
    {0x02, 0x25, "ZERO", Kind::word, 0, 0},
    {0x02, 0x26, "ZER", Kind::word, 0, 0},
    {0x02, 0x27, "INV", Kind::word, 0, 0},
    {0x02, 0x28, "TRN", Kind::word, 0, 0},
    {0x02, 0x29, "SYS", Kind::word, 0, 0},
    {0x02, 0x2A, "", Kind::marker, 0, flag_invisible},
    {0x02, 0x2B, "FOUR", Kind::word, 0, 0},
    {0x02, 0x2C, "PROOT", Kind::word, 0, 0},
    {0x02, 0x2D, "FVAR", Kind::function, -1, 0},
    {0x02, 0x2E, "IVAR", Kind::function, -1, 0},
    {0x02, 0x2F, "CONJ", Kind::function, -1, 0},
    {0x02, 0x30, "TYPE", Kind::function, -1, 0},
    {0x02, 0x31, "ARG", Kind::function, -1, 0},
    {0x02, 0x32, "PROJ", Kind::function, -1, 0},
    {0x02, 0x33, "RECT", Kind::function, -1, 0},
    {0x02, 0x34, "POLAR", Kind::function, -1, 0},
    {0xFF, 0x01, "BINAND", Kind::function, -1, 0},
    {0xFF, 0x02, "BINCMP", Kind::function, -1, 0},
    {0xFF, 0x03, "BINEOR", Kind::function, -1, 0},
    {0xFF, 0x04, "BINIOR", Kind::function, -1, 0},
    {0xFF, 0x05, "BIT", Kind::function, -1, 0},
    {0xFF, 0x06, "DEVADDR", Kind::function, -1, 0},
    {0xFF, 0x07, "DEVID$", Kind::function, -1, 0},
    {0xFF, 0x08, "DEVAID", Kind::function, -1, 0},
    {0xFF, 0x09, "SPOLL", Kind::function, -1, 0},
    {0xFF, 0x0A, "READINTR", Kind::function, -1, 0},
    {0xFF, 0x0B, "READDDC", Kind::function, -1, 0},
    {0xFF, 0x0C, "STATUS", Kind::function, -1, 0},
    {0xFF, 0x0D, "INITIALIZE", Kind::statement, 0, flag_hpil},
    {0xFF, 0x0E, "CLEAR", Kind::statement, 0, flag_hpil},
    {0xFF, 0x0F, "ASSIGN", Kind::statement, 0, flag_hpil},
    {0xFF, 0x10, "OFF", Kind::statement, 0, flag_hpil},
    {0xFF, 0x11, "RESTORE", Kind::statement, 0, flag_hpil},
    {0xFF, 0x12, "LIST", Kind::statement, 0, flag_hpil},
    {0xFF, 0x13, "OUTPUT", Kind::statement, 0, flag_hpil},
    {0xFF, 0x14, "ENTER", Kind::statement, 0, flag_hpil},
    {0xFF, 0x15, "ON", Kind::statement, 0, flag_hpil},
    {0xFF, 0x16, "SEND", Kind::statement, 0, flag_hpil},
    {0xFF, 0x17, "RESET", Kind::statement, 0, flag_hpil},
    {0xFF, 0x18, "PRINTER", Kind::statement, 0, flag_hpil},
    {0xFF, 0x19, "DISPLAY", Kind::statement, 0, flag_hpil},
    {0xFF, 0x1A, "PACK", Kind::statement, 0, flag_hpil},
    {0xFF, 0x1B, "PACKDIR", Kind::statement, 0, flag_hpil},
    {0xFF, 0x1C, "REQUEST", Kind::statement, 0, flag_hpil},
    {0xFF, 0x1D, "LOCAL", Kind::statement, 0, flag_hpil},
    {0xFF, 0x1E, "REMOTE", Kind::statement, 0, flag_hpil},
    {0xFF, 0x1F, "TRIGGER", Kind::statement, 0, flag_hpil},
    {0xFF, 0x20, "PASS", Kind::statement, 0, flag_hpil},
    {0xFF, 0x21, "ENABLE", Kind::statement, 0, flag_hpil},
    {0xFF, 0x22, "STANDBY", Kind::statement, 0, flag_hpil},
    {0xFF, 0x23, "CONTROL", Kind::statement, 0, flag_hpil},
    {0xFF, 0x24, "IO", Kind::word, 0, 0},
    {0xFF, 0x25, "LOCKOUT", Kind::word, 0, 0},
    {0xFF, 0x26, "INTR", Kind::word, 0, 0},
    {0xFF, 0x27, "KEYBOARD", Kind::statement, 0, flag_hpil},
    {0xFF, 0x28, "RESET", Kind::statement, 0, flag_hpil},
    {0xFF, 0x29, "ESCAPE", Kind::statement, 0, flag_hpil},
    {0xFF, 0x2A, "MAPKBD", Kind::statement, 0, flag_hpil},
};

constexpr bool rows_in_order() {
    for (std::size_t i = 1; i < std::size(builtin_rows); ++i) {
        if (builtin_rows[i - 1].lex > builtin_rows[i].lex ||
            (builtin_rows[i - 1].lex == builtin_rows[i].lex && builtin_rows[i - 1].token >= builtin_rows[i].token)) {
            return false;
        }
    }
    return true;
}
static_assert(rows_in_order(), "keep the rows sorted by LEX id, then token, each once");

bool sorted_before(const Keyword& a, const Keyword& b) {
    return (unsigned{a.lex} << 8 | a.token) < (unsigned{b.lex} << 8 | b.token);
}

// The kinds of token an expression is made of.
bool is_expression_kind(Kind kind) {
    switch (kind) {
        case Kind::function:
        case Kind::unary:
        case Kind::binary:
        case Kind::relational:
        case Kind::integer:
        case Kind::real:
        case Kind::digit:
        case Kind::letter:
        case Kind::name_digit:
        case Kind::string_mark:
        case Kind::quote:
        case Kind::label_reference:
        case Kind::line_reference:
        case Kind::complex:
        case Kind::user_function:
        case Kind::element:
        case Kind::whole_array:
        case Kind::substring:
        case Kind::external_function:
        case Kind::prefix_function:
            return true;
        default:
            return false;
    }
}

// A row that is typed as a word: a keyword, a function, a word operator
// (AND), not a variable's letter.
bool is_word(const Keyword& row) {
    return row.name[0] >= 'A' && row.name[0] <= 'Z' && row.kind != Kind::letter;
}

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::size_t typed_length(std::string_view name, std::string_view text) {
    std::size_t at = 0;
    for (const char c : name) {
        if (c == ' ') {
            while (at < text.size() && text[at] == ' ') {
                ++at;  // END DEF, END  DEF or ENDDEF
            }
            continue;
        }
        if (at == text.size() || upper(text[at]) != c) {
            return 0;
        }
        ++at;
    }
    return at;
}

KeywordTable::KeywordTable()
    : rows_(std::begin(builtin_rows), std::end(builtin_rows)), plug_in_order_{lex::math, lex::hpil} {
    index();
}

const KeywordTable& KeywordTable::builtin() {
    static const KeywordTable table;
    return table;
}

void KeywordTable::add_lex(const std::vector<Keyword>& lex_rows) {
    if (lex_rows.empty()) {
        return;
    }
    rows_.insert(rows_.end(), lex_rows.begin(), lex_rows.end());
    std::stable_sort(rows_.begin(), rows_.end(), sorted_before);
    plug_in_order_.push_back(lex_rows.front().lex);
    index();
}

void KeywordTable::index() {
    for (std::size_t byte = 0; byte < 256; ++byte) {
        one_byte_[byte] = -1;
        expression_token_[byte] = false;
    }
    for (std::size_t i = 0; i < rows_.size() && rows_[i].lex == lex::mainframe; ++i) {
        const Keyword& row = rows_[i];
        one_byte_[row.token] = static_cast<short>(i);
        expression_token_[row.token] =
            is_expression_kind(row.kind) || (row.flags & flag_device) != 0;
    }
    expression_token_[token::unquoted_name] = true;  // NEXT only where a statement starts
    std::vector<unsigned> order = plug_in_order_;
    order.push_back(lex::builtin);
    order.push_back(lex::mainframe);
    for (std::vector<Named>& rows : by_letter_) {
        rows.clear();
    }
    for (const unsigned lex : order) {
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            if (rows_[i].lex == lex && is_word(rows_[i])) {
                by_letter_[rows_[i].name[0] - 'A'].push_back(Named{i, rows_[i].name});
            }
        }
    }
}

const Keyword* KeywordTable::find(unsigned lex, unsigned token) const {
    if (lex > 0xFF || token > 0xFF) {
        return nullptr;
    }
    if (lex == lex::mainframe) {
        return one_byte_[token] < 0 ? nullptr : &rows_[static_cast<std::size_t>(one_byte_[token])];
    }
    const Keyword key{static_cast<unsigned char>(lex), static_cast<unsigned char>(token),
                      "", Kind::marker, 0, 0};
    const auto row = std::lower_bound(rows_.begin(), rows_.end(), key, sorted_before);
    return row != rows_.end() && row->lex == lex && row->token == token ? &*row : nullptr;
}

std::size_t KeywordTable::match(std::string_view text, Match* found, std::size_t room) const {
    if (text.empty() || upper(text[0]) < 'A' || upper(text[0]) > 'Z') {
        return 0;
    }
    std::size_t count = 0;
    // Of each table, the longest name typed (HP-IL's RESET HPIL and
    // RESET ESCAPE are two of the same length).
    std::size_t longest = 0, table_first = 0;
    unsigned table = lex::mainframe + 0x100;  // none yet
    for (const Named& named : by_letter_[upper(text[0]) - 'A']) {
        const Keyword& row = rows_[named.row];
        if (row.lex != table) {
            table = row.lex;
            table_first = count;
            longest = 0;
        }
        // Most names differ from the text at their second letter.
        if (named.name.size() > 1 && named.name[1] != ' ' &&
            (text.size() < 2 || upper(text[1]) != named.name[1])) {
            continue;
        }
        const std::size_t length = typed_length(named.name, text);
        if (length > longest) {
            longest = length;
            count = table_first;
        }
        if (length > 0 && length == longest && count < room) {
            found[count++] = Match{&row, length};
        }
    }
    return count;
}

std::string absent_keyword(const char* prefix, unsigned lex, unsigned token) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03u", token);
    return prefix + std::to_string(lex) + digits;
}

}  // namespace velkord::basic
