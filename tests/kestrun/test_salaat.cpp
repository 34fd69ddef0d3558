// The prayer times through the exported functions.
#include "tests/kestrun/reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using namespace kestrun_test;

// Fajar and Isha give way to 18/60 and 17/60 of the night where the twilight
// lasts longer; the comparisons keep this far from either side of that line.
constexpr double rule_margin = 3 * minute;

TEST(KestrunSalaat, AgreesWithAlmanacSunWithinTwoMinutes) {
    constexpr double lats[] = {-55, -48, -36, -23.5, -5, 0, 12, 21.42, 33.3, 41, 48, 55};
    struct Meridian {
        double lon, tz;
    };
    constexpr Meridian meridians[] = {{-99.13, -6}, {-3.7, 0}, {31.24, 2}, {67.01, 5}, {121.5, 8}};
    int compared[3] = {};
    double worst[3] = {};
    const auto near = [&worst](int i, double got, double want) {
        worst[i] = std::fmax(worst[i], gap(got, want));
        EXPECT_LT(gap(got, want), 2 * minute);
    };
    int portions = 0;
    for (int y : {1900, 1977, 2026, 2099})
        for (double lat : lats)
            for (const auto& mer : meridians)
                for (int doy = 2; doy < 365; doy += 11) {
                    const auto [d, m] = month_day(y, doy);
                    SCOPED_TRACE(testing::Message() << "lat " << lat << " lon " << mer.lon << " "
                                                    << y << '-' << m << '-' << d);
                    const Day day = day_at(d, m, y, float(lat), float(mer.lon), float(mer.tz));
                    ASSERT_EQ(day.salaat_result, 1);
                    const ref::Place p{float(lat), float(mer.lon), float(mer.tz), y, m, d};
                    const double rise = *p.crossing(-0.833, -1);
                    const double set = *p.crossing(-0.833, +1);
                    const double night = 1 - (set - rise);
                    const double lib_night = 1 - (day.sun[1] - day.sun[0]);

                    const auto fajr_at = p.crossing(-18, -1);
                    if (fajr_at && rise - *fajr_at < 18.0 / 60 * night - rule_margin) {
                        near(0, day.p[fajr], p.local(*fajr_at));
                        ++compared[0];
                    } else if (!fajr_at || rise - *fajr_at > 18.0 / 60 * night + rule_margin) {
                        EXPECT_NEAR(day.p[fajr], of_day(day.sun[0] - 18.0 / 60 * lib_night), 1e-9);
                        ++portions;
                    }

                    const auto isha_at = p.crossing(-17, +1);
                    if (isha_at && *isha_at - set < 17.0 / 60 * night - rule_margin) {
                        near(2, day.p[isha], p.local(*isha_at));
                        ++compared[2];
                    } else if (!isha_at || *isha_at - set > 17.0 / 60 * night + rule_margin) {
                        EXPECT_NEAR(day.p[isha], of_day(day.sun[1] + 17.0 / 60 * lib_night), 1e-9);
                        ++portions;
                    }

                    const auto asr_at = p.asr();
                    ASSERT_TRUE(asr_at);
                    near(1, day.p[asr], p.local(*asr_at));
                    ++compared[1];
                }
    EXPECT_GT(compared[0], 5000);
    EXPECT_GT(compared[1], 7000);
    EXPECT_GT(compared[2], 5000);
    EXPECT_GT(portions, 100);  // the 48th and 55th parallels in summer
    RecordProperty("worst_fajr_s", std::to_string(worst[0] * 86400));
    RecordProperty("worst_asr_s", std::to_string(worst[1] * 86400));
    RecordProperty("worst_isha_s", std::to_string(worst[2] * 86400));
}

// Sunrise and Maghrib are the pair itself; the rest fall in the order of
// the day wherever the sun rises and sets and the twilight ends.
TEST(KestrunSalaat, InTheOrderOfTheDay) {
    struct Case {
        const char* name;
        float lat, lon, tz;
    };
    constexpr Case places[] = {
        {"Mecca", 21.42f, 39.83f, 3},      {"Karachi", 24.86f, 67.01f, 5},
        {"Jakarta", -6.2f, 106.85f, 7},    {"New York City", 40.7f, -74.0f, -5},
        {"Cape Town", -33.92f, 18.42f, 2}, {"Kiritimati", 1.87f, -157.43f, 14},
        {"Reykjavik", 64.15f, -21.94f, 0}, {"Chatham", -43.95f, -176.56f, 12.75f},
    };
    for (const auto& c : places)
        for (int d = 1; d <= 365; d += 4) {
            const Day day = day_at(d, 1, 2026, c.lat, c.lon, c.tz);
            SCOPED_TRACE(testing::Message() << c.name << " day " << d);
            EXPECT_EQ(day.p[sunrise], day.sun[0]);
            EXPECT_EQ(day.p[maghrib], day.sun[1]);
            // Counted from Fajar, as midnight may fall anywhere after it
            // (sunset in Reykjavik in June is after midnight).
            for (int i = fajr; i < isha; ++i)
                EXPECT_LT(of_day(day.p[i] - day.p[fajr]), of_day(day.p[i + 1] - day.p[fajr])) << i;
        }
}

// With the daylight hour added to the pair, every time is the standard one
// plus the same hour.
TEST(KestrunSalaat, DaylightHourAddsTheSameHour) {
    struct Case {
        const char* name;
        float lat, lon, tz;
        int d, m;
    };
    constexpr Case cases[] = {
        {"London", 51.5074f, -0.1278f, 0, 21, 6},   {"New York City", 40.7f, -74.0f, -5, 4, 7},
        {"Tehran", 35.69f, 51.39f, 3.5f, 1, 4},     {"Sydney", -33.87f, 151.21f, 10, 1, 1},
        {"Tromso", 69.65f, 18.96f, 1, 21, 6},       {"Tromso", 69.65f, 18.96f, 1, 21, 12},
        {"Santiago", -33.45f, -70.67f, -4, 15, 11}, {"Adelaide", -34.93f, 138.6f, 9.5f, 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << ' ' << c.d << '/' << c.m);
        const Day standard = day_at(c.d, c.m, 2026, c.lat, c.lon, c.tz);
        const Day summer = day_at(c.d, c.m, 2026, c.lat, c.lon, c.tz, true);
        EXPECT_EQ(standard.salaat_result, 1);
        EXPECT_EQ(summer.salaat_result, 1);
        for (int i = 0; i < 6; ++i) {
            EXPECT_NEAR(summer.p[i], standard.p[i] + daylight_hour, 1e-12) << i;
            EXPECT_TRUE(is_time_of_day(standard.p[i])) << i;
        }
    }
}

// In London at midsummer the sun never gets 18 or 17 degrees below the
// horizon: Fajar is 18/60 of the night before sunrise, Isha 17/60 after
// sunset. Nowhere are they further from sunrise and sunset than that.
TEST(KestrunSalaat, AngleBasedPortionOfTheNight) {
    const Day london = day_at(21, 6, 2026, 51.5074f, -0.1278f, 0);
    const double night = 1 - (london.sun[1] - london.sun[0]);
    EXPECT_NEAR(night, 7 * 60 * minute + 20 * minute, 3 * minute);
    EXPECT_NEAR(london.p[fajr], london.sun[0] - 0.3 * night, 1e-12);
    EXPECT_NEAR(london.p[isha], london.sun[1] + 17.0 / 60 * night, 1e-12);

    for (float lat = -89.5f; lat < 90; lat += 3.5f)
        for (int d = 1; d <= 365; d += 13) {
            const Day day = day_at(d, 1, 2026, lat, 0.0f, 0);
            // Sunset a hair before sunrise is a day of no length, not of 24 hours.
            const double apart = of_day(day.sun[1] - day.sun[0]);
            const double day_length = apart > 1 - 1e-9 ? 0 : apart;
            const double n = 1 - day_length;
            SCOPED_TRACE(testing::Message() << "lat " << lat << " day " << d);
            EXPECT_LE(gap(day.p[fajr], day.sun[0]), 0.3 * n + 1e-9);
            EXPECT_LE(gap(day.p[isha], day.sun[1]), 17.0 / 60 * n + 1e-9);
        }
}

// Through polar day and night every time is still a time of day, Zohar at
// the transit.
TEST(KestrunSalaat, PolarDaysGiveTimesOfDay) {
    for (float lat : {66.0f, 69.65f, 78.22f, 90.0f, -69.65f, -90.0f})
        for (int d = 1; d <= 365; d += 2) {
            const Day standard = day_at(d, 1, 2026, lat, 18.96f, 1);
            const Day summer = day_at(d, 1, 2026, lat, 18.96f, 1, true);
            SCOPED_TRACE(testing::Message() << "lat " << lat << " day " << d);
            EXPECT_EQ(standard.salaat_result, 1);
            for (int i = 0; i < 6; ++i) {
                EXPECT_TRUE(is_time_of_day(standard.p[i])) << i;
                EXPECT_GE(summer.p[i], daylight_hour - 1e-12) << i;
                EXPECT_LT(summer.p[i], 1 + daylight_hour) << i;
            }
            // 18.96 E in zone +1 is a quarter of an hour ahead of the mean sun,
            // and the equation of time adds at most 16.5 minutes.
            EXPECT_NEAR(standard.p[zohar], 0.5 - 3.96 / 360, 17 * minute);
        }
}

// A pair that is not the last GetTimes pair is read on its own: Zohar the
// midpoint, Asr the midpoint plus 13/24 of the rest of the day, Fajar and
// Isha a seventh of the night from sunrise and sunset.
TEST(KestrunSalaat, ConventionsForAPairAlone) {
    struct Case {
        double rise, set;
        double want[6];
    };
    const Case cases[] = {
        {0.25, 0.75, {0.25 - 0.5 / 7, 0.25, 0.5, 0.5 + 13.0 / 24 * 0.25, 0.75, 0.75 + 0.5 / 7}},
        {0.3, 0.8, {0.3 - 0.5 / 7, 0.3, 0.55, 0.55 + 13.0 / 24 * 0.25, 0.8, 0.8 + 0.5 / 7}},
        {0.2, 0.85, {0.2 - 0.35 / 7, 0.2, 0.525, 0.525 + 13.0 / 24 * 0.325, 0.85, 0.85 + 0.35 / 7}},
        {0.28, 0.64, {0.28 - 0.64 / 7, 0.28, 0.46, 0.46 + 13.0 / 24 * 0.18, 0.64, 0.64 + 0.64 / 7}},
        // Fajar before midnight, read as a time of day.
        {0.05, 0.55, {1 + 0.05 - 0.5 / 7, 0.05, 0.3, 0.3 + 13.0 / 24 * 0.25, 0.55, 0.55 + 0.5 / 7}},
        // Isha after midnight.
        {0.4,
         0.98,
         {0.4 - 0.42 / 7, 0.4, 0.69, 0.69 + 13.0 / 24 * 0.29, 0.98, 0.98 + 0.42 / 7 - 1}},
        // A sunset past midnight: the day runs across it.
        {0.6, 0.1, {0.6 - 0.5 / 7, 0.6, 0.85, 0.85 + 13.0 / 24 * 0.25, 0.1, 0.1 + 0.5 / 7}},
        // Values beyond a day are read as times of day.
        {1.25, -0.25, {0.25 - 0.5 / 7, 0.25, 0.5, 0.5 + 13.0 / 24 * 0.25, 0.75, 0.75 + 0.5 / 7}},
        // Not numbers: 06:00 and 18:00.
        {NAN, INFINITY, {0.25 - 0.5 / 7, 0.25, 0.5, 0.5 + 13.0 / 24 * 0.25, 0.75, 0.75 + 0.5 / 7}},
    };
    TSunTimes last;
    GetTimes(8, 3, 2026, 24.86f, 67.01f, 5, &last);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rise << ", " << c.set);
        const TSunTimes pair = {c.rise, c.set};
        TPrayerTimes p;
        EXPECT_EQ(GetSalaatTimings(&pair, &p), 0);
        for (int i = 0; i < 6; ++i)
            EXPECT_NEAR(p[i], c.want[i], 1e-15) << i;
    }
}

// Only the last pair (or it plus the daylight hour) is recognised.
TEST(KestrunSalaat, RecognisesOnlyTheLastPair) {
    TSunTimes first, second_pair;
    GetTimes(8, 3, 2026, 24.86f, 67.01f, 5, &first);
    TPrayerTimes astronomical;
    EXPECT_EQ(GetSalaatTimings(&first, &astronomical), 1);
    GetTimes(9, 3, 2026, 24.86f, 67.01f, 5, &second_pair);

    struct Case {
        const char* name;
        double rise, set;
    };
    const Case cases[] = {
        {"the call before", first[0], first[1]},
        {"half an hour added", second_pair[0] + 1.0 / 48, second_pair[1] + 1.0 / 48},
        {"an hour added to sunrise only", second_pair[0] + daylight_hour, second_pair[1]},
        {"two hours added", second_pair[0] + 2 * daylight_hour, second_pair[1] + 2 * daylight_hour},
        {"a second off", second_pair[0] + second, second_pair[1]},
        {"swapped", second_pair[1], second_pair[0]},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TSunTimes pair = {c.rise, c.set};
        TPrayerTimes p;
        EXPECT_EQ(GetSalaatTimings(&pair, &p), 0);
        // Zohar at the midpoint of the pair, not at the transit.
        EXPECT_NEAR(p[zohar], of_day(of_day(c.rise) + of_day(c.set - c.rise) / 2), 1e-12);
    }
    // The day before, recognised once it is the last call again.
    TSunTimes again;
    GetTimes(8, 3, 2026, 24.86f, 67.01f, 5, &again);
    TPrayerTimes p;
    EXPECT_EQ(GetSalaatTimings(&first, &p), 1);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(p[i], astronomical[i]) << i;
}

}  // namespace
