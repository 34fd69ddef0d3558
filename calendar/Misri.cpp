#include "calendar/Misri.h"

#include "platform/core/Dialogs.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

// The epoch: 1 Moharram 1418 fell on Wednesday 7 May 1997.
constexpr int kEpochDay = 1, kEpochMonth = 1, kEpochYear = 1418;
constexpr int kEpochGYear = 1997, kEpochGMonth = 5, kEpochGDay = 7;

// Table length of a month; a month outside 1..12 (read from a damaged
// record, say) is taken as the nearest real one, so no lookup leaves the table.
int TableLength(int m) {
    return MisriMonthLengths[static_cast<std::size_t>(std::clamp(m, 1, 12) - 1)];
}

// y mod 30 truncating toward zero, as the calendar's leap rule is written.
bool IsLeap(int y) {
    const int p = y - (y / 30) * 30;  // (-29, 29]
    return std::find(MisriLeapYears.begin(), MisriLeapYears.end(), p) != MisriLeapYears.end();
}

// Leap positions p of one cycle with lo <= p <= hi.
int CountPositions(int lo, int hi) {
    int n = 0;
    for (int p : MisriLeapYears)
        if (lo <= p && p <= hi)
            ++n;
    return n;
}

int ClampToInt(long long v) {
    return static_cast<int>(
        std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

const TMisri& Epoch() {
    static const TMisri epoch;
    return epoch;
}

void ReportIncorrect(const char* text) {
    Dialogs::MessageBox(text, "Incorrect value", BoxButtons::Ok, BoxIcon::Error, false);
}

}  // namespace

TMisri::TMisri() : month_(kEpochMonth), year_(kEpochYear), day_(kEpochDay) {}

TMisri::TMisri(TDateTime d) : TMisri() {
    const TDateTime e = EncodeDate(kEpochGYear, kEpochGMonth, kEpochGDay);
    const double n = std::trunc(d - e);  // days from the epoch
    // A date-time beyond any Hijri year (or not a number) cannot name a day;
    // it is held to the range of int so the conversion stays defined.
    const int days =
        std::isnan(n)
            ? 0
            : static_cast<int>(std::clamp<double>(n, std::numeric_limits<int>::min() + 1.0,
                                                  std::numeric_limits<int>::max()));
    *this = AddDays(days);
}

TMisri::TMisri(const char* text) : TMisri(Date()) {
    if (!text)
        return;
    AnsiString t = UpperCase(text);
    if (t == "BOM")
        SetBOM();
    else if (t == "EOM")
        SetEOM();
}

TMisri::TMisri(int day, int month, int year) : month_(month), year_(year), day_(day) {
    if (month_ > 12) {
        ReportIncorrect("Error initializing the constructor of TMisri.Invalid month specified. "
                        "Month is set to 12");
        month_ = 12;
    }
    if (day_ > 30) {
        ReportIncorrect("Error initializing the constructor of TMisri.Invalid day specified. "
                        "Day is set to 29");
        day_ = 29;
    }
    if (year_ > 30000 || year_ < 1) {
        ReportIncorrect("Error initializing the constructor of TMisri.Invalid year specified. "
                        "Day is set to 1418");
        year_ = 1418;
    }
    // Month and day have no box of their own below range. A month below 1 is
    // brought to 1, so that no table lookup leaves the table; day 0 stays (it
    // counts as the day before day 1). A negative day, which only a damaged
    // record holds, is brought to 1 so that no stepping starts from it.
    month_ = std::max(month_, 1);
    if (day_ < 0)
        day_ = 1;
}

int TMisri::MonthLength(int m) {
    return TableLength(m);
}

int TMisri::DaysBeforeMonth(int n) {
    int sum = 0;
    for (int m = 1; m <= std::min(n, 12); ++m)
        sum += MisriMonthLengths[static_cast<std::size_t>(m - 1)];
    return sum;  // 0, 30, 59, 89, ..., 354
}

int TMisri::LeapYears(int a, int b) {
    if (b == 0)
        return IsLeap(a) ? 1 : 0;
    if (a > b)
        std::swap(a, b);
    // A year read from a damaged record may lie anywhere in the field, so
    // the distance between the cycle starts is taken in 64 bits.
    const long long A = (a / 30) * 30;             // start of a's cycle
    const long long B = (b / 30) * 30;             // start of b's cycle
    const int c = static_cast<int>((B - A) / 30);  // [0, 143165576] whole cycles
    const int pa = static_cast<int>(a - A);        // a's place in its cycle, (-30, 30)
    const int pb = static_cast<int>(b - B);        // b's place in its cycle, (-30, 30)
    if (c == 0)
        return CountPositions(pa, static_cast<int>(b - A));
    return 11 * c + CountPositions(0, pb) - CountPositions(0, pa - 1);
}

int TMisri::DaysInMonth() const {
    return month_ == 12 && IsLeap(year_) ? 30 : TableLength(month_);
}

int TMisri::IsLeapYear() const {
    return LeapYears(year_, 0);
}

int TMisri::DayOfYear() const {
    return ClampToInt(static_cast<long long>(DaysBeforeMonth(month_ - 1)) + day_);
}

int TMisri::DaysBetween(TMisri other) const {
    const long long d = static_cast<long long>(other.year_) - year_;
    long long leaps = 0;
    if (d > 0)
        leaps = LeapYears(year_, other.year_ - 1);
    else if (d < 0)
        leaps = -LeapYears(other.year_, year_ - 1);
    return ClampToInt(d * 354 + other.DayOfYear() - DayOfYear() + leaps);
}

int TMisri::DayOfWeek() const {
    const int x = DaysBetween(Epoch());   // positive when this date is earlier
    const int a = x % 7;                  // [-6, 6]
    const int b = a > 0 ? 8 - a : 1 - a;  // [1, 7]
    const int w = b + 2;                  // [3, 9]
    return w > 7 ? w - 7 : w;
}

int TMisri::FirstWeekDay() const {
    TMisri first(day_, month_, year_);
    first.SetBOM();
    return first.DayOfWeek();
}

TDateTime TMisri::ToDateTime() const {
    const TMisri copy(day_, month_, year_);
    return EncodeDate(kEpochGYear, kEpochGMonth, kEpochGDay) - copy.DaysBetween(Epoch());
}

void TMisri::NextDay() {
    if (month_ == 12 && day_ == 29 && IsLeap(year_))
        day_ = 30;
    else if (day_ < TableLength(month_))
        ++day_;
    else if (month_ < 12) {
        ++month_;
        day_ = 1;
    } else {
        ++year_;
        month_ = 1;
        day_ = 1;
    }
}

void TMisri::PrevDay() {
    if (month_ == 1 && day_ == 1 && IsLeap(year_ - 1)) {
        --year_;
        month_ = 12;
        day_ = 30;
    } else if (day_ > 1)
        --day_;
    else if (month_ > 1) {
        --month_;
        day_ = TableLength(month_);
    } else {
        --year_;
        month_ = 12;
        day_ = 29;
    }
}

void TMisri::Advance(long long n) {
    while (n > 0) {
        // Within the month a step only adds one to the day, so a run of them
        // can be taken at once; the step out of the month is taken singly.
        const int last = month_ == 12 && IsLeap(year_) ? 30 : TableLength(month_);
        if (day_ >= 1 && day_ < last) {
            const long long run = std::min<long long>(n, last - day_);
            day_ += static_cast<int>(run);
            n -= run;
        } else {
            NextDay();
            --n;
        }
    }
}

void TMisri::Retreat(long long n) {
    while (n > 0) {
        if (day_ > 1) {
            const long long run = std::min<long long>(n, day_ - 1);
            day_ -= static_cast<int>(run);
            n -= run;
        } else {
            PrevDay();
            --n;
        }
    }
}

TMisri TMisri::AddDays(int n) const {
    if (n < 0)
        return SubtractDays(n == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max()
                                                                 : -n);
    TMisri p(day_, month_, year_);
    if (n == 0)
        return p;
    const int r = 354 - p.DayOfYear();  // [-1, 353]: steps to 29 Zil-Haj
    if (n <= r) {
        p.Advance(n);
        return p;
    }
    if (r >= 0)
        p.Advance(r);
    else
        p.PrevDay();  // from 30 Zil-Haj of a leap year back to the 29th
    long long m = static_cast<long long>(n) - r;
    const int start = p.year_;
    const long long k = m / 354;  // whole years to jump
    p.year_ = ClampToInt(p.year_ + k);
    m -= 354 * k;
    if (k > 0) {
        // The leap days skipped lie in the years start .. p.year - 1.
        m -= LeapYears(start, p.year_);
        if (p.IsLeapYear())
            m += 1;
    }
    if (m > 0)
        p.Advance(m);
    else
        p.Retreat(-m);
    return p;
}

TMisri TMisri::SubtractDays(int n) const {
    if (n < 0)
        return AddDays(n == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : -n);
    TMisri p(day_, month_, year_);
    if (n == 0)
        return p;
    const int start = p.year_;
    const int doy = p.DayOfYear();
    if (n <= doy) {
        p.Retreat(n);
        return p;
    }
    p.Retreat(doy);  // the last day of the previous year
    long long m = static_cast<long long>(n) - doy;
    if (p.IsLeapYear() && m > 354)
        p.PrevDay();  // to 29 Zil-Haj, so the year can be changed; not counted
    const long long k = m / 354;
    p.year_ = ClampToInt(p.year_ - k);
    m -= 354 * k;
    if (k > 0) {
        // The leap days skipped lie in the years start - k .. start - 1.
        m -= LeapYears(ClampToInt(start - k), start - 1);
        if (p.IsLeapYear())
            p.NextDay();  // to 30 Zil-Haj, the last day of that year
    }
    if (m > 0)
        p.Retreat(m);
    else
        p.Advance(-m);
    return p;
}

void TMisri::SetBOM() {
    day_ = 1;
}

void TMisri::SetEOM() {
    day_ = TableLength(month_);
}

void TMisri::IncMonth() {
    if (month_ >= 12) {
        month_ = 1;
        ++year_;
    } else
        ++month_;
    day_ = 1;
}

void TMisri::DecMonth() {
    if (month_ <= 1) {
        month_ = 12;
        --year_;
    } else
        --month_;
    day_ = 1;
}

TMisri TMisri::NextMonth() const {
    TMisri p(day_, month_, year_);
    p.IncMonth();
    return p;
}

TMisri TMisri::PrevMonth() const {
    TMisri p(day_, month_, year_);
    p.DecMonth();
    return p;
}

TMisri TMisri::FirstOfMonth() const {
    TMisri p(day_, month_, year_);
    p.SetBOM();
    return p;
}

TMisri TMisri::LastOfMonth() const {
    TMisri p(day_, month_, year_);
    p.SetEOM();
    return p;
}

TMisri& TMisri::SetDate(int day, int month, int year) {
    if (day >= 1 && day <= 30)
        day_ = day;
    if (month >= 1 && month <= 12)
        month_ = month;
    if (year >= 1 && year <= 29999)
        year_ = year;
    return *this;
}

TMisri TMisri::DayOfCurrentYear(int n) const {
    TMisri today("today");
    today.SetDate(1, 1, 0);
    return today.AddDays(n - 1);
}

void TMisri::SetDayOfCurrentYear(int n) {
    *this = DayOfCurrentYear(n);
}

bool TMisri::operator<(const TMisri& other) const {
    if (year_ != other.year_)
        return year_ < other.year_;
    return DayOfYear() < other.DayOfYear();
}

bool TMisri::operator<=(const TMisri& other) const {
    return *this < other || *this == other;
}

bool TMisri::operator>(const TMisri& other) const {
    return other < *this;
}

bool TMisri::operator==(const TMisri& other) const {
    return month_ == other.month_ && year_ == other.year_ && day_ == other.day_;
}

bool TMisri::operator!=(TMisri other) const {
    return !(*this == other);
}
