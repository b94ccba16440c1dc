// Changing a LIF volume: files purged and files put on it, all in one new
// image that is written beside the old one and takes its place only when
// complete. Whatever fails (a missing input, no room, a full disk, an
// interruption), the old image stays byte for byte as it was, and several
// files of one run go on together or not at all. The image is read and
// written through fixed blocks, so memory stays small whatever its size.
#ifndef VELKORD_VOLUME_VOLUME_WRITER_H
#define VELKORD_VOLUME_VOLUME_WRITER_H

#include <string>
#include <vector>

#include "files/input_file.h"
#include "lif/lif_header.h"
#include "report/report.h"
#include "writing/lif_data.h"

namespace velkord {

// A file on its way onto a volume.
struct NewFile {
    std::string input_name;  // as typed; opened again when it is written
    LifHeader entry;         // its directory entry; the start sector is set
                             // where it is placed
    LifData data;            // its sectors, measured
};

struct VolumeChange {
    // Every file of these names that is not purged yet is purged: the
    // names of the files put on, which replace them, or those named by /p.
    std::vector<LifName> purged;
    std::vector<NewFile> files;
};

// Refuses a volume that is damaged (the catalog's rule), and one whose
// capacity is unknown when files are to be put on it.
Report check_volume_for_change(const std::string& image_name, bool adding);

// Changes the volume `image_name` (a regular file holding a volume). The
// files put on are placed after the highest end sector of any entry, their
// entries after the last one, with an end mark after them where the
// directory has room; where they do not fit, the volume is packed first
// (purged entries removed, files moved down in directory order). Every
// other file keeps its entry and sectors byte for byte (moved only by
// packing), and so do the label and the sectors before the directory; the
// image never gets shorter, and grows only as far as its files need.
Report change_volume(const std::string& image_name, VolumeChange& change);

}  // namespace velkord

#endif
