#include "lif/lif_date.h"

#include <cstdio>

namespace velkord {

std::string format_lif_date(const LifDate& date) {
    bool zero = true;
    int value[6];
    for (std::size_t i = 0; i < date.size(); ++i) {
        const int high = date[i] >> 4;
        const int low = date[i] & 0x0F;
        if (high > 9 || low > 9) {
            return "-";
        }
        value[i] = high * 10 + low;
        zero = zero && date[i] == 0;
    }
    if (zero) {
        return "-";
    }
    const int year = value[0] + (value[0] >= 70 ? 1900 : 2000);
    char text[24];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", year, value[1],
                  value[2], value[3], value[4], value[5]);
    return text;
}

LifDate lif_date_of(const std::tm& time) {
    const int values[6] = {time.tm_year % 100, time.tm_mon + 1, time.tm_mday,
                           time.tm_hour, time.tm_min, time.tm_sec};
    LifDate date;
    for (std::size_t i = 0; i < date.size(); ++i) {
        // A leap second (60) stays a valid BCD number.
        const int value = values[i] < 0 ? 0 : values[i] % 100;
        date[i] = static_cast<unsigned char>((value / 10) << 4 | value % 10);
    }
    return date;
}

}  // namespace velkord
