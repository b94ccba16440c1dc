// Every offset counts nibbles from the first nibble of the field that
// holds it; the last field of a chain holds FFFFF.
//
// Header field 1 leads to the first SUB; field 2 to the first label,
// DEF FN or END DEF of the main program (before any SUB), which lead to
// each other. Every SUB and END SUB lead to the next of them. A SUB's own
// field leads to the first label, DEF FN or END DEF between it and its
// first END SUB (or the next SUB), which lead to each other; those after
// an END SUB and before the next SUB lead to each other, from nowhere.
#include "basic/program_chains.h"

namespace velkord::basic {
namespace {

constexpr std::uint32_t chain_end = 0xFFFFF;
constexpr std::size_t first_header_field = 0, second_header_field = 5;
constexpr std::uint32_t field_values = 0x100000;  // 5 nibbles

void put_field(Nibbles& nibbles, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < field::link; ++i, value >>= 4) {
        nibbles[at + i] = static_cast<unsigned char>(value & 0xF);
    }
}

// Makes the field at `from` lead to the field at `to`.
void link(Nibbles& nibbles, std::size_t from, std::size_t to) {
    put_field(nibbles, from, static_cast<std::uint32_t>((to - from) % field_values));
}

// Chains the fields of `members` one to the next; the first one's place,
// or none.
bool chain(Nibbles& nibbles, const std::vector<std::size_t>& members) {
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (i + 1 < members.size()) {
            link(nibbles, members[i], members[i + 1]);
        } else {
            put_field(nibbles, members[i], chain_end);
        }
    }
    return !members.empty();
}

bool is_member(LinkKind kind) {
    return kind == LinkKind::label || kind == LinkKind::def_fn || kind == LinkKind::end_def;
}

}  // namespace

ProgramBuilder::ProgramBuilder() : nibbles_(field::program_header, 0) {
    nibbles_[10] = token::end_of_line & 0xF;
    nibbles_[11] = token::end_of_line >> 4;
}

void ProgramBuilder::add_line(const Nibbles& line, const std::vector<LinkField>& links) {
    for (const LinkField& field : links) {
        links_.push_back(LinkField{nibbles_.size() + field.offset, field.kind});
    }
    nibbles_.insert(nibbles_.end(), line.begin(), line.end());
}

std::uint32_t ProgramBuilder::finish(std::vector<unsigned char>& bytes) {
    std::vector<std::size_t> subs;     // every SUB and END SUB
    std::vector<std::size_t> members;  // of the part being chained
    std::size_t owner = second_header_field;  // the field that leads to them
    bool owned = true;
    const auto close = [&] {
        if (chain(nibbles_, members) && owned) {
            link(nibbles_, owner, members.front());
        } else if (owned) {
            put_field(nibbles_, owner, chain_end);
        }
        members.clear();
    };
    for (const LinkField& field : links_) {
        if (is_member(field.kind)) {
            members.push_back(field.offset);
        } else if (field.kind == LinkKind::sub || field.kind == LinkKind::end_sub) {
            subs.push_back(field.offset);
            if (field.kind == LinkKind::end_sub && owned) {
                close();
                owned = false;
            } else if (field.kind == LinkKind::sub) {
                close();
            }
        } else {  // a SUB's own field, which follows the SUB's link
            owner = field.offset;
            owned = true;
        }
    }
    close();
    put_field(nibbles_, first_header_field, chain_end);
    if (chain(nibbles_, subs)) {
        link(nibbles_, first_header_field, subs.front());
    }
    bytes.assign((nibbles_.size() + 1) / 2, 0);
    for (std::size_t i = 0; i < nibbles_.size(); ++i) {
        bytes[i / 2] = static_cast<unsigned char>(bytes[i / 2] | nibbles_[i] << (i % 2 * 4));
    }
    return static_cast<std::uint32_t>(nibbles_.size());
}

}  // namespace velkord::basic
