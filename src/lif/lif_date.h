// Dates in LIF directories and headers: six bytes of two BCD digits each,
// year (within its century), month, day, hour, minute, second. All zero
// means no date.
#ifndef VELKORD_LIF_LIF_DATE_H
#define VELKORD_LIF_LIF_DATE_H

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

namespace velkord {

using LifDate = std::array<unsigned char, 6>;

// "YYYY-MM-DD hh:mm:ss": a year from 70 up is 19YY, below 70 20YY. "-" when
// the date is all zero or any byte is not two BCD digits.
std::string format_lif_date(const LifDate& date);

// A calendar time as a LIF date.
LifDate lif_date_of(const std::tm& time);

// True for a date of two BCD digits a field, whose month, day, hour,
// minute and second exist; all zero is no date.
bool is_valid_lif_date(const LifDate& date);

// A time (seconds since 1970) as a LIF date in local time; no date (all
// zero) for a year outside 1970-2069, which two digits cannot tell apart.
LifDate lif_date_of_time(std::int64_t seconds);

// The time a valid LIF date stands for, read as local time.
std::optional<std::int64_t> time_of_lif_date(const LifDate& date);

}  // namespace velkord

#endif
