// The proleptic Gregorian calendar in whole days: the count of days from
// 1970-01-01 to a date and back, after Howard Hinnant's days_from_civil and
// civil_from_days ("chrono-Compatible Low-Level Date Algorithms",
// https://howardhinnant.github.io/date_algorithms.html), and the lengths of
// the months. Header only and needing nothing but the standard library, so
// that the prayer-time library stays on its own while the programs' date
// type and calendar helpers count days by the same rules.
#pragma once

#include <cstdint>

namespace kestrun {

// Days from 1970-01-01 to the proleptic Gregorian date y-m-d, for m in
// [1, 12], d in [1, 31] and any y whose result fits.
constexpr std::int64_t days_from_civil(std::int64_t y, unsigned m, unsigned d) noexcept {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);                 // [0, 399]
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;  // [0, 365]
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;            // [0, 146096]
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

struct civil_date {
    std::int64_t y;
    unsigned m;  // [1, 12]
    unsigned d;  // [1, 31]
};

// The proleptic Gregorian date of the day z days after 1970-01-01.
constexpr civil_date civil_from_days(std::int64_t z) noexcept {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);                    // [0, 146096]
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365]
    const unsigned mp = (5 * doy + 2) / 153;                                     // [0, 11]
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;                             // [1, 31]
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;                                // [1, 12]
    return {static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2), m, d};
}

// Whether y is a Gregorian leap year.
constexpr bool is_leap(std::int64_t y) noexcept {
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

// Number of days in month m ([1, 12]) of a year with a 29 February (leap)
// or without one, whichever rule decides that.
constexpr unsigned month_length(unsigned m, bool leap) noexcept {
    constexpr unsigned char n[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leap ? 29u : n[m - 1];
}

// Number of days in month m ([1, 12]) of year y.
constexpr unsigned last_day_of_month(std::int64_t y, unsigned m) noexcept {
    return month_length(m, is_leap(y));
}

}  // namespace kestrun
