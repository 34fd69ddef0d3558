// The birthdays and anniversaries that fall in a shown range of days: the
// contacts' Hijri day-and-month dates, recurring every Hijri year.
#pragma once

#include "calendar/Misri.h"
#include "diary/contacts/ContactFile.h"
#include "platform/core/AnsiString.h"

#include <optional>
#include <vector>

// One line of the birthdays list.
struct BirthdayRow {
    int day;          // the day of the month the date falls on in the view
    AnsiString kind;  // "Birthday" or "Anniversary"
    AnsiString name;  // "first last"
};

// The dates of the contacts that fall on days first .. first + count - 1:
// per contact in file order, its birthday occurrences, then its anniversary
// occurrences, each in date order. A date is tried in every Hijri year the
// range touches, so a range that crosses 1 Moharram lists the dates on both
// sides. The day is the Gregorian day of the month when gregorianShown, else
// the Hijri day. "No date" is never listed, nor an occurrence whose
// Gregorian date lies beyond the years the date encoding can form.
std::vector<BirthdayRow> BirthdayRows(const std::vector<TContactRecord>& contacts,
                                      const TMisri& first, int count, bool gregorianShown);

// BirthdayRows of "contact.dat"; none when the file cannot be opened, so the
// list keeps what it shows.
std::optional<std::vector<BirthdayRow>> ReadBirthdayRows(const TMisri& first, int count,
                                                         bool gregorianShown);
