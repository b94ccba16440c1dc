#ifndef VELKORD_OPERATIONS_SHOW_CATALOG_H
#define VELKORD_OPERATIONS_SHOW_CATALOG_H

#include <string>

#include "files/input_file.h"
#include "report/report.h"
#include "volume/volume_reader.h"

namespace velkord {

// The catalog of the volume `volume` in `image` (named `name`): its label,
// size and directory, one line for each file that is not purged, the count
// of files and free sectors, and a warning when the volume is damaged. It
// reads only the label and the directory, and puts its text to `out` as it
// goes. Fails only when the image cannot be read.
Report show_catalog(InputFile& image, const Volume& volume, const std::string& name,
                    const TextOut& out);

}  // namespace velkord

#endif
