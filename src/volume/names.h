// The one place that says what a name on the command line stands for: a
// file, a folder, a LIF volume, or, as DISK.LIF/NAME, a file on a volume.
// Every name is resolved here once, before anything is done, and every
// operation opens its inputs here, so that whatever it does to a single LIF
// file it does to one on a volume.
#ifndef VELKORD_VOLUME_NAMES_H
#define VELKORD_VOLUME_NAMES_H

#include <optional>
#include <string>

#include "files/input_file.h"
#include "lif/lif_header.h"
#include "platform/platform.h"
#include "volume/volume_reader.h"

namespace velkord {

enum class NameKind {
    missing,         // nothing by that name, or nothing that can be looked at
    file,            // a regular file that holds no volume
    volume,          // a regular file that holds a LIF volume
    file_on_volume,  // DISK.LIF/NAME where no file has the whole name and
                     // DISK.LIF holds a volume; NAME may or may not be on it
    folder,
    stream,          // a device or a pipe, which is never opened only to be
                     // looked at
    unknown,         // what the system cannot look at: it may still open it
    unreadable,      // a regular file that cannot be opened for reading
};

struct Name {
    std::string typed;  // as typed: messages show it
    NameKind kind = NameKind::missing;
    std::string file;   // the file on disk: the name itself, or the volume's image
    // For a file on a volume: NAME as typed, and its entry when a file that
    // is not purged answers to it (the first one).
    std::string on_volume;
    std::optional<LifHeader> entry;
    // For a file on a volume: the image or its directory could not be read;
    // or NAME matches several files, none exactly (NameMatch).
    bool read_failed = false;
    bool ambiguous = false;
    // The part before the last separator, where there is one; for a name that
    // no file has, whether that part exists (a volume, where the name is a
    // file on one).
    std::string container;
    bool container_exists = false;
    // Why the file, or the image a file on a volume lies on, could not be
    // opened for reading.
    platform::SystemError cause;
    Volume volume;  // of a volume, or of the one a file lies on
};

// What `typed` stands for. DISK.LIF/NAME (DISK.LIF\NAME on Windows) names a
// file on the volume DISK.LIF when no file has the whole name and DISK.LIF
// is a regular file that holds a volume.
Name resolve_name(const std::string& typed);

// True for a name that stands for a file on a volume, or a whole volume:
// where putting files means changing a volume.
bool is_on_volume(const Name& name);

// The bytes that `name` stands for as an input: a file as it is (a volume's
// whole image); a file on a volume as it would be as a single LIF file, its
// entry as the header, with start sector 0, then its sectors as far as the
// image holds them. False as a value when it cannot be opened, or is a
// file on a volume that is not there.
InputFile open_name(const Name& name);

// True when writing `output_name` might destroy the file `input_file`: both
// lead to one file (under any name, link or spelling), or the output exists
// and the system cannot tell.
bool may_be_same_file(const std::string& input_file, const std::string& output_name);

// True when `name`, typed to find a file on a volume (up to its first '.'
// and at most 10 characters), gives the name field `field` (its trailing
// spaces aside), letters compared without regard to case.
bool names_lif_file(const std::string& name, const LifName& field);

// Which files on a volume a name means: every live file whose name field is
// exactly the name; where there is none, those that match it without
// regard to case, as long as they all have one name field. Several fields
// that differ only in case leave it ambiguous: no file is then meant, for
// a guess could replace or purge the wrong one. A blank name means none.
class NameMatch {
public:
    explicit NameMatch(const LifName& wanted) : wanted_(wanted) {}

    // Each live entry of the directory, in order.
    void add(const LifHeader& entry);

    bool ambiguous() const { return !exact_ && loose_ && differ_; }
    // The first entry meant, if any.
    const std::optional<LifHeader>& first() const { return exact_ ? exact_ : none_or_loose(); }
    // True for an entry whose name field is the one meant.
    bool means(const LifName& field) const { return first() && first()->name == field; }

private:
    const std::optional<LifHeader>& none_or_loose() const { return differ_ ? none_ : loose_; }

    LifName wanted_;
    std::optional<LifHeader> exact_;
    std::optional<LifHeader> loose_;
    std::optional<LifHeader> none_;
    bool differ_ = false;  // loose matches with different name fields
};

// The bytes of a file on `volume` as a single LIF file, read from `image`
// (the volume's image, which the input then owns).
InputFile open_file_on_volume(File image, const Volume& volume, const LifHeader& entry);

}  // namespace velkord

#endif
