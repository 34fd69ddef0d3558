#include "diary/calendar/Birthdays.h"
#include "tests/diary/ContactFixture.h"
#include "tests/support/Sandbox.h"

#include "calendar/Projglob.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Rows = std::vector<std::tuple<int, AnsiString, AnsiString>>;

Rows AsTuples(const std::vector<BirthdayRow>& rows) {
    Rows out;
    for (const BirthdayRow& r : rows)
        out.emplace_back(r.day, r.kind, r.name);
    return out;
}

// The pane's two callers: a Hijri month, and the Gregorian month of a date.
Rows HijriMonth(const std::vector<TContactRecord>& contacts, int month, int year) {
    const TMisri first(1, month, year);
    return AsTuples(BirthdayRows(contacts, first, first.DaysInMonth(), false));
}

Rows GregorianMonth(const std::vector<TContactRecord>& contacts, int year, int month) {
    return AsTuples(BirthdayRows(contacts, TMisri(EncodeDate(year, month, 1)),
                                 GregorianDaysInMonth(month, year), true));
}

class BirthdaysTest : public Sandbox {};

TEST_F(BirthdaysTest, BothDatesOfAContactBirthdayFirst) {
    const std::vector<TContactRecord> contacts = {
        Contact("Amina", "Rahman", DayMonth(20, 7), DayMonth(3, 7)),
        Contact("Yusuf", "Ali", DayMonth(4, 8), DayMonth(9, 7)),
    };
    EXPECT_EQ(HijriMonth(contacts, 7, 1447), (Rows{{20, "Birthday", "Amina Rahman"},
                                                   {3, "Anniversary", "Amina Rahman"},
                                                   {9, "Anniversary", "Yusuf Ali"}}));
}

TEST_F(BirthdaysTest, FirstAndLastDayOfTheMonth) {
    ASSERT_TRUE(TMisri(1, 12, 1448).IsLeapYear());
    const std::vector<TContactRecord> contacts = {
        Contact("Last", "Day", DayMonth(30, 12)),
        Contact("First", "Day", DayMonth(1, 12)),
        Contact("Next", "Month", DayMonth(1, 1)),
    };
    EXPECT_EQ(HijriMonth(contacts, 12, 1448),
              (Rows{{30, "Birthday", "Last Day"}, {1, "Birthday", "First Day"}}));
}

TEST_F(BirthdaysTest, TheGregorianViewListsTheGregorianDay) {
    // 15 Shawwaal 1447 falls on 2 April 2026.
    ASSERT_EQ(TMisri(15, 10, 1447).ToDateTime(), EncodeDate(2026, 4, 2));
    const std::vector<TContactRecord> contacts = {Contact("Omar", "Farooq", DayMonth(15, 10))};
    EXPECT_EQ(GregorianMonth(contacts, 2026, 4), (Rows{{2, "Birthday", "Omar Farooq"}}));
}

TEST_F(BirthdaysTest, AGregorianMonthAcrossTheHijriNewYearListsBothSides) {
    // June 2026 runs from 16 Zil-Haj 1447 to 16 Moharram 1448.
    ASSERT_EQ(TMisri(1, 1, 1448).ToDateTime(), EncodeDate(2026, 6, 15));
    const std::vector<TContactRecord> contacts = {
        Contact("Old", "Year", DayMonth(29, 12), DayMonth(2, 1)),
        Contact("New", "Year", DayMonth(16, 1)),
        Contact("Outside", "Range", DayMonth(15, 12), DayMonth(17, 1)),
    };
    EXPECT_EQ(GregorianMonth(contacts, 2026, 6), (Rows{{14, "Birthday", "Old Year"},
                                                       {16, "Anniversary", "Old Year"},
                                                       {30, "Birthday", "New Year"}}));
}

TEST_F(BirthdaysTest, NamesWithoutTitleAndWithTheirBlanks) {
    const std::vector<TContactRecord> contacts = {
        Contact("", "Rahman", DayMonth(5, 2)),
        Contact("Amina", "", DayMonth(6, 2)),
    };
    EXPECT_EQ(HijriMonth(contacts, 2, 1447),
              (Rows{{5, "Birthday", " Rahman"}, {6, "Birthday", "Amina "}}));
}

TEST_F(BirthdaysTest, NoDateIsNeverListed) {
    // The "no date" value is 1 Moharram, so Moharram is where it would show.
    const std::vector<TContactRecord> contacts = {
        Contact("No", "Dates", NoContactDate(), NoContactDate())};
    EXPECT_TRUE(HijriMonth(contacts, 1, 1448).empty());
    EXPECT_TRUE(GregorianMonth(contacts, 2026, 6).empty());
}

TEST_F(BirthdaysTest, BeyondTheYear9999NothingIsListedInTheGregorianView) {
    const std::vector<TContactRecord> contacts = {Contact("Far", "Future", DayMonth(3, 5))};
    const TMisri first(1, 5, 9800);
    EXPECT_TRUE(BirthdayRows(contacts, first, 30, true).empty());
    EXPECT_EQ(AsTuples(BirthdayRows(contacts, first, 30, false)),
              (Rows{{3, "Birthday", "Far Future"}}));
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(BirthdaysTest, ReadsTheContactFileInItsOrder) {
    EXPECT_FALSE(ReadBirthdayRows(TMisri(1, 7, 1447), 30, false).has_value());
    EXPECT_TRUE(responder->Boxes().empty());

    TContactRecord a = Contact("Zaid", "Khan", DayMonth(12, 7));
    TContactRecord b = Contact("Amina", "Rahman", DayMonth(2, 7));
    ASSERT_TRUE(AppendContact(a));
    ASSERT_TRUE(AppendContact(b));
    const auto rows = ReadBirthdayRows(TMisri(1, 7, 1447), 30, false);
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(AsTuples(*rows),
              (Rows{{12, "Birthday", "Zaid Khan"}, {2, "Birthday", "Amina Rahman"}}));
}

}  // namespace
