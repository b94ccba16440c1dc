#include "basic/program.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "basic/decoder.h"

namespace velkord::basic {
namespace {


// Two 5-nibble fields the lister has no use for, then an end-of-line
// token, so that the first line follows one like every other.
constexpr std::size_t header_nibbles = field::program_header;
using token::end_of_line;
using token::next_statement;
constexpr unsigned else_token = token::else_clause;  // a statement of its own
constexpr std::size_t line_number_nibbles = field::line_number;
// A statement's length is one byte, counted from its own first nibble up
// to the terminator, which takes 2 more.
constexpr std::size_t length_nibbles = field::statement_length;
constexpr std::size_t longest_statement = 255;
// A line is held until it is whole, so that a damaged one never shows in
// part. To keep that memory small, a line that lists to more than this is
// taken as damage: an HP-71B's own lines are far shorter.
constexpr std::size_t longest_line = 64 * 1024;

// The program's nibbles in stream order: of each byte the low nibble
// first. Never more than the nibble count, never beyond the file.
class ProgramNibbles {
public:
    ProgramNibbles(ByteSource& file, std::uint32_t count)
        : file_(file), left_(count), unread_((std::uint64_t{count} + 1) / 2) {}  // the bytes that hold them

    std::uint64_t left() const { return left_; }
    // Why a take failed: the file ended or could not be read; else the
    // program itself runs past its count.
    ListingEnd trouble() const { return trouble_; }

    // The next `count` nibbles, one a byte; false when the program or the
    // file has fewer.
    bool take(unsigned char* nibbles, std::size_t count) {
        if (count > left_) {
            return false;
        }
        left_ -= count;
        std::size_t i = 0;
        if (high_ && count > 0) {
            nibbles[i++] = bytes_[begin_++] >> 4;
            high_ = false;
        }
        while (count - i >= 2) {
            if (begin_ == end_ && !refill()) {
                return false;
            }
            // Whole bytes, as many as are here.
            const std::size_t pairs = std::min((count - i) / 2, end_ - begin_);
            for (const unsigned char* byte = bytes_ + begin_; byte < bytes_ + begin_ + pairs;
                 ++byte) {
                nibbles[i++] = *byte & 0x0F;
                nibbles[i++] = *byte >> 4;
            }
            begin_ += pairs;
        }
        if (i < count) {
            if (begin_ == end_ && !refill()) {
                return false;
            }
            nibbles[i] = bytes_[begin_] & 0x0F;
            high_ = true;
        }
        return true;
    }

private:
    bool refill() {
        const std::size_t wanted =
            unread_ < sizeof bytes_ ? static_cast<std::size_t>(unread_) : sizeof bytes_;
        const std::size_t got = file_.read(bytes_, wanted);
        unread_ -= got;
        begin_ = 0;
        end_ = got;
        if (got == 0) {
            trouble_ = file_.failed() ? ListingEnd::unreadable : ListingEnd::data_cut;
        }
        return got > 0;
    }

    ByteSource& file_;
    std::uint64_t left_;    // nibbles
    std::uint64_t unread_;  // bytes
    unsigned char bytes_[16384];
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool high_ = false;  // the next nibble is the high one of bytes_[begin_]
    ListingEnd trouble_ = ListingEnd::complete;
};

// " @ " parts statements, a space where one leads into the next.
const char* joiner(Joining previous, bool else_follows) {
    const bool space = previous == Joining::then_follows || previous == Joining::label ||
                       previous == Joining::bare_else || else_follows;
    return space ? " " : " @ ";
}

// Why a take of the program's nibbles failed: the source, or else the
// line running past the nibble count.
ListingEnd cut(const ProgramNibbles& program) {
    return program.trouble() == ListingEnd::complete ? ListingEnd::line_cut : program.trouble();
}

// Lists the line that starts at the program's next nibble into
// `workspace.text`; says why where it cannot be listed.
ListingEnd list_line(ProgramNibbles& program, Workspace& workspace) {
    unsigned char part[longest_statement];
    if (!program.take(part, line_number_nibbles)) {
        return cut(program);
    }
    std::string& line = workspace.text;
    line.clear();
    for (std::size_t i = line_number_nibbles; i-- > 0;) {
        if (part[i] > 9) {
            return ListingEnd::line_number_damaged;
        }
        if (part[i] != 0 || !line.empty() || i == 0) {
            line += static_cast<char>('0' + part[i]);
        }
    }
    line += ' ';
    Joining previous = Joining::plain;
    for (bool first = true;; first = false) {
        if (!program.take(part, length_nibbles)) {
            return cut(program);
        }
        const std::size_t length = part[0] | part[1] << 4;
        if (length < length_nibbles) {
            return ListingEnd::statement_damaged;
        }
        // The body, then the terminator.
        if (!program.take(part, length)) {
            return cut(program);
        }
        const std::size_t body = length - length_nibbles;
        if (!first) {
            const bool else_follows = body >= 2 && (part[0] | part[1] << 4) == else_token;
            line += joiner(previous, else_follows);
        }
        if (!list_statement(part, body, workspace, previous)) {
            return ListingEnd::token_damaged;
        }
        const unsigned terminator = part[body] | part[body + 1] << 4;
        if (terminator == end_of_line) {
            while (line.back() == ' ') {
                line.pop_back();  // after the number at least a digit stays
            }
            return ListingEnd::complete;
        }
        if (terminator != next_statement) {
            return ListingEnd::statement_damaged;
        }
        if (line.size() > longest_line) {
            return ListingEnd::line_too_long;
        }
    }
}

}  // namespace

std::size_t MemoryBytes::read(unsigned char* bytes, std::size_t count) {
    const std::size_t taken = count < left_ ? count : left_;
    std::memcpy(bytes, bytes_, taken);
    bytes_ += taken;
    left_ -= taken;
    return taken;
}

ListingEnd list_program(ByteSource& program, std::uint32_t nibble_count, LineSink& lines,
                        const KeywordTable& keywords) {
    ProgramNibbles nibbles(program, nibble_count);
    unsigned char header[header_nibbles];
    if (!nibbles.take(header, header_nibbles)) {
        return nibbles.trouble() == ListingEnd::complete ? ListingEnd::header_damaged
                                                         : nibbles.trouble();
    }
    if ((header[10] | header[11] << 4) != end_of_line) {
        return ListingEnd::header_damaged;
    }
    Workspace workspace(keywords);
    std::string& line = workspace.text;
    while (nibbles.left() > 0) {
        const ListingEnd end = list_line(nibbles, workspace);
        if (end != ListingEnd::complete) {
            return end;
        }
        line += '\n';
        lines.put(line);
    }
    return ListingEnd::complete;
}

}  // namespace velkord::basic
