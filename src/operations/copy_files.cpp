#include "operations/copy_files.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>

#include "files/case_fold.h"
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
    std::string source;     // DISK.LIF/NAME, or the single file's name
    const Name* input;      // the name given, that it comes from
    bool on_volume = false;
    LifHeader entry;        // its header, as in the directory
    std::string output;
    bool identical = false;  // the output holds exactly its bytes already
};

// The names Windows takes for a device, whatever follows them: CON, PRN,
// AUX, NUL, CONIN$, CONOUT$, COM0-COM9 and LPT0-LPT9, and COM or LPT with a
// superscript 1, 2 or 3.
bool is_windows_device(const std::string& name) {
    const std::string stem = ascii_upper_text(name.substr(0, name.find_first_of(". ")));
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
        if (stem == device) {
            return true;
        }
    }
    const bool port = stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0;
    const std::string number = port ? stem.substr(3) : std::string();
    return (number.size() == 1 && number[0] >= '0' && number[0] <= '9') ||
           number == "\xC2\xB9" || number == "\xC2\xB2" || number == "\xC2\xB3";
}

// A name in a folder, joined as the system joins them. A Windows drive
// letter alone ("Q:") stands for that drive's current folder, which the
// name follows directly.
std::string in_folder(const std::string& folder, const std::string& name) {
#ifdef _WIN32
    const char separator = '\\';
    const bool drive_alone = folder.size() == 2 && folder[1] == ':';
#else
    const char separator = '/';
    const bool drive_alone = false;
#endif
    const bool separated = !folder.empty() && (folder.back() == '/' || folder.back() == '\\');
    return folder + (separated || drive_alone ? "" : std::string(1, separator)) + name;
}

// A file on a volume, named as the user names it.
std::string on_volume(const std::string& volume, const std::string& name) {
    return volume + "/" + name;
}

// The job for a file on a volume, or for a single LIF file; false for
// anything else.
bool plan_job(const Name& name, InputFile& input, CopyJob& job) {
    job = CopyJob{name.typed, &name, name.kind == NameKind::file_on_volume, LifHeader{}, "",
                  false};
    return read_single_lif_file(name, input, job.entry);
}

InputFile open_job(const CopyJob& job) {
    if (!job.on_volume) {
        return open_input(job.input->file);
    }
    return open_file_on_volume(
        unbuffered(File(platform::open_file(platform::to_path(job.input->file), "rb"))),
        job.input->volume, job.entry);
}

// A file on a volume is copied only whole: one cut by the image's end
// would give a file that claims sectors it does not hold.
bool is_cut(const CopyJob& job) { return job.on_volume && !is_whole(job.input->volume, job.entry); }

// The bytes a job writes: a file on a volume as far as its sectors go, a
// single LIF file whole, with whatever follows its sectors.
std::uint64_t job_size(const CopyJob& job, const InputFile& input) {
    return job.on_volume ? lif_header_size + std::uint64_t{job.entry.sector_count} * sector_size
                         : input.size().value_or(0);
}

// The bytes of `job`, read from `input`, into its output.
Report copy_one(const CopyJob& job, InputFile& input) {
    const std::uint64_t size = job_size(job, input);
    OutputOptions options;
    options.expected_size = size;
    // The copy keeps its date where the system shows it: as its time.
    options.modified = time_of_lif_date(job.entry.date);
    const OutputResult written = write_output(
        job.output, options, [&](OutputStream& out) { return out.blocks().copy_from(input, size); });
    return report_output(written, job.source, job.output);
}

// True when the regular file `path` holds exactly the bytes of `job`.
bool holds_job(const CopyJob& job, const std::string& path) {
    InputFile input = open_job(job);
    InputFile existing = open_input(path);
    const std::uint64_t size = job_size(job, input);
    if (!input || !existing || existing.size() != size) {
        return false;
    }
    unsigned char ours[16384];
    unsigned char theirs[sizeof ours];
    for (std::uint64_t left = size; left > 0;) {
        const std::size_t part = static_cast<std::size_t>(std::min<std::uint64_t>(left, sizeof ours));
        if (input.read(ours, part) != part || existing.read(theirs, part) != part ||
            std::memcmp(ours, theirs, part) != 0) {
            return false;
        }
        left -= part;
    }
    return true;
}

// The jobs for one input into `folder`: every file of a volume, or the one
// file the input names.
Report plan_into_folder(const Name& name, const std::string& folder,
                        std::vector<CopyJob>& jobs) {
    if (name.kind == NameKind::volume) {
        return for_each_file(name, [&](const LifHeader& entry) {
            jobs.push_back(CopyJob{on_volume(name.typed, lif_name_text(entry.name)), &name, true,
                                   entry, in_folder(folder, folder_file_name(entry)), false});
        });
    }
    InputFile input;
    Report opened = open_named(name, input);
    if (opened.failed) {
        return opened;
    }
    CopyJob job;
    if (!plan_job(name, input, job)) {
        return report_not_lif_file(name.typed);
    }
    job.output = in_folder(folder, folder_file_name(job.entry));
    jobs.push_back(job);
    return Report{};
}

// Two files that would get one name: named by their own names where they
// come from one volume, else by where each comes from.
Report report_collision(const CopyJob& first, const CopyJob& second) {
    const bool one_volume = first.input == second.input;
    const std::string a = one_volume ? lif_name_text(first.entry.name) : first.source;
    const std::string b = one_volume ? lif_name_text(second.entry.name) : second.source;
    return failure("Error: " + printable_name(a) + " and " + printable_name(b) +
                   " would both be written as " + printable_name(first.output) + "\n");
}

// Refuses, before anything is written, two files that would get one output
// name (as Windows, macOS and FAT media compare names, without regard to
// case, for every letter Unicode gives a case to, on every system alike), an
// output that is a file being read, and an existing output that holds other
// bytes than it would get; one that holds the same bytes is left as it is,
// so that a copy can be run again.
Report check_outputs(std::vector<CopyJob>& jobs) {
    std::map<std::string, const CopyJob*> taken;
    for (const CopyJob& job : jobs) {
        const auto [place, added] = taken.emplace(fold_case(job.output), &job);
        if (!added) {
            return report_collision(*place->second, job);
        }
    }
    std::set<std::string> sources;
    for (const CopyJob& job : jobs) {
        sources.insert(job.input->file);
    }
    for (CopyJob& job : jobs) {
        for (const std::string& source : sources) {
            if (may_be_same_file(source, job.output)) {
                return report_input_as_output(job.output);
            }
        }
        const platform::FileKind kind = platform::file_info(platform::to_path(job.output)).kind;
        if (is_cut(job) || kind != platform::FileKind::regular) {
            continue;
        }
        job.identical = holds_job(job, job.output);
        if (!job.identical) {
            return failure("Error: " + printable_name(job.output) +
                           " exists already and differs: remove it or copy into another folder\n");
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
        if (job.identical) {
            continue;
        }
        InputFile input = is_cut(job) ? InputFile() : open_job(job);
        const Report one = is_cut(job) ? report_read_error(job.source)
                           : input     ? copy_one(job, input)
                                       : report_not_found(job.source);
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
    if (is_cut(job)) {
        return report_read_error(name.typed);
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
    if (destination.kind == NameKind::folder) {
        return copy_into_folder(inputs, destination.typed);
    }
    // Every file of a volume goes into a folder, which is never made by
    // guessing from a name.
    if (inputs.front().kind == NameKind::volume && destination.kind == NameKind::missing) {
        return failure("Error: " + printable_name(destination.typed) +
                       " is not a folder: to copy every file of " +
                       printable_name(inputs.front().typed) + ", make the folder first\n");
    }
    return copy_to_file(inputs.front(), destination.typed);
}

}  // namespace velkord
