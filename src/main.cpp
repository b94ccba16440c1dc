// velkord: adds, shows and removes the 32-byte LIF header of files that
// travel to and from the HP-71B. Everything happens in the library; this
// entry only prints what the operation reports and sets the exit status.
#include <new>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "platform/platform.h"

namespace {

int run(const std::vector<std::string>& arguments) {
    try {
        velkord::platform::prepare_process();
        bool printed = true;
        // The catalog of a large volume is printed as it is made.
        const auto print_now = [&printed](const std::string& text, bool to_error_stream) {
            printed = velkord::platform::print(text, to_error_stream
                                                         ? velkord::platform::Stream::error
                                                         : velkord::platform::Stream::output) &&
                      printed;
        };
        const velkord::Report report = velkord::run_command_line(arguments, print_now);
        printed = velkord::platform::print(
                      report.text, report.to_error_stream ? velkord::platform::Stream::error
                                                          : velkord::platform::Stream::output) &&
                  printed;
        return report.failed || !printed ? 1 : 0;
    } catch (const std::bad_alloc&) {
        velkord::platform::print("Error: not enough memory\n");
        return 1;
    }
}

}  // namespace

#ifdef _WIN32
// The wide entry receives the names as typed, whatever the code page.
int wmain(int argc, wchar_t* argv[]) {
    return run(velkord::platform::utf8_arguments(argc, argv));
}
#else
int main(int argc, char* argv[]) {
    return run(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
}
#endif
