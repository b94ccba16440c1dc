// Expressions: the HP-71B stores them in postfix order, without
// parentheses; they are rebuilt on a stack of items, each operator putting
// in parentheses only the operands that would otherwise bind to another.
#include "basic/decoder.h"
#include "basic/numbers.h"

namespace velkord::basic {
namespace {

using token::add;
using token::assignment_target;
using token::first_letter;
using token::first_name_digit;
using token::last_letter;
using token::last_name_digit;
using token::multiply;
using token::name_end;
using token::opening_parenthesis;
using token::relation;
using token::separator;
using token::string_mark;
using token::unquoted_name;

// True when the stack holds `count` items to take; fails otherwise.
bool holds(Decoder& decoder, const Stack& stack, std::size_t count) {
    if (count > stack.size()) {
        decoder.fail();
        return false;
    }
    return true;
}

// NAME(a,b) of the last `count` items, or NAME alone without arguments.
void call(Decoder& decoder, Stack& stack, std::string_view name, std::size_t count,
          ItemKind kind = ItemKind::atom) {
    if (!holds(decoder, stack, count)) {
        return;
    }
    if (count == 0) {
        stack.push(kind);
        decoder.text() += name;
        return;
    }
    std::string& opening = decoder.workspace().scratch;
    opening.assign(name);
    opening += '(';
    stack.merge(count, opening, ")", kind);
}

// Appends the characters up to the same quote again, with the quotes.
void quoted(Decoder& decoder, unsigned quote) {
    std::string& text = decoder.text();
    text += static_cast<char>(quote);
    for (;;) {
        if (decoder.peek() == Decoder::none) {
            decoder.fail();  // the string runs past the statement
            return;
        }
        const unsigned character = decoder.byte();
        text += static_cast<char>(character);
        if (character == quote) {
            return;
        }
    }
}

void operate(Decoder& decoder, Stack& stack, const OperatorForm& form) {
    const char* symbol = form.text;
    if (form.token == relation) {
        const unsigned relation_bits = decoder.nibble();
        if (relation_bits == 0) {
            decoder.fail();
            return;
        }
        symbol = relations[relation_bits];
    }
    std::string& text = decoder.text();
    if (form.token == multiply && stack.size() < 2) {
        stack.push();  // a character, not an operation: ASSIGN #1 TO *
        text += '*';
        return;
    }
    const std::size_t count = form.unary ? 1 : 2;
    if (!holds(decoder, stack, count)) {
        return;
    }
    // Only an operation can bind more loosely than its new neighbour.
    const std::size_t last = stack.size() - 1;
    const Item& right = stack.item(last);
    const bool right_enclosed = right.kind == ItemKind::operation &&
                                right.precedence.as_right > form.precedence.own;
    // Between the operands (or before the only one): the symbol and the
    // parentheses that meet there.
    std::string& middle = decoder.workspace().scratch;
    middle.clear();
    std::size_t left_start = 0;
    bool left_enclosed = false;
    if (!form.unary) {
        const Item& left = stack.item(last - 1);
        left_start = left.start;
        left_enclosed = left.kind == ItemKind::operation &&
                        left.precedence.as_left > form.precedence.own;
        if (left_enclosed) {
            middle += ')';
        }
    }
    // A subtraction is stored as an addition of a negation: A-B.
    if (form.token != add || right_enclosed || right.start == text.size() ||
        text[right.start] != '-') {
        middle += symbol;
    }
    if (right_enclosed) {
        middle += '(';
        text += ')';
    }
    text.insert(right.start, middle);
    if (left_enclosed) {
        text.insert(left_start, 1, '(');
    }
    stack.join(count, ItemKind::operation, form.precedence);
}

void label_reference(Decoder& decoder, Stack& stack) {
    const unsigned next = decoder.peek();
    if (next == '"' || next == '\'') {
        stack.push();
        decoder.byte();
        quoted(decoder, next);
    } else if (next == unquoted_name) {
        stack.push();
        decoder.byte();
        decoder.text() += '\'';
        bare_name(decoder);
        decoder.text() += '\'';
    } else {
        // A label computed when the line runs: a string expression, A$,
        // A$&"X", R$(2).
        const std::size_t before = stack.size();
        expression(decoder, stack);
        if (stack.size() != before + 1) {
            decoder.fail();
        }
    }
}

// B4: a LEX file's function whose arguments sit in a block of their own,
// each followed by F1; the block's length lets an unknown one be skipped.
void prefix_function(Decoder& decoder, Stack& stack) {
    const unsigned lex = decoder.byte();
    const unsigned token = decoder.byte();
    const std::size_t length = decoder.number(2);  // counted from itself
    if (length < 2) {
        decoder.fail();
        return;
    }
    Decoder block = decoder.part(length - 2);
    const Keyword* row = decoder.find(lex, token);
    stack.push();
    if (!row || !*row->name) {
        decoder.text() += absent_keyword("XFN", lex, token);
        return;
    }
    Stack arguments(block);
    while (!block.at_end()) {
        const std::size_t before = arguments.size();
        expression(block, arguments);
        if (arguments.size() != before + 1 || block.byte() != separator) {
            block.fail();
        }
    }
    if (block.failed()) {
        decoder.fail();
        return;
    }
    call(decoder, arguments, row->name, arguments.size());
}

void external_function(Decoder& decoder, Stack& stack) {
    const unsigned lex = decoder.byte();
    const unsigned token = decoder.byte();
    const std::size_t count = decoder.nibble();
    const Keyword* row = decoder.find(lex, token);
    if (row && (row->flags & flag_invisible)) {
        return;  // a marker inside MAT DISP and its kind
    }
    if (row && *row->name) {
        call(decoder, stack, row->name, count);
    } else {
        call(decoder, stack, absent_keyword("XFN", lex, token), count);
    }
}

// :CARD, :MAIN, :PORT and :PORT(n) inside the arguments of COPY, CAT...
void device_word(Decoder& decoder, Stack& stack, const Keyword& row) {
    stack.push();
    std::string& text = decoder.text();
    text += ':';
    text += row.name;
    if (decoder.peek() == opening_parenthesis) {
        decoder.byte();
        text += '(';
        single_expression(decoder);
        decoder.text() += ')';
    }
    attach_device(stack);
}

}  // namespace

bool starts_variable(unsigned byte) {
    return byte == string_mark || (byte >= first_name_digit && byte <= last_name_digit) ||
           (byte >= first_letter && byte <= last_letter);
}

std::string read_variable_name(Decoder& decoder) {
    std::string name;
    append_variable_name(decoder, name);
    return name;
}

void append_variable_name(Decoder& decoder, std::string& text) {
    const bool string = decoder.peek() == string_mark;
    if (string) {
        decoder.byte();
    }
    char digit = 0;
    if (decoder.peek() >= first_name_digit && decoder.peek() <= last_name_digit) {
        digit = static_cast<char>('0' + decoder.byte() - first_name_digit);
    }
    if (decoder.peek() < first_letter || decoder.peek() > last_letter) {
        decoder.fail();  // a variable without its letter
        return;
    }
    text += static_cast<char>(decoder.byte());
    if (digit) {
        text += digit;
    }
    if (string) {
        text += '$';
    }
}

void variable_name(Decoder& decoder) {
    append_variable_name(decoder, decoder.text());
}

void bare_name(Decoder& decoder) {
    std::string& text = decoder.text();
    const std::size_t start = text.size();
    while (decoder.peek() < name_end) {
        text += static_cast<char>(decoder.byte());
    }
    if (text.size() == start && decoder.peek() != token::device) {
        decoder.fail();  // only a volume's name may be empty: INITIALIZE :TAPE
    }
}

void attach_device(Stack& stack) {
    if (stack.size() >= 2) {
        stack.join(2, ItemKind::atom, {});  // FILE:TAPE, FILE:PORT
    }
}

void expression_token(Decoder& decoder, Stack& stack) {
    const unsigned token = decoder.peek();
    std::string& text = decoder.text();
    if (starts_variable(token)) {
        stack.push(ItemKind::variable);
        variable_name(decoder);
        return;
    }
    decoder.byte();
    if (token == unquoted_name) {
        stack.push();
        bare_name(decoder);
        return;
    }
    const Keyword* row = decoder.find(lex::mainframe, token);
    if (!row) {
        decoder.fail();
        return;
    }
    if (row->flags & flag_device) {
        device_word(decoder, stack, *row);
        return;
    }
    switch (row->kind) {
        case Kind::digit:
            stack.push();
            text += row->name;
            return;
        case Kind::integer:
            stack.push();
            append_integer(text, decoder.digits(static_cast<std::size_t>(row->args)));
            return;
        case Kind::real: {
            const std::string mantissa = decoder.digits(static_cast<std::size_t>(row->args));
            const std::string exponent = decoder.digits(3);
            // Three decimal digits: 500 and above stand for -500 to -1.
            const int value = exponent[0] * 100 + exponent[1] * 10 + exponent[2];
            stack.push();
            append_real(text, mantissa, value < 500 ? value : value - 1000);
            return;
        }
        case Kind::quote:
            stack.push();
            quoted(decoder, token);
            return;
        case Kind::label_reference:
            label_reference(decoder, stack);
            return;
        case Kind::line_reference:
            decoder.skip(field::link);  // where the line was found when it last ran
            stack.push();
            append_integer(text, decoder.digits(4));
            return;
        case Kind::function:
            call(decoder, stack, row->name, static_cast<std::size_t>(row->args));
            return;
        case Kind::unary:
        case Kind::binary:
        case Kind::relational:
            if (const OperatorForm* form = operator_form(token)) {
                operate(decoder, stack, *form);
            } else {
                decoder.fail();
            }
            return;
        case Kind::complex:
            if (holds(decoder, stack, 2)) {
                stack.merge(2, "(", ")");
            }
            return;
        case Kind::user_function: {
            const std::string name = "FN" + read_variable_name(decoder);
            const std::size_t count = decoder.nibble();
            call(decoder, stack, name, count == assignment_target ? 0 : count);
            return;
        }
        case Kind::element: {
            const std::string name = read_variable_name(decoder);
            const std::size_t count = decoder.nibble();
            if (holds(decoder, stack, count)) {
                stack.merge(count, name + "(", ")", ItemKind::element);
            }
            return;
        }
        case Kind::whole_array: {
            stack.push();
            variable_name(decoder);
            const std::size_t dimensions = decoder.nibble();
            text += '(';
            text.append(dimensions > 1 ? dimensions - 1 : 0, ',');
            text += ')';
            return;
        }
        case Kind::substring: {
            const std::size_t count = decoder.nibble();
            if (count != 1 && count != 2) {
                decoder.fail();
                return;
            }
            if (holds(decoder, stack, count + 1)) {
                // The string, then its indexes: A$[2,3].
                const std::size_t first = stack.size() - count - 1;
                text += ']';
                if (count == 2) {
                    text.insert(stack.item(first + 2).start, 1, ',');
                }
                text.insert(stack.item(first + 1).start, 1, '[');
                stack.join(count + 1, ItemKind::atom, {});
            }
            return;
        }
        case Kind::external_function:
            external_function(decoder, stack);
            return;
        case Kind::prefix_function:
            prefix_function(decoder, stack);
            return;
        default:
            decoder.fail();
            return;
    }
}

void expression(Decoder& decoder, Stack& stack) {
    while (!decoder.failed() && decoder.keywords().is_expression_token(decoder.peek())) {
        expression_token(decoder, stack);
    }
}

void single_expression(Decoder& decoder) {
    Stack stack(decoder);
    expression(decoder, stack);
    if (stack.size() != 1) {
        decoder.fail();
    }
}

}  // namespace velkord::basic
