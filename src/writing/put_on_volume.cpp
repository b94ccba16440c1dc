#include "writing/put_on_volume.h"

#include "platform/platform.h"
#include "reading/read_lif_header.h"
#include "report/printable_name.h"
#include "volume/named_input.h"
#include "volume/volume_writer.h"
#include "writing/add_header.h"
#include "writing/lif_data.h"

namespace velkord {
namespace {

// Copying a file on a volume onto itself would purge the only copy.
bool is_itself(const NamedInput& input, const std::string& image_name, const LifName& name) {
    return input.kind == InputKind::file_on_volume && same_lif_name(input.entry.name, name) &&
           platform::same_file(platform::to_path(input.file_name),
                               platform::to_path(image_name))
               .value_or(true);
}

// The file that `input_name` gives, ready to go onto the volume, and its
// warnings.
Report prepare_file(const std::string& input_name, const NamedDestination& destination,
                    char type_letter, bool copy, NewFile& file, std::string& warnings) {
    NamedInput input;
    Report opened = open_named_input(input_name, input);
    if (opened.failed) {
        return opened;
    }
    const std::string& stored_name = destination.file_name;
    file.input_name = input_name;
    if (copy) {
        if (!read_single_lif_file(input, file.entry)) {
            return report_not_lif_file(input_name);
        }
        file.data = lif_sectors(file.entry);
        if (!stored_name.empty()) {
            file.entry.name = lif_name_of(stored_name);
        }
        warnings += name_warning(file.entry.name);
    } else {
        const LifName name =
            stored_name.empty() ? lif_name_field(input_name) : lif_name_of(stored_name);
        warnings += add_warnings(input.input, input_name, type_letter, name);
        Report measured = measure_lif_data(input.input, input_name, type_letter, file.data);
        if (measured.failed) {
            return measured;
        }
        file.entry = lif_data_header(std::string(), file.data);
        file.entry.name = name;
    }
    if (is_itself(input, destination.image_name, file.entry.name)) {
        return report_input_as_output(destination.name);
    }
    // Closed again until its turn: a run may put many files on.
    return Report{};
}

}  // namespace

Report put_on_volume(const std::vector<std::string>& inputs, const NamedDestination& destination,
                     char type_letter, bool copy) {
    const std::string& image_name = destination.image_name;
    Report checked = check_volume_for_change(image_name, true);
    if (checked.failed) {
        return checked;
    }
    VolumeChange change;
    std::string warnings;
    for (const std::string& input_name : inputs) {
        NewFile file;
        Report prepared = prepare_file(input_name, destination, type_letter, copy, file, warnings);
        if (prepared.failed) {
            return prepared;
        }
        for (const NewFile& earlier : change.files) {
            if (same_lif_name(earlier.entry.name, file.entry.name)) {
                return failure("Error: " + printable_name(earlier.input_name) + " and " +
                               printable_name(input_name) + " would both be stored as " +
                               printable_name(lif_name_text(file.entry.name)) + "\n");
            }
        }
        change.purged.push_back(file.entry.name);
        change.files.push_back(std::move(file));
    }
    Report result = change_volume(image_name, change);
    if (!result.failed) {
        result.text += warnings;
    }
    return result;
}

}  // namespace velkord
