// What an operation hands back to the program's entry: the text for standard
// output and whether the run failed. Operations never print; the entry does.
#ifndef VELKORD_REPORT_REPORT_H
#define VELKORD_REPORT_REPORT_H

#include <string>

namespace velkord {

struct Report {
    std::string text;
    bool failed = false;
};

Report failure(std::string text);

// The text of `first` (a warning, say), then all of `then`.
Report followed_by(const Report& first, Report then);

// The failures shared by the operations; `name` is a file name as typed.
Report report_not_found(const std::string& name);
Report report_cannot_create(const std::string& name);
Report report_input_as_output(const std::string& name);
Report report_too_large(const std::string& name);
Report report_read_error(const std::string& name);
Report report_write_error(const std::string& name);
Report report_not_text(const std::string& name);

}  // namespace velkord

#endif
