#include "calendar/Projglob.h"
#include "platform/core/Exceptions.h"
#include "tests/support/DesktopLocales.h"
#include "tests/support/SettingsSandbox.h"

#include <QDir>

#include <cmath>

#include <gtest/gtest.h>

namespace {

using ProjglobTest = SettingsSandbox;

TEST_F(ProjglobTest, SettingsReadTheirDefaultWhenEmptyOrMissing) {
    EXPECT_EQ(ReadSettingString("ShowMessage", "1"), "1");
    WriteSettingString("ShowMessage", "");
    EXPECT_EQ(ReadSettingString("ShowMessage", "1"), "1");
    WriteSettingString("ShowMessage", "0");
    EXPECT_EQ(ReadSettingString("ShowMessage", "1"), "0");
    // A second key object on the same key sees the value.
    TRegistry other;
    other.OpenKey(SettingsKey, false);
    EXPECT_EQ(other.ReadString("ShowMessage"), "0");
}

TEST_F(ProjglobTest, SettingsNeverFailTowardTheCaller) {
    SettingsRegistry = nullptr;
    EXPECT_EQ(ReadSettingString("Location", "New York City, USA"), "New York City, USA");
    EXPECT_NO_THROW(WriteSettingString("Location", "x"));
    // A store that cannot be written loses the value silently.
    TRegistry blocked;
    ASSERT_TRUE(QDir(SettingsFolder()).mkpath("Blocked/Store.conf"));
    blocked.OpenKey("SOFTWARE\\Blocked\\Store", true);
    SettingsRegistry = &blocked;
    EXPECT_NO_THROW(WriteSettingString("Location", "x"));
    EXPECT_EQ(ReadSettingString("Location", "default"), "default");
    EXPECT_TRUE(responder->Boxes().empty());
}

// Degrees.minutes are typed, shown and stored with '.' on every desktop.
class DegreesMinutesText : public OnEveryDesktop<::testing::Test> {};
INSTANTIATE_ON_EVERY_DESKTOP(DegreesMinutesText);

TEST_P(DegreesMinutesText, DegreesMinutes) {
    EXPECT_FLOAT_EQ(DmmToDegrees(12.30f), 12.5f);
    EXPECT_FLOAT_EQ(DmmToDegrees(-12.30f), -12.5f);
    EXPECT_FLOAT_EQ(DegreesToDmm(12.5f), 12.3f);
    EXPECT_NEAR(DmmToDegrees(-73.58f), -73.966667f, 1e-5);
    EXPECT_NEAR(DmmToDegrees(40.75f), 41.25f, 1e-5);  // 60 minutes and more are not refused
    EXPECT_EQ(FloatToStrF(DegreesToDmm(40.716667f), ffFixed, 5, 2), "40.43");
    EXPECT_EQ(DmmTextToDegreesText("-73.58"), "-73.97");
    EXPECT_EQ(DmmTextToDegreesText("40.43"), "40.72");
    EXPECT_EQ(DmmTextToDegreesText("40.45"), "40.75");
    EXPECT_THROW(DmmTextToDegreesText("abc"), EConvertError);
}

TEST_F(ProjglobTest, SecondsOfTheDay) {
    EXPECT_EQ(SecondsOfDay(EncodeTime(12, 0, 0, 0)), 43200);
    EXPECT_EQ(SecondsOfDay(EncodeDate(2026, 1, 1) + EncodeTime(5, 7, 59, 900)), 18479);
    EXPECT_DOUBLE_EQ(AddSeconds(EncodeTime(12, 0, 0, 0), -60), EncodeTime(11, 59, 0, 0));
    // A hair below the next midnight is still the day's last second; a date
    // before 1900 counts its time from its own midnight too.
    const TDateTime nextDay = EncodeDate(2026, 3, 2);
    for (double below : {1e-6 / 86400, 1e-9, 1e-11, 0.0})
        EXPECT_EQ(SecondsOfDay(std::nextafter(nextDay - below, 0.0)), 86399) << below;
    EXPECT_EQ(SecondsOfDay(-1.25), 21600);
    // Every whole second of a day, built from its parts, counts as itself.
    for (int s = 0; s < 86400; ++s)
        ASSERT_EQ(
            SecondsOfDay(EncodeDate(2026, 3, 1) + EncodeTime(s / 3600, s / 60 % 60, s % 60, 0)), s);
}

TEST_F(ProjglobTest, ColourNames) {
    const char* names[] = {"Black", "Maroon",  "Green",  "Olive", "Navy", "Purple",
                           "Teal",  "Gray",    "Silver", "Red",   "Lime", "Yellow",
                           "Blue",  "Fuchsia", "Aqua",   "White"};
    for (const char* n : names)
        EXPECT_EQ(ColorToName(NameToColor(n)), n);
    EXPECT_EQ(NameToColor("Navy"), 0x800000);
    EXPECT_EQ(NameToColor("Red"), 0x0000FF);
    EXPECT_EQ(ColorToName(clBtnFace), "Black");
    EXPECT_EQ(ColorToName(0x123456), "Black");
    EXPECT_EQ(NameToColor("red"), 0);
    EXPECT_EQ(NameToColor("Black"), 0);
}

TEST_F(ProjglobTest, HiddenListKeys) {
    ListItemPadding = AnsiString(ListItemPaddingLength, ' ');
    EXPECT_EQ(ListItemKey("London, United Kingdom" + ListItemPadding + "17"), "17");
    EXPECT_EQ(ListItemKey(AnsiString(60, 'x') + ListItemPadding + "12345678901"), "12345678901");
    EXPECT_EQ(ListItemKey("  abc "), "abc");
    EXPECT_EQ(ListItemKey(""), "");
}

TEST_F(ProjglobTest, Digits) {
    EXPECT_EQ(IsAllDigits(""), 1);
    EXPECT_EQ(IsAllDigits("0123"), 1);
    EXPECT_EQ(IsAllDigits("12a"), 0);
    EXPECT_EQ(IsAllDigits(" 1"), 0);
}

TEST_F(ProjglobTest, GregorianMonths) {
    EXPECT_EQ(GregorianDaysInMonth(2, 2000), 29);
    EXPECT_EQ(GregorianDaysInMonth(2, 2100), 29);
    EXPECT_EQ(GregorianDaysInMonth(2, 1900), 29);
    EXPECT_EQ(GregorianDaysInMonth(2, 1999), 28);
    EXPECT_EQ(GregorianDaysInMonth(2, 0), 28);
    EXPECT_EQ(GregorianDaysInMonth(4, 2026), 30);
    EXPECT_EQ(GregorianDaysInMonth(13, 2026), 0);
    const TDateTime d = EncodeDate(2026, 1, 17) + 0.5;
    EXPECT_EQ(MonthStart(d), EncodeDate(2026, 1, 1));
    EXPECT_EQ(PrevMonthStart(d), EncodeDate(2025, 12, 1));
    EXPECT_EQ(NextMonthStart(EncodeDate(2026, 12, 31)), EncodeDate(2027, 1, 1));
    EXPECT_THROW(NextMonthStart(EncodeDate(9999, 12, 5)), EConvertError);
}

TEST_F(ProjglobTest, DaylightWindow) {
    EXPECT_EQ(FirstSundayOfApril(2018), EncodeDate(2018, 4, 1));  // 1 April a Sunday
    EXPECT_EQ(FirstSundayOfApril(2026), EncodeDate(2026, 4, 5));
    EXPECT_EQ(LastSundayOfOctober(2021), EncodeDate(2021, 10, 31));  // 31 October a Sunday
    EXPECT_EQ(LastSundayOfOctober(2026), EncodeDate(2026, 10, 25));
}

}  // namespace
