// Whatever a location record or a caller holds, both functions give times
// of day, write inside their arrays only, and read out-of-range inputs as
// documented.
#include "tests/kestrun/reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

using namespace kestrun_test;

constexpr float nan_f = std::numeric_limits<float>::quiet_NaN();
constexpr float inf_f = std::numeric_limits<float>::infinity();
constexpr float max_f = std::numeric_limits<float>::max();
constexpr float denorm_f = std::numeric_limits<float>::denorm_min();
constexpr std::int32_t max_i = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t min_i = std::numeric_limits<std::int32_t>::min();

struct Input {
    std::int32_t d, m, y;
    float lat, lon, tz;
};

void expect_times_of_day(const Day& day) {
    EXPECT_TRUE(is_time_of_day(day.sun[0])) << day.sun[0];
    EXPECT_TRUE(is_time_of_day(day.sun[1])) << day.sun[1];
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(is_time_of_day(day.p[i])) << i << ": " << day.p[i];
    EXPECT_EQ(day.salaat_result, 1);
}

TEST(KestrunBadInput, AnyRecordGivesTimesOfDay) {
    const Input inputs[] = {
        {1, 1, 2026, nan_f, 10, 1},
        {1, 1, 2026, 10, nan_f, 1},
        {1, 1, 2026, 10, 10, nan_f},
        {1, 1, 2026, nan_f, nan_f, nan_f},
        {1, 1, 2026, inf_f, 10, 1},
        {1, 1, 2026, -inf_f, 10, 1},
        {1, 1, 2026, 10, inf_f, 1},
        {1, 1, 2026, 10, -inf_f, 1},
        {1, 1, 2026, 10, 10, inf_f},
        {1, 1, 2026, 10, 10, -inf_f},
        {1, 1, 2026, max_f, max_f, max_f},
        {1, 1, 2026, -max_f, -max_f, -max_f},
        {1, 1, 2026, 1e30f, -7e20f, 1e9f},
        {1, 1, 2026, 91, 181, 15},
        {1, 1, 2026, -90.5f, -540, -14.5f},
        {1, 1, 2026, denorm_f, -denorm_f, denorm_f},
        {0, 1, 2026, 21.42f, 39.83f, 3},
        {1, 13, 2026, 21.42f, 39.83f, 3},
        {1, 1, -5, 21.42f, 39.83f, 3},
        {31, 2, 2026, 21.42f, 39.83f, 3},
        {0, 0, 0, 21.42f, 39.83f, 3},
        {-40, -40, -40, 21.42f, 39.83f, 3},
        {max_i, max_i, max_i, 21.42f, 39.83f, 3},
        {min_i, min_i, min_i, 21.42f, 39.83f, 3},
        {max_i, min_i, max_i, 69.65f, 18.96f, 1},
        {min_i, max_i, 0, -89.9f, 179.9f, -12},
        {1, 1, 10000, 0, 0, 0},
        {1, 1, 1, 0, 0, 0},
        {15, 6, 2026, 90, 0, 14},
        {15, 6, 2026, -90, -180, -14},
        {21, 12, 2026, 90, 180, 0},
        {21, 12, 2026, -90, 180, 0},
    };
    for (const auto& in : inputs) {
        SCOPED_TRACE(testing::Message() << in.d << '/' << in.m << '/' << in.y << " lat " << in.lat
                                        << " lon " << in.lon << " tz " << in.tz);
        expect_times_of_day(day_at(in.d, in.m, in.y, in.lat, in.lon, in.tz));
    }
}

TEST(KestrunBadInput, EveryPlaceOfTheGlobe) {
    for (float lat = -90; lat <= 90; lat += 7.5f)
        for (float lon = -180; lon <= 180; lon += 45)
            for (float tz = -14; tz <= 14; tz += 3.5f)
                for (int m : {3, 6, 9, 12}) {
                    SCOPED_TRACE(testing::Message()
                                 << "lat " << lat << " lon " << lon << " tz " << tz << " m " << m);
                    expect_times_of_day(day_at(21, m, 2026, lat, lon, tz));
                }
}

// Out-of-range inputs are read as documented: the same times as the input
// they stand for, and a result of 0.
TEST(KestrunBadInput, ReadAsDocumented) {
    struct Case {
        const char* name;
        Input given, same_as;
    };
    constexpr float lat = 33.3f, lon = 44.4f, tz = 3;
    const Case cases[] = {
        {"day 0", {0, 3, 2024, lat, lon, tz}, {29, 2, 2024, lat, lon, tz}},
        {"day 32", {32, 1, 2026, lat, lon, tz}, {1, 2, 2026, lat, lon, tz}},
        {"31 April", {31, 4, 2026, lat, lon, tz}, {1, 5, 2026, lat, lon, tz}},
        {"29 February 2025", {29, 2, 2025, lat, lon, tz}, {1, 3, 2025, lat, lon, tz}},
        {"day -1", {-1, 1, 2026, lat, lon, tz}, {30, 12, 2025, lat, lon, tz}},
        {"month 13", {1, 13, 2025, lat, lon, tz}, {1, 1, 2026, lat, lon, tz}},
        {"month 0", {1, 0, 2026, lat, lon, tz}, {1, 12, 2025, lat, lon, tz}},
        {"month -13", {10, -13, 2026, lat, lon, tz}, {10, 11, 2024, lat, lon, tz}},
        {"year -5", {1, 1, -5, lat, lon, tz}, {1, 1, 1, lat, lon, tz}},
        {"year 0", {15, 8, 0, lat, lon, tz}, {1, 1, 1, lat, lon, tz}},
        {"year 20000", {1, 6, 20000, lat, lon, tz}, {31, 12, 9999, lat, lon, tz}},
        {"huge day", {max_i, 1, 2026, lat, lon, tz}, {31, 12, 9999, lat, lon, tz}},
        {"latitude 100", {1, 5, 2026, 100, lon, tz}, {1, 5, 2026, 90, lon, tz}},
        {"latitude -inf", {1, 5, 2026, -inf_f, lon, tz}, {1, 5, 2026, -90, lon, tz}},
        {"latitude NaN", {1, 5, 2026, nan_f, lon, tz}, {1, 5, 2026, 0, lon, tz}},
        {"longitude 190", {1, 5, 2026, lat, 190, tz}, {1, 5, 2026, lat, -170, tz}},
        {"longitude -200", {1, 5, 2026, lat, -200, tz}, {1, 5, 2026, lat, 160, tz}},
        {"longitude 900", {1, 5, 2026, lat, 900, tz}, {1, 5, 2026, lat, -180, tz}},
        {"longitude NaN", {1, 5, 2026, lat, nan_f, tz}, {1, 5, 2026, lat, 0, tz}},
        {"longitude inf", {1, 5, 2026, lat, inf_f, tz}, {1, 5, 2026, lat, 0, tz}},
        {"zone 20", {1, 5, 2026, lat, lon, 20}, {1, 5, 2026, lat, lon, 14}},
        {"zone -100", {1, 5, 2026, lat, lon, -100}, {1, 5, 2026, lat, lon, -14}},
        {"zone NaN", {1, 5, 2026, lat, lon, nan_f}, {1, 5, 2026, lat, lon, 3}},  // 44.4 / 15
        {"zone -inf", {1, 5, 2026, lat, -100, -inf_f}, {1, 5, 2026, lat, -100, -7}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto& g = c.given;
        const auto& s = c.same_as;
        TSunTimes got, want;
        EXPECT_EQ(GetTimes(g.d, g.m, g.y, g.lat, g.lon, g.tz, &got), 0);
        const int valid = GetTimes(s.d, s.m, s.y, s.lat, s.lon, s.tz, &want);
        EXPECT_EQ(valid, std::fabs(s.lat) < 60 ? 1 : 0);  // the poles have no sunrise in May
        EXPECT_EQ(got[0], want[0]);
        EXPECT_EQ(got[1], want[1]);
    }
}

TEST(KestrunBadInput, ValidInputsReturnOne) {
    const Input inputs[] = {
        {29, 2, 2024, 21.42f, 39.83f, 3}, {31, 12, 9999, -33.9f, 18.4f, 2},
        {1, 1, 1, 51.5f, -0.13f, 0},      {15, 7, 2026, 0, 180, 12},
        {15, 7, 2026, 0, -180, -12},      {15, 7, 2026, 64, 0, 14},
    };
    for (const auto& in : inputs) {
        TSunTimes s;
        EXPECT_EQ(GetTimes(in.d, in.m, in.y, in.lat, in.lon, in.tz, &s), 1)
            << in.d << '/' << in.m << '/' << in.y;
    }
}

TEST(KestrunBadInput, NullPointers) {
    EXPECT_EQ(GetTimes(1, 1, 2026, 0, 0, 0, nullptr), 0);

    TSunTimes s;
    GetTimes(1, 1, 2026, 21.42f, 39.83f, 3, &s);
    EXPECT_EQ(GetSalaatTimings(&s, nullptr), 0);

    // No pair: the conventions for 06:00 and 18:00.
    TPrayerTimes p;
    EXPECT_EQ(GetSalaatTimings(nullptr, &p), 0);
    const double want[] = {0.25 - 0.5 / 7, 0.25, 0.5, 0.5 + 13.0 / 24 * 0.25, 0.75, 0.75 + 0.5 / 7};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(p[i], want[i], 1e-15) << i;
}

// The arrays sit between guards of a known pattern; neither call touches them.
TEST(KestrunBadInput, WritesInsideTheArraysOnly) {
    struct Guarded {
        unsigned char before[32];
        TSunTimes sun;
        TPrayerTimes p;
        unsigned char after[32];
    };
    Guarded g;
    std::memset(&g, 0xA5, sizeof g);
    for (const Input& in : {Input{1, 1, 2026, 21.42f, 39.83f, 3}, Input{21, 6, 2026, 90, 0, 0},
                            Input{min_i, max_i, 0, nan_f, inf_f, -inf_f}}) {
        GetTimes(in.d, in.m, in.y, in.lat, in.lon, in.tz, &g.sun);
        GetSalaatTimings(&g.sun, &g.p);
        for (unsigned char b : g.before)
            ASSERT_EQ(b, 0xA5);
        for (unsigned char b : g.after)
            ASSERT_EQ(b, 0xA5);
    }
}

}  // namespace
