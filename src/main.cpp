// velkord: adds, shows and removes the 32-byte LIF header of files that
// travel to and from the HP-71B. Everything happens in the library; this
// entry only prints what the operation reports and sets the exit status.
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "command_line/command_line.h"

namespace {

bool print(const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> arguments;
    if (argc > 1) {
        arguments.assign(argv + 1, argv + argc);
    }
    try {
        const velkord::Report report = velkord::run_command_line(arguments);
        const bool printed = print(report.text);
        return report.failed || !printed ? 1 : 0;
    } catch (const std::bad_alloc&) {
        print("Error: not enough memory\n");
        return 1;
    }
}
