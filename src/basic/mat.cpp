// The Math Pac's MAT: either a mainframe I/O keyword and its arguments
// (MAT DISP A), or an assignment whose right side is stored in infix order,
// unlike every other expression.
#include "basic/decoder.h"

namespace velkord::basic {
namespace {

using token::add;
using token::external_keyword;
using token::multiply;
using token::negation;
using token::opening_parenthesis;
constexpr unsigned product_follows = token::separator;  // after (scalar) or FUNCTION(args)

// Appends the expressions after a (, at least one, and the ) that closes them.
void enclosed(Decoder& decoder) {
    decoder.text() += '(';
    Stack stack(decoder);
    expression(decoder, stack);
    if (stack.size() == 0) {
        decoder.fail();
    }
    stack.flush();
    decoder.text() += ')';
}

// A matrix, (scalar), or a matrix function such as TRN(B) or IDN.
void term(Decoder& decoder) {
    std::string& text = decoder.text();
    bool closed = false;  // by a parenthesis
    const unsigned token = decoder.peek();
    if (token == opening_parenthesis) {
        decoder.byte();
        enclosed(decoder);
        closed = true;
    } else if (token == external_keyword) {
        decoder.byte();
        const unsigned lex = decoder.byte();
        const unsigned function = decoder.byte();
        const Keyword* row = decoder.find(lex, function);
        if (row && *row->name) {
            text += row->name;
        } else {
            text += absent_keyword("XWORD", lex, function);
        }
        if (decoder.peek() == opening_parenthesis) {
            decoder.byte();
            enclosed(decoder);
            closed = true;
        }
    } else {
        variable_name(decoder);
    }
    if (closed && decoder.peek() == product_follows) {
        decoder.byte();
        text += '*';
        term(decoder);
    }
}

}  // namespace

void list_mat(Decoder& decoder) {
    std::string& text = decoder.text();
    text += "MAT ";
    const Keyword* io = decoder.find(lex::mainframe, decoder.peek());
    if (io && (io->kind == Kind::statement || io->kind == Kind::keyboard)) {
        decoder.byte();
        text += io->name;  // MAT DISP, MAT INPUT, MAT PRINT
        text += ' ';
        Arguments arguments(decoder);
        list_arguments(decoder, arguments);
        return;
    }
    variable_name(decoder);
    text += '=';
    if (decoder.peek() == negation) {
        decoder.byte();
        text += '-';
    }
    term(decoder);
    while (!decoder.at_end()) {
        const unsigned operation = decoder.byte();
        if (operation == token::comment) {
            text += " ! ";
            comment_text(decoder);
            decoder.trim();
            if (!decoder.at_end()) {
                decoder.fail();
            }
            return;
        }
        if (operation == add) {
            text += '+';
        } else if (operation == negation) {
            text += '-';
        } else if (operation == multiply) {
            text += '*';
        } else {
            decoder.fail();
            return;
        }
        term(decoder);
    }
}

}  // namespace velkord::basic
