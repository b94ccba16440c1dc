#ifndef VELKORD_OPERATIONS_SHOW_HEADER_H
#define VELKORD_OPERATIONS_SHOW_HEADER_H

#include <string>
#include <vector>

#include "lif/lif_header.h"
#include "report/report.h"
#include "volume/names.h"

namespace velkord {

// The six lines that show a header's fields, followed by a warning line when
// the header does not look like one a LIF file would carry. The name is
// printed safely.
std::string describe_lif_header(const LifHeader& header);

// Shows the header at the start of the file `name`, the header a file on a
// volume would have as a single LIF file, or the catalog of a volume; the
// text goes to `out`. A warning is not a failure.
Report show_header(const Name& name, const TextOut& out);

// Shows each file in turn. With more than one, each block begins with
// "==> name <==" and a blank line parts them; a file that fails says so in
// its block, and the others are still shown. All the text goes to `out`.
Report show_headers(const std::vector<Name>& names, const TextOut& out);

}  // namespace velkord

#endif
