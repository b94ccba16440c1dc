#include "cli/usage.h"

namespace velkord {

std::string usage_text() {
    return "VELKORD: add a 32-byte LIF header for file transfer to HP-71B\n"
           "Syntax : VELKORD input_file LIF_file /[L|B|R|T]\n"
           "         VELKORD LIF_file /i\n"
           "         VELKORD LIF_volume /i\n"
           "         VELKORD LIF_file output_file /x\n"
           "Options :\n"
           "  /L : use HP-71B LEX  file type (default)\n"
           "  /B : use HP-71B BIN  file type\n"
           "  /R : use HP-71B ROM  file type\n"
           "  /T : use HP-71B TEXT file type with data conversion\n"
           "  /i : display header information of LIF file\n"
           "  /x : remove header from LIF file\n"
           "  /x /t : turn an HP-71B TEXT file or BASIC program into lines\n"
           "  /c : copy a LIF file as it is, into, out of or between LIF volumes\n"
           "  /p : purge a file from a LIF volume\n"
           "  /n : create an empty LIF volume\n"
           "  /h : help\n"
           "V1.2 - velkord, made by the velkord developers\n";
}

}  // namespace velkord
