// DIM A(5),B$[10],C$(3)[8]: names, each with its dimensions and length.
#include "basic/decoder.h"

namespace velkord::basic {
namespace {

constexpr unsigned dimensioned = token::element;
constexpr unsigned length = token::semicolon;
constexpr unsigned separator = token::separator;

// Appends the expressions up to the next separator, at least one, between
// `opening` and `closing`.
void expressions(Decoder& decoder, char opening, char closing) {
    decoder.text() += opening;
    Stack stack(decoder);
    expression(decoder, stack);
    if (stack.size() == 0) {
        decoder.fail();
    }
    stack.flush();
    decoder.text() += closing;
}

}  // namespace

void list_declarations(Decoder& decoder, const char* name) {
    std::string& text = decoder.text();
    text += name;
    text += ' ';
    if (decoder.peek() == token::short_real) {
        decoder.byte();
        text += "SHORT ";  // COMPLEX SHORT
    }
    for (;;) {
        const bool has_dimensions = decoder.peek() == dimensioned;
        if (has_dimensions) {
            decoder.byte();
        }
        variable_name(decoder);
        if (has_dimensions) {
            expressions(decoder, '(', ')');
        }
        if (decoder.peek() == length) {
            decoder.byte();
            expressions(decoder, '[', ']');
        }
        if (decoder.at_end() || decoder.peek() == token::comment) {
            comment_and_end(decoder);  // DIM A ! comment
            return;
        }
        if (decoder.byte() != separator) {
            decoder.fail();
            return;
        }
        text += ',';
    }
}

}  // namespace velkord::basic
