#include "calendar/Misri.h"
#include "tests/calendar/SameDate.h"
#include "tests/support/Sandbox.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <utility>

namespace {

using MisriTest = Sandbox;

TMisri M(int day, int month, int year) {
    return TMisri().SetDate(day, month, year);
}

TEST_F(MisriTest, DefaultIsTheEpoch) {
    TMisri m;
    EXPECT_EQ(m.Day(), 1);
    EXPECT_EQ(m.Month(), 1);
    EXPECT_EQ(m.Year(), 1418);
    EXPECT_TRUE(SameDate(TMisri(EncodeDate(1997, 5, 7)), m));
    EXPECT_EQ(m.DayOfWeek(), 3);
    EXPECT_EQ(m.ToDateTime(), EncodeDate(1997, 5, 7));
}

TEST_F(MisriTest, StepsAcrossTheYearEnd) {
    struct Case {
        TMisri from;
        bool forward;
        TMisri to;
    } cases[] = {
        {M(29, 12, 1418), true, M(30, 12, 1418)},  // 1418 is position 8: leap
        {M(30, 12, 1418), true, M(1, 1, 1419)},   {M(1, 1, 1419), false, M(30, 12, 1418)},
        {M(1, 1, 1418), false, M(29, 12, 1417)},  {M(29, 12, 1417), true, M(1, 1, 1418)},
        {M(30, 1, 1420), true, M(1, 2, 1420)},    {M(1, 2, 1420), false, M(30, 1, 1420)},
        {M(1, 3, 1420), false, M(29, 2, 1420)},
    };
    for (const auto& c : cases) {
        TMisri d = c.from;
        c.forward ? d.NextDay() : d.PrevDay();
        EXPECT_TRUE(SameDate(d, c.to)) << c.from.Format(0);
        EXPECT_TRUE(SameDate(c.from.AddDays(c.forward ? 1 : -1), c.to));
    }
}

TEST_F(MisriTest, ConversionFromDateTimeTruncatesTowardZero) {
    EXPECT_TRUE(SameDate(TMisri(EncodeDate(1997, 5, 6) + 0.5), M(1, 1, 1418)));
    EXPECT_TRUE(SameDate(TMisri(EncodeDate(1997, 5, 6)), M(29, 12, 1417)));
}

// Days from 1 Moharram 1 to the date, counted in closed form from the
// calendar's rule rather than by the class's own stepping.
long long ClosedFormDays(int day, int month, int year) {
    constexpr int kLeapPositions[] = {2, 5, 8, 10, 13, 16, 19, 21, 24, 27, 29};
    long long leaps = 11LL * ((year - 1) / 30);
    for (int p : kLeapPositions)
        if (p <= (year - 1) % 30)
            ++leaps;
    const int before = 30 * (month / 2) + 29 * ((month - 1) / 2);  // months alternate 30, 29
    return 354LL * (year - 1) + leaps + before + day - 1;
}

bool ClosedFormLeap(int year) {
    return ClosedFormDays(1, 1, year + 1) - ClosedFormDays(1, 1, year) == 355;
}

TEST_F(MisriTest, AgreesWithAClosedFormCount) {
    const TDateTime firstDay = EncodeDate(622, 7, 18);  // 1 Moharram 1
    const struct {
        int year;
        TDateTime moharram1;
    } known[] = {{1, EncodeDate(622, 7, 18)},     {1300, EncodeDate(1882, 11, 11)},
                 {1418, EncodeDate(1997, 5, 7)},  {1426, EncodeDate(2005, 2, 9)},
                 {1448, EncodeDate(2026, 6, 15)}, {1500, EncodeDate(2076, 11, 27)}};
    for (const auto& k : known) {
        ASSERT_EQ(firstDay + ClosedFormDays(1, 1, k.year), k.moharram1) << k.year;
        EXPECT_EQ(TMisri(1, 1, k.year).ToDateTime(), k.moharram1) << k.year;
    }
    // Every year the date type can reach, so that each leap position of
    // every cycle is passed: the year's first day, a day within it and its last.
    for (int year = 1; year <= 9666; ++year) {
        const int last = ClosedFormLeap(year) ? 30 : 29;
        for (const auto& [day, month] : {std::pair{1, 1}, std::pair{15, 7}, std::pair{last, 12}}) {
            const TDateTime t = firstDay + ClosedFormDays(day, month, year);
            ASSERT_EQ(TMisri(day, month, year).ToDateTime(), t)
                << day << "/" << month << "/" << year;
            ASSERT_TRUE(SameDate(TMisri(t), M(day, month, year)));
        }
        ASSERT_EQ(TMisri(1, 12, year).DaysInMonth(), last) << year;
    }
}

TEST_F(MisriTest, LeapYearCounts) {
    EXPECT_EQ(TMisri::LeapYears(1418, 0), 1);
    EXPECT_EQ(TMisri::LeapYears(1419, 0), 0);
    EXPECT_EQ(TMisri::LeapYears(1420, 1411), 4);  // 1412, 1415, 1418, 1420
    EXPECT_EQ(TMisri::LeapYears(1411, 1420), 4);
    // Every range against a plain count by the rule.
    for (int a = 1; a < 200; a += 7)
        for (int b = a; b < a + 150; b += 3) {
            int plain = 0;
            for (int y = a; y <= b; ++y)
                plain += TMisri::LeapYears(y, 0);
            ASSERT_EQ(TMisri::LeapYears(a, b), plain) << a << ".." << b;
        }
}

// A damaged record can hold any year; counting its leap years must not
// overflow, and its weekday and day name stay real ones.
TEST_F(MisriTest, YearsAtTheLimitsOfTheirField) {
    constexpr int lowest = std::numeric_limits<std::int32_t>::min();
    constexpr int highest = std::numeric_limits<std::int32_t>::max();
    // 11 leap years in each of the 143165576 whole cycles between their
    // cycle starts, and positions 2 and 5 of the cycle that ends at 2147483647.
    EXPECT_EQ(TMisri::LeapYears(lowest, highest), 11 * 143165576 + 2);
    EXPECT_EQ(TMisri::LeapYears(highest, lowest), TMisri::LeapYears(lowest, highest));
    EXPECT_EQ(TMisri::LeapYears(lowest, 1417), TMisri::LeapYears(1417, lowest));
    for (int year : {lowest, lowest + 1, -1, highest - 1, highest}) {
        const TMisri damaged = TMisri::Raw(1, 1, year);
        const int weekday = damaged.DayOfWeek();
        EXPECT_GE(weekday, 1) << year;
        EXPECT_LE(weekday, 7) << year;
        char name[10];
        EXPECT_STREQ(damaged.DayName(name), MisriDayNames[weekday]) << year;
        // The epoch lies after the years below it and before those above.
        EXPECT_EQ(damaged.DaysBetween(TMisri()) > 0, year < 1418) << year;
        EXPECT_EQ(TMisri().DaysBetween(damaged) > 0, year > 1418) << year;
    }
}

TEST_F(MisriTest, MonthTables) {
    EXPECT_EQ(TMisri::DaysBeforeMonth(0), 0);
    EXPECT_EQ(TMisri::DaysBeforeMonth(1), 30);
    EXPECT_EQ(TMisri::DaysBeforeMonth(2), 59);
    EXPECT_EQ(TMisri::DaysBeforeMonth(12), 354);
    TMisri zilhaj = M(10, 12, 1418);
    EXPECT_EQ(zilhaj.DaysInMonth(), 30);
    zilhaj.SetEOM();
    EXPECT_EQ(zilhaj.Day(), 29);
    EXPECT_EQ(M(10, 12, 1419).DaysInMonth(), 29);
    EXPECT_EQ(M(30, 12, 1418).DayOfYear(), 355);
}

TEST_F(MisriTest, SetDateKeepsPartsOutOfRange) {
    TMisri d = M(7, 7, 1420);
    d.SetDate(0, 0, 0);
    EXPECT_TRUE(SameDate(d, M(7, 7, 1420)));
    d.SetDate(31, 13, 30000);
    EXPECT_TRUE(SameDate(d, M(7, 7, 1420)));
    EXPECT_TRUE(responder->Boxes().empty());
    TMisri kept(1, 1, 30000);
    EXPECT_EQ(kept.Year(), 30000);
}

TEST_F(MisriTest, ValidatingConstructorReportsAndCorrects) {
    TMisri d(31, 13, 0);
    EXPECT_TRUE(SameDate(d, M(29, 12, 1418)));
    const std::vector<AnsiString> expected = {
        "Error initializing the constructor of TMisri.Invalid month specified. Month is set to 12",
        "Error initializing the constructor of TMisri.Invalid day specified. Day is set to 29",
        "Error initializing the constructor of TMisri.Invalid year specified. Day is set to 1418",
    };
    EXPECT_EQ(responder->Texts(), expected);
    for (const auto& box : responder->Boxes()) {
        EXPECT_EQ(box.caption, "Incorrect value");
        EXPECT_EQ(box.icon, BoxIcon::Error);
        EXPECT_FALSE(box.owned);
    }
}

TEST_F(MisriTest, PartsBelowRangePassWithoutABox) {
    const struct {
        int day, month;
        int keptDay, keptMonth;
    } cases[] = {{0, 5, 0, 5}, {0, 0, 0, 1}, {7, 0, 7, 1}, {7, -3, 7, 1}, {-4, 5, 1, 5}};
    for (const auto& c : cases) {
        const TMisri d(c.day, c.month, 1420);
        EXPECT_EQ(d.Day(), c.keptDay) << c.day << "/" << c.month;
        EXPECT_EQ(d.Month(), c.keptMonth) << c.day << "/" << c.month;
    }
    // Day 0 is the day before day 1 in every count.
    const TMisri zero(0, 5, 1420);
    EXPECT_EQ(zero.ToDateTime(), M(1, 5, 1420).ToDateTime() - 1);
    EXPECT_TRUE(SameDate(zero.AddDays(1), M(1, 5, 1420)));
    EXPECT_TRUE(SameDate(zero.AddDays(30), M(30, 5, 1420)));
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(MisriTest, OperationsOnABadDateCorrectTheirCopy) {
    // A date read from a damaged record can hold anything; the working copy
    // of each operation is corrected after the boxes, never crashing.
    const TMisri raw = TMisri::Raw(5, 0, 99999);
    EXPECT_STREQ(raw.MonthName(), "Illegal Month");
    EXPECT_EQ(raw.AddDays(1).Year(), 1418);
    EXPECT_EQ(raw.ToDateTime(), M(6, 1, 1418).ToDateTime() - 1);
    EXPECT_EQ(responder->Boxes().size(), 2u);  // one year box per copy
}

TEST_F(MisriTest, TodayAndItsMonthEnds) {
    SetToday(1997, 5, 20);  // 14 Moharram 1418
    EXPECT_TRUE(SameDate(TMisri("today"), M(14, 1, 1418)));
    EXPECT_TRUE(SameDate(TMisri("Today"), M(14, 1, 1418)));
    EXPECT_TRUE(SameDate(TMisri(nullptr), M(14, 1, 1418)));
    EXPECT_TRUE(SameDate(TMisri("bom"), M(1, 1, 1418)));
    EXPECT_TRUE(SameDate(TMisri("EOM"), TMisri("eom")));
    EXPECT_EQ(TMisri("eom").Day(), 30);
    EXPECT_TRUE(SameDate(TMisri().DayOfCurrentYear(355), M(30, 12, 1418)));
    TMisri d;
    d.SetDayOfCurrentYear(31);
    EXPECT_TRUE(SameDate(d, M(1, 2, 1418)));
}

TEST_F(MisriTest, MonthSteps) {
    EXPECT_TRUE(SameDate(M(17, 12, 1419).NextMonth(), M(1, 1, 1420)));
    EXPECT_TRUE(SameDate(M(17, 1, 1420).PrevMonth(), M(1, 12, 1419)));
    EXPECT_TRUE(SameDate(M(17, 9, 1420).FirstOfMonth(), M(1, 9, 1420)));
    EXPECT_TRUE(SameDate(M(17, 12, 1418).LastOfMonth(), M(29, 12, 1418)));
    TMisri d = M(30, 12, 1418);
    d.IncMonth();
    EXPECT_TRUE(SameDate(d, M(1, 1, 1419)));
    d.DecMonth();
    EXPECT_TRUE(SameDate(d, M(1, 12, 1418)));
}

TEST_F(MisriTest, OrderIsByYearThenDayOfYear) {
    EXPECT_TRUE(M(30, 12, 1418) < M(1, 1, 1419));
    EXPECT_TRUE(M(1, 2, 1420) > M(30, 1, 1420));
    EXPECT_TRUE(M(5, 5, 1420) <= M(5, 5, 1420));
    EXPECT_FALSE(M(5, 5, 1420) < M(5, 5, 1420));
    EXPECT_TRUE(M(5, 5, 1420) != M(5, 5, 1421));
}

TEST_F(MisriTest, EqualityTakesEveryPart) {
    const TMisri date = TMisri::Raw(5, 7, 1420);
    const struct {
        TMisri other;
        bool equal;
    } cases[] = {
        {TMisri::Raw(5, 7, 1420), true},          {M(5, 7, 1420), true},
        {TMisri(EncodeDate(1999, 10, 14)), true},  // the same day, converted
        {TMisri::Raw(6, 7, 1420), false},         {TMisri::Raw(5, 8, 1420), false},
        {TMisri::Raw(5, 7, 1421), false},         {TMisri::Raw(7, 5, 1420), false},
        {TMisri::Raw(0, 8, 1420), false},  // not even the day before 1 Shabaan
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Parts(c.other));
        EXPECT_EQ(date == c.other, c.equal);
        EXPECT_EQ(c.other == date, c.equal);
        EXPECT_EQ(date != c.other, !c.equal);
    }
}

TEST_F(MisriTest, WeekdaysOfKnownDays) {
    EXPECT_EQ(TMisri(EncodeDate(2026, 12, 10)).DayOfWeek(), 4);  // a Thursday
    EXPECT_EQ(TMisri(EncodeDate(1997, 5, 11)).DayOfWeek(), 7);   // a Sunday
    EXPECT_EQ(M(5, 1, 1418).FirstWeekDay(), 3);
}

}  // namespace
