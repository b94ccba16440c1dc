// Files and devices: a file is a name, a string, a device, or a name and
// a device; a device is the mainframe's :PORT, :MAIN, :CARD, or with the
// HP-IL module :2, :TAPE, :%48, each with an optional (sequence number).
#include "basic/statement_forms.h"

namespace velkord::basic {
namespace {

// The mainframe's devices, after the colon.
bool memory_device(Parser& parser) {
    if (parser.word("PORT")) {
        parser.put_byte(token::port);
        if (parser.take('(')) {
            parser.put_byte(token::opening_parenthesis);
            return parser.numeric_expression() &&
                   (parser.take(')') || parser.fail(Refusal::parenthesis));
        }
        return true;
    }
    return word_token(parser, "MAIN", token::main) || word_token(parser, "CARD", token::card);
}

// A string expression: a quote or a string variable comes next.
bool string_comes(Parser& parser) {
    const char c = parser.peek();
    if (c == '"' || c == '\'') {
        return true;
    }
    if (!is_letter(c)) {
        return false;
    }
    std::size_t at = parser.at() + 1;
    if (is_digit(parser.raw_at(at))) {
        ++at;
    }
    return parser.raw_at(at) == '$';
}

// A file type's name, put as its 4 nibbles; Invalid File Type otherwise.
bool file_type(Parser& parser) {
    for (const std::uint16_t type : file_types) {
        if (parser.word(lif_type_name(type))) {
            parser.put_number(type, 4);
            return true;
        }
    }
    if (parser.word("LIF1")) {
        parser.put_number(lif_type_text, 4);  // another name of TEXT
        return true;
    }
    return parser.fail(Refusal::invalid_file_type);
}

}  // namespace

bool hpil_device(Parser& parser) {
    parser.put_byte(token::device);
    std::size_t length = 0;
    if (parser.take('%')) {
        parser.put_byte(token::hpil::accessory);
        if (!parser.numeric_expression()) {
            return false;
        }
    } else if (is_letter(parser.peek()) && is_letter(parser.raw_at(parser.at() + 1)) &&
               !typed_function(parser, length)) {
        unquoted_name(parser, length);
    } else {
        return parser.numeric_expression();  // (n) after it is an element
    }
    if (parser.take('(')) {
        parser.put_byte(token::device);
        return parser.numeric_expression() &&
               (parser.take(')') || parser.fail(Refusal::parenthesis));
    }
    return true;
}

bool device_after_colon(Parser& parser) {
    return memory_device(parser) || hpil_device(parser);
}

// The words that are no file's name: keywords of file statements.
bool is_reserved_word(Parser& parser) {
    static const char* const reserved[] = {"TO", "INTO", "ALL", "KEYS", "CARD"};
    for (const char* word : reserved) {
        const Parser::Mark start = parser.mark();
        const bool typed = parser.word(word) && !is_letter(parser.raw()) && !is_digit(parser.raw());
        parser.back(start);
        if (typed) {
            return true;
        }
    }
    return false;
}

bool file_spec(Parser& parser, bool bare_card) {
    if (string_comes(parser)) {
        return parser.string_expression();
    }
    if (parser.take(':')) {
        return device_after_colon(parser);
    }
    if (!is_letter(parser.peek())) {
        return parser.fail(Refusal::invalid_filespec);
    }
    if (bare_card && parser.word("CARD") && !is_letter(parser.raw()) && !is_digit(parser.raw())) {
        parser.put_byte(token::card);
        return true;
    }
    if (is_reserved_word(parser)) {
        return parser.fail(Refusal::invalid_filespec);
    }
    std::size_t length = 0;
    unquoted_name(parser, length);
    if (parser.raw() == ':') {
        parser.step();
        return device_after_colon(parser);
    }
    return true;
}

// PURGE, CAT [file | KEYS | ALL]; SECURE, UNSECURE [file | KEYS]. CAT
// takes a bare CARD.
bool optional_file(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (parser.at_statement_end() || word_token(parser, "KEYS", token::keys)) {
        return true;
    }
    const bool mainframe = row.lex == lex::mainframe;
    if (mainframe && word_token(parser, "ALL", token::all)) {
        return true;
    }
    return file_spec(parser, mainframe && row.token == token::cat);
}

// COPY [file] [TO file].
bool copy_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (parser.at_statement_end()) {
        return true;
    }
    const Parser::Mark start = parser.mark();
    if (!parser.word("TO") || is_letter(parser.raw())) {
        parser.back(start);
        if (!file_spec(parser, true)) {
            return false;
        }
        if (!parser.word("TO")) {
            return true;
        }
    }
    parser.put_byte(token::to);
    return word_token(parser, "KEYS", token::keys) || file_spec(parser, true);
}

// NAME, PRIVATE: a file, no device.
bool required_file(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (parser.at_statement_end()) {
        return parser.fail(Refusal::invalid_filespec);
    }
    return file_spec(parser);
}

bool name_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    return file_without_device(parser);
}

bool file_without_device(Parser& parser) {
    if (string_comes(parser)) {
        return parser.string_expression();
    }
    if (!is_letter(parser.peek()) || is_reserved_word(parser)) {
        return parser.fail(Refusal::invalid_filespec);
    }
    std::size_t length = 0;
    unquoted_name(parser, length);
    return true;
}

// CHAIN file: the file marked by DE.
bool chain_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    parser.put_byte(token::file_name_mark);
    if (parser.at_statement_end()) {
        return parser.fail(Refusal::invalid_filespec);
    }
    return file_spec(parser);
}

// RENAME [old] TO new.
bool rename_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    const Parser::Mark start = parser.mark();
    if (!parser.word("TO") || is_letter(parser.raw())) {
        parser.back(start);
        if (parser.at_statement_end()) {
            return parser.fail(Refusal::invalid_filespec);
        }
        if (!file_spec(parser)) {
            return false;
        }
    } else {
        parser.back(start);
    }
    if (!parser.word("TO")) {
        return parser.fail(Refusal::syntax);
    }
    parser.put_byte(token::to);
    return file_spec(parser);
}

// TRANSFORM [file] INTO type.
bool transform_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    const Parser::Mark start = parser.mark();
    if (!parser.word("INTO")) {
        parser.back(start);
        if (parser.at_statement_end()) {
            return parser.fail(Refusal::invalid_filespec);
        }
        if (!file_spec(parser)) {
            return false;
        }
        if (!parser.word("INTO")) {
            return parser.fail(Refusal::syntax);
        }
    }
    parser.put_external(token::external_keyword, lex::builtin, token::builtin::into);
    return file_type(parser);
}

// CREATE type file[,records[,length]].
bool create_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (!file_type(parser)) {
        return false;
    }
    if (parser.at_statement_end()) {
        return parser.fail(Refusal::invalid_filespec);
    }
    if (!file_spec(parser)) {
        return false;
    }
    for (int i = 0; i < 2 && parser.take(','); ++i) {
        parser.put_byte(token::separator);
        if (!parser.numeric_expression()) {
            return false;
        }
    }
    return true;
}

// ASSIGN #channel TO file | *.
bool assign_statement(Parser& parser, const Keyword& row) {
    put_keyword(parser, row);
    if (!parser.take('#')) {
        return parser.fail(Refusal::syntax);
    }
    if (!parser.numeric_expression()) {
        return false;
    }
    if (!parser.word("TO")) {
        return parser.fail(Refusal::syntax);
    }
    parser.put_byte(token::to);
    if (parser.take('*')) {
        parser.put_byte(token::multiply);
        return true;
    }
    return file_spec(parser);
}

// MERGE file[,line[,line]].
bool merge_statement(Parser& parser, const Keyword& row) {
    if (!required_file(parser, row)) {
        return false;
    }
    for (int i = 0; i < 2 && parser.take(','); ++i) {
        if (!bare_line_number(parser)) {
            return false;
        }
    }
    return true;
}

}  // namespace velkord::basic
