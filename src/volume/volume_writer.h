// Changing LIF volumes: files purged and files put on them, each volume in
// one new image that is written beside the old one and takes its place only
// when complete, flushed to the disk. Whatever fails (a missing input, no
// room, a full disk, an interruption), the old images stay byte for byte as
// they were, and several files of one run go on together or not at all. A
// volume is changed by one run at a time (volume_lock.h). The image is read
// and written through fixed blocks, so memory stays small whatever its
// size, and the new image is never longer than the old one and its new
// files' sectors.
#ifndef VELKORD_VOLUME_VOLUME_WRITER_H
#define VELKORD_VOLUME_VOLUME_WRITER_H

#include <cstddef>
#include <string>
#include <vector>

#include "files/block_writer.h"
#include "files/input_file.h"
#include "platform/platform.h"
#include "volume/layout.h"
#include "volume/volume_change.h"
#include "volume/volume_reader.h"

namespace velkord {

// How a change ended.
enum class ChangeEnd {
    changed,
    not_a_volume,   // the image cannot be opened, or holds no volume
    in_use,         // another run is changing it, and went on too long
    read_failed,    // reading the old image failed
    damaged,        // by the catalog's rule: it is not changed
    no_geometry,    // files cannot be put on a volume of unknown size
    ambiguous,      // the name of the file `file` matches several files
    no_room,        // the file `file` does not fit, even packed
    input_failed,   // the data of the file `file` could not be read
    cannot_create,  // no new image can be made beside the old one
    write_failed,   // writing the new image, or putting it in place
};

struct ChangeOutcome {
    ChangeEnd end = ChangeEnd::changed;
    std::size_t file = 0;  // the new file it concerns
    platform::SystemError cause;
};

// Refuses a volume that is damaged (the catalog's rule), and one whose
// capacity is unknown when files are to be put on it.
ChangeOutcome check_volume_for_change(const std::string& image_name, bool adding);

// What one run does to one volume (a regular file holding a volume).
struct VolumeEdit {
    std::string image_name;
    VolumeChange change;
};

// Changes every volume of `edits`, or none: each is locked, then every new
// image is written beside its volume, and only then are they all put in
// place. `which` is the edit that the outcome concerns. The files put on
// are placed after the highest end sector of any entry, their entries
// after the last one, with an end mark after them where the directory has
// room; where they do not fit, the volume is packed first (purged entries
// removed, files moved down in directory order). Every other file keeps its
// entry and sectors byte for byte (moved only by packing), and so do the
// label, the sectors before the directory and whatever lies past the
// capacity; the image never gets shorter.
ChangeOutcome change_volumes(std::vector<VolumeEdit>& edits, std::size_t& which);

// Writes the changed image to `out`, from the old one as `placement` says:
// `old_image` is read for the directory, `old_data` for the files' sectors
// (two readers of one image, since packing reads both in turns).
ChangeOutcome write_changed_image(const Volume& volume, const DirectoryScan& scan,
                                  const Placement& placement, VolumeChange& change,
                                  InputFile& old_image, InputFile& old_data, BlockWriter& out);

}  // namespace velkord

#endif
