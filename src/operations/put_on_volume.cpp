#include "operations/put_on_volume.h"

#include <deque>
#include <map>

#include "content/lif_data.h"
#include "operations/inputs.h"
#include "platform/platform.h"
#include "report/outcomes.h"
#include "report/printable_name.h"
#include "volume/volume_writer.h"

namespace velkord {
namespace {

// An input on its way onto the volume.
struct Source {
    const Name* name;
    LifData data;
};

// Copying a file on a volume onto itself would purge the only copy.
bool is_itself(const Name& input, const Name& destination, const LifName& stored) {
    return input.kind == NameKind::file_on_volume && same_lif_name(input.entry->name, stored) &&
           platform::same_file(platform::to_path(input.file), platform::to_path(destination.file))
               .value_or(true);
}

// A LIF file wrapped in another on a volume is of no use to an HP-71B, and
// its name would replace a good file there: /c was most likely forgotten.
Report refuse_lif_input(const Name& name, InputFile& input) {
    if (name.kind == NameKind::volume) {
        return failure("Error: " + printable_name(name.typed) +
                       " is a LIF volume: use /c to copy its files\n");
    }
    LifHeaderBytes first{};
    const bool single = name.kind != NameKind::file_on_volume && input.size() &&
                        input.look(first.data(), first.size()) == first.size() &&
                        is_plausible_lif_header(parse_lif_header(first));
    if (name.kind == NameKind::file_on_volume || single) {
        return failure("Error: " + printable_name(name.typed) +
                       " is a LIF file: use /c to copy it as it is\n");
    }
    return Report{};
}

// The entry and data of the file that `source` gives, and its warnings.
Report prepare_file(Source& source, const Name& destination, PutMode mode, AddFormat format,
                    NewFile& file, std::string& warnings, const TextOut& out) {
    const Name& name = *source.name;
    InputFile input;
    Report opened = open_named(name, input);
    if (opened.failed) {
        return opened;
    }
    const std::string& stored_name = destination.on_volume;
    file.input_name = name.typed;
    if (mode == PutMode::copy) {
        if (!read_single_lif_file(name, input, file.entry)) {
            return report_not_lif_file(name.typed);
        }
        if (name.kind == NameKind::file_on_volume && !is_whole(name.volume, file.entry)) {
            return report_read_error(name.typed);  // no file claims sectors it lacks
        }
        source.data = lif_sectors(file.entry);
        if (!stored_name.empty()) {
            file.entry.name = lif_name_of(stored_name);
        }
        warnings += name_warning(file.entry.name);
    } else {
        Report refused = refuse_lif_input(name, input);
        if (refused.failed) {
            return refused;
        }
        const LifName stored =
            stored_name.empty() ? lif_name_field(name.typed) : lif_name_of(stored_name);
        warnings += add_warnings(input, name.typed, format, stored);
        const Report measured = report_measure(measure_lif_data(input, format.format, source.data),
                                               name.typed, source.data, out);
        if (measured.failed) {
            return measured;
        }
        file.entry = lif_data_header(std::string(), source.data);
        file.entry.name = stored;
        // As the HP-71B dates every file it writes: when its data were made.
        if (input.modified()) {
            file.entry.date = lif_date_of_time(*input.modified());
        }
    }
    if (lif_name_text(file.entry.name).empty()) {
        return failure("Error: " + printable_name(name.typed) +
                       " has no name a volume can hold\n");
    }
    file.bytes = source.data.bytes;
    if (is_itself(name, destination, file.entry.name)) {
        return report_input_as_output(destination.typed);
    }
    return Report{};
}

// Writes the data of `source` when its turn comes. Data that wait in a
// scratch file need their input no more (a named pipe opened again would
// wait for a writer).
CopyEnd write_source(Source& source, BlockWriter& out) {
    InputFile input;
    if (source.data.needs_input()) {
        input = open_name(*source.name);
        if (!input) {
            return CopyEnd::read_failed;
        }
    }
    return write_lif_data(input, source.data, out);
}

// The files of the volume `volume`, each named as if the user had named it
// (DISK.LIF/NAME), into `names`.
Report name_every_file(const Name& volume, std::deque<Name>& names) {
    return for_each_file(volume, [&](const LifHeader& entry) {
        Name& file = names.emplace_back();
        file.on_volume = lif_name_text(entry.name);
        file.typed = volume.typed + "/" + file.on_volume;
        file.kind = NameKind::file_on_volume;
        file.file = volume.file;
        file.volume = volume.volume;
        file.entry = entry;
    });
}

}  // namespace

Report put_on_volume(const std::vector<Name>& inputs, const Name& destination, PutMode mode,
                     AddFormat format, const TextOut& out) {
    const std::string& image_name = destination.file;
    VolumeChange change;
    Report checked = report_change(check_volume_for_change(image_name, true), image_name, change);
    if (checked.failed) {
        return checked;
    }
    // A whole volume copied is every file of it, as if each had been named.
    std::deque<Name> every_file;
    std::vector<const Name*> named;
    for (const Name& input : inputs) {
        if (mode == PutMode::copy && input.kind == NameKind::volume) {
            const std::size_t before = every_file.size();
            Report expanded = name_every_file(input, every_file);
            if (expanded.failed) {
                return expanded;
            }
            for (std::size_t i = before; i < every_file.size(); ++i) {
                named.push_back(&every_file[i]);
            }
        } else {
            named.push_back(&input);
        }
    }
    // Made whole before any file refers to its source.
    std::vector<Source> sources;
    for (const Name* name : named) {
        sources.push_back(Source{name, LifData{}});
    }
    std::string warnings;
    std::map<std::string, std::string> stored;  // by name in capitals: the input
    for (Source& source : sources) {
        NewFile file;
        Report prepared = prepare_file(source, destination, mode, format, file, warnings, out);
        if (prepared.failed) {
            return prepared;
        }
        const auto [earlier, added] =
            stored.emplace(ascii_upper_text(lif_name_text(file.entry.name)), file.input_name);
        if (!added) {
            return failure("Error: " + printable_name(earlier->second) + " and " +
                           printable_name(file.input_name) + " would both be stored as " +
                           printable_name(lif_name_text(file.entry.name)) + "\n");
        }
        file.write = [&source](BlockWriter& out) { return write_source(source, out); };
        change.files.push_back(std::move(file));
    }
    std::vector<VolumeEdit> edits{VolumeEdit{image_name, std::move(change)}};
    std::size_t which = 0;
    Report result = report_change(change_volumes(edits, which), image_name, edits[0].change);
    if (!result.failed) {
        result.text += warnings;
    }
    return result;
}

}  // namespace velkord
