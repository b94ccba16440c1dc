#include "operations/purge_files.h"

#include <string>

#include "operations/inputs.h"
#include "platform/platform.h"
#include "report/outcomes.h"
#include "report/printable_name.h"
#include "volume/volume_writer.h"

namespace velkord {
namespace {

Report report_not_on_volume(const std::string& name) {
    return failure(printable_name(name) + " is not a file on a LIF volume\n");
}

// Why `name` names no file on a volume to purge: it is something else (a
// file, a folder; or no volume where one is named), or it is not there.
Report report_nothing_to_purge(const Name& name) {
    if (platform::is_in_use(name.cause)) {
        return report_in_use(name.file);
    }
    // (What cannot be looked at exists where it can be opened.)
    const bool exists = name.kind == NameKind::unknown
                            ? static_cast<bool>(open_name(name))
                            : name.kind != NameKind::missing &&
                                  name.kind != NameKind::file_on_volume;
    if (exists || (name.kind != NameKind::file_on_volume && name.container_exists)) {
        return report_not_on_volume(name.typed);
    }
    InputFile unused;
    return open_named(name, unused);
}

}  // namespace

Report purge_files(const std::vector<Name>& names) {
    std::vector<VolumeEdit> volumes;
    for (const Name& name : names) {
        if (name.kind != NameKind::file_on_volume || !name.entry || name.read_failed) {
            return report_nothing_to_purge(name);
        }
        // One volume may be named in several ways.
        VolumeEdit* volume = nullptr;
        for (VolumeEdit& known : volumes) {
            if (platform::same_file(platform::to_path(known.image_name),
                                    platform::to_path(name.file))
                    .value_or(known.image_name == name.file)) {
                volume = &known;
            }
        }
        if (!volume) {
            Report checked = report_change(check_volume_for_change(name.file, false), name.file,
                                           VolumeChange{});
            if (checked.failed) {
                return checked;
            }
            volumes.push_back(VolumeEdit{name.file, VolumeChange{}});
            volume = &volumes.back();
        }
        volume->change.purged.push_back(name.entry->name);
    }
    // All the volumes or none.
    std::size_t which = 0;
    const ChangeOutcome outcome = change_volumes(volumes, which);
    if (outcome.end == ChangeEnd::changed) {
        return Report{};
    }
    return report_change(outcome, volumes[which].image_name, volumes[which].change);
}

}  // namespace velkord
