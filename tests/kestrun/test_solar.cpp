// The calendar arithmetic and the sun's position, against Meeus'
// Astronomical Algorithms.
#include "kestrun/civil.h"
#include "kestrun/solar.h"
#include "tests/kestrun/reference.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace kestrun;

struct CivilDay {
    int y;
    unsigned m, d;
    double jd;  // at 0h UT
};

// Julian days from Meeus chapter 7 and well-known epochs.
constexpr CivilDay known_days[] = {
    {1970, 1, 1, 2440587.5},    // the Unix epoch
    {2000, 1, 1, 2451544.5},    // J2000.0 is noon of this day
    {1992, 10, 13, 2448908.5},  // Meeus example 25.a
    {1957, 10, 4, 2436115.5},   // Meeus example 7.a: 1957 Oct 4.81 = 2436116.31
    {1582, 10, 15, 2299160.5},  // the first Gregorian day
    {1, 1, 1, 1721425.5},       // proleptic Gregorian
    {9999, 12, 31, 5373483.5}, {2024, 2, 29, 2460369.5},
};

TEST(KestrunCalendar, JulianDaysOfKnownDates) {
    for (const auto& c : known_days) {
        SCOPED_TRACE(testing::Message() << c.y << '-' << c.m << '-' << c.d);
        EXPECT_EQ(julian_day(days_from_civil(c.y, c.m, c.d)), c.jd);
    }
}

TEST(KestrunCalendar, AgreesWithMeeusRuleOverFourCenturies) {
    for (int y = 1800; y <= 2200; ++y)
        for (unsigned m = 1; m <= 12; ++m)
            for (unsigned d : {1u, 15u, last_day_of_month(y, m)})
                ASSERT_EQ(
                    julian_day(days_from_civil(y, m, d)),
                    kestrun_test::ref::julian_day(y, static_cast<int>(m), static_cast<int>(d)))
                    << y << '-' << m << '-' << d;
}

TEST(KestrunCalendar, LengthsOfMonths) {
    struct Case {
        int y;
        unsigned m, days;
    };
    constexpr Case cases[] = {{2023, 2, 28}, {2024, 2, 29}, {1900, 2, 28}, {2000, 2, 29},
                              {2026, 1, 31}, {2026, 4, 30}, {2026, 12, 31}};
    for (const auto& c : cases) {
        EXPECT_EQ(last_day_of_month(c.y, c.m), c.days) << c.y << '-' << c.m;
        EXPECT_EQ(days_from_civil(c.y, c.m, c.days) + 1,
                  c.m == 12 ? days_from_civil(c.y + 1, 1, 1) : days_from_civil(c.y, c.m + 1, 1));
    }
}

// Every month of every year from 1 to 9999 ends the day before the next one
// begins, as the closed-form day count has it: the length table and the leap
// rule, the century years included, agree with it.
TEST(KestrunCalendar, EveryMonthEndsTheDayBeforeTheNextBegins) {
    for (std::int64_t y = 1; y <= 9999; ++y)
        for (unsigned m = 1; m <= 12; ++m) {
            const std::int64_t next =
                m == 12 ? days_from_civil(y + 1, 1, 1) : days_from_civil(y, m + 1, 1);
            ASSERT_EQ(last_day_of_month(y, m), next - days_from_civil(y, m, 1)) << y << '-' << m;
        }
}

TEST(KestrunSolar, JulianCentury) {
    EXPECT_EQ(julian_century(2451545.0), 0.0);
    EXPECT_NEAR(julian_century(2448908.5), -0.072183436, 1e-9);  // Meeus example 25.a
    EXPECT_NEAR(julian_century(2451545.0 + 36525), 1.0, 1e-15);
}

// Meeus example 25.a: the sun on 1992 October 13.0 TD, and example 28.b,
// the equation of time of the same moment.
TEST(KestrunSolar, MeeusExample25a) {
    const double t = julian_century(2448908.5);
    struct Quantity {
        const char* name;
        double value;
        double book;
        double tolerance;
    };
    const Quantity table[] = {
        {"L0", mean_longitude(t), 201.80720, 1e-5},
        {"M", mean_anomaly(t), 278.99397, 1e-5},  // -2241.00603 reduced
        {"e", eccentricity(t), 0.016711668, 1e-9},
        {"C", equation_of_center(t), -1.89732, 1e-5},
        {"true longitude", true_longitude(t), 199.90988, 2e-5},
        {"node", moon_node(t), 264.65, 5e-3},
        {"apparent longitude", apparent_longitude(t), 199.90895, 2e-5},
        {"mean obliquity", mean_obliquity(t), 23 + 26 / 60.0 + 24.83 / 3600, 1e-5},
        {"obliquity", obliquity(t), 23.43999, 1e-5},
        {"right ascension", right_ascension(t), 360 - 161.61917, 1e-5},
        {"declination", declination(t), -7.78507, 1e-5},
        {"equation of time, min", equation_of_time(t), 13 + 42.7 / 60, 0.1 / 60},
    };
    for (const auto& q : table)
        EXPECT_NEAR(q.value, q.book, q.tolerance) << q.name;
}

TEST(KestrunSolar, SunAtGivesDeclinationAndEquationOfTime) {
    for (double t = -1.0; t <= 1.0; t += 0.0137) {
        const SunAt s = sun_at(t);
        EXPECT_NEAR(s.decl, declination(t), 1e-12) << t;
        EXPECT_NEAR(s.eot, equation_of_time(t), 1e-12) << t;
    }
}

// Over two centuries the sun's declination and the equation of time stay
// within their known bounds, and agree with the Almanac's formula.
TEST(KestrunSolar, AgreesWithAlmanacSunFrom1900To2099) {
    double max_decl = 0;
    double max_eot = 0;
    for (double jd = 2415020.5; jd < 2488070.5; jd += 3.3) {  // 1900-01-01 .. 2099-12-31
        const double t = julian_century(jd);
        const auto a = kestrun_test::ref::sun(jd);
        const double d = declination(t);
        ASSERT_LE(std::fabs(d), 23.46);
        const double e = equation_of_time(t);
        ASSERT_GE(e, -14.6);
        ASSERT_LE(e, 16.6);
        max_decl = std::fmax(max_decl, std::fabs(d - a.dec));
        // The Almanac's mean longitude is L0 with aberration; its equation of
        // time is that less the right ascension.
        const double l = 280.460 + 0.9856474 * (jd - 2451545.0);
        double ae = std::fmod(l - a.ra, 360.0);
        ae -= 360 * std::floor((ae + 180) / 360);
        max_eot = std::fmax(max_eot, std::fabs(e - 4 * ae));
    }
    EXPECT_LT(max_decl, 0.02);  // degrees
    EXPECT_LT(max_eot, 0.1);    // minutes
}

TEST(KestrunSolar, ReduceDegrees) {
    struct Case {
        double x, r;
    };
    constexpr Case cases[] = {{0, 0},      {360, 0},       {-1, 359},   {725, 5},
                              {-725, 355}, {1e-20, 1e-20}, {-1e-20, 0}, {359.5, 359.5}};
    for (const auto& c : cases)
        EXPECT_EQ(reduce_degrees(c.x), c.r) << c.x;
    for (double x : {1e30, -1e30, 3.4e38, -3.4e38}) {
        const double r = reduce_degrees(x);
        EXPECT_GE(r, 0) << x;
        EXPECT_LT(r, 360) << x;
    }
}

}  // namespace
