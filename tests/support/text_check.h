// Reads converted TEXT data back and checks the rules they keep: whole
// sectors, records of 1 to 4095 bytes with a zero pad byte after an odd
// length, the 0xFFFF end mark, then 0xFF to the end and less than a sector.
#ifndef VELKORD_TESTS_SUPPORT_TEXT_CHECK_H
#define VELKORD_TESTS_SUPPORT_TEXT_CHECK_H

#include <cstddef>
#include <string>
#include <vector>

namespace velkord {

struct ParsedText {
    std::vector<std::string> records;
    std::string fault;  // empty when the data keep every rule
};

inline ParsedText parse_text_records(const std::vector<unsigned char>& data) {
    ParsedText parsed;
    std::size_t at = 0;
    std::size_t size = 0;
    while (at + 2 <= data.size() &&
           (size = data[at] * 256u + data[at + 1]) != 0xFFFF) {
        if (size == 0 || size > 4095 || at + 2 + size + size % 2 > data.size() ||
            (size % 2 != 0 && data[at + 2 + size] != 0)) {
            parsed.fault = "bad record at " + std::to_string(at);
            return parsed;
        }
        parsed.records.emplace_back(&data[at + 2], &data[at + 2 + size]);
        at += 2 + size + size % 2;
    }
    bool filled = at + 2 <= data.size() && data.size() % 256 == 0 &&
                  data.size() - at < 256 + 2;
    for (std::size_t i = at; filled && i < data.size(); ++i) {
        filled = data[i] == 0xFF;
    }
    if (!filled) {
        parsed.fault = "no end mark and 0xFF fill after " + std::to_string(at);
    }
    return parsed;
}

}  // namespace velkord

#endif
