#ifndef VELKORD_OPERATIONS_COPY_FILES_H
#define VELKORD_OPERATIONS_COPY_FILES_H

#include <string>
#include <vector>

#include "lif/lif_header.h"
#include "report/report.h"
#include "volume/names.h"

namespace velkord {

// /c out of volumes: copies LIF files as they are. Into an existing folder,
// every input (all files of a volume, a file on a volume, or a single LIF
// file) becomes a single LIF file named after its header; every input is
// checked, and two files that would get one name refused, before the first
// is written. Into anything else, the one input, a file on a volume or a
// single LIF file, is written there as a single LIF file.
Report copy_files(const std::vector<Name>& inputs, const Name& destination);

// The name a LIF file gets in a folder: its name without trailing spaces,
// '.', and its type's name or, without one, its type code in 4 hex digits
// (SYS1.BASIC, JOESBEST.ROM, DATA1.E0F1). Characters no file name may hold
// on Windows or POSIX become '_', Windows device names get a '_' in front,
// and a name that is empty or not UTF-8 becomes '_'.
std::string folder_file_name(const LifHeader& header);

}  // namespace velkord

#endif
