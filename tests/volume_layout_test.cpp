// Where files go on a volume, and what packing makes of it: small volumes in
// memory (a directory of 2 sectors, 16 entries, and 24 sectors in all),
// changed, then read back entry by entry and sector by sector.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "lif/volume_label.h"
#include "support/input_holding.h"
#include "volume/layout.h"
#include "volume/volume_writer.h"

namespace velkord {
namespace {

constexpr std::uint32_t capacity = 24;
constexpr std::uint32_t directory_sectors = 2;

// "A 4 2": the file A at sector 4, 2 sectors long, each byte of them 'a';
// "-B 6 1": a purged file B, its sectors 'b' still.
struct Entry {
    char name;
    bool purged;
    std::uint32_t start;
    std::uint32_t sectors;
};

std::vector<Entry> entries(const std::string& text) {
    std::vector<Entry> list;
    std::istringstream words(text);
    std::string name;
    Entry entry{};
    while (words >> name >> entry.start >> entry.sectors) {
        entry.purged = name[0] == '-';
        entry.name = name.back();
        list.push_back(entry);
    }
    return list;
}

LifHeader header_of(char name, std::uint32_t start, std::uint32_t sectors, bool purged) {
    LifHeader header;
    header.name = lif_name_of(std::string(1, name));
    header.file_type = purged ? lif_type_purged : lif_type_lex;
    header.start_sector = start;
    header.sector_count = sectors;
    header.implementation_code = lif_implementation_code;
    return header;
}

char fill_of(char name) { return static_cast<char>(name - 'A' + 'a'); }

std::string make_image(const std::vector<Entry>& files) {
    VolumeLabel label;
    label.directory_start = 2;
    label.directory_sectors = directory_sectors;
    label.tracks = label.surfaces = 1;
    label.sectors_per_track = capacity;
    std::uint64_t end = directory_end(label);
    for (const Entry& file : files) {
        end = std::max<std::uint64_t>(end, file.start + file.sectors);
    }
    std::string image(end * sector_size, '\0');
    const VolumeLabelBytes label_bytes = encode_volume_label(label);
    std::copy(label_bytes.begin(), label_bytes.end(), image.begin());
    image.replace(2 * sector_size, directory_sectors * sector_size,
                  directory_sectors * sector_size, '\xFF');
    for (std::size_t slot = 0; slot < files.size(); ++slot) {
        const Entry& file = files[slot];
        const LifHeaderBytes bytes =
            encode_lif_header(header_of(file.name, file.start, file.sectors, file.purged));
        std::copy(bytes.begin(), bytes.end(),
                  image.begin() + 2 * sector_size + slot * lif_header_size);
        image.replace(file.start * sector_size, file.sectors * sector_size,
                      file.sectors * sector_size, fill_of(file.name));
    }
    return image;
}

// The directory of `image` as the notation above, each live file followed
// by '?' where one of its sectors does not hold its letter throughout.
std::string describe(const std::string& image) {
    InputFile input = input_holding(image);
    Volume volume;
    EXPECT_TRUE(read_volume(input, volume));
    DirectoryReader directory(input, volume);
    std::string text;
    LifHeader entry;
    while (directory.next(entry)) {
        const char name = static_cast<char>(entry.name[0]);
        text += (text.empty() ? "" : " ") + std::string(entry.file_type == lif_type_purged ? "-" : "") +
                name + " " + std::to_string(entry.start_sector) + " " +
                std::to_string(entry.sector_count);
        const std::string data = image.substr(std::uint64_t{entry.start_sector} * sector_size,
                                              std::uint64_t{entry.sector_count} * sector_size);
        if (entry.file_type != lif_type_purged &&
            data != std::string(entry.sector_count * sector_size, fill_of(name))) {
            text += "?";
        }
    }
    return text;
}

struct Changed {
    Layout layout;
    std::size_t too_many = 0;
    std::string image;
};

// Purges the names in `purged` and puts on the files of `added` ("N 3": N,
// 3 sectors), which replace files of their names.
Changed change(const std::string& image, const std::string& purged, const std::string& added) {
    VolumeChange change;
    for (const char name : purged) {
        change.purged.push_back(lif_name_of(std::string(1, name)));
    }
    std::istringstream words(added);
    std::string name;
    std::uint32_t sectors = 0;
    while (words >> name >> sectors) {
        NewFile new_file;
        new_file.input_name = name;
        new_file.entry = header_of(name[0], 0, sectors, false);
        new_file.bytes = std::uint64_t{sectors} * sector_size;
        new_file.write = [bytes = new_file.bytes, fill = fill_of(name[0])](BlockWriter& out) {
            out.put_repeated(static_cast<unsigned char>(fill), bytes);
            return CopyEnd::complete;
        };
        change.purged.push_back(new_file.entry.name);
        change.files.push_back(std::move(new_file));
    }
    InputFile old_image = input_holding(image);
    InputFile old_data = input_holding(image);
    Volume volume;
    EXPECT_TRUE(read_volume(old_image, volume));
    const DirectoryScan scan = scan_directory(old_image, volume, change);
    Changed result;
    const Placement placement = choose_layout(volume, scan, change);
    result.layout = placement.layout;
    result.too_many = placement.too_many;
    if (result.layout != Layout::no_room) {
        Bytes bytes;
        BlockWriter out(nullptr, &bytes);
        EXPECT_EQ(write_changed_image(volume, scan, placement, change, old_image, old_data, out)
                      .end,
                  ChangeEnd::changed);
        EXPECT_TRUE(out.flush());
        result.image.assign(bytes.begin(), bytes.end());
    }
    return result;
}

TEST(VolumeLayout, FilesGoAfterTheHighestEndOrIntoAPackedVolume) {
    const std::string full = "A 4 1 B 5 1 -C 6 1 D 7 1 E 8 1 F 9 1 G 10 1 H 11 1 "
                             "I 12 1 J 13 1 K 14 1 L 15 1 M 16 1 N 17 1 O 18 1 P 19 1";
    const struct {
        std::string before;
        std::string purged;
        std::string added;
        Layout layout;
        std::string after;  // or, for no room, the first file that does not fit
    } cases[] = {
        {"A 4 2 B 6 1", "", "N 3", Layout::as_is, "A 4 2 B 6 1 N 7 3"},
        // After the highest end, even a purged file's: its sectors stay.
        {"A 4 2 -B 9 2", "", "N 3", Layout::as_is, "A 4 2 -B 9 2 N 11 3"},
        {"A 4 2 B 6 1", "B", "B 2", Layout::as_is, "A 4 2 -B 6 1 B 7 2"},
        {"A 4 2 B 6 1", "A", "", Layout::as_is, "-A 4 2 B 6 1"},
        {"", "", "N 20", Layout::as_is, "N 4 20"},
        // No room after the highest end: packed, in directory order.
        {"A 4 2 -B 6 1 C 7 10", "", "N 8", Layout::packed, "A 4 2 C 6 10 N 16 8"},
        {"A 4 2 B 6 1 C 7 10", "B", "N 8", Layout::packed, "A 4 2 C 6 10 N 16 8"},
        // A full directory: packing frees the purged entries.
        {full, "", "Q 1", Layout::packed,
         "A 4 1 B 5 1 D 6 1 E 7 1 F 8 1 G 9 1 H 10 1 I 11 1 J 12 1 K 13 1 L 14 1 M 15 1 "
         "N 16 1 O 17 1 P 18 1 Q 19 1"},
        {full, "", "Q 1 R 1", Layout::no_room, "1"},
        {"A 4 2 -B 6 1 C 7 10", "", "N 9", Layout::no_room, "0"},
        {"A 4 2", "", "N 10 O 9", Layout::no_room, "1"},
    };
    for (const auto& c : cases) {
        const std::string image = make_image(entries(c.before));
        const Changed result = change(image, c.purged, c.added);
        const std::string label = c.before + " / -" + c.purged + " / +" + c.added;
        EXPECT_EQ(result.layout, c.layout) << label;
        if (c.layout == Layout::no_room) {
            EXPECT_EQ(std::to_string(result.too_many), c.after) << label;
            continue;
        }
        EXPECT_EQ(describe(result.image), c.after) << label;
        // The label and the sector after it are as they were.
        EXPECT_EQ(result.image.substr(0, 2 * sector_size), image.substr(0, 2 * sector_size))
            << label;
        EXPECT_GE(result.image.size(), image.size()) << label;
    }
}

// Where files go on volumes that no test image could hold: the plan alone,
// from the label, the image's length and what the directory scan found.
TEST(VolumeLayout, NeverGrowsTheImageByMoreThanTheNewFilesNorPastAnEntrysStart) {
    constexpr std::uint64_t big = std::uint64_t{1} << 40;
    const struct {
        const char* what;
        std::uint32_t directory_sectors;
        std::uint64_t image_sectors;
        std::uint64_t capacity;
        std::uint64_t highest_end;
        std::uint64_t kept_sectors;
        std::vector<std::uint64_t> added;  // sectors of each new file
        Layout layout;
        std::uint64_t files_start;  // or, for no room, the first that does not fit
    } cases[] = {
        {"after the highest end", 2, 24, 24, 10, 6, {2}, Layout::as_is, 10},
        {"growing by the new sectors", 2, 24, 100, 24, 20, {50}, Layout::as_is, 24},
        {"an entry far past the image's end", 2, 4, big, 0x80000000, 0, {1}, Layout::packed, 4},
        {"kept sectors past the image's end", 2, 5, big, 0x80000000, 2, {1}, Layout::no_room, 0},
        {"the last start an entry holds", 2, big, big, 0xFFFFFFFF, 0, {1}, Layout::as_is,
         0xFFFFFFFF},
        {"a start past 32 bits", 2, big, big, 0xFFFFFFFF, std::uint64_t{1} << 32, {1, 1},
         Layout::no_room, 0},
        {"a directory of 2^32 - 1 sectors", 0xFFFFFFFF, 3, big, 0x100000001, 0, {1},
         Layout::no_room, 0},
    };
    for (const auto& c : cases) {
        Volume volume;
        volume.label.directory_start = 2;
        volume.label.directory_sectors = c.directory_sectors;
        volume.label.tracks = volume.label.surfaces = 1;
        volume.label.sectors_per_track = static_cast<std::uint32_t>(std::min<std::uint64_t>(
            c.capacity, UINT32_MAX));
        if (c.capacity > UINT32_MAX) {
            volume.label.surfaces = static_cast<std::uint32_t>(c.capacity / UINT32_MAX + 1);
        }
        volume.image_bytes = c.image_sectors * sector_size;
        DirectoryScan scan;
        scan.highest_end = c.highest_end;
        scan.kept_sectors = c.kept_sectors;
        VolumeChange change;
        for (const std::uint64_t sectors : c.added) {
            NewFile file;
            file.bytes = sectors * sector_size;
            change.files.push_back(file);
        }
        const Placement placement = choose_layout(volume, scan, change);
        EXPECT_EQ(placement.layout, c.layout) << c.what;
        EXPECT_EQ(c.layout == Layout::no_room ? placement.too_many : placement.files_start,
                  c.files_start)
            << c.what;
    }
}

}  // namespace
}  // namespace velkord
