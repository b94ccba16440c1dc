// The messages for what the lower layers say happened: an output written
// or not, data measured or not, a volume changed or not.
#ifndef VELKORD_REPORT_OUTCOMES_H
#define VELKORD_REPORT_OUTCOMES_H

#include <string>

#include "content/lif_data.h"
#include "files/output_file.h"
#include "report/report.h"
#include "volume/volume_writer.h"

namespace velkord {

// What a user must hear of how writing `output_name` from `input_name`
// ended: nothing when it was written; "impossible to create", "read error"
// (also when what the input held was salvaged) or "write error"; `stopped`
// when the producer stopped for a reason of its own.
Report report_output(const OutputResult& result, const std::string& input_name,
                     const std::string& output_name, const Report& stopped = Report{});

// Why the data of `input_name` could not be measured. What is said of the
// lines of a BASIC program made from it, refused or not, goes to `out`:
// there may be a great many.
Report report_measure(MeasureEnd end, const std::string& input_name, const LifData& data,
                      const TextOut& out);

// What a user must hear of how changing the volume `image_name` ended.
Report report_change(const ChangeOutcome& outcome, const std::string& image_name,
                     const VolumeChange& change);

}  // namespace velkord

#endif
