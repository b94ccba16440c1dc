#include "operations/copy_files.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

#include "files/output_file.h"
#include "lif/file_types.h"
#include "operations/inputs.h"
#include "platform/platform.h"
#include "report/outcomes.h"
#include "report/printable_name.h"

namespace velkord {
namespace {

// One file to be written.
struct CopyJob {
    std::string source;     // the name that says where it comes from
    std::string file_name;  // the file it is read from (a volume's image)
    bool on_volume = false;
    Volume volume;          // the one it lies on
    LifHeader entry;        // its header, as in the directory
    std::string output;
};

std::string upper_case(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), ascii_upper);
    return text;
}

// CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9: whatever follows them, Windows
// takes such a name for the device.
bool is_windows_device(const std::string& name) {
    const std::string stem = upper_case(name.substr(0, name.find_first_of(". ")));
    for (const char* device : {"CON", "PRN", "AUX", "NUL"}) {
        if (stem == device) {
            return true;
        }
    }
    return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
           stem[3] >= '1' && stem[3] <= '9';
}

// The job for a file on a volume, or for a single LIF file; false for
// anything else.
bool plan_job(const Name& name, InputFile& input, CopyJob& job) {
    job = CopyJob{name.typed, name.file, name.kind == NameKind::file_on_volume, name.volume,
                  LifHeader{}, ""};
    return read_single_lif_file(name, input, job.entry);
}

// The bytes of `job`, read from `input`, into its output: a file on a volume
// as far as its sectors go (what the image holds of them, reported when it
// is cut), a single LIF file whole, with whatever follows its sectors.
Report copy_one(const CopyJob& job, InputFile& input) {
    const std::uint64_t size =
        job.on_volume ? lif_header_size + std::uint64_t{job.entry.sector_count} * sector_size
                      : input.size().value_or(0);
    OutputOptions options;
    options.expected_size = size;
    options.salvage = job.on_volume;
    const OutputResult written = write_output(
        job.output, options, [&](OutputStream& out) { return out.blocks().copy_from(input, size); });
    return report_output(written, job.source, job.output);
}

std::string in_folder(const std::string& folder, const std::string& name) {
    const bool separated = !folder.empty() && (folder.back() == '/' || folder.back() == '\\');
    return folder + (separated ? "" : "/") + name;
}

// The jobs for one input into `folder`: every file of a volume, or the one
// file the input names.
Report plan_into_folder(const Name& name, const std::string& folder,
                        std::vector<CopyJob>& jobs) {
    InputFile input;
    Report opened = open_named(name, input);
    if (opened.failed) {
        return opened;
    }
    if (name.kind != NameKind::volume) {
        CopyJob job;
        if (!plan_job(name, input, job)) {
            return report_not_lif_file(name.typed);
        }
        job.output = in_folder(folder, folder_file_name(job.entry));
        jobs.push_back(job);
        return Report{};
    }
    DirectoryReader directory(input, name.volume);
    LifHeader entry;
    while (directory.next(entry)) {
        if (entry.file_type != lif_type_purged) {
            const std::string file_name = lif_name_text(entry.name);
            jobs.push_back(CopyJob{in_folder(name.typed, file_name), name.file, true,
                                   name.volume, entry,
                                   in_folder(folder, folder_file_name(entry))});
        }
    }
    return directory.failed() ? report_read_error(name.typed) : Report{};
}

// Refuses, before anything is written, two files that would get one output
// name (as Windows and macOS compare names, without regard to case), and an
// output that is a file being read.
Report check_outputs(const std::vector<CopyJob>& jobs) {
    std::map<std::string, const CopyJob*> taken;
    for (const CopyJob& job : jobs) {
        const auto [place, added] = taken.emplace(upper_case(job.output), &job);
        if (!added) {
            return failure("Error: " + printable_name(lif_name_text(place->second->entry.name)) +
                           " and " + printable_name(lif_name_text(job.entry.name)) +
                           " would both be written as " +
                           printable_name(place->second->output) + "\n");
        }
    }
    std::set<std::string> sources;
    for (const CopyJob& job : jobs) {
        sources.insert(job.file_name);
    }
    for (const CopyJob& job : jobs) {
        for (const std::string& source : sources) {
            if (may_be_same_file(source, job.output)) {
                return report_input_as_output(job.output);
            }
        }
    }
    return Report{};
}

Report copy_into_folder(const std::vector<Name>& inputs, const std::string& folder) {
    std::vector<CopyJob> jobs;
    for (const Name& input : inputs) {
        Report planned = plan_into_folder(input, folder, jobs);
        if (planned.failed) {
            return planned;
        }
    }
    Report checked = check_outputs(jobs);
    if (checked.failed) {
        return checked;
    }
    // Each output is complete or not there; one that fails leaves those
    // before it, and the others are still written.
    Report all;
    for (const CopyJob& job : jobs) {
        InputFile input = job.on_volume
                              ? open_file_on_volume(unbuffered(File(platform::open_file(
                                                        platform::to_path(job.file_name), "rb"))),
                                                    job.volume, job.entry)
                              : open_input(job.file_name);
        const Report one = input ? copy_one(job, input) : report_not_found(job.source);
        all.text += one.text;
        all.failed = all.failed || one.failed;
    }
    return all;
}

Report copy_to_file(const Name& name, const std::string& output_name) {
    InputFile input;
    Report opened = open_apart_from(name, output_name, input);
    if (opened.failed) {
        return opened;
    }
    if (name.kind == NameKind::volume) {
        return report_whole_volume(name.typed);
    }
    CopyJob job;
    if (!plan_job(name, input, job)) {
        return report_not_lif_file(name.typed);
    }
    job.output = output_name;
    return copy_one(job, input);
}

}  // namespace

std::string folder_file_name(const LifHeader& header) {
    std::string name = lif_name_text(header.name);
    if (name.empty() || !is_valid_utf8(name)) {
        name = "_";
    }
    std::string safe;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        const bool c1 = c == 0xC2 && i + 1 < name.size() &&
                        (static_cast<unsigned char>(name[i + 1]) & 0xE0) == 0x80;
        if (c1) {
            ++i;  // U+0080-U+009F: one character, one '_'
        }
        const bool refused = c < 0x20 || c == 0x7F || c1 ||
                             std::string("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string::npos;
        safe += refused ? '_' : static_cast<char>(c);
    }
    if (is_windows_device(safe)) {
        safe.insert(0, "_");
    }
    const char* type = lif_type_name(header.file_type);
    char code[8];
    std::snprintf(code, sizeof code, "%04X", unsigned{header.file_type});
    return safe + "." + (type ? type : code);
}

Report copy_files(const std::vector<Name>& inputs, const Name& destination) {
    return destination.kind == NameKind::folder ? copy_into_folder(inputs, destination.typed)
                                                : copy_to_file(inputs.front(), destination.typed);
}

}  // namespace velkord
