// Turns one typed line of BASIC into the statements the HP-71B stores for
// it, or says why the HP-71B refuses it. The parts of the parser live in
// the parse_*.cpp files; this is their shared state: the line, where the
// reading is, the nibbles made so far and the first refusal met.
//
// Every parse function returns false when what follows is not its form,
// the reason noted in `refusal` (the first one stays). Where a form may be
// read in more than one way, the caller marks the place, tries one, and
// goes back to the mark to try the next.
#ifndef VELKORD_BASIC_LINE_PARSER_H
#define VELKORD_BASIC_LINE_PARSER_H

#include <cstddef>
#include <string_view>
#include <vector>

#include "basic/keywords.h"
#include "basic/refusal.h"
#include "basic/tokens.h"

namespace velkord::basic {

using Nibbles = std::vector<unsigned char>;  // one nibble a byte, in stream order

enum class Type : unsigned char { numeric, string };

// A run-time field of the line that the program's chains fill in: its
// place in the line's nibbles and what it belongs to.
enum class LinkKind : unsigned char { label, def_fn, end_def, sub, end_sub, sub_chain };
struct LinkField {
    std::size_t offset;
    LinkKind kind;
};

class Parser {
public:
    Parser(std::string_view line, const KeywordTable& keywords)
        : text_(line), keywords_(keywords) {
        out_.reserve(most_nibbles);
    }

    // A line of 120 characters makes no more, except in rare cases.
    static constexpr std::size_t most_nibbles = 512;

    const KeywordTable& keywords() const { return keywords_; }
    Refusal refusal() const { return refusal_; }
    bool refusal_noted() const { return refusal_ != Refusal::none; }
    const std::vector<Warning>& warnings() const { return warnings_; }
    Nibbles& out() { return out_; }

    // Notes why the line is refused, unless a reason is noted already.
    bool fail(Refusal refusal) {
        if (refusal_ == Refusal::none) {
            refusal_ = refusal;
        }
        return false;
    }
    void warn(Warning warning) { warnings_.push_back(warning); }
    // Puts an empty link field of `kind` and notes where it is.
    void put_link(LinkKind kind) {
        links_.push_back(LinkField{out_.size(), kind});
        put_number(0, field::link);
    }
    const std::vector<LinkField>& links() const { return links_; }

    struct Mark {
        std::size_t at;
        std::size_t out;
        std::size_t warnings;
        std::size_t links;
        Refusal refusal;
    };
    Mark mark() const {
        return Mark{at_, out_.size(), warnings_.size(), links_.size(), refusal_};
    }
    // Back to the mark: what was read and made since is undone.
    void back(const Mark& mark) {
        at_ = mark.at;
        out_.resize(mark.out);
        warnings_.resize(mark.warnings);
        links_.resize(mark.links);
        refusal_ = mark.refusal;
    }

    // Reading. Blanks between tokens are dropped: each of these passes
    // over them first, except raw(), which gives the very next character.
    std::size_t at() const { return at_; }
    void move_to(std::size_t at) { at_ = at; }
    char raw() const { return at_ < text_.size() ? text_[at_] : '\0'; }
    char raw_at(std::size_t at) const { return at < text_.size() ? text_[at] : '\0'; }
    void step() { ++at_; }
    void blanks();
    // The next character, in upper case; '\0' at the end of the line.
    char peek();
    // The rest of the line from here, blanks first dropped.
    std::string_view rest();
    // Takes `c` if it comes next.
    bool take(char c);
    // Takes the keyword `name` if it is typed next (any case, without a
    // word boundary; a blank of the name optional).
    bool word(std::string_view name);
    // True at the end of the statement: the end of the line, an @, or a
    // ! that starts a comment.
    bool at_statement_end();
    // Fails with Excess Chars unless the statement ends here.
    bool end_of_statement();

    // Making.
    void put_nibble(unsigned nibble) { out_.push_back(static_cast<unsigned char>(nibble & 0xF)); }
    void put_byte(unsigned byte) {
        put_nibble(byte);
        put_nibble(byte >> 4);
    }
    void put_external(unsigned token_kind, unsigned lex, unsigned token) {
        put_byte(token_kind);
        put_byte(lex);
        put_byte(token);
    }
    // Changes the byte put at nibble `at`.
    void put_byte_at(std::size_t at, unsigned byte) {
        out_[at] = static_cast<unsigned char>(byte & 0xF);
        out_[at + 1] = static_cast<unsigned char>(byte >> 4 & 0xF);
    }
    // A number in `count` nibbles, least significant first.
    void put_number(unsigned value, std::size_t count);
    // A line number as 4 BCD digits, least significant first.
    void put_line_number(unsigned number);

    // An IF with THEN has been read on this line: ELSE may come.
    bool after_then = false;

    // Expressions (parse_expression.cpp).
    bool expression(Type& type);
    bool numeric_expression();
    // A numeric expression whose faults are all `refusal`.
    bool numeric_expression_or(Refusal refusal);
    bool string_expression();
    // An expression of the given type, or Invalid Expr.
    bool typed_expression(Type wanted);
    // True if an expression could start here (without reading it).
    bool expression_starts();
    // A variable that can be assigned to: simple, element, substring,
    // and where `function_allowed`, the FN name inside DEF FN. `type` is
    // its type.
    bool assignment_target(Type& type, bool function_allowed = false);
    // One or two numeric expressions, then `closing` (`unclosed` if it is
    // not there): subscripts, bounds, substring indexes.
    bool indexes(char closing, Refusal unclosed, std::size_t& count);
    // A whole array, A() or B(,), put; false with nothing read otherwise.
    bool whole_array();
    // A variable's name typed here: letter [digit] [$], upper case.
    bool name_parts(char& letter, char& digit, bool& string);
    // A simple variable, put; `type` its type. Invalid Var otherwise.
    bool simple_variable(Type& type);
    // Puts the variable layout of a name already read.
    void put_variable(char letter, char digit, bool string);
    // A number typed here as a constant (parse_number.cpp).
    bool number_constant();
    // A line number typed where one is expected: 1-9999, stored as
    // `0F` + an empty cache + BCD (`with_cache`), or bare BCD.
    bool line_number_typed(unsigned& number);
    bool line_reference();
    // A quoted string constant: ".." or '..', kept as typed.
    bool string_constant();

private:
    std::string_view text_;
    std::size_t at_ = 0;
    Nibbles out_;
    Refusal refusal_ = Refusal::none;
    std::vector<Warning> warnings_;
    std::vector<LinkField> links_;
    const KeywordTable& keywords_;
};

// An operand (parse_operand.cpp).
bool primary(Parser& parser, Type& type);
// The function typed here: the first keyword in the order the HP-71B
// tries its tables, if it is a function; the length typed; null if none.
const Keyword* typed_function(Parser& parser, std::size_t& length);

// Why keywords typed where an operand or a statement should be are
// refused: where the mainframe or LEX 01 has the word, an Invalid Expr;
// a plug-in's word alone leaves Excess Chars.
Refusal keyword_refusal(const KeywordTable::Match* matches, std::size_t count);
// True if a keyword is typed here.
bool typed_keyword(Parser& parser);

char upper_case(char c);
bool is_letter(char c);
bool is_digit(char c);

}  // namespace velkord::basic

#endif
