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

namespace {

// The six two-digit values of a date; false where a byte is no BCD.
bool date_values(const LifDate& date, int (&value)[6]) {
    for (std::size_t i = 0; i < date.size(); ++i) {
        const int high = date[i] >> 4;
        const int low = date[i] & 0x0F;
        if (high > 9 || low > 9) {
            return false;
        }
        value[i] = high * 10 + low;
    }
    return true;
}

}  // namespace

bool is_valid_lif_date(const LifDate& date) {
    int value[6];
    return date_values(date, value) && value[1] >= 1 && value[1] <= 12 && value[2] >= 1 &&
           value[2] <= 31 && value[3] <= 23 && value[4] <= 59 && value[5] <= 59;
}

LifDate lif_date_of_time(std::int64_t seconds) {
    const std::time_t time = static_cast<std::time_t>(seconds);
    const std::tm* local = std::localtime(&time);
    if (!local || local->tm_year < 70 || local->tm_year > 169) {
        return LifDate{};
    }
    return lif_date_of(*local);
}

std::optional<std::int64_t> time_of_lif_date(const LifDate& date) {
    int value[6];
    if (!is_valid_lif_date(date) || !date_values(date, value)) {
        return std::nullopt;
    }
    std::tm local{};
    local.tm_year = value[0] + (value[0] >= 70 ? 0 : 100);
    local.tm_mon = value[1] - 1;
    local.tm_mday = value[2];
    local.tm_hour = value[3];
    local.tm_min = value[4];
    local.tm_sec = value[5];
    local.tm_isdst = -1;  // as the clock then said
    const std::time_t time = std::mktime(&local);
    if (time == static_cast<std::time_t>(-1)) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(time);
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
