// The parts that list one statement of a BASIC program, shared by the files
// that list its kinds of statement.
//
// A statement's body comes as nibbles, one a byte; every read is checked
// against its end, and a statement that cannot be listed marks the decoder
// failed, after which every read gives 0 and every loop ends.
//
// The listing is made in one workspace, kept from statement to statement so
// that listing costs no allocation: the statement's text, and at its end the
// texts of the expressions being rebuilt (the stack's items), one after
// another. An operator or function replaces the last items by one.
#ifndef VELKORD_BASIC_DECODER_H
#define VELKORD_BASIC_DECODER_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "basic/keywords.h"
#include "basic/operators.h"
#include "basic/tokens.h"

namespace velkord::basic {

enum class ItemKind { atom, variable, element, operation };

// An expression as far as it is rebuilt: its text starts at `start`.
struct Item {
    std::size_t start;
    ItemKind kind;
    Precedence precedence;  // for an operation
};

// Every item takes a token of at least 2 nibbles, and a statement's body
// has at most 253: room for that many is made once.
constexpr std::size_t most_items = 128;

struct Workspace {
    explicit Workspace(const KeywordTable& table) : keywords(table) { items.reserve(most_items); }

    const KeywordTable& keywords;  // what tokens are named and listed as
    // The line so far, the statement's text at its end from statement_start,
    // and the items' texts at the end of that.
    std::string text;
    std::size_t statement_start = 0;
    std::vector<Item> items;
    std::string scratch;  // where a piece to put in is made
};

class Decoder {
public:
    Decoder(const unsigned char* nibbles, std::size_t count, Workspace& workspace)
        : nibbles_(nibbles), end_(count), workspace_(&workspace) {}

    Workspace& workspace() { return *workspace_; }
    const KeywordTable& keywords() const { return workspace_->keywords; }
    // The row of `token` in the table of LEX file `lex`; null where none.
    const Keyword* find(unsigned lex, unsigned token) const {
        return workspace_->keywords.find(lex, token);
    }
    std::string& text() { return workspace_->text; }
    // Drops the blanks at the end of the statement's text.
    void trim() {
        std::string& text = workspace_->text;
        std::size_t end = text.size();
        while (end > workspace_->statement_start && text[end - 1] == ' ') {
            --end;
        }
        text.resize(end);
    }

    bool failed() const { return failed_; }
    bool at_end() const { return position_ == end_; }

    // Gives up on the statement: nothing more is read.
    void fail() {
        failed_ = true;
        position_ = end_;
    }

    unsigned nibble() {
        if (position_ == end_) {
            fail();
            return 0;
        }
        return nibbles_[position_++];
    }
    // A byte is two nibbles, the low one first.
    unsigned byte() {
        if (end_ - position_ < 2) {
            fail();
            return 0;
        }
        const unsigned value = nibbles_[position_] | nibbles_[position_ + 1] << 4;
        position_ += 2;
        return value;
    }
    // The next byte without reading it; none (a value above any byte)
    // where the statement ends before it.
    static constexpr unsigned none = 0x100;
    unsigned peek() const {
        return end_ - position_ >= 2 ? nibbles_[position_] | nibbles_[position_ + 1] << 4
                                     : none;
    }
    // The next `count` nibbles as a decoder of their own; this one goes on
    // after them.
    Decoder part(std::size_t count) {
        if (end_ - position_ < count) {
            fail();
            count = 0;
        }
        Decoder inner(nibbles_ + position_, count, *workspace_);
        position_ += count;
        return inner;
    }
    // Passes over a field that only the HP-71B uses (a link, a cache).
    void skip(std::size_t count) {
        if (end_ - position_ < count) {
            fail();
        } else {
            position_ += count;
        }
    }
    // Ends the statement here: what follows is never listed.
    void skip_rest() { position_ = end_; }
    // The next `count` nibbles as a number, least significant first.
    unsigned number(std::size_t count) {
        unsigned value = 0;
        for (std::size_t i = 0; i < count; ++i) {
            value |= nibble() << (4 * i);
        }
        return value;
    }
    // `count` BCD digits, least significant first, given most significant
    // first; fails on a nibble above 9.
    std::string digits(std::size_t count) {
        std::string value(count, '\0');
        for (std::size_t i = 0; i < count; ++i) {
            const unsigned digit = nibble();
            if (digit > 9) {
                fail();
            }
            value[count - 1 - i] = static_cast<char>(digit);
        }
        return value;
    }

private:
    const unsigned char* nibbles_;
    std::size_t position_ = 0;  // never beyond end_
    std::size_t end_;
    Workspace* workspace_;
    bool failed_ = false;
};

// The items pushed since it was made. When it goes, its items' texts stay,
// as plain text (or as part of the item below, whose text they follow).
class Stack {
public:
    explicit Stack(Decoder& decoder)
        : workspace_(decoder.workspace()), base_(workspace_.items.size()) {}
    ~Stack() { workspace_.items.resize(base_); }
    Stack(const Stack&) = delete;
    Stack& operator=(const Stack&) = delete;

    std::size_t size() const { return workspace_.items.size() - base_; }
    const Item& item(std::size_t index) const { return workspace_.items[base_ + index]; }
    // A new item, whose text the caller appends.
    void push(ItemKind kind = ItemKind::atom, Precedence precedence = {}) {
        push_at(workspace_.text.size(), kind, precedence);
    }
    // Replaces the last `count` items by one: `before`, their texts joined
    // by commas, and `after`. The texts stay where they are, the rest is
    // put in around them.
    void merge(std::size_t count, std::string_view before, std::string_view after,
               ItemKind kind = ItemKind::atom) {
        std::vector<Item>& items = workspace_.items;
        std::string& text = workspace_.text;
        const std::size_t first = items.size() - count;
        const std::size_t start = count > 0 ? items[first].start : text.size();
        for (std::size_t i = items.size(); i-- > first + 1;) {
            text.insert(items[i].start, 1, ',');  // from the last, so that no start moves
        }
        text.insert(start, before);
        text += after;
        items.resize(first);
        push_at(start, kind, {});
    }
    // Makes the last `count` items one, whose text starts where the first of
    // them did and runs to the end (the caller has changed it in place).
    void join(std::size_t count, ItemKind kind, Precedence precedence) {
        std::vector<Item>& items = workspace_.items;
        const std::size_t start = items[items.size() - count].start;
        items.resize(items.size() - count);
        push_at(start, kind, precedence);
    }
    // Turns the items into plain text, joined by commas, `before` first.
    void flush(std::string_view before = {}) {
        if (size() > 1 || (size() == 1 && !before.empty())) {
            merge(size(), before, {});
        }
        workspace_.items.resize(base_);
    }

private:
    // Each field set on its own: an item built whole and then copied is
    // read back before its parts are stored, which stalls.
    void push_at(std::size_t start, ItemKind kind, Precedence precedence) {
        Item& item = workspace_.items.emplace_back();
        item.start = start;
        item.kind = kind;
        item.precedence = precedence;
    }

    Workspace& workspace_;
    std::size_t base_;
};

// Where a statement leaves the listing of the next one of its line.
enum class Joining {
    plain,        // " @ " before the next
    then_follows, // an IF ending in THEN: a space
    label,        // a space
    bare_else,    // a space
    else_clause,  // an ELSE statement: a space before it too
};

// Lists the statement whose body is the `count` nibbles at `nibbles` at the
// end of `workspace.text` (statement.cpp); false when it cannot be listed.
bool list_statement(const unsigned char* nibbles, std::size_t count, Workspace& workspace,
                    Joining& joining);

// Expressions (expression.cpp).
// Reads one token of an expression and works it on the stack.
void expression_token(Decoder& decoder, Stack& stack);
// Reads expression tokens up to the first token that is not one.
void expression(Decoder& decoder, Stack& stack);
// Appends the expression that follows; fails unless it is exactly one.
void single_expression(Decoder& decoder);
bool starts_variable(unsigned byte);
// A variable's name: [$ mark] [digit] letter, listed letter, digit, $.
std::string read_variable_name(Decoder& decoder);
void append_variable_name(Decoder& decoder, std::string& text);
// Appends a variable's name.
void variable_name(Decoder& decoder);
// Appends the ASCII bytes after C4 up to the first token byte: a file or
// subprogram name.
void bare_name(Decoder& decoder);
// A device right after a file's name is part of it: the two items become
// one, with no comma between them.
void attach_device(Stack& stack);

// The argument engine (arguments.cpp): most statements are a keyword
// followed by expressions, separators and secondary keywords.
struct Arguments {
    explicit Arguments(Decoder& decoder)
        : stack(decoder),
          text(decoder.text()),
          statement_start(decoder.workspace().statement_start) {}

    Stack stack;
    std::string& text;
    std::size_t statement_start;
    bool equals_next = false;  // the next F1 lists "=" (an assignment)
    bool hash_next = false;    // a # goes before the next expression
    bool option = false;       // B3 is a keyword without a count (OPTION)
    bool hpil = false;         // E2 starts a device, F4 lists a space
    bool device_before = false;       // the last thing listed is a device
    bool semicolon_space = false;     // F2 [F1] lists "; " (ENABLE INTR)
    bool line_numbers = false;        // F1 and 4 BCD digits: LIST 10,20
    unsigned last_token = 0;   // the last token that was no operand
};
void list_arguments(Decoder& decoder, Arguments& arguments);
// Appends a comment's text after FC, up to its 0D.
void comment_text(Decoder& decoder);
// A comment that may end a statement of its own layout, and nothing
// after it: " ! " and its text.
void comment_and_end(Decoder& decoder);
// Appends the name of a 4-nibble file type; fails for a type that has none.
void file_type_name(Decoder& decoder);

// Statements of their own syntax, after their keyword.
// DIM, REAL, COMPLEX... (declarations.cpp)
void list_declarations(Decoder& decoder, const char* name);
// The Math Pac's MAT (mat.cpp).
void list_mat(Decoder& decoder);
// The HP-IL module's and the KEYBOARD LEX's statements (hpil.cpp).
void list_hpil(Decoder& decoder, const Keyword& keyword);

}  // namespace velkord::basic

#endif
