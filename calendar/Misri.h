// A date of the tabular Hijri calendar: months alternate 30 and 29 days from
// Moharram on, and in the 11 leap years of each 30-year cycle Zil-Haj has 30.
// Days are counted from the fixed pair 7 May 1997 = 1 Moharram 1418.
#pragma once

#include "platform/core/AnsiString.h"
#include "platform/core/DateTime.h"

#include <array>
#include <cstdint>

// Month lengths of months 1..12 (Zil-Haj 29; 30 in a leap year).
inline constexpr std::array<int, 12> MisriMonthLengths = {30, 29, 30, 29, 30, 29,
                                                          30, 29, 30, 29, 30, 29};
// Positions of the leap years within the 30-year cycle.
inline constexpr std::array<int, 11> MisriLeapYears = {2, 5, 8, 10, 13, 16, 19, 21, 24, 27, 29};
// Index 0 names an illegal month or day; months 1..12 and weekdays 1 (Monday)
// .. 7 (Sunday) follow.
extern const char* const MisriMonthNames[13];
extern const char* const MisriDayNames[8];

class TMisri {
public:
    // 1 Moharram 1418.
    TMisri();
    TMisri(const TMisri&) = default;
    TMisri& operator=(const TMisri&) = default;
    // Today's date; "bom" (any case) then takes day 1, "eom" the table length
    // of the month; any other text, and a null text, leaves today.
    explicit TMisri(const char* text);
    // The Hijri date of the date-time's day (days counted from 7 May 1997,
    // truncated toward zero).
    explicit TMisri(TDateTime d);
    // Validates: a month above 12 becomes 12, a day above 30 becomes 29, a
    // year outside 1..30000 becomes 1418, each after its "Incorrect value" box.
    // Without a box, a month below 1 becomes 1 and a negative day 1; day 0 stays.
    TMisri(int day, int month, int year);

    // The parts exactly as a record file stores them, without any check.
    static TMisri Raw(int day, int month, int year) {
        TMisri d;
        d.day_ = day;
        d.month_ = month;
        d.year_ = year;
        return d;
    }

    int Day() const { return day_; }
    int Month() const { return month_; }
    int Year() const { return year_; }

    // MisriMonthLengths[m-1], without the leap day.
    static int MonthLength(int m);
    // Sum of the table lengths of months 1..n (0 for n < 1).
    static int DaysBeforeMonth(int n);
    // Leap years in [a, b] (either order); with b == 0, 1 when a is a leap year.
    static int LeapYears(int a, int b);

    int DaysInMonth() const;
    int IsLeapYear() const;
    int DayOfYear() const;  // 1..354, 355 for 30 Zil-Haj of a leap year
    // Signed days from this date to other (positive when other is later).
    int DaysBetween(TMisri other) const;
    int DayOfWeek() const;  // 1 Monday .. 7 Sunday
    int FirstWeekDay() const;
    TDateTime ToDateTime() const;

    void NextDay();
    void PrevDay();
    TMisri AddDays(int n) const;
    TMisri SubtractDays(int n) const;
    void SetBOM();
    void SetEOM();  // the table length: 29 for Zil-Haj also in a leap year
    void IncMonth();
    void DecMonth();
    TMisri NextMonth() const;
    TMisri PrevMonth() const;
    TMisri FirstOfMonth() const;
    TMisri LastOfMonth() const;
    // Sets each part that is in range (day 1..30, month 1..12, year 1..29999).
    TMisri& SetDate(int day, int month, int year);
    // Day n of the Hijri year that contains today.
    TMisri DayOfCurrentYear(int n) const;
    void SetDayOfCurrentYear(int n);

    bool operator<(const TMisri& other) const;
    bool operator<=(const TMisri& other) const;
    bool operator>(const TMisri& other) const;
    bool operator==(const TMisri& other) const;
    bool operator!=(TMisri other) const;

    // Text forms (style 0 "%d %s, %d", 1 "%d", 2 "%d %s", other "%s, %d").
    const char* MonthName() const;
    char* DayName(char* buffer) const;  // buffer of at least 10 characters
    AnsiString Format(unsigned char style) const;
    // Style 0 in a 50-character text.
    std::array<char, 50> NewText() const;
    // Parses style 0; reports a month name it does not know and a failed
    // number conversion in boxes of their own.
    void Set(const AnsiString& text);
    static int IsValidText(const char* text, unsigned char format);
    static int IsValidText(const AnsiString& text, unsigned char format);
    // The decimal number at the start of the text, 0 when there is none.
    static int ToInt(const char* text);

private:
    // Advance and Retreat equal n single NextDay or PrevDay steps; they skip
    // through a month at once where no step can leave it.
    void Advance(long long n);
    void Retreat(long long n);

    std::int32_t month_;
    std::int32_t year_;
    std::int32_t day_;
};
