#include "basic/line_parser.h"

namespace velkord::basic {

char upper_case(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

void Parser::blanks() {
    while (at_ < text_.size() && text_[at_] == ' ') {
        ++at_;
    }
}

char Parser::peek() {
    blanks();
    return upper_case(raw());
}

std::string_view Parser::rest() {
    blanks();
    return text_.substr(at_);
}

bool Parser::take(char c) {
    if (peek() != c) {
        return false;
    }
    ++at_;
    return true;
}

bool Parser::word(std::string_view name) {
    const std::size_t length = typed_length(name, rest());
    at_ += length;
    return length > 0;
}

bool Parser::at_statement_end() {
    const char next = peek();
    return next == '\0' || next == '@' || next == '!' ||
           (after_then && typed_length("ELSE", rest()) > 0);
}

bool Parser::end_of_statement() {
    return at_statement_end() || fail(Refusal::excess_chars);
}

void Parser::put_number(unsigned value, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i, value >>= 4) {
        put_nibble(value);
    }
}

void Parser::put_line_number(unsigned number) {
    for (std::size_t i = 0; i < field::line_number; ++i, number /= 10) {
        put_nibble(number % 10);
    }
}

}  // namespace velkord::basic
