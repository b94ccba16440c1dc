// Reading a LIF volume image: its label, and its directory entry by entry,
// so that memory stays the same however long the directory is. Nothing is
// read outside the image, and nothing is allocated from what a damaged
// label or directory claims.
#ifndef VELKORD_VOLUME_VOLUME_READER_H
#define VELKORD_VOLUME_VOLUME_READER_H

#include <cstdint>

#include "files/file.h"
#include "files/input_file.h"
#include "lif/lif_header.h"
#include "lif/volume_label.h"

namespace velkord {

struct Volume {
    VolumeLabel label;
    std::uint64_t image_bytes = 0;  // what the image holds; often less than
                                    // the capacity (cut after its last file)
};

// Reads the label at the start of `image`, a regular file; false when the
// image is no volume.
bool read_volume(InputFile& image, Volume& volume);

// The volume's size in sectors: its capacity, or where the geometry is 0,
// the whole sectors the image holds.
std::uint64_t volume_sectors(const Volume& volume);

// True when every sector of the file lies inside the image: images are often
// cut after their last used sector, and sometimes before it.
bool is_whole(const Volume& volume, const LifHeader& entry);

// The entries of a volume's directory in order, up to its end: the first
// end mark, its last sector, or the end of the image.
class DirectoryReader {
public:
    DirectoryReader(InputFile& image, const Volume& volume);

    // The next entry (purged ones too); false at the directory's end.
    bool next(LifHeader& entry);
    // The number of the entry that next() gave last, from 0.
    std::uint64_t slot() const { return slot_ - 1; }
    // True when the image ended before the directory did.
    bool cut() const { return cut_; }
    bool failed() const { return image_.failed(); }

private:
    InputFile& image_;
    std::uint64_t slots_;      // entries the directory has room for
    std::uint64_t slot_ = 0;   // entries given so far
    Bytes block_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool cut_ = false;
    bool done_ = false;
};

// Looks at a volume's directory as it is read, for what makes it damaged:
// a directory cut by the image's end or reaching past the capacity, and
// files that overlap each other, the label or the directory, or reach past
// the capacity. Files lie in directory order, each after the one before:
// a file that starts before the end of an earlier one overlaps it. A full
// directory without an end mark, and a capacity of 0, are no damage.
class VolumeCheck {
public:
    explicit VolumeCheck(const Volume& volume);

    // For every entry that is not purged, in order.
    void add_file(const LifHeader& entry);
    // Once the directory has been read.
    void end_directory(bool cut);

    bool damaged() const { return damaged_; }
    // The sectors the files seen so far take.
    std::uint64_t file_sectors() const { return file_sectors_; }

private:
    std::uint64_t capacity_;
    std::uint64_t first_free_;  // the first sector after the directory and
                                // the files seen so far
    std::uint64_t file_sectors_ = 0;
    bool damaged_ = false;
};

}  // namespace velkord

#endif
