// Any bytes as a volume image: the catalog reads it without a crash or a
// read outside it and ends its text with a line end; every file it lists
// comes out as a single LIF file of exactly its header and what the image
// holds of its sectors, never more, and begins with its entry, start sector
// 0.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "files/input_file.h"
#include "platform/platform.h"
#include "operations/show_catalog.h"
#include "volume/names.h"
#include "volume/volume_reader.h"
#include "work_folder.h"

using namespace velkord;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string image_name = (work_folder() / "disk.lif").string();
    std::ofstream(image_name, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(size));
    InputFile image = open_input(image_name);
    Volume volume;
    if (!read_volume(image, volume)) {
        return 0;
    }
    std::string text;
    const Report report =
        show_catalog(image, volume, image_name, [&text](const std::string& part) { text += part; });
    if (report.failed || text.empty() || text.back() != '\n') {
        std::abort();
    }

    DirectoryReader directory(image, volume);
    LifHeader entry;
    for (int listed = 0; listed < 16 && directory.next(entry); ++listed) {
        File file(platform::open_file(image_name, "rb"));
        InputFile single = open_file_on_volume(std::move(file), volume, entry);
        const std::uint64_t offset = std::uint64_t{entry.start_sector} * sector_size;
        const std::uint64_t sectors = std::uint64_t{entry.sector_count} * sector_size;
        const std::uint64_t present = offset < size ? size - offset : 0;
        const std::uint64_t expected = lif_header_size + (sectors < present ? sectors : present);
        unsigned char block[4096];
        std::uint64_t total = 0;
        std::size_t got;
        while ((got = single.read(block, sizeof block)) > 0) {
            if (total == 0) {
                LifHeaderBytes header;
                std::copy(block, block + header.size(), header.begin());
                entry.start_sector = 0;
                if (got < header.size() || header != encode_lif_header(entry)) {
                    std::abort();
                }
            }
            total += got;
            if (total > 1 << 20) {
                break;  // a huge file: its start was checked
            }
        }
        if (total != expected && total <= 1 << 20) {
            std::abort();
        }
    }
    return 0;
}
