#include "cli/usage.h"

namespace velkord {

std::string usage_text() {
    return "VELKORD: add a 32-byte LIF header for file transfer to HP-71B\n"
           "Syntax : VELKORD input_file LIF_file /[L|B|R|T]\n"
           "         VELKORD input_file... LIF_volume[/NAME] /[L|B|R|T]\n"
           "         VELKORD LIF_file /i\n"
           "         VELKORD LIF_volume /i\n"
           "         VELKORD LIF_file|LIF_volume... /i\n"
           "         VELKORD LIF_file output_file /x\n"
           "         VELKORD LIF_file output_file /x /t\n"
           "         VELKORD LIF_file output_file /c\n"
           "         VELKORD LIF_file|LIF_volume... folder|LIF_volume /c\n"
           "         VELKORD LIF_volume/NAME... /p\n"
           "         VELKORD LIF_volume /n\n"
           "         A LIF_file may be a file on a volume, LIF_volume/NAME;\n"
           "         - is standard input as an input, standard output as an output.\n"
           "Options :\n"
           "  /L : use HP-71B LEX  file type (default)\n"
           "  /B : use HP-71B BIN  file type\n"
           "  /R : use HP-71B ROM  file type\n"
           "  /T : use HP-71B TEXT file type with data conversion\n"
           "  /basic : make an HP-71B BASIC program from its text\n"
           "  /i : display header information of LIF file\n"
           "  /x : remove header from LIF file\n"
           "  /x /t : turn an HP-71B TEXT file or BASIC program into lines\n"
           "  /c : copy a LIF file as it is, into, out of or between LIF volumes\n"
           "  /p : purge a file from a LIF volume\n"
           "  /n : create an empty LIF volume\n"
           "  /h : help\n"
           "V" + version_text() + " - velkord, made by the velkord developers\n";
}

std::string version_text() { return VELKORD_VERSION; }

}  // namespace velkord
