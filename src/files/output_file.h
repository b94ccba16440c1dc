// An output that appears only complete. Its bytes go into a new file in the
// destination's own folder, which takes the destination's place in one step
// once everything is written and closed. Until then an existing destination
// stays as it was; on a failure, or when the run is interrupted, the new file
// is removed again. A destination that cannot be replaced (a device, a pipe,
// an open descriptor named as /dev/stdout) is written directly instead.
//
// Nothing here speaks to the user: every step says how it went, with the
// system's reason for a failure, and the operation makes the message.
#ifndef VELKORD_FILES_OUTPUT_FILE_H
#define VELKORD_FILES_OUTPUT_FILE_H

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "files/block_writer.h"
#include "files/file.h"
#include "platform/platform.h"

namespace velkord {

struct OutputFile {
    File file;                        // where the operation writes, unbuffered
    std::filesystem::path temporary;  // empty when written directly
    std::filesystem::path target;     // the destination, links followed
    bool replacing = false;           // an existing file is to be replaced
    platform::SystemError cause;      // why the last step failed
    // Names the temporary file to the interruption handler while it is ours.
    std::optional<platform::RemovedOnInterrupt> removal;

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

// Closes the output, giving a new file the owner, group and permissions of
// the file it is to replace; false when the close fails (the last buffered
// bytes may meet a full disk only then). A new file that is to replace one
// is flushed to the disk first: the rename could otherwise reach the disk
// before the data, and a power cut then leave neither file. One that
// replaces nothing needs no flush (its inputs are still there).
bool close_output(OutputFile& output);

// Puts the closed output in the destination's place; false when that
// fails, and then the destination is as it was. After a replacement the
// folder is flushed, so that the rename itself is on the disk.
bool place_output(OutputFile& output);

// As place_output for a destination that did not exist when it was begun:
// false, and nothing replaced, when a file has appeared there since.
bool place_new_output(OutputFile& output);

// How writing a whole output ended.
enum class OutputEnd {
    written,       // complete, and in the destination's place
    not_created,   // it could not be begun: nothing was written
    input_failed,  // the input ended early, failed or changed: nothing replaced
    salvaged,      // the input ended early, and what it gave is the output
    write_failed,  // writing, closing or placing it failed: nothing replaced
    stopped,       // the producer stopped, for a reason it reports itself
};

struct OutputResult {
    OutputEnd end = OutputEnd::written;
    CopyEnd copy = CopyEnd::complete;  // how the producer's copy ended
    platform::SystemError cause;       // the system's reason, where it gave one
};

struct OutputOptions {
    // The bytes to come, where known, so that a small output gets a small block.
    std::uint64_t expected_size = UINT64_MAX;
    // An input that ends before its data do still gives its output: the
    // bytes it holds are what the user can save of a damaged file.
    bool salvage = false;
    // The time the output is given as last changed (seconds since 1970);
    // else the time it was written.
    std::optional<std::int64_t> modified;
};

// Where a producer puts the output's bytes.
class OutputStream {
public:
    OutputStream(OutputFile& file, BlockWriter& blocks) : file_(file), blocks_(blocks) {}

    BlockWriter& blocks() { return blocks_; }
    // True when the output's first bytes can be written again (a new file).
    bool rewritable() const { return output_rewritable(file_); }
    // Writes `size` bytes over the output's first bytes, once every byte
    // put so far has been written; false when that fails.
    bool rewrite_start(const unsigned char* data, std::size_t size);

private:
    OutputFile& file_;
    BlockWriter& blocks_;
};

// Makes the whole output: `produce` puts its bytes, and says how its copy
// ended (`stopped` when it gave up for a reason of its own).
using Producer = std::function<CopyEnd(OutputStream& out)>;

// Begins the output `name`, lets `produce` fill it, and puts it in place
// when the copy ended complete (or, with `salvage`, short). On any failure
// an existing destination stays as it was.
OutputResult write_output(const std::string& name, const OutputOptions& options,
                          const Producer& produce);

}  // namespace velkord

#endif
