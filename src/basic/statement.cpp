// One statement: what its first token makes of it.
#include "basic/decoder.h"
#include "basic/numbers.h"

namespace velkord::basic {
namespace {

using namespace token;
// In DEF FN: a definition of one line (with =) or of many.
constexpr unsigned single_line = user_function, multi_line = marker;
constexpr unsigned parameters = to, parameters_end = closing_parenthesis, call_end = all;
constexpr unsigned in_file = semicolon;
constexpr std::size_t link_nibbles = field::link;  // where the HP-71B finds the next one

// 'NAME': the label's characters fill the statement.
void list_label(Decoder& decoder) {
    std::string& text = decoder.text();
    decoder.skip(link_nibbles);
    text += '\'';
    while (!decoder.at_end()) {
        text += static_cast<char>(decoder.byte());
    }
    text += "':";
}

// DEF FNA(X)=X*X, or DEF FNB$(S$,T) opening a definition of many lines.
void list_def_fn(Decoder& decoder) {
    std::string& text = decoder.text();
    decoder.skip(link_nibbles);
    const unsigned form = decoder.byte();
    if (form != single_line && form != multi_line) {
        decoder.fail();
        return;
    }
    text += "DEF FN";
    variable_name(decoder);
    const std::size_t count = decoder.nibble();
    if (count > 0) {
        if (decoder.byte() != parameters) {
            decoder.fail();
        }
        text += '(';
        for (std::size_t i = 0; i < count; ++i) {
            if (i > 0) {
                text += ',';
            }
            variable_name(decoder);
        }
        text += ')';
        if (decoder.byte() != parameters_end) {
            decoder.fail();
        }
    }
    if (form == single_line) {
        if (decoder.byte() != separator) {
            decoder.fail();
        }
        text += '=';
        single_expression(decoder);
    }
    comment_and_end(decoder);
}

// SUB NAME(A,B$,C(),#1): after its F8 and a comment come fields that only
// the HP-71B uses.
void list_sub(Decoder& decoder) {
    std::string& text = decoder.text();
    decoder.skip(link_nibbles);
    if (decoder.byte() != unquoted_name) {
        decoder.fail();
        return;
    }
    text += "SUB ";
    bare_name(decoder);
    if (decoder.peek() == parameters) {
        decoder.byte();
        text += '(';
        for (;;) {
            if (decoder.peek() == hash) {
                decoder.byte();
                text += '#';  // a channel
            }
            single_expression(decoder);
            const unsigned next = decoder.byte();
            if (next == call_end) {
                break;
            }
            if (next != separator) {
                decoder.fail();
                return;
            }
            text += ',';
        }
        text += ')';
    } else if (decoder.byte() != call_end) {
        decoder.fail();
        return;
    }
    if (decoder.peek() == comment) {
        decoder.byte();
        text += " ! ";
        comment_text(decoder);
        decoder.trim();
    }
    decoder.skip_rest();
}

// CALL NAME(X,(A),#1) IN FILE: each argument marked as passed by reference
// or by value; a variable passed by value is listed in parentheses.
void list_call(Decoder& decoder) {
    std::string& text = decoder.text();
    text += "CALL ";
    if (decoder.peek() == unquoted_name) {
        decoder.byte();
        bare_name(decoder);
    } else {
        single_expression(decoder);
    }
    if (decoder.peek() == parameters) {
        decoder.byte();
        text += '(';
        for (bool first = true; !decoder.failed() && decoder.peek() != call_end; first = false) {
            if (!first) {
                text += ',';
            }
            if (decoder.peek() == hash) {
                decoder.byte();
                text += '#';
            }
            Stack argument(decoder);
            expression(decoder, argument);
            const unsigned passing = decoder.byte();
            if (argument.size() != 1 || (passing != by_reference && passing != by_value)) {
                decoder.fail();
                return;
            }
            const ItemKind kind = argument.item(0).kind;
            if (passing == by_value && (kind == ItemKind::variable || kind == ItemKind::element)) {
                argument.merge(1, "(", ")");
            }
        }
        text += ')';
    }
    if (decoder.byte() != call_end) {
        decoder.fail();  // a CALL without its end
        return;
    }
    if (decoder.peek() == in_file) {
        decoder.byte();
        text += " IN ";
        single_expression(decoder);
    }
    comment_and_end(decoder);
}

// REM, !, DATA and IMAGE: the characters up to 0D, as stored.
void list_text(Decoder& decoder, const char* name) {
    std::string& text = decoder.text();
    text += name;
    text += ' ';
    comment_text(decoder);
    decoder.trim();
    if (!decoder.at_end()) {
        decoder.fail();
    }
}

// RENUMBER 100,10: each a bare line number after F1.
void list_renumber(Decoder& decoder, const char* name) {
    std::string& text = decoder.text();
    text += name;
    for (bool first = true; !decoder.at_end() && decoder.peek() != comment; first = false) {
        if (decoder.byte() != separator) {
            decoder.fail();
            return;
        }
        text += first ? ' ' : ',';
        append_integer(text, decoder.digits(field::line_number));
    }
    comment_and_end(decoder);
}

// LIST, PLIST and MERGE: their line numbers are F1 and 4 BCD digits.
bool takes_line_numbers(const Keyword& row) {
    return (row.lex == lex::mainframe && row.token == list) ||
           (row.lex == lex::builtin &&
            (row.token == token::builtin::plist || row.token == token::builtin::merge));
}

bool is_statement_keyword(const Keyword* row) {
    return row && (row->kind == Kind::statement || row->kind == Kind::keyboard);
}

// A keyword statement, its arguments as its row's flags say.
void list_keyword_statement(Decoder& decoder, const Keyword& row) {
    if (row.flags & flag_text) {
        list_text(decoder, row.name);
        return;
    }
    if (row.flags & flag_declaration) {
        list_declarations(decoder, row.name);
        return;
    }
    if (row.flags & flag_renumber) {
        list_renumber(decoder, row.name);
        return;
    }
    if (row.flags & flag_mat) {
        list_mat(decoder);
        return;
    }
    if (row.flags & flag_hpil) {
        list_hpil(decoder, row);
        return;
    }
    std::string& text = decoder.text();
    text += row.flags & flag_def_key ? "DEF KEY" : row.name;
    text += ' ';
    if (row.flags & flag_file_type) {
        file_type_name(decoder);  // CREATE DATA
        text += ' ';
    }
    if ((row.flags & flag_name_marker) && decoder.peek() == file_name_mark) {
        decoder.byte();  // RUN "X": the mark lists nothing
    }
    Arguments arguments(decoder);
    arguments.line_numbers = takes_line_numbers(row);
    arguments.hash_next = (row.flags & flag_hash) != 0;  // ASSIGN #1
    arguments.option = row.lex == lex::mainframe && row.token == option;
    list_arguments(decoder, arguments);
}

// EF at the start of a statement: a LEX file's statement. Without the
// LEX file's table the HP-71B lists only a placeholder for it, and none of
// its arguments.
void list_external_statement(Decoder& decoder) {
    const unsigned lex = decoder.byte();
    const unsigned token = decoder.byte();
    const Keyword* row = decoder.find(lex, token);
    if (decoder.failed()) {
        return;
    }
    if (!row || !*row->name) {
        decoder.text() += absent_keyword("XWORD", lex, token);
        decoder.skip_rest();
        return;
    }
    list_keyword_statement(decoder, *row);
}

// An assignment, LET or FOR: the first F1 is the "=".
void list_assignment(Decoder& decoder) {
    Arguments arguments(decoder);
    arguments.equals_next = true;
    list_arguments(decoder, arguments);
}

}  // namespace

bool list_statement(const unsigned char* nibbles, std::size_t count, Workspace& workspace,
                    Joining& joining) {
    Decoder decoder(nibbles, count, workspace);
    std::string& text = workspace.text;
    workspace.statement_start = text.size();
    workspace.items.clear();
    joining = Joining::plain;
    if (decoder.at_end()) {
        return true;
    }
    const unsigned token = decoder.peek();
    if (token != unquoted_name && workspace.keywords.is_expression_token(token)) {
        list_assignment(decoder);  // without LET
        return !decoder.failed();
    }
    decoder.byte();
    const Keyword* row = workspace.keywords.find(lex::mainframe, token);
    switch (token) {
        case let:
        case for_loop:
            text += row->name;
            text += ' ';
            list_assignment(decoder);
            break;
        case if_then: {
            text += "IF ";
            Arguments arguments(decoder);
            list_arguments(decoder, arguments);
            if (arguments.last_token == then) {
                joining = Joining::then_follows;  // the next statement is its THEN part
            }
            break;
        }
        case else_clause: {
            joining = decoder.at_end() ? Joining::bare_else : Joining::else_clause;
            text += "ELSE ";
            Arguments arguments(decoder);
            list_arguments(decoder, arguments);
            break;
        }
        case label:
            list_label(decoder);
            joining = Joining::label;
            break;
        case def_fn:
            list_def_fn(decoder);
            break;
        case sub:
            list_sub(decoder);
            break;
        case call:
            list_call(decoder);
            break;
        case end_def:
        case end_sub:
            decoder.skip(link_nibbles);
            text += row->name;
            comment_and_end(decoder);  // END SUB ! comment
            break;
        case external_keyword:
            list_external_statement(decoder);
            break;
        default:
            if (!is_statement_keyword(row)) {
                decoder.fail();  // no statement starts with it
                break;
            }
            list_keyword_statement(decoder, *row);
            break;
    }
    return !decoder.failed();
}

}  // namespace velkord::basic
