#include "platform/core/DateTime.h"

#include "kestrun/civil.h"
#include "platform/core/Clock.h"
#include "platform/core/Exceptions.h"

#include <QLocale>

#include <algorithm>
#include <cctype>
#include <cmath>

AnsiString LongTimeFormat = "hh:nn:ss";
AnsiString ShortDateFormat = "yyyy-mm-dd";

namespace {

constexpr long long kMsecsPerDay = 86400000;

// Days are counted from 1970-01-01 by the calendar arithmetic that the
// prayer-time library keeps, then moved to the class library's epoch.
using kestrun::days_from_civil;

constexpr long long kEpoch = days_from_civil(1899, 12, 30);
// 1 January of the year 1 and 31 December 9999.
constexpr long long kFirstDay = days_from_civil(1, 1, 1) - kEpoch;
constexpr long long kLastDay = days_from_civil(9999, 12, 31) - kEpoch;

// Whole days (truncated toward zero) and milliseconds of the day (from the
// fraction's magnitude), as the class library splits a date-time.
void Split(TDateTime t, long long& days, long long& msecs) {
    double whole = std::trunc(t);
    days = static_cast<long long>(whole);
    msecs = std::llround(std::fabs(t - whole) * kMsecsPerDay);
    if (msecs >= kMsecsPerDay) {  // a fraction that rounds up to the next day
        msecs -= kMsecsPerDay;
        days += t < 0 ? -1 : 1;
    }
}

TDateTime FromQDateTime(const QDateTime& dt) {
    QDate d = dt.date();
    QTime tm = dt.time();
    return static_cast<double>(days_from_civil(d.year(), static_cast<unsigned>(d.month()),
                                               static_cast<unsigned>(d.day())) -
                               kEpoch) +
           tm.msecsSinceStartOfDay() / static_cast<double>(kMsecsPerDay);
}

int CountRun(const AnsiString& f, std::size_t i, char lower) {
    int n = 0;
    while (i + static_cast<std::size_t>(n) < f.size() &&
           std::tolower(static_cast<unsigned char>(f[i + static_cast<std::size_t>(n)])) == lower)
        ++n;
    return n;
}

bool StartsWithNoCase(const AnsiString& f, std::size_t i, const char* word) {
    for (std::size_t k = 0; word[k]; ++k)
        if (i + k >= f.size() || std::tolower(static_cast<unsigned char>(f[i + k])) != word[k])
            return false;
    return true;
}

}  // namespace

TDateTime EncodeDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        static_cast<unsigned>(day) > kestrun::last_day_of_month(year, static_cast<unsigned>(month)))
        throw EConvertError("Invalid argument to date encode");
    return static_cast<double>(
        days_from_civil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpoch);
}

bool InDateRange(TDateTime t) {
    // What lies far outside, or is no number, is told before the split,
    // whose whole days would not fit their integer.
    if (!(t > kFirstDay - 1.0 && t < kLastDay + 2.0))
        return false;
    long long days, msecs;
    Split(t, days, msecs);
    return days >= kFirstDay && days <= kLastDay;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        msec < 0 || msec > 999)
        throw EConvertError("Invalid argument to time encode");
    return (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + msec) / kMsecsPerDay;
}

void DecodeDate(TDateTime t, int& year, int& month, int& day) {
    long long days, msecs;
    Split(t, days, msecs);
    const kestrun::civil_date date = kestrun::civil_from_days(days + kEpoch);
    year = static_cast<int>(date.y);
    month = static_cast<int>(date.m);
    day = static_cast<int>(date.d);
}

void DecodeTime(TDateTime t, int& hour, int& minute, int& second, int& msec) {
    long long days, msecs;
    Split(t, days, msecs);
    hour = static_cast<int>(msecs / 3600000);
    minute = static_cast<int>(msecs / 60000 % 60);
    second = static_cast<int>(msecs / 1000 % 60);
    msec = static_cast<int>(msecs % 1000);
}

int DayOfWeek(TDateTime t) {
    long long days, msecs;
    Split(t, days, msecs);
    // 30 December 1899 was a Saturday (7).
    long long r = (days + 6) % 7;
    if (r < 0)
        r += 7;
    return static_cast<int>(r) + 1;
}

TDateTime Now() {
    return FromQDateTime(Clock::Now());
}
TDateTime Date() {
    return std::trunc(Now());
}
TDateTime Time() {
    return Clock::Now().time().msecsSinceStartOfDay() / static_cast<double>(kMsecsPerDay);
}

namespace {

// Where a formatted text goes: to the screen, which shows any name; into
// single-byte text, where a name the code page lacks is written in English;
// or into single-byte text that is English throughout.
enum class Names { Locale, CodePage, English };

bool HasRightToLeftLetters(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.direction() == QChar::DirR || c.direction() == QChar::DirAL;
    });
}

QString LocaleName(const QString& name, const QString& english, Names names) {
    if (names == Names::English)
        return english;
    if (names == Names::CodePage)
        return FitsCodePage(name) ? name : english;
    // On screen a name in right-to-left script is isolated: the digits after
    // it would otherwise join its run and read in its order ("2026 ,10
    // ديسمبر"); so isolated, a date reads in the order of its format, alone
    // or inside an English sentence.
    if (HasRightToLeftLetters(name))
        return QChar(0x2068) + name +
               QChar(0x2069);  // FIRST STRONG ISOLATE .. POP DIRECTIONAL ISOLATE
    return name;
}

// Whether the format writes the day of the month ("d" or "dd"). A month
// name with a day takes the locale's form for a date ("10 марта"); a month
// name without one stands alone, as a title does ("март 2026").
bool WritesDayOfMonth(const AnsiString& f) {
    for (std::size_t i = 0; i < f.size();) {
        const char c = f[i];
        if (c == '"' || c == '\'') {
            const std::size_t end = f.find(c, i + 1);
            i = end == AnsiString::npos ? f.size() : end + 1;
            continue;
        }
        const int n = CountRun(f, i, 'd');
        if (n > 0 && n <= 2)
            return true;
        i += static_cast<std::size_t>(std::max(n, 1));
    }
    return false;
}

QString Padded(int v, int width) {
    return QString::number(v).rightJustified(width, u'0');
}

QString Formatted(const AnsiString& f, TDateTime t, Names names) {
    int year, month, day, hour, minute, second, msec;
    DecodeDate(t, year, month, day);
    DecodeTime(t, hour, minute, second, msec);
    const QLocale locale;
    const QLocale english = QLocale::c();
    const bool standAlone = !WritesDayOfMonth(f);
    const bool twelveHour = f.find("am/pm") != AnsiString::npos ||
                            f.find("AM/PM") != AnsiString::npos ||
                            f.find("a/p") != AnsiString::npos || f.find("A/P") != AnsiString::npos;
    QString out;
    bool lastWasHour = false;
    std::size_t i = 0;
    while (i < f.size()) {
        char c = f[i];
        char lc = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (c == '"' || c == '\'') {
            std::size_t end = f.find(c, i + 1);
            if (end == AnsiString::npos)
                end = f.size();
            out += ToQString(f.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        if (lc == 'a' && StartsWithNoCase(f, i, "am/pm")) {
            bool pm = hour >= 12;
            out += ToQString(pm ? f.substr(i + 3, 2) : f.substr(i, 2));
            i += 5;
            continue;
        }
        if (lc == 'a' && StartsWithNoCase(f, i, "a/p")) {
            out += ToQString(hour >= 12 ? f.substr(i + 2, 1) : f.substr(i, 1));
            i += 3;
            continue;
        }
        int n = CountRun(f, i, lc);
        switch (lc) {
        case 'd':
            if (n <= 2)
                out += Padded(day, n);
            else {
                const int qtDay = (DayOfWeek(t) + 5) % 7 + 1;  // Qt counts Monday 1 .. Sunday 7
                const auto form = n == 3 ? QLocale::ShortFormat : QLocale::LongFormat;
                out += LocaleName(locale.dayName(qtDay, form), english.dayName(qtDay, form), names);
            }
            i += static_cast<std::size_t>(n);
            lastWasHour = false;
            continue;
        case 'm':
            if (lastWasHour && n <= 2)
                out += Padded(minute, n);
            else if (n <= 2)
                out += Padded(month, n);
            else {
                const auto form = n == 3 ? QLocale::ShortFormat : QLocale::LongFormat;
                out += standAlone ? LocaleName(locale.standaloneMonthName(month, form),
                                               english.standaloneMonthName(month, form), names)
                                  : LocaleName(locale.monthName(month, form),
                                               english.monthName(month, form), names);
            }
            i += static_cast<std::size_t>(n);
            lastWasHour = false;
            continue;
        case 'y':
            // "yy" the last two digits, "yyyy" all four, also below the year 1000.
            out += n <= 2 ? Padded(year % 100, 2) : Padded(year, 4);
            i += static_cast<std::size_t>(n);
            lastWasHour = false;
            continue;
        case 'h': {
            int h = twelveHour ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
            out += Padded(h, std::min(n, 2));
            i += static_cast<std::size_t>(n);
            lastWasHour = true;
            continue;
        }
        case 'n':
            out += Padded(minute, std::min(n, 2));
            i += static_cast<std::size_t>(n);
            lastWasHour = false;
            continue;
        case 's':
            out += Padded(second, std::min(n, 2));
            i += static_cast<std::size_t>(n);
            lastWasHour = false;
            continue;
        default:
            out += ToQString(AnsiString(1, c));
            ++i;
            // Separators between an hour and "m" keep "m" a minute (as in "h:mm").
            if (c != ':' && c != ' ')
                lastWasHour = false;
            continue;
        }
    }
    return out;
}

}  // namespace

AnsiString FormatDateTime(const AnsiString& f, TDateTime t) {
    return FromQString(Formatted(f, t, Names::CodePage));
}

QString FormatDateTimeForScreen(const AnsiString& f, TDateTime t) {
    return Formatted(f, t, Names::Locale);
}

AnsiString FormatDateTime(const AnsiString& f, TDateTime t, DateNames names) {
    return FromQString(
        Formatted(f, t, names == DateNames::English ? Names::English : Names::CodePage));
}

DateNames CodePageNames(const AnsiString& f, TDateTime first, TDateTime last) {
    for (TDateTime day = first; day <= last; day += 1)
        if (!FitsCodePage(Formatted(f, day, Names::Locale)))
            return DateNames::English;
    return DateNames::Locale;
}

AnsiString TimeToStr(TDateTime t) {
    return FormatDateTime(LongTimeFormat, t);
}

AnsiString DateToStr(TDateTime t) {
    return FormatDateTime(ShortDateFormat, t);
}

AnsiString DateTimeToStr(TDateTime t) {
    long long days, msecs;
    Split(t, days, msecs);
    AnsiString out = DateToStr(t);
    if (msecs != 0)
        out += " " + TimeToStr(t);
    return out;
}
