// HP-71B BASIC programs (LIF types E214 to E217) listed as text, line by
// line, as the HP-71B's LIST shows them. The lister reads the program's
// bytes from a source and gives each listed line to a sink, so that it
// knows nothing of files.
#ifndef VELKORD_BASIC_PROGRAM_H
#define VELKORD_BASIC_PROGRAM_H

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "basic/keywords.h"

namespace velkord::basic {

// Where a program's bytes come from.
class ByteSource {
public:
    // Puts up to `count` bytes in `bytes`; fewer only at the end or on a
    // failure, and 0 there.
    virtual std::size_t read(unsigned char* bytes, std::size_t count) = 0;
    // True once a read has failed (rather than met the end).
    virtual bool failed() const = 0;

protected:
    ~ByteSource() = default;
};

// Bytes in memory as a source: a made program listed back.
class MemoryBytes final : public ByteSource {
public:
    MemoryBytes(const unsigned char* bytes, std::size_t count) : bytes_(bytes), left_(count) {}
    std::size_t read(unsigned char* bytes, std::size_t count) override;
    bool failed() const override { return false; }

private:
    const unsigned char* bytes_;
    std::size_t left_;
};

// Where the listed lines go, one at a time.
class LineSink {
public:
    // A whole line, ended by a line feed, without trailing blanks.
    virtual void put(std::string_view line) = 0;

protected:
    ~LineSink() = default;
};

// Why a listing stopped before the end of the program.
enum class ListingEnd {
    complete,
    data_cut,            // the source ended before the nibble count
    unreadable,          // the source could not be read
    header_damaged,      // no end-of-line token after the program header
    line_number_damaged, // a line number digit above 9
    line_cut,            // a line runs past the nibble count
    statement_damaged,   // a statement's length or terminator is no valid one
    token_damaged,       // a token means nothing where it stands
    line_too_long,       // a line lists to more than an HP-71B's can
};

// Lists the `nibble_count` nibbles of program data that `program` holds,
// naming tokens from `keywords`, and gives each line's listing to `lines`.
// A line appears only whole: at the first one that cannot be listed the
// listing stops, the lines before it given, and says why. Memory does not
// grow with the program: one line at a time.
ListingEnd list_program(ByteSource& program, std::uint32_t nibble_count, LineSink& lines,
                        const KeywordTable& keywords);

}  // namespace velkord::basic

#endif
