// The one place that says what a name given as an input stands for: a file,
// a LIF volume, or, as DISK.LIF/NAME, a file on a volume. Every operation
// opens its inputs here, so that whatever it does to a single LIF file it
// does to one on a volume.
#ifndef VELKORD_VOLUME_NAMED_INPUT_H
#define VELKORD_VOLUME_NAMED_INPUT_H

#include <string>

#include "files/input_file.h"
#include "lif/lif_header.h"
#include "report/report.h"
#include "volume/volume_reader.h"

namespace velkord {

enum class InputKind { file, volume, file_on_volume };

struct NamedInput {
    InputKind kind = InputKind::file;
    // The file itself; a volume's whole image; or, for a file on a volume,
    // the bytes it has as a single LIF file: its entry as the header, with
    // start sector 0, then its sectors as far as the image holds them.
    InputFile input;
    std::string file_name;  // the file on disk (a volume's image)
    Volume volume;          // for a volume, and the one a file lies on
    LifHeader entry;        // for a file on a volume, as in the directory
};

// Opens what `name` stands for. DISK.LIF/NAME (DISK.LIF\NAME on Windows)
// names the file NAME on the volume DISK.LIF when no file has the whole
// name and DISK.LIF is a regular file that holds a volume. Reports "not
// found" when there is no such file, or no such file on the volume.
Report open_named_input(const std::string& name, NamedInput& opened);

// The part of DISK.LIF/NAME before its last separator ('/', and '\' on
// Windows); empty when there is none.
std::string volume_part(const std::string& name);

enum class DestinationKind { file, folder, volume, file_on_volume };

// What a name given as the last, written, name stands for: an existing
// folder; an existing volume; DISK.LIF/NAME on one (by the rule for inputs:
// no file has the whole name, and DISK.LIF is a regular file holding a
// volume); or else a file.
struct NamedDestination {
    std::string name;        // as typed
    DestinationKind kind = DestinationKind::file;
    std::string image_name;  // the volume's, for a volume or a file on one
    std::string file_name;   // NAME, for a file on a volume
};

NamedDestination resolve_destination(const std::string& name);

// As open_named_input, for an operation that writes `output_name`: refuses
// when the output is the file the input is read from, under any name or
// link (or exists and cannot be told apart from it), before anything is
// written.
Report open_input_apart_from(const std::string& input_name,
                             const std::string& output_name, NamedInput& opened);

// True when writing `output_name` might destroy the file `input_name`: both
// lead to one file (under any name, link or spelling), or the output exists
// and the system cannot tell.
bool may_be_same_file(const std::string& input_name, const std::string& output_name);

// True when `name`, by the rule that makes a header's name from a file
// name, gives the name field `field` (its trailing spaces aside), letters
// compared without regard to case.
bool names_lif_file(const std::string& name, const LifName& field);

// The bytes of a file on `volume` as a single LIF file, read from `image`
// (the volume's image, which the input then owns).
InputFile open_file_on_volume(File image, const Volume& volume, const LifHeader& entry);

}  // namespace velkord

#endif
