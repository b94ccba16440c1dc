#include "reading/list_basic.h"

#include "basic/program.h"
#include "files/output_file.h"

namespace velkord {
namespace {

// The lister reads the file through these, and writes to the output.
class FileBytes final : public basic::ByteSource {
public:
    explicit FileBytes(InputFile& file) : file_(file) {}
    std::size_t read(unsigned char* bytes, std::size_t count) override {
        return file_.read(bytes, count);
    }
    bool failed() const override { return file_.failed(); }

private:
    InputFile& file_;
};

class WrittenLines final : public basic::LineSink {
public:
    explicit WrittenLines(BlockWriter& writer) : writer_(writer) {}
    void put(std::string_view line) override {
        writer_.put(reinterpret_cast<const unsigned char*>(line.data()), line.size());
    }

private:
    BlockWriter& writer_;
};

}  // namespace

CopyEnd list_basic_program(InputFile& program, std::uint32_t nibble_count, BlockWriter& lines) {
    FileBytes bytes(program);
    WrittenLines sink(lines);
    switch (basic::list_program(bytes, nibble_count, sink, basic::KeywordTable::builtin())) {
        case basic::ListingEnd::complete:
            return CopyEnd::complete;
        case basic::ListingEnd::unreadable:
            return CopyEnd::read_failed;
        default:
            return CopyEnd::input_short;  // reported as a read error in the file
    }
}

Report list_basic(NamedInput& lif, const LifHeader& header, const std::string& lif_name,
                  const std::string& output_name) {
    OutputFile output;
    if (!begin_output(output_name, output)) {
        return report_cannot_create(output_name);
    }
    BlockWriter lines(output.file.get());
    CopyEnd end = list_basic_program(lif.input, header.nibble_count, lines);
    if (!lines.flush()) {
        end = CopyEnd::write_failed;
    }
    // The lines before a damaged one are what the user can save of it.
    return finish_salvaged_output(output, end, lif_name, output_name);
}

}  // namespace velkord
