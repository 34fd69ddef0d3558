// Every day from 1 January 1900 to 31 December 2199, walked one NextDay at a
// time, is the reference for the conversions and the day arithmetic.
#include "calendar/Misri.h"
#include "tests/calendar/SameDate.h"
#include "tests/support/Sandbox.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class MisriWalk : public Sandbox {
protected:
    static void SetUpTestSuite() {
        const TDateTime first = EncodeDate(1900, 1, 1);
        const TDateTime last = EncodeDate(2199, 12, 31);
        TMisri d(first);
        // 40,000 days past the range, so every jump from inside lands in the walk.
        for (TDateTime t = first; t <= last + kMaxJump; t += 1) {
            walk.push_back(d);
            d.NextDay();
        }
        days = static_cast<int>(last - first) + 1;
    }
    static constexpr int kMaxJump = 40000;
    static inline std::vector<TMisri> walk;
    static inline int days = 0;
};

TEST_F(MisriWalk, ConversionsGoBothWaysOnEveryDay) {
    const TDateTime first = EncodeDate(1900, 1, 1);
    for (int i = 0; i < days; ++i) {
        const TDateTime t = first + i;
        ASSERT_TRUE(SameDate(TMisri(t), walk[static_cast<std::size_t>(i)])) << t;
        ASSERT_EQ(walk[static_cast<std::size_t>(i)].ToDateTime(), t) << t;
        // TMisri counts 1 Monday .. 7 Sunday, the class library 1 Sunday .. 7 Saturday.
        ASSERT_EQ(walk[static_cast<std::size_t>(i)].DayOfWeek(), (DayOfWeek(t) + 5) % 7 + 1) << t;
    }
}

TEST_F(MisriWalk, AddAndSubtractEqualSingleSteps) {
    const int spread[] = {0,   1,   2,    29,   30,    31,    353,   354,   355,   356,  708,
                          709, 710, 1000, 3543, 10631, 10632, 12345, 20000, 39999, 40000};
    for (int i = 0; i < days; ++i) {
        const TMisri& a = walk[static_cast<std::size_t>(i)];
        for (int n : spread) {
            const TMisri& b = walk[static_cast<std::size_t>(i + n)];
            ASSERT_TRUE(SameDate(a.AddDays(n), b)) << a.Format(0) << " + " << n;
            ASSERT_TRUE(SameDate(b.SubtractDays(n), a)) << b.Format(0) << " - " << n;
            ASSERT_TRUE(SameDate(b.AddDays(-n), a)) << b.Format(0) << " + -" << n;
            ASSERT_EQ(a.DaysBetween(b), n);
            ASSERT_EQ(b.DaysBetween(a), -n);
        }
    }
}

TEST_F(MisriWalk, FromTheLastDayOfALeapYear) {
    int checked = 0;
    for (int i = 0; i < days; ++i) {
        const TMisri& a = walk[static_cast<std::size_t>(i)];
        if (a.Month() != 12 || a.Day() != 30)
            continue;
        for (int n = 0; n <= kMaxJump; n += n < 800 ? 1 : 97)
            ASSERT_TRUE(SameDate(a.AddDays(n), walk[static_cast<std::size_t>(i + n)]))
                << a.Format(0) << " + " << n;
        ++checked;
    }
    EXPECT_GT(checked, 100);
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(MisriWalk, ThirtyYearsHaveTenThousandSixHundredThirtyOneDays) {
    for (int y = 1; y < 29000; y += 13)
        ASSERT_EQ(TMisri(1, 1, y).DaysBetween(TMisri(1, 1, y + 30)), 10631) << y;
}

}  // namespace
