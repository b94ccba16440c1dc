// Any data: adding a LEX, BIN or ROM header gives the header, the data and
// 0xFF to the sector boundary, and removing it gives the data back.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "lif/lif_header.h"
#include "work_folder.h"

using namespace velkord;

namespace {

std::string read_file(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

bool run(const std::vector<std::string>& arguments) {
    return !run_command_line(arguments, [](const std::string&, bool) {}).failed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string data(reinterpret_cast<const char*>(bytes), size);
    const std::string input = (work_folder() / "in.bin").string();
    const std::string lif = (work_folder() / "prog.lif").string();
    const std::string output = (work_folder() / "out.bin").string();
    std::ofstream(input, std::ios::binary | std::ios::trunc) << data;

    const Format format = size % 3 == 0 ? Format::lex : size % 3 == 1 ? Format::bin : Format::rom;
    const char* option = size % 3 == 0 ? "/L" : size % 3 == 1 ? "/B" : "/R";
    if (!run({input, lif, option})) {
        std::abort();
    }
    const std::string made = read_file(lif);
    const std::size_t sectors = sectors_for(size);
    const LifHeaderBytes header =
        build_lif_header(lif, format, static_cast<std::uint32_t>(sectors),
                         static_cast<std::uint32_t>(2 * size));
    std::string expected(header.begin(), header.end());
    expected += data;
    expected.resize(lif_header_size + sectors * sector_size, '\xFF');
    if (made != expected) {
        std::abort();
    }
    if (!run({lif, output, "/x"}) || read_file(output) != data) {
        std::abort();
    }
    return 0;
}
