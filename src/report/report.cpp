#include "report/report.h"

#include <utility>

namespace velkord {

Report failure(std::string text) { return Report{std::move(text), true}; }

Report followed_by(const Report& first, Report then) {
    then.text.insert(0, first.text);
    return then;
}

Report report_not_found(const std::string& name) {
    return failure(name + " not found\n");
}

Report report_cannot_create(const std::string& name) {
    return failure("impossible to create " + name + "\n");
}

Report report_input_as_output(const std::string& name) {
    return failure("impossible to create " + name + ": it is the input file\n");
}

Report report_too_large(const std::string& name) {
    return failure(name + " is too large for a LIF file\n");
}

Report report_read_error(const std::string& name) {
    return failure("read error in " + name + "\n");
}

Report report_write_error(const std::string& name) {
    return failure("write error in " + name + "\n");
}

Report report_not_text(const std::string& name) {
    return failure(name + " is not a TEXT file\n");
}

}  // namespace velkord
