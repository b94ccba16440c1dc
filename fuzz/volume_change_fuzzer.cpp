// Any bytes as a volume image, changed as a user would: a file put on (new,
// or replacing one), two at once, or one purged. When velkord accepts the
// change, the result is no more damaged than the image was, the sectors
// before the directory and every file it did not touch (one its names do
// not mean, one name one file: its entry but for the start sector, and its
// sectors, wherever packing moved them) are as they were, and the new files read back byte for byte; the image is no
// shorter, and longer by the new files' sectors at most, and what lies past
// the capacity is as it was. When it refuses, the image is unchanged.
// Either way nothing is left beside it.
//
// The first three bytes choose the change: what it is, which file it
// concerns, and the size of the data put on; the rest is the image.
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "files/input_file.h"
#include "lif/volume_label.h"
#include "volume/volume_reader.h"
#include "work_folder.h"

using namespace velkord;

namespace {

// A changed image may not outgrow this (a crafted label can ask for far
// more): a write past it fails, and the change is refused.
constexpr rlim_t largest_image = 64 << 20;

std::string read_file(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void write_file(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary | std::ios::trunc) << bytes;
}

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

struct Directory {
    bool volume = false;
    bool damaged = false;
    Volume label;
    std::vector<LifHeader> files;  // live entries, in order
};

Directory read_directory(const std::string& image_name) {
    Directory directory;
    InputFile image = open_input(image_name);
    if (!image || !read_volume(image, directory.label)) {
        return directory;
    }
    directory.volume = true;
    DirectoryReader reader(image, directory.label);
    VolumeCheck check(directory.label);
    LifHeader entry;
    while (reader.next(entry) && directory.files.size() < 4096) {
        if (entry.file_type != lif_type_purged) {
            check.add_file(entry);
            directory.files.push_back(entry);
        }
    }
    check.end_directory(reader.cut());
    directory.damaged = check.damaged() || reader.failed();
    return directory;
}

// A file's sectors as the image holds them: zero past its end, as a
// volume that grows writes them.
std::string sectors_of(const std::string& image, const LifHeader& entry) {
    const std::uint64_t start = std::uint64_t{entry.start_sector} * sector_size;
    const std::uint64_t length = std::uint64_t{entry.sector_count} * sector_size;
    std::string bytes(static_cast<std::size_t>(std::min<std::uint64_t>(length, 1 << 20)), '\0');
    if (start < image.size()) {
        image.copy(bytes.data(), std::min<std::uint64_t>(bytes.size(), image.size() - start),
                   start);
    }
    return bytes;
}

// A name that typed as DISK.LIF/NAME finds the entry again.
bool typable(const LifName& field) {
    const std::string name = lif_name_text(field);
    return !name.empty() && name.find_first_of("./\\ :\0", 0, 6) == std::string::npos &&
           lif_name_of(name) == field;
}

bool holds(const std::vector<LifName>& names, const LifName& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The name fields of the live files that `wanted` means: itself where a
// file has it exactly, else the one field that matches it without regard
// to case; nothing, and `ambiguous`, where several different fields do.
std::vector<LifName> meant(const std::vector<LifHeader>& files, const LifName& wanted,
                           bool& ambiguous) {
    std::vector<LifName> loose;
    for (const LifHeader& entry : files) {
        if (entry.name == wanted) {
            return {wanted};
        }
        if (same_lif_name(entry.name, wanted) && !holds(loose, entry.name)) {
            loose.push_back(entry.name);
        }
    }
    ambiguous = ambiguous || loose.size() > 1;
    return loose.size() == 1 ? loose : std::vector<LifName>{};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    static const bool limited = [] {
        // A write past the limit then fails, as the tool itself has it.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{largest_image, largest_image};
        return setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }();
    if (!limited || size < 3) {
        return 0;
    }
    const unsigned mode = bytes[0] % 4;
    const std::size_t which = bytes[1];
    const std::string data(static_cast<std::size_t>(bytes[2]) * 37, static_cast<char>(bytes[2]));
    const std::string image_name = (work_folder() / "disk.lif").string();
    const std::string before(reinterpret_cast<const char*>(bytes) + 3, size - 3);
    write_file(image_name, before);
    const Directory old = read_directory(image_name);
    if (!old.volume) {
        return 0;
    }

    // The change, as the names it purges or replaces and the files it puts on.
    std::vector<LifName> names;
    std::vector<std::string> arguments;
    std::vector<std::string> inputs;
    const LifHeader* target = old.files.empty() ? nullptr : &old.files[which % old.files.size()];
    if (mode == 1 || mode == 2) {
        if (!target || !typable(target->name)) {
            return 0;
        }
        names.push_back(target->name);
    }
    if (mode == 1) {
        arguments = {image_name + "/" + lif_name_text(target->name), "/p"};
    } else if (mode == 3) {
        for (const char* name : {"NEWA", "NEWB"}) {
            inputs.push_back((work_folder() / name).string());
            names.push_back(lif_name_of(name));
        }
        arguments = {inputs[0], inputs[1], image_name};
    } else {
        inputs.push_back((work_folder() / "data.bin").string());
        if (mode == 0) {
            names.push_back(lif_name_of("NEWFILE"));
        }
        arguments = {inputs[0], image_name + "/" + lif_name_text(names[0])};
    }
    for (const std::string& input : inputs) {
        write_file(input, data);
    }

    const bool done = !run_command_line(arguments, [](const std::string&, bool) {}).failed;
    const std::string after = read_file(image_name);
    // Nothing is left beside the volume, whatever happened.
    for (const auto& file : std::filesystem::directory_iterator(work_folder())) {
        check(file.path().filename().string().rfind(".velkord-", 0) != 0);
    }
    if (!done) {
        check(after == before);
        return 0;
    }
    check(!old.damaged);
    // The files the change purges or replaces, by the one-name-one-file
    // rule, and those it puts on, by their names as stored.
    bool ambiguous = false;
    std::vector<LifName> touched_names = names;
    for (const LifName& name : names) {
        for (const LifName& field : meant(old.files, name, ambiguous)) {
            touched_names.push_back(field);
        }
    }
    check(!ambiguous);
    const auto touched = [&touched_names](const LifHeader& entry) {
        return holds(touched_names, entry.name);
    };
    const Directory now = read_directory(image_name);
    check(now.volume && !now.damaged);
    const std::uint64_t label_end = std::uint64_t{old.label.label.directory_start} * sector_size;
    check(after.compare(0, label_end, before, 0, label_end) == 0);
    // Never shorter, and longer by the new files' sectors at most.
    const std::size_t put_sectors = mode == 1 ? 0 : inputs.size() * sectors_for(data.size());
    check(after.size() >= before.size() &&
          after.size() <= sectors_for(before.size()) * sector_size + put_sectors * sector_size);
    // What lies past the capacity is as it was.
    const std::uint64_t capacity = volume_capacity(old.label.label);
    if (capacity != 0 && capacity <= before.size() / sector_size) {
        const std::size_t from = static_cast<std::size_t>(capacity * sector_size);
        check(after.compare(from, before.size() - from, before, from, before.size() - from) == 0);
    }

    // The files it did not touch, in the same order, entry and sectors.
    std::vector<const LifHeader*> kept_before;
    std::vector<const LifHeader*> kept_after;
    for (const LifHeader& entry : old.files) {
        if (!touched(entry)) {
            kept_before.push_back(&entry);
        }
    }
    for (const LifHeader& entry : now.files) {
        if (!touched(entry)) {
            kept_after.push_back(&entry);
        }
    }
    check(kept_before.size() == kept_after.size());
    for (std::size_t i = 0; i < kept_before.size(); ++i) {
        LifHeader was = *kept_before[i];
        LifHeader is = *kept_after[i];
        check(sectors_of(before, was) == sectors_of(after, is));
        was.start_sector = is.start_sector = 0;
        check(encode_lif_header(was) == encode_lif_header(is));
    }

    // The files put on: each once, holding the data and 0xFF after them.
    const std::size_t put = mode == 1 ? 0 : names.size();
    std::string expected = data;
    expected.resize(sectors_for(data.size()) * sector_size, '\xFF');
    std::size_t found = 0;
    for (const LifHeader& entry : now.files) {
        if (holds(names, entry.name)) {
            ++found;
            check(entry.file_type == lif_type_lex && entry.nibble_count == 2 * data.size() &&
                  sectors_of(after, entry) == expected);
        }
    }
    check(found == put);
    return 0;
}
