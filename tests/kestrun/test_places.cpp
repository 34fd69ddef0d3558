// The shipped list of places, data/places.csv: it reads with the project's
// own reader, every value is in range, and every place gets times of day.
#include "data/tools/PlaceCsv.h"
#include "tests/kestrun/reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace kestrun_test;

class KestrunPlaces : public testing::Test {
protected:
    static void SetUpTestSuite() {
        std::ifstream in(PLACES_CSV, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        ok_ = in.is_open() && ParsePlacesCsv(text, PLACES_CSV, places_, error_);
    }

    static inline bool ok_ = false;
    static inline std::string error_;
    static inline std::vector<TLocationRecord> places_;
};

TEST_F(KestrunPlaces, ShippedListReadsWithEveryValueInRange) {
    ASSERT_TRUE(ok_) << error_;
    ASSERT_FALSE(places_.empty());
    std::set<AnsiString> names;
    for (const TLocationRecord& p : places_) {
        const AnsiString name = LocationName(p);
        SCOPED_TRACE(name);
        EXPECT_TRUE(names.insert(name).second) << "twice";
        EXPECT_GE(p.longitude, -180);
        EXPECT_LE(p.longitude, 180);
        EXPECT_GE(p.latitude, -90);
        EXPECT_LE(p.latitude, 90);
        EXPECT_GE(p.timeZone, -12);
        EXPECT_LE(p.timeZone, 14);
        EXPECT_EQ(p.timeZone * 4, std::round(p.timeZone * 4));  // whole quarter hours
        // A standard zone is near the place's mean solar time, the date line
        // aside: no zone in use is more than about three hours from it.
        const double off = p.timeZone - p.longitude / 15;
        EXPECT_LT(std::fabs(off - 24 * std::round(off / 24)), 3.5);
    }
}

TEST_F(KestrunPlaces, EveryPlaceGetsTimesOfDay) {
    struct Date {
        int d, m, y;
    };
    constexpr Date dates[] = {
        {1, 1, 2026}, {20, 3, 2026}, {21, 6, 2026}, {23, 9, 2027}, {21, 12, 2028}};
    for (const TLocationRecord& p : places_) {
        for (const auto& dt : dates)
            for (bool daylight : {false, true}) {
                SCOPED_TRACE(testing::Message() << LocationName(p) << ' ' << dt.d << '/' << dt.m);
                const Day day =
                    day_at(dt.d, dt.m, dt.y, p.latitude, p.longitude, p.timeZone, daylight);
                EXPECT_EQ(day.salaat_result, 1);
                const double h = daylight ? daylight_hour : 0;
                for (int i = 0; i < 6; ++i) {
                    EXPECT_TRUE(std::isfinite(day.p[i])) << i;
                    EXPECT_GE(day.p[i] - h, -1e-12) << i;
                    EXPECT_LT(day.p[i] - h, 1) << i;
                }
                // Where the sun rises and sets, Zohar lies between them.
                if (day.times_result == 1 && !daylight) {
                    EXPECT_LT(of_day(day.p[zohar] - day.sun[0]), of_day(day.sun[1] - day.sun[0]));
                }
            }
    }
}

}  // namespace
