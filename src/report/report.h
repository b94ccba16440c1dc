// What an operation hands back to the program's entry: the text for standard
// output and whether the run failed. Operations never print; the entry does.
#ifndef VELKORD_REPORT_REPORT_H
#define VELKORD_REPORT_REPORT_H

#include <functional>
#include <string>

#include "lif/lif_header.h"

namespace velkord {

// Where an operation whose text grows with its input (the catalog of a
// volume, the refused lines of a long text) puts that text as it goes, so
// that it is never held whole.
using TextOut = std::function<void(const std::string& text)>;

// How the program's entry prints such text: to standard output, or, in a
// run whose output is standard output itself, to standard error.
using Printer = std::function<void(const std::string& text, bool to_error_stream)>;

struct Report {
    std::string text;
    bool failed = false;
    // Set when the run's output is standard output itself: its messages
    // then go to standard error, so that they never mix with the data.
    bool to_error_stream = false;
};

Report failure(std::string text);

// The text of `first` (a warning, say), then all of `then`.
Report followed_by(const Report& first, Report then);

// The messages shared by the operations. Every `name` is a file name as
// typed, or a LIF name field, and is printed safely (printable_name).
Report report_not_found(const std::string& name);
Report report_cannot_create(const std::string& name);
Report report_input_as_output(const std::string& name);
Report report_too_large(const std::string& name);
Report report_read_error(const std::string& name);
Report report_write_error(const std::string& name);
Report report_not_text(const std::string& name);
Report report_utf16_text(const std::string& name);
Report report_whole_volume(const std::string& name);
Report report_private_program(const std::string& name);

Report report_not_lif_file(const std::string& name);
// Another program holds `name` so that it cannot be used now.
Report report_in_use(const std::string& name);
// The existing `name` must be looked at to know what it is, and cannot be.
Report report_unreadable(const std::string& name);
// `name` on the volume `image_name` matches several files, none exactly.
Report report_ambiguous(const std::string& name, const std::string& image_name);

// The warning line for a header that is not plausible; empty for one that is.
std::string plausibility_warning(const LifHeader& header);

std::string hint_text_file(const std::string& name);
std::string hint_basic_program(const std::string& name);
std::string warning_lif_header(const std::string& name);
std::string warning_lif_volume(const std::string& name);
std::string warning_text_as_lex(const std::string& name);
// `field` is the header's name field without its trailing spaces.
std::string warning_unusable_name(const std::string& field);

}  // namespace velkord

#endif
