#include "reading/copy_lif_files.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

#include "files/block_writer.h"
#include "files/output_file.h"
#include "lif/volume_label.h"
#include "platform/platform.h"
#include "reading/read_lif_header.h"
#include "report/printable_name.h"
#include "volume/named_input.h"

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
bool plan_job(const std::string& input_name, NamedInput& file, CopyJob& job) {
    job = CopyJob{input_name, file.file_name, file.kind == InputKind::file_on_volume,
                  file.volume, file.entry, ""};
    return read_single_lif_file(file, job.entry);
}

// The bytes of `job`, read from `input`, into its output: a file on a volume
// as far as its sectors go (what the image holds of them, reported when it
// is cut), a single LIF file whole, with whatever follows its sectors.
Report copy_one(const CopyJob& job, InputFile& input) {
    const std::uint64_t size =
        job.on_volume ? lif_header_size + std::uint64_t{job.entry.sector_count} * sector_size
                      : input.size().value_or(0);
    OutputFile output;
    if (!begin_output(job.output, output)) {
        return report_cannot_create(job.output);
    }
    BlockWriter data(output.file.get(), nullptr, size);
    CopyEnd end = data.copy_from(input, size);
    if (!data.flush()) {
        end = CopyEnd::write_failed;
    }
    return job.on_volume ? finish_salvaged_output(output, end, job.source, job.output)
                         : finish_output(output, end, job.source, job.output);
}

std::string in_folder(const std::string& folder, const std::string& name) {
    const bool separated = !folder.empty() && (folder.back() == '/' || folder.back() == '\\');
    return folder + (separated ? "" : "/") + name;
}

// The jobs for one input into `folder`: every file of a volume, or the one
// file the input names.
Report plan_into_folder(const std::string& input_name, const std::string& folder,
                        std::vector<CopyJob>& jobs) {
    NamedInput file;
    Report opened = open_named_input(input_name, file);
    if (opened.failed) {
        return opened;
    }
    if (file.kind != InputKind::volume) {
        CopyJob job;
        if (!plan_job(input_name, file, job)) {
            return report_not_lif_file(input_name);
        }
        job.output = in_folder(folder, folder_file_name(job.entry));
        jobs.push_back(job);
        return Report{};
    }
    DirectoryReader directory(file.input, file.volume);
    LifHeader entry;
    while (directory.next(entry)) {
        if (entry.file_type != lif_type_purged) {
            const std::string name = lif_name_text(entry.name);
            jobs.push_back(CopyJob{in_folder(input_name, name), file.file_name, true,
                                   file.volume, entry,
                                   in_folder(folder, folder_file_name(entry))});
        }
    }
    return directory.failed() ? report_read_error(input_name) : Report{};
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

Report copy_into_folder(const std::vector<std::string>& inputs, const std::string& folder) {
    std::vector<CopyJob> jobs;
    for (const std::string& input : inputs) {
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

Report copy_to_file(const std::string& input_name, const std::string& output_name) {
    NamedInput file;
    Report opened = open_input_apart_from(input_name, output_name, file);
    if (opened.failed) {
        return opened;
    }
    if (file.kind == InputKind::volume) {
        return report_whole_volume(input_name);
    }
    CopyJob job;
    if (!plan_job(input_name, file, job)) {
        return report_not_lif_file(input_name);
    }
    job.output = output_name;
    return copy_one(job, file.input);
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

Report copy_lif_files(const std::vector<std::string>& inputs,
                      const std::string& destination) {
    if (platform::file_info(platform::to_path(destination)).kind ==
        platform::FileKind::directory) {
        return copy_into_folder(inputs, destination);
    }
    return copy_to_file(inputs.front(), destination);
}

}  // namespace velkord
