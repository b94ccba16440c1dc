// The HP-71B's own results for typed BASIC lines and programs, kept under
// tests/data/basic (the folder CMake names in VELKORD_BASIC_DATA), and the
// means to compare with them: rows of tab-separated files, nibble strings,
// a program's listing.
#ifndef VELKORD_TESTS_SUPPORT_BASIC_DATA_H
#define VELKORD_TESTS_SUPPORT_BASIC_DATA_H

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "basic/program.h"
#include "basic/typed_line.h"

namespace velkord::basic_data {

inline std::string path(const std::string& name) {
    return std::string(VELKORD_BASIC_DATA) + "/" + name;
}

inline std::string read_file(const std::string& name) {
    std::ifstream file(path(name), std::ios::binary);
    EXPECT_TRUE(file) << name;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

inline std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> result(1);
    for (const char c : line) {
        if (c == '\t') {
            result.emplace_back();
        } else {
            result.back() += c;
        }
    }
    return result;
}

// A typed line and what the HP-71B made of it.
struct TypedRow {
    std::string input;
    bool stored;
    std::string result;   // the stored nibbles, or "#78 Excess Chars"
    std::string listing;  // of a stored line, trailing blanks dropped
};

// The rows of a file whose columns end in input, status, stored,
// listing (tokenize-lines.tsv, statements.tsv).
inline std::vector<TypedRow> typed_rows(const std::string& name) {
    std::vector<TypedRow> rows;
    std::istringstream lines(read_file(name));
    std::string line;
    std::getline(lines, line);  // the column names
    while (std::getline(lines, line)) {
        const std::vector<std::string> row = fields(line);
        if (row.size() < 5) {
            continue;
        }
        const std::size_t input = row.size() - 4;
        std::string listing = row[input + 3];
        listing.erase(listing.find_last_not_of(' ') + 1);
        rows.push_back(TypedRow{row[input], row[input + 1] == "OK", row[input + 2], listing});
    }
    return rows;
}

// What the HP-71B shows for an error number and message: "#78 Excess
// Chars" is ERR:Excess Chars, the HP-IL module's "#255007 HPIL ERR:Syntax"
// as written.
inline std::string shown(const std::string& error) {
    const std::size_t blank = error.find(' ');
    const std::string message = error.substr(blank + 1);
    return message.compare(0, 5, "HPIL ") == 0 ? message : "ERR:" + message;
}

inline std::string hex_nibbles(const basic::Nibbles& nibbles) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (const unsigned char nibble : nibbles) {
        text += digits[nibble & 0xF];
    }
    return text;
}

// Both nibble strings with the run-time link fields of `typed` (where the
// HP-71B leaves what typing left) blotted out.
inline void blot_links(const basic::TypedLine& typed, std::string& made, std::string& expected) {
    for (const basic::LinkField& link : typed.links) {
        for (std::size_t i = link.offset; i < link.offset + basic::field::link; ++i) {
            if (i < made.size()) made[i] = 'x';
            if (i < expected.size()) expected[i] = 'x';
        }
    }
}

inline std::vector<unsigned char> hex_bytes(const std::string& text) {
    std::vector<unsigned char> bytes;
    std::string digits;
    for (const char c : text) {
        if (std::isxdigit(static_cast<unsigned char>(c))) {
            digits += c;
        }
    }
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
        bytes.push_back(static_cast<unsigned char>(std::stoi(digits.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

// The lines of a listing, one after another.
class CollectedLines final : public basic::LineSink {
public:
    void put(std::string_view line) override { text.append(line); }
    std::string text;
};

struct Listing {
    std::string text;
    basic::ListingEnd end;
};

inline Listing list(const std::vector<unsigned char>& body, std::uint32_t nibbles) {
    basic::MemoryBytes bytes(body.data(), body.size());
    CollectedLines lines;
    const basic::ListingEnd end =
        basic::list_program(bytes, nibbles, lines, basic::KeywordTable::builtin());
    return Listing{lines.text, end};
}

// One stored line's nibbles as a program of that line alone.
inline Listing list_line(const basic::Nibbles& line) {
    basic::Nibbles nibbles{0xF, 0xF, 0xF, 0xF, 0xF, 0xF, 0xF, 0xF, 0xF, 0xF, 0x0, 0xF};
    nibbles.insert(nibbles.end(), line.begin(), line.end());
    std::vector<unsigned char> body((nibbles.size() + 1) / 2, 0);
    for (std::size_t i = 0; i < nibbles.size(); ++i) {
        body[i / 2] = static_cast<unsigned char>(body[i / 2] | nibbles[i] << (i % 2 * 4));
    }
    return list(body, static_cast<std::uint32_t>(nibbles.size()));
}

}  // namespace velkord::basic_data

#endif
