#include "report/outcomes.h"

#include "report/printable_name.h"

namespace velkord {

Report report_output(const OutputResult& result, const std::string& input_name,
                     const std::string& output_name, const Report& stopped) {
    const bool output_failed =
        result.end == OutputEnd::not_created || result.end == OutputEnd::write_failed;
    if (output_failed && platform::is_in_use(result.cause)) {
        return report_in_use(output_name);
    }
    switch (result.end) {
        case OutputEnd::written:
            break;
        case OutputEnd::not_created:
            return report_cannot_create(output_name);
        case OutputEnd::input_failed:
        case OutputEnd::salvaged:
            return report_read_error(input_name);
        case OutputEnd::write_failed:
            return report_write_error(output_name);
        case OutputEnd::stopped:
            return stopped;
    }
    return Report{};
}

namespace {

// What was said of the lines of a BASIC program's text, each as
// "file:line: message", so that an editor can jump to it; handed on in
// pieces of about 64 KiB.
void put_diagnostics(const basic::MadeProgram& program, const std::string& input_name,
                     const TextOut& out) {
    const std::string file = printable_name(input_name);
    std::string text;
    for (const basic::Diagnostic& said : program.diagnostics) {
        text += (said.error ? "" : "Warning: ") + file + ":" + std::to_string(said.text_line) +
                ": " + said.message() + "\n";
        if (text.size() >= 64 * 1024) {
            out(text);
            text.clear();
        }
    }
    if (!text.empty()) {
        out(text);
    }
}

}  // namespace

Report report_measure(MeasureEnd end, const std::string& input_name, const LifData& data,
                      const TextOut& out) {
    switch (end) {
        case MeasureEnd::measured:
            put_diagnostics(data.program, input_name, out);
            return Report{};
        case MeasureEnd::lines_refused:
            put_diagnostics(data.program, input_name, out);
            return Report{std::string(), true};
        case MeasureEnd::too_large_program:
            return failure(printable_name(input_name) + " is too large for an HP-71B program\n");
        case MeasureEnd::too_large:
            return report_too_large(input_name);
        case MeasureEnd::utf16_text:
            return report_utf16_text(input_name);
        case MeasureEnd::no_size:
        case MeasureEnd::read_failed:
            return report_read_error(input_name);
    }
    return Report{};
}

Report report_change(const ChangeOutcome& outcome, const std::string& image_name,
                     const VolumeChange& change) {
    const std::string image = printable_name(image_name);
    if (platform::is_in_use(outcome.cause)) {
        return report_in_use(image_name);
    }
    switch (outcome.end) {
        case ChangeEnd::changed:
            break;
        case ChangeEnd::not_a_volume:
            return report_not_found(image_name);
        case ChangeEnd::in_use:
            return failure("Error: " + image + " is in use by another run\n");
        case ChangeEnd::read_failed:
            return report_read_error(image_name);
        case ChangeEnd::damaged:
            return failure(image + " is a damaged LIF volume\n");
        case ChangeEnd::no_geometry:
            return failure(image + " has no geometry: its size is unknown\n");
        case ChangeEnd::ambiguous:
            return report_ambiguous(lif_name_text(change.files[outcome.file].entry.name),
                                    image_name);
        case ChangeEnd::no_room:
            return failure("no room for " + printable_name(change.files[outcome.file].input_name) +
                           " on " + image + "\n");
        case ChangeEnd::input_failed:
            return report_read_error(change.files[outcome.file].input_name);
        case ChangeEnd::cannot_create:
            return report_cannot_create(image_name);
        case ChangeEnd::write_failed:
            return report_write_error(image_name);
    }
    return Report{};
}

}  // namespace velkord
