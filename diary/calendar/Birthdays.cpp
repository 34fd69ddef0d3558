#include "diary/calendar/Birthdays.h"

#include "platform/core/DateTime.h"

#include <algorithm>
#include <utility>

namespace {

// The day number a listed occurrence shows; none when its Gregorian date
// cannot be formed.
std::optional<int> ShownDay(const TMisri& occurrence, bool gregorianShown) {
    if (!gregorianShown)
        return occurrence.Day();
    const TDateTime date = occurrence.ToDateTime();
    if (!InDateRange(date))
        return std::nullopt;
    int year, month, day;
    DecodeDate(date, year, month, day);
    return day;
}

// The days a listing covers: first .. end - 1, and the Hijri years they
// touch, one, or two when they cross 1 Moharram.
struct Range {
    TMisri first, end;
    std::vector<int> years;
    bool gregorianShown;
};

Range RangeOf(const TMisri& first, int count, bool gregorianShown) {
    Range range{first, first.AddDays(count), {first.Year()}, gregorianShown};
    const int lastYear = first.AddDays(count - 1).Year();
    if (lastYear != first.Year())
        range.years.push_back(lastYear);
    return range;
}

// The contact's birthday occurrences in the range, then its anniversary ones.
void AddRows(std::vector<BirthdayRow>& rows, const TContactRecord& contact, const Range& range) {
    static const TMisri noDate = NoContactDate();
    const std::pair<const TMisri*, const char*> dates[] = {{&contact.birth, "Birthday"},
                                                           {&contact.anniversary, "Anniversary"}};
    for (const auto& [date, kind] : dates) {
        if (*date == noDate)
            continue;
        for (int year : range.years) {
            TMisri occurrence;
            occurrence.SetDate(date->Day(), date->Month(), year);
            if (!(range.first <= occurrence && occurrence < range.end))
                continue;
            if (const auto day = ShownDay(occurrence, range.gregorianShown))
                rows.push_back({*day, kind, contact.firstName + " " + contact.lastName});
        }
    }
}

}  // namespace

std::vector<BirthdayRow> BirthdayRows(const std::vector<TContactRecord>& contacts,
                                      const TMisri& first, int count, bool gregorianShown) {
    std::vector<BirthdayRow> rows;
    if (count < 1)
        return rows;
    const Range range = RangeOf(first, count, gregorianShown);
    for (const TContactRecord& contact : contacts)
        AddRows(rows, contact, range);
    return rows;
}

std::optional<std::vector<BirthdayRow>> ReadBirthdayRows(const TMisri& first, int count,
                                                         bool gregorianShown) {
    std::vector<BirthdayRow> rows;
    const Range range = RangeOf(first, std::max(count, 1), gregorianShown);
    // The file is read one record at a time, never held whole.
    const bool read = ForEachContact([&](const TContactRecord& contact, int) {
        if (count >= 1)
            AddRows(rows, contact, range);
    });
    if (!read)
        return std::nullopt;
    return rows;
}
