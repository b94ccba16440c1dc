// The statements of a line: @ between them, THEN, ELSE and labels
// leading into the next without one; what keyword starts each, chosen as
// the HP-71B chooses: every keyword typed there, table by table, tries to
// read the whole statement, and the first that can is stored.
#include "basic/statement_forms.h"

namespace velkord::basic {
namespace {

constexpr std::size_t most_matches = 16;
constexpr std::size_t longest_label = 8;
constexpr std::size_t longest_statement = 0xFF;  // its length is one byte

// What comes after a statement: @ or the end of the line, or at once
// another statement (after THEN, a label or a bare ELSE).
enum class Next { separator, statement };

bool is_label_character(char c) { return is_letter(c) || is_digit(c); }

// 'NAME': or "NAME": or NAME: at the start of a statement; false, with
// nothing read, when it is none.
bool label(Parser& parser, bool& refused) {
    refused = false;
    const char first = parser.peek();
    const std::size_t start = parser.at();
    std::size_t name_start = start, name_end = start;
    std::size_t colon = start;
    if (first == '\'' || first == '"') {
        name_start = start + 1;
        name_end = name_start;
        while (parser.raw_at(name_end) != first && parser.raw_at(name_end) != '\0') {
            ++name_end;
        }
        colon = name_end + 1;
        if (parser.raw_at(name_end) != first || parser.raw_at(colon) != ':') {
            return false;
        }
    } else if (is_letter(first)) {
        while (is_label_character(parser.raw_at(name_end))) {
            ++name_end;
        }
        colon = name_end;
        if (parser.raw_at(colon) != ':' || name_end - name_start > longest_label) {
            return false;
        }
    } else {
        return false;
    }
    std::size_t digits = 0;
    for (std::size_t i = name_start; i < name_end; ++i) {
        const char c = parser.raw_at(i);
        digits += is_digit(c);
        if (c == ' ' || static_cast<unsigned char>(c) >= token::name_end) {
            refused = true;
        }
    }
    const std::size_t length = name_end - name_start;
    if (refused || length == 0 || length > longest_label || digits == length) {
        refused = true;
        return parser.fail(Refusal::excess_chars);
    }
    parser.put_byte(token::label);
    parser.put_link(LinkKind::label);
    for (std::size_t i = name_start; i < name_end; ++i) {
        parser.put_byte(static_cast<unsigned char>(upper_case(parser.raw_at(i))));
    }
    parser.move_to(colon + 1);
    return true;
}

// GO TO and GO SUB, typed with their blank: GOTO and GOSUB.
const Keyword* go_word(Parser& parser) {
    const Parser::Mark start = parser.mark();
    if (parser.word("GO ")) {
        if (parser.word("TO")) {
            return parser.keywords().find(lex::mainframe, token::go_to);
        }
        if (parser.word("SUB")) {
            return parser.keywords().find(lex::mainframe, token::gosub);
        }
    }
    parser.back(start);
    return nullptr;
}

// A statement that starts no keyword: an assignment, or else an
// expression to display.
bool expression_statement(Parser& parser) {
    const Parser::Mark start = parser.mark();
    if (assignment(parser) && parser.end_of_statement()) {
        return true;
    }
    parser.back(start);
    parser.put_byte(token::disp);
    return print_list(parser) && parser.end_of_statement();
}

// A statement that begins with a keyword typed here: each one found tries
// in turn; where all fail, the first one's reason stands.
bool keyword_statement(Parser& parser, const KeywordTable::Match* matches, std::size_t count) {
    const Parser::Mark start = parser.mark();
    Refusal first = Refusal::none;
    for (std::size_t i = 0; i < count; ++i) {
        const Keyword& row = *matches[i].row;
        parser.move_to(start.at + matches[i].length);
        const StatementForm form = statement_form(row);
        bool stored = false;
        if (form) {
            stored = form(parser, row) && parser.end_of_statement();
        } else if (row.kind == Kind::function || row.kind == Kind::prefix_function ||
                   row.kind == Kind::user_function || row.kind == Kind::unary) {
            parser.move_to(start.at);
            stored = expression_statement(parser);  // SIN(1), NOT A
        } else {
            parser.fail(keyword_refusal(&matches[i], 1));  // a word that starts no statement
        }
        if (stored) {
            return true;
        }
        if (first == Refusal::none) {
            first = parser.refusal();
        }
        parser.back(start);
    }
    return parser.fail(first == Refusal::none ? Refusal::excess_chars : first);
}

// A name and then the end of the statement, no keyword: a label to go to
// (IF A THEN LOOP).
bool bare_label_follows(Parser& parser) {
    if (!is_letter(parser.peek()) || typed_keyword(parser)) {
        return false;
    }
    const Parser::Mark start = parser.mark();
    while (is_letter(parser.raw()) || is_digit(parser.raw())) {
        parser.step();
    }
    const bool ends = parser.raw() != '$' && parser.at_statement_end();
    parser.back(start);
    return ends;
}

// The line or label that THEN or ELSE go to, if one is typed: `taken`.
bool branch_target(Parser& parser, bool& taken) {
    const char c = parser.peek();
    taken = true;
    if (is_digit(c)) {
        return parser.line_reference();
    }
    if (c == '\'' || c == '"' || bare_label_follows(parser)) {
        return label_reference(parser, true);
    }
    taken = false;
    return true;
}

// ELSE, after an IF with THEN: a line or label to go to, or a statement
// of its own that follows.
bool else_clause(Parser& parser, Next& next) {
    parser.put_byte(token::else_clause);
    bool taken = false;
    if (!branch_target(parser, taken) || taken) {
        return !parser.refusal_noted();
    }
    if (parser.at_statement_end()) {
        return parser.fail(Refusal::syntax);
    }
    next = Next::statement;
    return true;
}

// IF condition THEN line | label | comment | statement.
bool if_statement(Parser& parser, Next& next) {
    if (parser.after_then) {
        return parser.fail(Refusal::illegal_context);
    }
    parser.put_byte(token::if_then);
    if (!parser.numeric_expression()) {
        return false;
    }
    if (!parser.word("THEN")) {
        return parser.fail(Refusal::syntax);
    }
    parser.put_byte(token::then);
    parser.after_then = true;
    bool taken = false;
    if (!branch_target(parser, taken) || taken) {
        return !parser.refusal_noted();
    }
    if (parser.peek() == '!') {
        return true;  // the comment goes in the IF statement
    }
    if (parser.at_statement_end()) {
        return parser.fail(Refusal::syntax);  // nothing after THEN, or ELSE at once
    }
    next = Next::statement;
    return true;
}

bool statement(Parser& parser, Next& next) {
    next = Next::separator;
    const char c = parser.peek();
    if (c == '\0' || c == '@') {
        parser.put_byte(token::disp);  // an empty statement
        return true;
    }
    if (c == '!') {
        return comment(parser);  // a statement of its own
    }
    if (parser.after_then && parser.word("ELSE")) {
        return else_clause(parser, next);
    }
    bool refused = false;
    if (label(parser, refused)) {
        next = Next::statement;
        return true;
    }
    if (refused) {
        return false;
    }
    if (const Keyword* go = go_word(parser)) {
        const StatementForm form = statement_form(*go);
        return form(parser, *go) && parser.end_of_statement();
    }
    KeywordTable::Match matches[most_matches];
    const std::size_t count = parser.keywords().match(parser.rest(), matches, most_matches);
    if (count > 0 && matches[0].row->lex == lex::mainframe &&
        matches[0].row->token == token::if_then) {
        parser.move_to(parser.at() + matches[0].length);
        return if_statement(parser, next) && (next == Next::statement || parser.end_of_statement());
    }
    if (count == 0) {
        return expression_statement(parser);
    }
    return keyword_statement(parser, matches, count);
}

// Fills in a statement's length byte, counted from itself up to its
// terminator.
bool frame(Parser& parser, std::size_t start) {
    const std::size_t length = parser.out().size() - start;
    if (length > longest_statement) {
        return parser.fail(Refusal::line_too_long);
    }
    parser.put_byte_at(start, static_cast<unsigned>(length));
    return true;
}

}  // namespace

bool word_token(Parser& parser, std::string_view word, unsigned token) {
    if (!parser.word(word)) {
        return false;
    }
    parser.put_byte(token);
    return true;
}

bool on_or_off(Parser& parser) {
    return word_token(parser, "ON", token::on) || word_token(parser, "OFF", token::off);
}

bool comment(Parser& parser) {
    if (parser.peek() != '!') {
        return true;
    }
    parser.step();
    parser.put_byte(token::comment);
    return statement_text(parser);
}

bool statement_text(Parser& parser) {
    if (parser.raw() == ' ') {
        parser.step();  // one blank after the keyword is dropped
    }
    while (parser.raw() != '\0') {
        if (parser.raw() == '\r') {
            return parser.fail(Refusal::syntax);  // it would end the text where it stands
        }
        parser.put_byte(static_cast<unsigned char>(parser.raw()));
        parser.step();
    }
    parser.put_byte(token::text_end);
    return true;
}

bool line_statements(Parser& parser) {
    for (;;) {
        const std::size_t start = parser.out().size();
        parser.put_byte(0);  // the length, filled in when it is known
        Next next = Next::separator;
        if (!statement(parser, next)) {
            return false;
        }
        if (next == Next::separator && !comment(parser)) {
            return false;  // a comment goes in the statement it follows
        }
        if (!frame(parser, start)) {
            return false;
        }
        const char c = parser.peek();
        if (next == Next::statement && c != '\0') {
            parser.put_byte(token::next_statement);
            continue;
        }
        if (c == '\0') {
            parser.put_byte(token::end_of_line);
            return true;
        }
        if (c == '@') {
            parser.step();
            parser.put_byte(token::next_statement);
            continue;
        }
        const Parser::Mark here = parser.mark();
        if (parser.after_then && parser.word("ELSE")) {
            parser.back(here);
            parser.put_byte(token::next_statement);
            continue;
        }
        return parser.fail(Refusal::excess_chars);
    }
}

}  // namespace velkord::basic
