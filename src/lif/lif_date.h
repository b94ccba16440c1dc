// Dates in LIF directories and headers: six bytes of two BCD digits each,
// year (within its century), month, day, hour, minute, second. All zero
// means no date.
#ifndef VELKORD_LIF_LIF_DATE_H
#define VELKORD_LIF_LIF_DATE_H

#include <array>
#include <ctime>
#include <string>

namespace velkord {

using LifDate = std::array<unsigned char, 6>;

// "YYYY-MM-DD hh:mm:ss": a year from 70 up is 19YY, below 70 20YY. "-" when
// the date is all zero or any byte is not two BCD digits.
std::string format_lif_date(const LifDate& date);

// A calendar time as a LIF date.
LifDate lif_date_of(const std::tm& time);

}  // namespace velkord

#endif
