#include "operations/put_on_volume.h"

#include "content/lif_data.h"
#include "operations/add_header.h"
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

// The entry and data of the file that `source` gives, and its warnings.
Report prepare_file(Source& source, const Name& destination, PutMode mode, Format format,
                    NewFile& file, std::string& warnings) {
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
        source.data = lif_sectors(file.entry);
        if (!stored_name.empty()) {
            file.entry.name = lif_name_of(stored_name);
        }
        warnings += name_warning(file.entry.name);
    } else {
        const LifName stored =
            stored_name.empty() ? lif_name_field(name.typed) : lif_name_of(stored_name);
        warnings += add_warnings(input, name.typed, format, stored);
        const MeasureEnd measured = measure_lif_data(input, format, source.data);
        if (measured != MeasureEnd::measured) {
            return report_measure(measured, name.typed);
        }
        file.entry = lif_data_header(std::string(), source.data);
        file.entry.name = stored;
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
    if (!source.data.scratch) {
        input = open_name(*source.name);
        if (!input) {
            return CopyEnd::read_failed;
        }
    }
    return write_lif_data(input, source.data, out);
}

}  // namespace

Report put_on_volume(const std::vector<Name>& inputs, const Name& destination, PutMode mode,
                     Format format) {
    const std::string& image_name = destination.file;
    VolumeChange change;
    Report checked = report_change(check_volume_for_change(image_name, true), image_name, change);
    if (checked.failed) {
        return checked;
    }
    // Made whole before any file refers to its source.
    std::vector<Source> sources;
    for (const Name& input : inputs) {
        sources.push_back(Source{&input, LifData{}});
    }
    std::string warnings;
    for (Source& source : sources) {
        NewFile file;
        Report prepared = prepare_file(source, destination, mode, format, file, warnings);
        if (prepared.failed) {
            return prepared;
        }
        for (const NewFile& earlier : change.files) {
            if (same_lif_name(earlier.entry.name, file.entry.name)) {
                return failure("Error: " + printable_name(earlier.input_name) + " and " +
                               printable_name(file.input_name) + " would both be stored as " +
                               printable_name(lif_name_text(file.entry.name)) + "\n");
            }
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
