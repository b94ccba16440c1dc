#include "lif/lif_header.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velkord {
namespace {

std::string name_text(const LifName& name) {
    return std::string(name.begin(), name.end());
}

TEST(LifHeader, ThousandByteLexFileGetsTheKnownBytes) {
    const LifHeaderBytes expected = {
        0x50, 0x52, 0x4F, 0x47, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0xE2,
        0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x80, 0x01, 0xD0, 0x07, 0x00, 0x00};
    EXPECT_EQ(build_lif_header("prog.lex", Format::lex, 4, 2000), expected);
}

TEST(LifHeader, NameField) {
    const struct {
        std::string typed;
        std::string field;
    } cases[] = {
        {"prog.lex", "PROG      "},
        {"averylongname", "AVERYLONGN"},
        {".hidden", "          "},
        // Only the part after the last folder separator of any system.
        {"out\\prog.lex", "PROG      "},
        {"out/prog.lex", "PROG      "},
        {"./PROG.LEX", "PROG      "},
        {"../out/PROG.LEX", "PROG      "},
        {"C:\\hp71\\PROG.LEX", "PROG      "},
        {"C:PROG", "PROG      "},
        {"a.b/c\\d:e.f", "E         "},
        {"sub/", "          "},
        {"", "          "},
        {"a.b.c", "A         "},
        {"MiXeD-9_z", "MIXED-9_Z "},
        {"exactly10c", "EXACTLY10C"},
        {"caf\xe9\xff", "CAF\xe9\xff     "},  // bytes above 0x7F unchanged
        {"\xc3\x9c" "bung.lex", "\xc3\x9c" "BUNG    "},  // UTF-8 stays UTF-8
        {"{@[`~}.x", "{@[`~}    "},          // neighbours of a-z unchanged
    };
    for (const auto& c : cases) {
        EXPECT_EQ(name_text(lif_name_field(c.typed)), c.field) << c.typed;
    }
}

// Only the low 24 bits of each count are stored; bytes 12-16, 20-25 and 31
// stay zero whatever the counts.
TEST(LifHeader, CountsKeepTheirLow24Bits) {
    const struct {
        std::uint32_t sectors, nibbles;
        std::vector<unsigned char> bytes_12_to_31;
    } cases[] = {
        {0x123456, 0x123456, {0, 0, 0, 0, 0, 0x12, 0x34, 0x56, 0, 0, 0, 0, 0, 0,
                              0x80, 0x01, 0x56, 0x34, 0x12, 0}},
        {0xFFFFFFFF, 0x1000002, {0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0,
                                 0, 0x80, 0x01, 0x02, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const LifHeaderBytes bytes = build_lif_header("x", Format::lex, c.sectors, c.nibbles);
        EXPECT_EQ(std::vector<unsigned char>(bytes.begin() + 12, bytes.end()),
                  c.bytes_12_to_31) << c.sectors;
    }
}

TEST(LifHeader, ParseReadsEveryFieldInItsByteOrder) {
    LifHeaderBytes bytes;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<unsigned char>(0xA0 + i);
    }
    const LifHeader header = parse_lif_header(bytes);
    EXPECT_EQ(name_text(header.name), "\xA0\xA1\xA2\xA3\xA4\xA5\xA6\xA7\xA8\xA9");
    EXPECT_EQ(header.file_type, 0xAAAB);
    EXPECT_EQ(header.start_sector, 0xACADAEAFu);
    EXPECT_EQ(header.sector_count, 0xB0B1B2B3u);
    EXPECT_EQ(header.implementation_code, 0xBABB);
    EXPECT_EQ(header.nibble_count, 0xBEBDBCu);
    EXPECT_EQ(header.closing_byte, 0xBF);
    EXPECT_EQ(header.date, (LifDate{0xB4, 0xB5, 0xB6, 0xB7, 0xB8, 0xB9}));

    // Every byte comes back as it was, the date's too: a file copied out of
    // a volume keeps it.
    EXPECT_EQ(encode_lif_header(header), bytes);
}

}  // namespace
}  // namespace velkord
