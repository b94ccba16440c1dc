// BASIC program data for the tests, written as tokens: "41 F1 42" are
// bytes, "n:0,1" single nibbles in stream order, "{A B}" the bytes of the
// characters between the braces. A line gets its number, each statement
// its length byte and its terminator, as the HP-71B stores them.
#ifndef VELKORD_TESTS_SUPPORT_BASIC_PROGRAM_H
#define VELKORD_TESTS_SUPPORT_BASIC_PROGRAM_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "basic/program.h"
#include "operations/list_lines.h"
#include "support/input_holding.h"

namespace velkord {

using Nibbles = std::vector<unsigned char>;

inline unsigned hex_digit(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    std::abort();  // a mistyped test
}

inline void put_byte(Nibbles& nibbles, unsigned byte) {
    nibbles.push_back(static_cast<unsigned char>(byte & 0x0F));
    nibbles.push_back(static_cast<unsigned char>(byte >> 4));
}

inline Nibbles tokens(const std::string& notation) {
    Nibbles nibbles;
    std::size_t at = 0;
    while (at < notation.size()) {
        if (notation[at] == ' ') {
            ++at;
        } else if (notation[at] == '{') {
            const std::size_t end = notation.find('}', at);
            for (++at; at < end; ++at) {
                put_byte(nibbles, static_cast<unsigned char>(notation[at]));
            }
            ++at;
        } else if (notation.compare(at, 2, "n:") == 0) {
            for (at += 2; at < notation.size() && notation[at] != ' '; ++at) {
                if (notation[at] != ',') {
                    nibbles.push_back(static_cast<unsigned char>(hex_digit(notation[at])));
                }
            }
        } else {
            put_byte(nibbles, hex_digit(notation[at]) << 4 | hex_digit(notation[at + 1]));
            at += 2;
        }
    }
    return nibbles;
}

// Hex digits, each one nibble in stream order; other characters ignored.
inline Nibbles stream(const std::string& digits) {
    Nibbles nibbles;
    for (const char c : digits) {
        if (c != ' ' && c != '|') {
            nibbles.push_back(static_cast<unsigned char>(hex_digit(c)));
        }
    }
    return nibbles;
}

inline Nibbles line(unsigned number, const std::vector<std::string>& statements) {
    Nibbles nibbles;
    for (int digit = 0; digit < 4; ++digit, number /= 10) {
        nibbles.push_back(static_cast<unsigned char>(number % 10));
    }
    for (std::size_t i = 0; i < statements.size(); ++i) {
        const Nibbles body = tokens(statements[i]);
        put_byte(nibbles, static_cast<unsigned>(body.size() + 2));
        nibbles.insert(nibbles.end(), body.begin(), body.end());
        put_byte(nibbles, i + 1 < statements.size() ? 0xF4 : 0xF0);
    }
    return nibbles;
}

// The program header (no SUB, the unknown field, an end of line), then
// the lines.
inline Nibbles program(const std::vector<Nibbles>& lines) {
    Nibbles nibbles = stream("FFFFF FFFFF 0F");
    for (const Nibbles& one : lines) {
        nibbles.insert(nibbles.end(), one.begin(), one.end());
    }
    return nibbles;
}

// The bytes that hold the nibbles, the low one of each byte first.
inline std::string packed(const Nibbles& nibbles) {
    std::string bytes((nibbles.size() + 1) / 2, '\0');
    for (std::size_t i = 0; i < nibbles.size(); ++i) {
        bytes[i / 2] = static_cast<char>(bytes[i / 2] | nibbles[i] << (i % 2 * 4));
    }
    return bytes;
}

struct Listing {
    std::string text;
    CopyEnd end;
};

// The listing of `data`, its nibble count `count` (all of them by default),
// read from a file that holds `bytes` (the data's own by default).
inline Listing list_nibbles(const Nibbles& data, std::size_t count = SIZE_MAX,
                            const std::string* bytes = nullptr) {
    InputFile input = input_holding(bytes ? *bytes : packed(data));
    Bytes listed;
    BlockWriter lines(nullptr, &listed);
    const CopyEnd end = list_basic_program(
        input, static_cast<std::uint32_t>(count == SIZE_MAX ? data.size() : count), lines);
    if (!lines.flush()) {
        std::abort();
    }
    return Listing{std::string(listed.begin(), listed.end()), end};
}

// The listing of one statement, as line 10 with nothing else, without its
// line number; "(damaged)" when it cannot be listed.
inline std::string list_statement(const std::string& notation) {
    const Listing listing = list_nibbles(program({line(10, {notation})}));
    if (listing.end != CopyEnd::complete || listing.text.compare(0, 3, "10 ") != 0 ||
        listing.text.back() != '\n') {
        return "(damaged)";
    }
    return listing.text.substr(3, listing.text.size() - 4);
}

// A table of statements and their listings.
struct StatementCase {
    const char* tokens;
    const char* listed;
};

inline void expect_listings(const std::vector<StatementCase>& cases) {
    for (const StatementCase& c : cases) {
        EXPECT_EQ(list_statement(c.tokens), c.listed) << c.tokens;
    }
}

}  // namespace velkord

#endif
