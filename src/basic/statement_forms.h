// The statements of HP-71B BASIC as typed: each form reads what follows
// its keyword (which it has already taken) and puts the stored statement,
// its keyword token first.
#ifndef VELKORD_BASIC_STATEMENT_FORMS_H
#define VELKORD_BASIC_STATEMENT_FORMS_H

#include "basic/keywords.h"
#include "basic/line_parser.h"

namespace velkord::basic {

// The statements of the line from here, each framed with its length and
// terminator (parse_statement.cpp).
bool line_statements(Parser& parser);

// How a keyword's statement is read; null where no statement starts
// with it (statement_rules.cpp).
using StatementForm = bool (*)(Parser& parser, const Keyword& row);
StatementForm statement_form(const Keyword& row);

// Puts a keyword's token: one byte, or EF and its LEX file's id and token.
void put_keyword(Parser& parser, const Keyword& row);
// Takes a comma between the items of a list, stored F1.
bool list_comma(Parser& parser);
// Takes the word if typed next and puts its token (ALL, KEYS, ON...).
bool word_token(Parser& parser, std::string_view word, unsigned token);
// ON or OFF as a word: E0 or E1.
bool on_or_off(Parser& parser);
// USING's format after the word: FD, then a line number or a string
// (Missing Parm without one, Invalid Parm for another thing).
bool using_format(Parser& parser);
// #channel[,record] after the #, stored 23 e [F1 e]; `record` says
// whether one was typed.
bool channel(Parser& parser, bool& record);

// Forms shared by several statements.
// TO, GO TO, GOSUB...: a target line number or label (parse_flow.cpp).
bool line_or_label(Parser& parser);
bool label_reference(Parser& parser, bool bare_name_allowed);
// A comment, ! and the rest of the line, if one comes.
bool comment(Parser& parser);
// A file: a name, a string, a device, or a name and a device
// (parse_files.cpp).
// A file named by a name or a string, no device: NAME, CALL ... IN.
bool file_without_device(Parser& parser);
// A bare CARD is the card reader where `bare_card` (COPY, CAT).
bool file_spec(Parser& parser, bool bare_card = false);
// A device after its colon: :PORT, :MAIN, :CARD or an HP-IL device.
bool device_after_colon(Parser& parser);
// An HP-IL device after its colon: E2, then %expression, a word or an
// expression, then an optional (sequence number).
bool hpil_device(Parser& parser);
// An unquoted name: a letter, then letters and digits, put in upper case
// after C4; `length` is how many (parse_flow.cpp).
bool unquoted_name(Parser& parser, std::size_t& length);
// A line number after F1, bare, as LIST, MERGE and RENUMBER store them.
bool bare_line_number(Parser& parser);
// DEF KEY's strings, after the keyword (parse_simple.cpp).
// True if `c` was typed between the mark and here.
bool typed_since(const Parser& parser, const Parser::Mark& mark, char c);
// The print list of DISP and PRINT after the keyword (parse_lists.cpp).
bool print_list(Parser& parser);
// The items of a print list with their separators, no USING.
bool print_list_items(Parser& parser);
// The text of REM, !, DATA and IMAGE: the rest of the line, up to 0D.
bool statement_text(Parser& parser);
// An assignment without LET: target = expression.
bool assignment(Parser& parser);

// The forms, by the file they are in.
// parse_simple.cpp: no argument, keyword options, numbers and strings.
bool no_arguments(Parser& parser, const Keyword& row);
bool keyboard_only(Parser& parser, const Keyword& row);
bool one_number(Parser& parser, const Keyword& row);
bool optional_number(Parser& parser, const Keyword& row);
bool numbers_1_to_2(Parser& parser, const Keyword& row);
bool numbers_any(Parser& parser, const Keyword& row);
bool numbers_1_or_more(Parser& parser, const Keyword& row);
bool lr_statement(Parser& parser, const Keyword& row);
bool one_string(Parser& parser, const Keyword& row);
bool optional_string(Parser& parser, const Keyword& row);
bool string_or_number(Parser& parser, const Keyword& row);
bool poke_statement(Parser& parser, const Keyword& row);
bool string_then_number(Parser& parser, const Keyword& row);
bool def_key(Parser& parser, const Keyword& row);
bool user_statement(Parser& parser, const Keyword& row);
bool on_off_option(Parser& parser, const Keyword& row);
bool beep_statement(Parser& parser, const Keyword& row);
bool trace_statement(Parser& parser, const Keyword& row);
bool default_statement(Parser& parser, const Keyword& row);
bool option_statement(Parser& parser, const Keyword& row);
bool end_statement(Parser& parser, const Keyword& row);
bool reset_statement(Parser& parser, const Keyword& row);
bool text_statement(Parser& parser, const Keyword& row);
bool data_statement(Parser& parser, const Keyword& row);

// parse_lists.cpp: lists of items and variables, declarations.
bool disp_statement(Parser& parser, const Keyword& row);
bool print_statement(Parser& parser, const Keyword& row);
bool input_statement(Parser& parser, const Keyword& row);
bool linput_statement(Parser& parser, const Keyword& row);
bool read_statement(Parser& parser, const Keyword& row);
bool next_statement(Parser& parser, const Keyword& row);
bool let_statement(Parser& parser, const Keyword& row);
bool for_statement(Parser& parser, const Keyword& row);
bool declaration(Parser& parser, const Keyword& row);
bool stat_statement(Parser& parser, const Keyword& row);
bool destroy_statement(Parser& parser, const Keyword& row);

// parse_flow.cpp: where a program goes, its functions and subprograms.
bool go_statement(Parser& parser, const Keyword& row);
bool restore_statement(Parser& parser, const Keyword& row);
bool on_statement(Parser& parser, const Keyword& row);
bool off_statement(Parser& parser, const Keyword& row);
bool else_alone(Parser& parser, const Keyword& row);
bool def_statement(Parser& parser, const Keyword& row);
bool end_link(Parser& parser, const Keyword& row);
bool sub_statement(Parser& parser, const Keyword& row);
bool call_statement(Parser& parser, const Keyword& row);
bool run_statement(Parser& parser, const Keyword& row);
bool list_statement(Parser& parser, const Keyword& row);
bool renumber_statement(Parser& parser, const Keyword& row);

// parse_files.cpp: statements that name files.
bool optional_file(Parser& parser, const Keyword& row);
bool copy_statement(Parser& parser, const Keyword& row);
bool required_file(Parser& parser, const Keyword& row);
bool name_statement(Parser& parser, const Keyword& row);
bool chain_statement(Parser& parser, const Keyword& row);
bool merge_statement(Parser& parser, const Keyword& row);
bool rename_statement(Parser& parser, const Keyword& row);
bool transform_statement(Parser& parser, const Keyword& row);
bool create_statement(Parser& parser, const Keyword& row);
bool assign_statement(Parser& parser, const Keyword& row);

// parse_hpil.cpp: the HP-IL module's and the KEYBOARD LEX's statements.
bool hpil_statement(Parser& parser, const Keyword& row);

// parse_mat.cpp: the Math Pac's MAT and COMPLEX.
bool mat_statement(Parser& parser, const Keyword& row);

}  // namespace velkord::basic

#endif
