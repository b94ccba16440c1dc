#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lif/lif_date.h"
#include "operations/copy_files.h"
#include "volume/names.h"
#include "volume/volume_reader.h"

namespace velkord {
namespace {

LifHeader entry(const std::string& name, std::uint16_t type, std::uint32_t start = 0,
                std::uint32_t sectors = 0) {
    LifHeader header;
    header.name = lif_name_of("");
    std::copy(name.begin(), name.begin() + std::min(name.size(), lif_name_size),
              header.name.begin());
    header.file_type = type;
    header.start_sector = start;
    header.sector_count = sectors;
    return header;
}

TEST(Volume, Dates) {
    const struct {
        LifDate date;
        std::string text;
    } cases[] = {
        {{0x86, 0x02, 0x04, 0x06, 0x04, 0x00}, "1986-02-04 06:04:00"},
        {{0x00, 0x01, 0x02, 0x01, 0x15, 0x57}, "2000-01-02 01:15:57"},
        {{0x69, 0x12, 0x31, 0x23, 0x59, 0x59}, "2069-12-31 23:59:59"},
        {{0x70, 0x01, 0x01, 0x00, 0x00, 0x00}, "1970-01-01 00:00:00"},
        {{0, 0, 0, 0, 0, 0}, "-"},
        {{0x21, 0x0A, 0x01, 0, 0, 0}, "-"},  // not BCD
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "-"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(format_lif_date(c.date), c.text) << c.text;
    }
}

TEST(Volume, NamesOnAVolume) {
    const struct {
        std::string name;
        std::string field;
        bool match;
    } cases[] = {
        {"SYS1", "SYS1", true},     {"sys1", "SYS1", true},
        {"Sys1.bas", "SYS1", true}, {"sys1", "sys1", true},  // PC-made, lower case
        {"SYS", "SYS1", false},     {"SYS1X", "SYS1", false},
        {"", "SYS1", false},        {".hidden", "", false},
        {"averylongname", "AVERYLONGN", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(names_lif_file(c.name, entry(c.field, 1).name), c.match)
            << c.name << " / " << c.field;
    }
}

TEST(Volume, FolderFileNames) {
    const struct {
        LifHeader header;
        std::string name;
    } cases[] = {
        {entry("SYS1", 0xE214), "SYS1.BASIC"},
        {entry("SECRET", 0xE217), "SECRET.BASIC"},
        {entry("MYWORDS", 0x0001), "MYWORDS.TEXT"},
        {entry("DATA1", 0xE0F1), "DATA1.E0F1"},
        {entry("A/B\\C:D*E", 0xE208), "A_B_C_D_E.LEX"},
        {entry("Q?\"<>|", 0xE208), "Q_____.LEX"},
        {entry("\x1b\x7f\xc2\x85", 0xE208), "___.LEX"},
        {entry("CON", 0xE20C), "_CON.KEY"},
        {entry("lpt9", 0xE204), "_lpt9.BIN"},
        {entry("COM10", 0xE204), "COM10.BIN"},
        {entry("CONFIG", 0xE204), "CONFIG.BIN"},
        {entry("", 0xE208), "_.LEX"},
        {entry("\xff\xfe", 0xE208), "_.LEX"},  // not UTF-8
        {entry("\xc3\xa9t\xc3\xa9", 0xE208), "\xc3\xa9t\xc3\xa9.LEX"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(folder_file_name(c.header), c.name) << c.name;
    }
}

// A volume of 16 sectors whose directory ends at sector 4.
TEST(Volume, Damage) {
    Volume volume;
    volume.label.directory_start = 2;
    volume.label.directory_sectors = 2;
    volume.label.tracks = volume.label.surfaces = 1;
    volume.label.sectors_per_track = 16;
    const struct {
        std::vector<LifHeader> files;
        bool damaged;
    } cases[] = {
        {{entry("A", 1, 4, 2), entry("B", 1, 6, 10)}, false},  // fills it exactly
        {{entry("A", 1, 4, 2), entry("B", 1, 5, 1)}, true},    // overlap
        {{entry("A", 1, 6, 2), entry("B", 1, 4, 2)}, true},    // before an earlier one
        {{entry("A", 1, 3, 1)}, true},                          // on the directory
        {{entry("A", 1, 15, 2)}, true},                         // past the capacity
        {{entry("A", 1, 0, 0), entry("B", 1, 4, 1)}, false},    // no sectors
    };
    for (const auto& c : cases) {
        VolumeCheck check(volume);
        for (const LifHeader& file : c.files) {
            check.add_file(file);
        }
        check.end_directory(false);
        EXPECT_EQ(check.damaged(), c.damaged) << c.files.size() << " files";
    }
    VolumeCheck cut(volume);
    cut.end_directory(true);
    EXPECT_TRUE(cut.damaged());
    volume.label.directory_sectors = 0xFFFFFFFF;
    EXPECT_TRUE(VolumeCheck(volume).damaged());
    volume.label.sectors_per_track = 0;  // no geometry: no capacity to pass
    EXPECT_FALSE(VolumeCheck(volume).damaged());
}

}  // namespace
}  // namespace velkord
