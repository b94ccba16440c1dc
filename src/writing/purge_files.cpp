#include "writing/purge_files.h"

#include "platform/platform.h"
#include "report/printable_name.h"
#include "volume/named_input.h"
#include "volume/volume_writer.h"

namespace velkord {
namespace {

// The names of one run that lie on one volume.
struct VolumePurge {
    std::string image_name;
    VolumeChange change;
};

Report report_not_on_volume(const std::string& name) {
    return failure(printable_name(name) + " is not a file on a LIF volume\n");
}

// True when the volume part of `name` exists and holds no volume.
bool volume_part_is_no_volume(const std::string& name) {
    const std::string part = volume_part(name);
    return !part.empty() &&
           platform::file_info(platform::to_path(part)).kind != platform::FileKind::missing &&
           resolve_destination(part).kind != DestinationKind::volume;
}

}  // namespace

Report purge_files(const std::vector<std::string>& names) {
    std::vector<VolumePurge> volumes;
    for (const std::string& name : names) {
        NamedInput file;
        Report opened = open_named_input(name, file);
        if (opened.failed) {
            // No such file on its volume; or a folder, or no volume where
            // one is named.
            const platform::FileKind kind = platform::file_info(platform::to_path(name)).kind;
            const bool exists =
                kind != platform::FileKind::missing && kind != platform::FileKind::unknown;
            return exists || volume_part_is_no_volume(name) ? report_not_on_volume(name) : opened;
        }
        if (file.kind != InputKind::file_on_volume) {
            return report_not_on_volume(name);
        }
        // One volume may be named in several ways.
        VolumePurge* volume = nullptr;
        for (VolumePurge& known : volumes) {
            if (platform::same_file(platform::to_path(known.image_name),
                                    platform::to_path(file.file_name))
                    .value_or(known.image_name == file.file_name)) {
                volume = &known;
            }
        }
        if (!volume) {
            Report checked = check_volume_for_change(file.file_name, false);
            if (checked.failed) {
                return checked;
            }
            volumes.push_back(VolumePurge{file.file_name, VolumeChange{}});
            volume = &volumes.back();
        }
        volume->change.purged.push_back(file.entry.name);
    }
    Report all;
    for (VolumePurge& volume : volumes) {
        const Report one = change_volume(volume.image_name, volume.change);
        all.text += one.text;
        all.failed = all.failed || one.failed;
        if (one.failed) {
            break;  // the volumes after it stay as they were
        }
    }
    return all;
}

}  // namespace velkord
