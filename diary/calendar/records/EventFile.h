// The two event files of the working directory: "events.dat" for days of
// the Hijri year and "gevents.dat" for days of the Gregorian year. Each is a
// flat array of 602-byte day records, the record of key k at k * 602; keys
// start at 1, so slot 0 is never used. An event belongs to a day and month,
// so the same entry shows in every year.
#pragma once

#include "calendar/Misri.h"
#include "platform/core/AnsiString.h"
#include "platform/core/DateTime.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

inline constexpr const char* HijriEventFileName = "events.dat";
inline constexpr const char* GregorianEventFileName = "gevents.dat";

inline constexpr int EventRecordSize = 602;
inline constexpr int EventTextSize = 150;  // a text holds at most 149 characters
inline constexpr int EventTextCount = 4;

// One day's record: the day's own key and its four texts.
struct TEventRecord {
    std::int16_t key = 0;
    AnsiString text1, text2, text3, text4;

    // text1 .. text4 by index 0 .. 3.
    AnsiString& Text(int i);
    const AnsiString& Text(int i) const;
};

using EventRecordBytes = std::array<unsigned char, EventRecordSize>;

// key int16 at 0; the texts at 2, 152, 302 and 452, each NUL-terminated
// inside its 150 bytes, cut to 149 characters, zeros after the NUL.
EventRecordBytes PackEventRecord(const TEventRecord& record);
// Each text stops at its first NUL or at the end of its field.
TEventRecord UnpackEventRecord(const EventRecordBytes& bytes);

// The day counts before each month of a leap year; the 13th entry is the
// length of a leap year.
inline constexpr std::array<int, 13> GregorianKeyTable = {0,   31,  60,  91,  121, 152, 182,
                                                          213, 244, 274, 305, 335, 366};

// Key of a Gregorian day and month in "gevents.dat": 1 (1 January) to 366
// (31 December); 29 February is 60 and 1 March 61 in every year.
int GregorianEventKey(int month, int day);
// Key of a Hijri day and month in "events.dat": 1 (1 Moharram) to 355
// (30 Zil-Haj).
int HijriEventKey(int month, int day);
// Key in "gevents.dat" of a dated day: its day of the year, with the slot of
// 29 February skipped in a year that has no such day. None for a date
// outside the years 1 to 9999.
std::optional<int> DatedGregorianEventKey(TDateTime date);

// One day of a listed month: the day number the list shows and the day's key.
struct EventDay {
    int day;
    int key;
};

// The listed days of the four month readers, in ascending order. A day whose
// Gregorian date lies outside the years 1 to 9999 has no key and is left out.
//
// Gregorian events of a Gregorian month: days 1 to 28 / 30 / 31 (February 28
// in every year), keyed by GregorianEventKey.
std::vector<EventDay> GregorianEventDaysOfGregorianMonth(int month);
// Hijri events of the Gregorian month shown: the days of that month from
// MonthStart(shownDate) on, each keyed by the day of the Hijri year it falls
// on, so a month that crosses 1 Moharram continues with keys 1, 2, ...
std::vector<EventDay> HijriEventDaysOfGregorianMonth(int month, TDateTime shownDate);
// Gregorian events of the Hijri month shown: days 1 to MonthLength(month),
// day d keyed by the date of shownMonth's day 1 plus d - 1 days.
std::vector<EventDay> GregorianEventDaysOfHijriMonth(int month, const TMisri& shownMonth);
// Hijri events of a Hijri month: days 1 to MonthLength(month) (Zil-Haj 29
// also in a leap year), keyed by HijriEventKey.
std::vector<EventDay> HijriEventDaysOfHijriMonth(int month);

// One line of the event list: the day number and one of the day's texts.
struct EventRow {
    int day;
    AnsiString text;
};

// The rows of the listed days: for each day in order, its texts text1 to
// text4 that are longer than one character. A slot wholly or partly beyond
// the end of the file counts as empty. None when the file cannot be opened.
std::optional<std::vector<EventRow>> ReadEventRows(const char* fileName,
                                                   const std::vector<EventDay>& days);
// "Cannot open events.dat file" / "Cannot open gevents.dat file".
AnsiString EventFileOpenFailure(const char* fileName);

// The record of one slot; an empty record (key 0, four empty texts) when the
// slot lies wholly or partly beyond the end. None when the file cannot be
// opened.
std::optional<TEventRecord> ReadEventRecord(const char* fileName, int key);
// Writes the record into slot `key` of an existing file, which is never
// created; a slot beyond the end lengthens the file. False when the file
// cannot be opened for writing or the write fails.
bool WriteEventRecord(const char* fileName, int key, const TEventRecord& record);
