#include "platform/core/Clock.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "tests/support/LocaleScope.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <gtest/gtest.h>

#include <limits>

namespace {

class DateTimeTest : public ::testing::Test {
protected:
    void TearDown() override { Clock::Reset(); }
};

TEST_F(DateTimeTest, EncodeDateCountsDaysFromTheEndOf1899) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(1997, 5, 7), 35557.0);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
}

TEST_F(DateTimeTest, EncodeDateRefusesWhatIsNoDate) {
    const int bad[][3] = {{0, 1, 1},     {10000, 1, 1}, {2000, 0, 1},  {2000, 13, 1},
                          {2000, 2, 30}, {1900, 2, 29}, {2001, 4, 31}, {2000, 1, 0}};
    for (const auto& d : bad)
        EXPECT_THROW(EncodeDate(d[0], d[1], d[2]), EConvertError) << d[0] << "-" << d[1];
    EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
}

TEST_F(DateTimeTest, DatesInRangeAreThoseOfTheYears1To9999) {
    const TDateTime first = EncodeDate(1, 1, 1);
    const TDateTime last = EncodeDate(9999, 12, 31);
    const struct {
        const char* what;
        TDateTime t;
        bool inRange;
    } cases[] = {
        {"1 January 1", first, true},
        {"its afternoon, counted back from the later midnight", first - 0.5, true},
        {"the day before", first - 1, false},
        {"31 December 9999, evening", last + 0.75, true},
        {"a fraction that rounds to the next midnight", last + 0.999999999, false},
        {"1 January 10000", last + 1, false},
        {"the end of 1899", 0, true},
        {"no number", std::numeric_limits<double>::quiet_NaN(), false},
        {"infinity", std::numeric_limits<double>::infinity(), false},
        {"minus infinity", -std::numeric_limits<double>::infinity(), false},
        {"far beyond", 1e300, false},
        {"far before", -1e300, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InDateRange(c.t), c.inRange) << c.what;
}

TEST_F(DateTimeTest, DecodeDateInvertsEncodeDateOverFourCenturies) {
    QDate q(1800, 1, 1);
    for (TDateTime t = EncodeDate(1800, 1, 1); t <= EncodeDate(2200, 12, 31);
         t += 1, q = q.addDays(1)) {
        int y, m, d;
        // A time of day does not change the date (negative date-times truncate
        // toward zero, so their fraction counts from the later midnight).
        DecodeDate(t >= 0 ? t + 0.75 : t, y, m, d);
        ASSERT_EQ(QDate(y, m, d), q) << t;
        // Qt counts Monday 1 .. Sunday 7; the class library Sunday 1 .. Saturday 7.
        ASSERT_EQ(DayOfWeek(t), q.dayOfWeek() % 7 + 1) << t;
    }
}

TEST_F(DateTimeTest, NegativeDateTimesTruncateTowardZero) {
    int y, m, d, h, n, s, ms;
    DecodeDate(-1.25, y, m, d);
    DecodeTime(-1.25, h, n, s, ms);
    EXPECT_EQ(QDate(y, m, d), QDate(1899, 12, 29));
    EXPECT_EQ(h, 6);
}

TEST_F(DateTimeTest, ClockFeedsDateNowAndTime) {
    Clock::SetFixed(QDateTime(QDate(2026, 12, 10), QTime(18, 30, 0)));
    EXPECT_EQ(Date(), EncodeDate(2026, 12, 10));
    EXPECT_DOUBLE_EQ(Time(), EncodeTime(18, 30, 0, 0));
    EXPECT_DOUBLE_EQ(Now(), EncodeDate(2026, 12, 10) + EncodeTime(18, 30, 0, 0));
}

TEST_F(DateTimeTest, FormatDateTimeTokens) {
    const TDateTime t = EncodeDate(2000, 3, 5) + EncodeTime(5, 7, 59, 0);
    struct Case {
        const char* format;
        const char* text;
    } cases[] = {
        {"mmm d", "Mar 5"},
        {"mmmm d, yyyy", "March 5, 2000"},
        {"mmmm,  yyyy", "March,  2000"},
        {"mmm, d", "Mar, 5"},
        {"dd/mm/yy", "05/03/00"},
        {"h:nn", "5:07"},
        {"hh:nn:ss", "05:07:59"},
        {"h:nn am/pm", "5:07 am"},
        {"dddd", "Sunday"},
        {"'Day' d", "Day 5"},
        {"h:mm", "5:07"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDateTime(c.format, t), c.text) << c.format;
    EXPECT_EQ(FormatDateTime("h:nn am/pm", EncodeTime(18, 45, 0, 0)), "6:45 pm");
    EXPECT_EQ(FormatDateTime("h:nn AM/PM", EncodeTime(0, 5, 0, 0)), "12:05 AM");
    EXPECT_EQ(TimeToStr(EncodeTime(14, 10, 0, 0)), "14:10:00");
    EXPECT_EQ(DateTimeToStr(EncodeDate(2026, 1, 2)), "2026-01-02");
    EXPECT_EQ(DateTimeToStr(EncodeDate(2026, 1, 2) + 0.5), "2026-01-02 12:00:00");
}

TEST_F(DateTimeTest, YearsKeepTheirDigitCount) {
    const struct {
        TDateTime t;
        const char* format;
        const char* text;
    } cases[] = {
        {EncodeDate(623, 3, 11), "mmm d, yyyy", "Mar 11, 0623"},
        {EncodeDate(623, 8, 1), "mmmm,  yyyy", "August,  0623"},
        {EncodeDate(9, 1, 1), "yyyy", "0009"},
        {EncodeDate(2005, 1, 1), "yy", "05"},
        {EncodeDate(9999, 12, 31), "yyyy", "9999"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDateTime(c.format, c.t), c.text) << c.text;
}

// Names under the locales of the diary's likely users: the screen shows them
// in full; single-byte text holds them only where the code page can, and
// English otherwise.
TEST_F(DateTimeTest, LocaleNamesAreNeverAQuestionMark) {
    const TDateTime t = EncodeDate(2026, 12, 10);  // a Thursday
    const struct {
        const char* locale;
        bool fitsCodePage;
    } cases[] = {{"ur_PK", false}, {"ru_RU", false}, {"ar_SA", false},
                 {"fa_IR", false}, {"fr_FR", true},  {"de_DE", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        const LocaleScope scope(c.locale);
        const QLocale& locale = scope.Locale();
        const QString shortMonth = locale.monthName(12, QLocale::ShortFormat);
        const QString longMonth = locale.monthName(12, QLocale::LongFormat);
        const QString longDay = locale.dayName(4, QLocale::LongFormat);
        ASSERT_EQ(FitsCodePage(shortMonth + longMonth + longDay), c.fitsCodePage);
        // Names in right-to-left script come between directional isolates.
        const auto onScreen = [](const QString& name) {
            return name.isRightToLeft() ? QChar(0x2068) + name + QChar(0x2069) : name;
        };
        EXPECT_EQ(FormatDateTimeForScreen("mmm d, yyyy", t), onScreen(shortMonth) + " 10, 2026");
        EXPECT_EQ(FormatDateTimeForScreen("mmmm d", t), onScreen(longMonth) + " 10");
        EXPECT_EQ(FormatDateTimeForScreen("dddd", t), onScreen(longDay));
        if (c.fitsCodePage) {
            EXPECT_EQ(ToQString(FormatDateTime("mmm d", t)), shortMonth + " 10");
            EXPECT_EQ(ToQString(FormatDateTime("dddd", t)), longDay);
        } else {
            EXPECT_EQ(FormatDateTime("mmm d", t), "Dec 10");
            EXPECT_EQ(FormatDateTime("mmmm", t), "December");
            EXPECT_EQ(FormatDateTime("ddd dddd", t), "Thu Thursday");
        }
        EXPECT_EQ(FormatDateTime("mmm mmmm ddd dddd", t).find('?'), AnsiString::npos);
    }
}

// A month named beside its day takes the locale's form for a date; a month
// standing alone, as a title does, takes its stand-alone form. On screen a
// name in right-to-left script is isolated; the single-byte text is in one
// language, the locale's names or English ones throughout.
TEST_F(DateTimeTest, MonthNamesOfEachLocale) {
    const TDateTime march10 = EncodeDate(2026, 3, 10);
    const auto text = [](const char* utf8) { return QString::fromUtf8(utf8); };
    // A name in right-to-left script, isolated.
    const auto isolated = [&](const char* utf8) {
        return QChar(0x2068) + text(utf8) + QChar(0x2069);
    };
    struct Case {
        const char* locale;
        QString title;       // "mmmm yyyy"
        QString withDay;     // "d mmmm"
        QString shortTitle;  // "mmm"
    } cases[] = {
        {"ar_SA", isolated("مارس") + " 2026", "10 " + isolated("مارس"), isolated("مارس")},
        {"ur_PK", isolated("مارچ") + " 2026", "10 " + isolated("مارچ"), isolated("مارچ")},
        {"ru_RU", text("март 2026"), text("10 марта"), text("март")},
        {"cs_CZ", text("březen 2026"), text("10 března"), text("bře")},
        {"el_GR", text("Μάρτιος 2026"), text("10 Μαρτίου"), text("Μάρ")},
        {"en_US", "March 2026", "10 March", "Mar"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        const LocaleScope scope(c.locale);
        EXPECT_EQ(FormatDateTimeForScreen("mmmm yyyy", march10), c.title);
        EXPECT_EQ(FormatDateTimeForScreen("d mmmm", march10), c.withDay);
        EXPECT_EQ(FormatDateTimeForScreen("mmm", march10), c.shortTitle);
    }
}

// Single-byte text in one language: the locale's names when every name the
// text needs fits the code page, English throughout when any one does not.
TEST_F(DateTimeTest, SingleByteTextKeepsToOneLanguage) {
    struct Case {
        const char* locale;
        QDate first, last;
        DateNames names;
        const char* firstText;  // "mmm d" of the first day, in those names
    } cases[] = {
        {"cs_CZ", {2026, 11, 10}, {2026, 12, 8}, DateNames::Locale, "lis 10"},
        {"cs_CZ", {2026, 2, 17}, {2026, 3, 18}, DateNames::English, "Feb 17"},  // "bře"
        {"ru_RU", {2026, 11, 10}, {2026, 12, 8}, DateNames::English, "Nov 10"},
        {"el_GR", {2026, 11, 10}, {2026, 12, 8}, DateNames::English, "Nov 10"},
        {"ar_SA", {2026, 11, 10}, {2026, 12, 8}, DateNames::English, "Nov 10"},
        {"ur_PK", {2026, 11, 10}, {2026, 12, 8}, DateNames::English, "Nov 10"},
        {"en_US", {2026, 2, 17}, {2026, 3, 18}, DateNames::Locale, "Feb 17"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " from " + c.firstText);
        const LocaleScope scope(c.locale);
        const TDateTime first = EncodeDate(c.first.year(), c.first.month(), c.first.day());
        const TDateTime last = EncodeDate(c.last.year(), c.last.month(), c.last.day());
        ASSERT_EQ(CodePageNames("mmm d", first, last), c.names);
        EXPECT_EQ(FormatDateTime("mmm d", first, c.names), c.firstText);
        for (TDateTime day = first; day <= last; day += 1) {
            const AnsiString text = FormatDateTime("mmm d", day, c.names);
            const AnsiString english = FormatDateTime("mmm d", day, DateNames::English);
            EXPECT_EQ(text == english,
                      c.names == DateNames::English || QLocale().language() == QLocale::English)
                << text;
        }
    }
}

}  // namespace
