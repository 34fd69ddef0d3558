// Date-time values as the class library keeps them: days since 30 December
// 1899 as a double, the fraction being the time of day.
#pragma once

#include "platform/core/AnsiString.h"

#include <cstdint>

class QString;

using TDateTime = double;

// The date of year 1..9999, month 1..12, day 1..days of that month (the
// proleptic Gregorian calendar with its century rule). Throws EConvertError
// for anything else.
TDateTime EncodeDate(int year, int month, int day);
// hour 0..23, minute 0..59, second 0..59, msec 0..999; throws EConvertError otherwise.
TDateTime EncodeTime(int hour, int minute, int second, int msec);
// Splits the whole-day part (truncated toward zero) into year, month and day.
void DecodeDate(TDateTime t, int& year, int& month, int& day);
// Whether the date falls in the years 1 to 9999, those that EncodeDate forms
// and the formats write; false for a value that is no number.
bool InDateRange(TDateTime t);
void DecodeTime(TDateTime t, int& hour, int& minute, int& second, int& msec);
// 1 Sunday .. 7 Saturday.
int DayOfWeek(TDateTime t);

// Today at midnight, the present moment, and the present time of day, all
// from the process clock.
TDateTime Date();
TDateTime Now();
TDateTime Time();

// The format tokens used by the programs: d dd ddd dddd, m mm mmm mmmm,
// yy yyyy (four digits, zero-padded), h hh, n nn, s ss, am/pm (12-hour
// clock), text in quotes, and any other character as it stands. Month and
// day names are the locale's; in this single-byte form a name that the code
// page cannot hold is written in English, never as '?'. A month name takes
// the locale's form for a date when the format writes the day of the month,
// and its stand-alone form (as a title) when it does not.
AnsiString FormatDateTime(const AnsiString& format, TDateTime t);
// The same for the screen: the locale's names in full, whatever their
// script. A name in right-to-left script is set between directional
// isolates, so that the date reads in the order of its format, alone or
// inside an English sentence.
QString FormatDateTimeForScreen(const AnsiString& format, TDateTime t);

// A single-byte text in one language: the locale's names, or English ones
// throughout.
enum class DateNames { Locale, English };
AnsiString FormatDateTime(const AnsiString& format, TDateTime t, DateNames names);
// The locale's names when every name that `format` writes for the days from
// `first` to `last` fits the code page; English otherwise.
DateNames CodePageNames(const AnsiString& format, TDateTime first, TDateTime last);

AnsiString TimeToStr(TDateTime t);      // LongTimeFormat
AnsiString DateToStr(TDateTime t);      // ShortDateFormat
AnsiString DateTimeToStr(TDateTime t);  // ShortDateFormat, then LongTimeFormat unless midnight

// The system formats of this layer: a 24-hour time with seconds, an ISO date.
extern AnsiString LongTimeFormat;
extern AnsiString ShortDateFormat;
