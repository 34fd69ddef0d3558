// The shipped list of places, data/places.csv: its form, and that every
// place in it gets times of day.
#include "reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace kestrun_test;

struct Row {
    int line;
    std::vector<std::string> fields;
};

// The fields of one CSV line: comma-separated, a field in double quotes may
// hold commas and doubled quotes. Sets ok false on a stray quote.
std::vector<std::string> split_csv(const std::string& line, bool& ok) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
                if (i + 1 < line.size() && line[i + 1] != ',')
                    ok = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = fields.back().empty();
            ok = ok && quoted;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    ok = ok && !quoted;
    return fields;
}

// The whole of a number, or NaN.
double number(const std::string& s) {
    std::size_t used = 0;
    try {
        const double x = std::stod(s, &used);
        return used == s.size() ? x : NAN;
    } catch (const std::exception&) {
        return NAN;
    }
}

class KestrunPlaces : public testing::Test {
protected:
    static void SetUpTestSuite() {
        std::ifstream in(PLACES_CSV, std::ios::binary);
        ASSERT_TRUE(in) << PLACES_CSV;
        std::string line;
        int n = 0;
        while (std::getline(in, line)) {
            ++n;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (n == 1) {
                header_ = line;
                continue;
            }
            if (line.empty())
                continue;
            bool ok = true;
            Row r{n, split_csv(line, ok)};
            if (!ok)
                r.fields.clear();
            rows_.push_back(r);
        }
    }

    static std::string header_;
    static std::vector<Row> rows_;
};

std::string KestrunPlaces::header_;
std::vector<Row> KestrunPlaces::rows_;

TEST_F(KestrunPlaces, Header) {
    EXPECT_EQ(header_, "name,longitude,latitude,timezone");
}

TEST_F(KestrunPlaces, AboutAHundredAndFiftyPlaces) {
    EXPECT_GE(rows_.size(), 130u);
    EXPECT_LE(rows_.size(), 200u);
}

TEST_F(KestrunPlaces, EveryRowIsWellFormed) {
    std::set<std::string> names;
    for (const auto& r : rows_) {
        SCOPED_TRACE(testing::Message() << "line " << r.line);
        ASSERT_EQ(r.fields.size(), 4u);
        const std::string& name = r.fields[0];
        EXPECT_GE(name.size(), 1u);
        EXPECT_LE(name.size(), 47u) << name;
        for (unsigned char c : name)
            EXPECT_TRUE(c >= 0x20 && c < 0x7F) << name;
        EXPECT_TRUE(names.insert(name).second) << "twice: " << name;

        const double lon = number(r.fields[1]);
        const double lat = number(r.fields[2]);
        const double tz = number(r.fields[3]);
        EXPECT_GE(lon, -180) << name;
        EXPECT_LE(lon, 180) << name;
        EXPECT_GE(lat, -90) << name;
        EXPECT_LE(lat, 90) << name;
        EXPECT_GE(tz, -12) << name;
        EXPECT_LE(tz, 14) << name;
        EXPECT_EQ(tz * 4, std::round(tz * 4)) << name;
        // A standard zone is near the place's mean solar time, the date line
        // aside: no zone in use is more than about three hours from it.
        const double off = tz - lon / 15;
        EXPECT_LT(std::fabs(off - 24 * std::round(off / 24)), 3.5) << name;
    }
}

// Every zone offset in use, including the half and three-quarter hours.
TEST_F(KestrunPlaces, CoversTheZones) {
    std::set<double> zones;
    for (const auto& r : rows_)
        if (r.fields.size() == 4)
            zones.insert(number(r.fields[3]));
    for (double z :
         {-11.0, -10.0, -9.5, -9.0, -8.0, -7.0, -6.0, -5.0, -4.0,  -3.5, -3.0, -2.0, -1.0,
          0.0,   1.0,   2.0,  3.0,  3.5,  4.0,  4.5,  5.0,  5.5,   5.75, 6.0,  6.5,  7.0,
          8.0,   8.75,  9.0,  9.5,  10.0, 10.5, 11.0, 12.0, 12.75, 13.0, 14.0})
        EXPECT_TRUE(zones.count(z)) << z;
}

TEST_F(KestrunPlaces, KnownPlaces) {
    struct Known {
        const char* name;
        double lon, lat, tz;
    };
    constexpr Known known[] = {
        {"New York City, USA", -74.0, 40.7, -5},
        {"Mecca, Saudi Arabia", 39.83, 21.42, 3},
        {"London, United Kingdom", -0.13, 51.51, 0},
        {"Karachi, Pakistan", 67.01, 24.86, 5},
    };
    for (const auto& k : known) {
        SCOPED_TRACE(k.name);
        const Row* found = nullptr;
        for (const auto& r : rows_)
            if (!r.fields.empty() && r.fields[0] == k.name)
                found = &r;
        ASSERT_NE(found, nullptr);
        ASSERT_EQ(found->fields.size(), 4u);
        EXPECT_NEAR(number(found->fields[1]), k.lon, 0.02);
        EXPECT_NEAR(number(found->fields[2]), k.lat, 0.02);
        EXPECT_EQ(number(found->fields[3]), k.tz);
    }
}

TEST_F(KestrunPlaces, EveryPlaceGetsTimesOfDay) {
    struct Date {
        int d, m, y;
    };
    constexpr Date dates[] = {
        {1, 1, 2026}, {20, 3, 2026}, {21, 6, 2026}, {23, 9, 2027}, {21, 12, 2028}};
    for (const auto& r : rows_) {
        if (r.fields.size() != 4)
            continue;
        const float lon = float(number(r.fields[1]));
        const float lat = float(number(r.fields[2]));
        const float tz = float(number(r.fields[3]));
        for (const auto& dt : dates)
            for (bool daylight : {false, true}) {
                SCOPED_TRACE(testing::Message() << r.fields[0] << ' ' << dt.d << '/' << dt.m);
                const Day day = day_at(dt.d, dt.m, dt.y, lat, lon, tz, daylight);
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
