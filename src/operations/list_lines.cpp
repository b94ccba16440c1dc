#include "operations/list_lines.h"

#include "basic/program.h"
#include "files/output_file.h"
#include "lif/file_types.h"
#include "operations/inputs.h"
#include "report/outcomes.h"
#include "text/text_lines.h"

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
            return CopyEnd::input_short;  // damaged or cut: a read error in the file
    }
}

Report list_lines(const Name& lif, const std::string& output_name) {
    InputFile input;
    LifHeader header;
    const Report warning = open_lif_file(lif, output_name, input, header);
    if (warning.failed) {
        return warning;
    }
    if (is_private_program(header.file_type)) {
        return followed_by(warning, report_private_program(lif.typed));
    }
    const bool program = is_listable_program(header.file_type);
    if (!program && header.file_type != lif_type_text) {
        return followed_by(warning, report_not_text(lif.typed));
    }
    // The lines before a damaged one, or before the place where a cut file
    // ends, are what the user can save of it.
    OutputOptions options;
    options.salvage = true;
    const OutputResult written = write_output(output_name, options, [&](OutputStream& out) {
        return program ? list_basic_program(input, header.nibble_count, out.blocks())
                       : convert_text_lines(
                             input, std::uint64_t{header.sector_count} * sector_size, out.blocks());
    });
    return followed_by(warning, report_output(written, lif.typed, output_name));
}

}  // namespace velkord
