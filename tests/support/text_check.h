// Reads converted TEXT data back and checks every rule they must keep: whole
// sectors, records of 1 to 4095 bytes with a zero pad byte after an odd
// length, the 0xFFFF end mark, and nothing but 0xFF after it.
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
    if (data.empty() || data.size() % 256 != 0) {
        parsed.fault = "not whole sectors: " + std::to_string(data.size());
        return parsed;
    }
    std::size_t at = 0;
    for (;;) {
        if (at + 2 > data.size()) {
            parsed.fault = "no end mark";
            return parsed;
        }
        const std::size_t size = data[at] * 256u + data[at + 1];
        if (size == 0xFFFF) {
            break;
        }
        const std::size_t padded = size + size % 2;
        if (size == 0 || size > 4095 || at + 2 + padded > data.size()) {
            parsed.fault = "bad record length " + std::to_string(size) +
                           " at " + std::to_string(at);
            return parsed;
        }
        parsed.records.emplace_back(data.begin() + at + 2,
                                    data.begin() + at + 2 + size);
        if (size % 2 != 0 && data[at + 2 + size] != 0) {
            parsed.fault = "pad byte not zero at " + std::to_string(at);
            return parsed;
        }
        at += 2 + padded;
    }
    for (std::size_t i = at; i < data.size(); ++i) {
        if (data[i] != 0xFF) {
            parsed.fault = "fill not 0xFF at " + std::to_string(i);
            return parsed;
        }
    }
    if (data.size() - at >= 256 + 2) {
        parsed.fault = "a whole sector of fill too many";
    }
    return parsed;
}

}  // namespace velkord

#endif
