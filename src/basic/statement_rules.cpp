// Which form reads each statement keyword's arguments, by table and name.
#include <vector>

#include "basic/named_rows.h"
#include "basic/statement_forms.h"

namespace velkord::basic {
namespace {

struct Rule {
    unsigned char lex;
    const char* name;
    StatementForm form;
};

constexpr unsigned char mainframe = lex::mainframe, builtin = lex::builtin;
constexpr unsigned char math = lex::math, hpil = lex::hpil;

constexpr Rule rules[] = {
    {mainframe, "COPY", copy_statement},
    {mainframe, "LR", lr_statement},
    {mainframe, "DELETE", keyboard_only},
    {mainframe, "EDIT", keyboard_only},
    {mainframe, "DEF", def_statement},
    {mainframe, "END DEF", end_link},
    {mainframe, "LIST", list_statement},
    {mainframe, "REAL", declaration},
    {mainframe, "NAME", name_statement},
    {mainframe, "DESTROY", destroy_statement},
    {mainframe, "LINPUT", linput_statement},
    {mainframe, "LET", let_statement},
    {mainframe, "SUB", sub_statement},
    {mainframe, "END SUB", end_link},
    {mainframe, "FOR", for_statement},
    {mainframe, "NEXT", next_statement},
    {mainframe, "DISP", disp_statement},
    {mainframe, "DATA", data_statement},
    {mainframe, "READ", read_statement},
    {mainframe, "FETCH", keyboard_only},
    {mainframe, "INPUT", input_statement},
    {mainframe, "INTEGER", declaration},
    {mainframe, "SHORT", declaration},
    {mainframe, "DIM", declaration},
    {mainframe, "PRINT", print_statement},
    {mainframe, "STAT", stat_statement},
    {mainframe, "DEGREES", no_arguments},
    {mainframe, "RADIANS", no_arguments},
    {mainframe, "ADD", numbers_any},
    {mainframe, "DELAY", numbers_1_to_2},
    {mainframe, "PAUSE", no_arguments},
    {mainframe, "WAIT", one_number},
    {mainframe, "STOP", no_arguments},
    {mainframe, "END", end_statement},
    {mainframe, "RETURN", no_arguments},
    {mainframe, "GOSUB", go_statement},
    {mainframe, "GOTO", go_statement},
    {mainframe, "RESTORE", restore_statement},
    {mainframe, "ON", on_statement},
    {mainframe, "OFF", off_statement},
    {mainframe, "USER", user_statement},
    {mainframe, "KEY", def_key},
    {mainframe, "REM", text_statement},
    {mainframe, "BEEP", beep_statement},
    {mainframe, "TRACE", trace_statement},
    {mainframe, "PURGE", optional_file},
    {mainframe, "CAT", optional_file},
    {mainframe, "OPTION", option_statement},
    {mainframe, "AUTO", keyboard_only},
    {mainframe, "ELSE", else_alone},
    {mainframe, "CALL", call_statement},
    {mainframe, "CFLAG", numbers_1_or_more},
    {mainframe, "SFLAG", numbers_1_or_more},
    {mainframe, "!", text_statement},
    {mainframe, "RUN", run_statement},
    {mainframe, "IMAGE", text_statement},
    {builtin, "ADJABS", string_or_number},
    {builtin, "ADJUST", string_or_number},
    {builtin, "ASSIGN", assign_statement},
    {builtin, "BYE", no_arguments},
    {builtin, "STD", no_arguments},
    {builtin, "FIX", one_number},
    {builtin, "SCI", one_number},
    {builtin, "ENG", one_number},
    {builtin, "CHARSET", one_string},
    {builtin, "CHAIN", chain_statement},
    {builtin, "CLAIM", keyboard_only},
    {builtin, "CLSTAT", no_arguments},
    {builtin, "CONTRAST", one_number},
    {builtin, "CONT", keyboard_only},
    {builtin, "PLIST", list_statement},
    {builtin, "CREATE", create_statement},
    {builtin, "DEFAULT", default_statement},
    {builtin, "DROP", numbers_any},
    {builtin, "ENDLINE", optional_string},
    {builtin, "EXACT", no_arguments},
    {builtin, "FREE", keyboard_only},
    {builtin, "GDISP", one_string},
    {builtin, "LC", on_off_option},
    {builtin, "LOCK", one_string},
    {builtin, "WIDTH", one_number},
    {builtin, "MERGE", merge_statement},
    {builtin, "POKE", poke_statement},
    {builtin, "POP", no_arguments},
    {builtin, "PRIVATE", required_file},
    {builtin, "PROTECT", no_arguments},
    {builtin, "PUT", one_string},
    {builtin, "PWIDTH", one_number},
    {builtin, "RANDOMIZE", optional_number},
    {builtin, "RENAME", rename_statement},
    {builtin, "RENUMBER", renumber_statement},
    {builtin, "RESET", reset_statement},
    {builtin, "WINDOW", numbers_1_to_2},
    {builtin, "SECURE", optional_file},
    {builtin, "SETDATE", string_or_number},
    {builtin, "SETTIME", string_or_number},
    {builtin, "SHOW", keyboard_only},
    {builtin, "STARTUP", one_string},
    {builtin, "TRANSFORM", transform_statement},
    {builtin, "UNPROTECT", no_arguments},
    {builtin, "UNSECURE", optional_file},
    {math, "COMPLEX", declaration},
    {math, "MAT", mat_statement},
};

}  // namespace

StatementForm statement_form(const Keyword& row) {
    if (row.kind != Kind::statement && row.kind != Kind::keyboard) {
        return nullptr;
    }
    if (row.lex == hpil) {
        return hpil_statement;
    }
    static const std::vector<Rule> sorted = sorted_by_name(rules);
    if (const Rule* found = find_named(sorted, row.lex, row.name)) {
        return found->form;
    }
    return row.kind == Kind::keyboard ? keyboard_only : nullptr;
}

void put_keyword(Parser& parser, const Keyword& row) {
    if (row.lex == lex::mainframe) {
        parser.put_byte(row.token);
    } else {
        parser.put_external(token::external_keyword, row.lex, row.token);
    }
}

}  // namespace velkord::basic
