// An output that appears only complete. Its bytes go into a new file in the
// destination's own folder, which takes the destination's place in one step
// once everything is written and closed. Until then an existing destination
// stays as it was; on a failure, or when the run is interrupted, the new file
// is removed again. A destination that cannot be replaced (a device, a pipe,
// an open descriptor named as /dev/stdout) is written directly instead.
#ifndef VELKORD_FILES_OUTPUT_FILE_H
#define VELKORD_FILES_OUTPUT_FILE_H

#include <filesystem>
#include <string>

#include "files/file.h"
#include "report/report.h"

namespace velkord {

struct OutputFile {
    File file;                        // where the operation writes, unbuffered
    std::filesystem::path temporary;  // empty when written directly
    std::filesystem::path target;     // the destination, links followed
    bool replacing = false;           // an existing file is to be replaced

    OutputFile() = default;
    // The temporary path is named to the interruption handler, so it must
    // stay where it is.
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    // Removes the temporary file unless it took the destination's place.
    ~OutputFile();
};

// Prepares to write `destination_name`; false when it cannot be created.
// A destination that is a symbolic link stays one: the file it leads to is
// replaced. A file that the user may not write is not replaced either. A
// name of an open descriptor is written through that descriptor, never
// reopened by its name nor replaced.
bool begin_output(const std::string& destination_name, OutputFile& output);

// True when the output can be rewritten at its start (it is a new file).
bool output_rewritable(const OutputFile& output);

// True when `name` stands for this run's standard output (/dev/stdout), so
// that the run's messages must go elsewhere.
bool names_standard_output(const std::string& name);

// Closes the output and puts it in the destination's place, with the owner,
// group and permissions of the file it replaces; false when the close or
// the replacement fails, and then the destination is as it was.
bool commit_output(OutputFile& output);

// As commit_output for a destination that did not exist when it was
// begun: false, and nothing replaced, when a file has appeared there since.
bool commit_new_output(OutputFile& output);

// Commits the output when the copy into it ended complete, and says how it
// went: nothing, or the read or write error. On any failure an existing
// destination stays as it was.
Report finish_output(OutputFile& output, CopyEnd end,
                     const std::string& input_name,
                     const std::string& output_name);

// As finish_output, except that an input that ended early (a damaged LIF
// file) still gives its output: the bytes it holds are what the user can
// save of it. The read error is reported all the same.
Report finish_salvaged_output(OutputFile& output, CopyEnd end,
                              const std::string& input_name,
                              const std::string& output_name);

}  // namespace velkord

#endif
