#include "report/report.h"

#include <utility>

#include "report/printable_name.h"

namespace velkord {

Report failure(std::string text) { return Report{std::move(text), true}; }

Report followed_by(const Report& first, Report then) {
    then.text.insert(0, first.text);
    return then;
}

Report report_not_found(const std::string& name) {
    return failure(printable_name(name) + " not found\n");
}

Report report_cannot_create(const std::string& name) {
    return failure("impossible to create " + printable_name(name) + "\n");
}

Report report_input_as_output(const std::string& name) {
    return failure("impossible to create " + printable_name(name) +
                   ": it is the input file\n");
}

Report report_too_large(const std::string& name) {
    return failure(printable_name(name) + " is too large for a LIF file\n");
}

Report report_read_error(const std::string& name) {
    return failure("read error in " + printable_name(name) + "\n");
}

Report report_write_error(const std::string& name) {
    return failure("write error in " + printable_name(name) + "\n");
}

Report report_not_text(const std::string& name) {
    return failure(printable_name(name) + " is not a TEXT file\n");
}

Report report_utf16_text(const std::string& name) {
    return failure(printable_name(name) +
                   " is UTF-16 text: save it as UTF-8 or ASCII first\n");
}

Report report_whole_volume(const std::string& name) {
    const std::string shown = printable_name(name);
    return failure(shown + " is a LIF volume: name a file on it as " + shown + "/NAME\n");
}

Report report_private_program(const std::string& name) {
    return failure(printable_name(name) + " is a private program\n");
}

Report report_not_lif_file(const std::string& name) {
    return failure(printable_name(name) + " is not a LIF file\n");
}

Report report_in_use(const std::string& name) {
    return failure("Error: " + printable_name(name) + " is in use by another program\n");
}

Report report_unreadable(const std::string& name) {
    return failure("Error: " + printable_name(name) + " cannot be read, so it is not replaced\n");
}

Report report_ambiguous(const std::string& name, const std::string& image_name) {
    return failure("Error: " + printable_name(name) + " matches several files on " +
                   printable_name(image_name) + "\n");
}

std::string plausibility_warning(const LifHeader& header) {
    return is_plausible_lif_header(header)
               ? std::string()
               : "Warning: probably not a valid LIF header\n";
}

std::string hint_text_file(const std::string& name) {
    return printable_name(name) + " is a TEXT file: add /t to get its lines\n";
}

std::string hint_basic_program(const std::string& name) {
    return printable_name(name) + " is a BASIC program: add /t to list it\n";
}

std::string warning_lif_header(const std::string& name) {
    return "Warning: " + printable_name(name) + " already begins with a LIF header\n";
}

std::string warning_lif_volume(const std::string& name) {
    return "Warning: " + printable_name(name) + " is a LIF volume\n";
}

std::string warning_text_as_lex(const std::string& name) {
    return "Warning: " + printable_name(name) + " looks like text: add /t to make a TEXT file\n";
}

std::string warning_unusable_name(const std::string& field) {
    return "Warning: the HP-71B cannot use the file name \"" +
           printable_name(field) + "\"\n";
}

}  // namespace velkord
