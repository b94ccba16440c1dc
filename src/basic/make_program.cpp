#include "basic/make_program.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "basic/program_chains.h"
#include "basic/typed_line.h"

namespace velkord::basic {
namespace {

constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";

bool blank(std::string_view line) { return line.find_first_not_of(' ') == std::string_view::npos; }

// Says what is wrong with a line, or what it warns of.
void report(const TypedLine& typed, unsigned text_line, std::vector<Diagnostic>& diagnostics) {
    switch (typed.outcome) {
        case LineOutcome::stored:
            for (const Warning warning : typed.warnings) {
                diagnostics.push_back(Diagnostic{false, text_line, warning_message(warning), 0});
            }
            return;
        case LineOutcome::refused:
            diagnostics.push_back(Diagnostic{true, text_line, refusal_message(typed.refusal), 0});
            return;
        case LineOutcome::no_line_number:
            diagnostics.push_back(Diagnostic{
                true, text_line, "not a program line: it must begin with a line number", 0});
            return;
        case LineOutcome::no_statement:
            diagnostics.push_back(
                Diagnostic{true, text_line, "line %u holds no statement", typed.number});
            return;
    }
}

}  // namespace

std::string Diagnostic::message() const {
    if (!std::strstr(what, "%u")) {
        return what;
    }
    char text[96];
    std::snprintf(text, sizeof text, what, basic_line);
    return text;
}

bool MadeProgram::refused() const {
    for (const Diagnostic& diagnostic : diagnostics) {
        if (diagnostic.error) {
            return true;
        }
    }
    return false;
}

MadeProgram make_program(std::string_view text, const KeywordTable& keywords) {
    MadeProgram made;
    if (text.substr(0, byte_order_mark.size()) == byte_order_mark) {
        text.remove_prefix(byte_order_mark.size());
    }
    std::vector<TypedLine> lines;
    // Where the line of each number is in `lines`, once it is given.
    constexpr std::size_t not_given = SIZE_MAX;
    std::vector<std::size_t> place(largest_line_number + 1, not_given);
    unsigned text_line = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++text_line;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (blank(line)) {
            continue;
        }
        TypedLine typed = type_line(line, keywords);
        report(typed, text_line, made.diagnostics);
        if (typed.outcome != LineOutcome::stored) {
            continue;
        }
        std::size_t& at = place[typed.number];
        if (at == not_given) {
            at = lines.size();
            lines.push_back(std::move(typed));
        } else {
            made.diagnostics.push_back(Diagnostic{
                false, text_line, "line %u is given again: the later one is kept", typed.number});
            lines[at] = std::move(typed);
        }
    }
    std::sort(lines.begin(), lines.end(), [](const TypedLine& a, const TypedLine& b) {
        return a.number < b.number;  // no two have one number
    });
    ProgramBuilder builder;
    for (const TypedLine& line : lines) {
        builder.add_line(line.nibbles, line.links);
    }
    made.nibbles = builder.finish(made.body);
    return made;
}

}  // namespace velkord::basic
