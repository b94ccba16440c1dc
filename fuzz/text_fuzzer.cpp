// Any bytes as text: the result is whole sectors, every record parses back,
// the end mark is there, the records are exactly the input's non-empty
// lines, cut into pieces of 4095 bytes, and they turn back into those lines. The first byte repeats the rest up to
// 64 times, so that small inputs reach across the conversion's read blocks.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "text/text_lines.h"
#include "support/input_holding.h"
#include "support/text_check.h"
#include "text/text_records.h"

using namespace velkord;

namespace {

// The records the text should give, worked out line by line.
std::vector<std::string> expected_records(const std::string& text) {
    std::vector<std::string> records;
    std::size_t line = 0;
    while (line < text.size()) {
        const std::size_t line_feed = text.find('\n', line);
        const std::size_t end =
            line_feed == std::string::npos ? text.size() : line_feed + 1;
        for (std::size_t at = line; at < end; at += text_piece_limit) {
            std::string piece =
                text.substr(at, std::min(text_piece_limit, end - at));
            while (!piece.empty() && (piece.back() == '\r' || piece.back() == '\n')) {
                piece.pop_back();
            }
            if (!piece.empty()) {
                records.push_back(piece);
            }
        }
        line = end;
    }
    return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string unit(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::string text;
    for (int i = 0; i <= data[0] % 64; ++i) {
        text += unit;
    }
    InputFile input = input_holding(text);
    Bytes bytes;
    BlockWriter records(nullptr, &bytes);
    const TextStatus status = convert_text_records(input, records);
    const bool flushed = records.flush();
    const ParsedText parsed = parse_text_records(bytes);
    const std::vector<std::string> lines_expected = expected_records(text);
    if (status != TextStatus::converted || !flushed || !parsed.fault.empty() ||
        parsed.records != lines_expected) {
        std::abort();
    }

    // And back: each record becomes its line with a line feed.
    InputFile lif = input_holding(std::string(bytes.begin(), bytes.end()));
    Bytes lines;
    BlockWriter line_writer(nullptr, &lines);
    std::string expected_lines;
    for (const std::string& line : lines_expected) {
        expected_lines += line + "\n";
    }
    if (convert_text_lines(lif, bytes.size(), line_writer) != CopyEnd::complete ||
        !line_writer.flush() ||
        std::string(lines.begin(), lines.end()) != expected_lines) {
        std::abort();
    }
    return 0;
}
