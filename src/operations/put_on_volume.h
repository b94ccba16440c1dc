// Putting files on a volume: made by the add operation, or copied as LIF
// files, all of them or none.
#ifndef VELKORD_OPERATIONS_PUT_ON_VOLUME_H
#define VELKORD_OPERATIONS_PUT_ON_VOLUME_H

#include <vector>

#include "operations/add_header.h"
#include "report/report.h"
#include "volume/names.h"

namespace velkord {

// How the files get their data: made from ordinary files in a format, or
// copied as the LIF files they are.
enum class PutMode { add, copy };

// Puts files on the volume that `destination` names (a volume, or a file
// on one), all of them or none: made by the add operation in `format`
// exactly as a single LIF file would be, dated when their inputs were last
// changed; or copied as LIF files as they are, dates and all (single ones,
// files on volumes, or every file of a volume). Each is stored under NAME
// when the destination is DISK.LIF/NAME, else under its input's own name
// (added) or its own header name (copied); a file of that name already
// there is replaced. Two inputs that would be stored under one name, an
// input with no name a volume can hold, and, when adding, an input that is
// a LIF file or a volume already, are refused before anything changes.
// What is said of a BASIC program's lines goes to `out` as it is found.
Report put_on_volume(const std::vector<Name>& inputs, const Name& destination, PutMode mode,
                     AddFormat format, const TextOut& out);

}  // namespace velkord

#endif
