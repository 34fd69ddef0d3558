#include "calendar/Misri.h"
#include "tests/calendar/SameDate.h"
#include "tests/support/Sandbox.h"

#include <gtest/gtest.h>

namespace {

using MisriText = Sandbox;

TMisri M(int day, int month, int year) {
    return TMisri().SetDate(day, month, year);
}

TEST_F(MisriText, Styles) {
    const TMisri d;
    EXPECT_EQ(d.Format(0), "1 Moharram, 1418");
    EXPECT_EQ(d.Format(1), "1");
    EXPECT_EQ(d.Format(2), "1 Moharram");
    EXPECT_EQ(d.Format(3), "Moharram, 1418");
    EXPECT_EQ(d.Format(200), "Moharram, 1418");
    EXPECT_STREQ(d.NewText().data(), "1 Moharram, 1418");
    EXPECT_STREQ(M(7, 7, 1420).MonthName(), "Rajjab");
    char buffer[10];
    EXPECT_STREQ(d.DayName(buffer), "Wednesday");
    EXPECT_EQ(TMisri::Raw(1, 13, 1418).Format(2), "1 Illegal Month");
}

TEST_F(MisriText, SetParsesTheFullForm) {
    struct Case {
        const char* text;
        TMisri date;
        std::vector<AnsiString> boxes;
    } cases[] = {
        {"12 Safar, 1420", M(12, 2, 1420), {}},
        {"12  Safar , 1420", M(12, 2, 1420), {}},
        {"30 Zil-Haj, 1418", M(30, 12, 1418), {}},
        {"9 Shaaban, 12345", M(9, 8, 12345), {}},  // years of five digits
        {"7 Rajjab, 30000", TMisri::Raw(7, 7, 30000), {}},
        {"1 Moharram, 1", M(1, 1, 1), {}},
        {"12 safar, 1420", M(12, 1, 1420), {"Invalid Month in Set(AnsiString)"}},
        {"x Safar, 1420",
         M(1, 1, 1418),
         {"Conversion error. Date will be set to 1 Moharram, 1418"}},
        {"", M(1, 1, 1418), {"Conversion error. Date will be set to 1 Moharram, 1418"}},
        {"12 Safar",
         M(1, 1, 1418),
         {"Invalid Month in Set(AnsiString)",
          "Conversion error. Date will be set to 1 Moharram, 1418"}},
    };
    for (const auto& c : cases) {
        responder->Clear();
        TMisri d = M(9, 9, 1444);
        d.Set(c.text);
        EXPECT_TRUE(SameDate(d, c.date)) << c.text;
        EXPECT_EQ(responder->Texts(), c.boxes) << c.text;
        for (const auto& b : responder->Boxes())
            EXPECT_EQ(b.caption, "Error");
    }
}

TEST_F(MisriText, IsValidTextOfTypedDates) {
    struct Case {
        const char* text;
        unsigned char format;
        int valid;
    } cases[] = {
        {"7 Rajjab, 1420", 0, 1},
        {"07 Rajjab, 1420", 0, 1},
        {"107 Rajjab, 1420", 0, 0},
        {"0 Rajjab, 1420", 0, 0},
        {"31 Rajjab, 1420", 0, 0},
        {"7 rajjab, 1420", 0, 0},
        {"7 Rajjab, 30001", 0, 0},
        {"7 Rajjab,1420", 0, 1},
        {"7 Rajjab, 30000", 0, 1},
        {"7 Rajjab", 0, 0},
        {"7 Rajjab, ", 0, 0},
        {"", 0, 0},
        {"7 Rajjab", 2, 1},
        {"7 Rajab", 2, 0},
        {"30 Zil-Haj", 2, 1},
        {"7 Rajjab, 1420", 2, 1},
        {"7  Rajjab", 2, 0},
        {"x Rajjab", 2, 0},
        {"7 Rajjab, 99999999999999999999", 0, 0},
        {"1 Moharram, 000000000000000000001", 0, 0},  // 33 characters: refused
    };
    for (const auto& c : cases)
        EXPECT_EQ(TMisri::IsValidText(c.text, c.format), c.valid)
            << c.text << " / " << int(c.format);
    EXPECT_TRUE(responder->Boxes().empty());
    EXPECT_EQ(TMisri::IsValidText(nullptr, 0), 0);
}

TEST_F(MisriText, IsValidTextOfAnUnknownFormatSaysSo) {
    EXPECT_EQ(TMisri::IsValidText("anything", 1), 1);
    ASSERT_EQ(responder->Texts(),
              std::vector<AnsiString>{"Function is not implemented yet. Dude!"});
    EXPECT_EQ(responder->Boxes()[0].caption, "Error");
}

TEST_F(MisriText, ToIntReadsTheLeadingNumber) {
    EXPECT_EQ(TMisri::ToInt("  42 Safar"), 42);
    EXPECT_EQ(TMisri::ToInt("-7"), -7);
    EXPECT_EQ(TMisri::ToInt("Safar"), 0);
    EXPECT_EQ(TMisri::ToInt(""), 0);
    EXPECT_EQ(TMisri::ToInt(nullptr), 0);
    EXPECT_EQ(TMisri::ToInt("99999999999999"), 2147483647);
}

}  // namespace
