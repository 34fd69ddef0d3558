#include "Birthdays.h"

#include "DateTime.h"

#include <utility>

namespace {

// The day number a listed occurrence shows; none when its Gregorian date
// cannot be formed.
std::optional<int> ShownDay(const TMisri& occurrence, bool gregorianShown) {
    if (!gregorianShown)
        return occurrence.Day();
    int year, month, day;
    DecodeDate(occurrence.ToDateTime(), year, month, day);
    if (year < 1 || year > 9999)
        return std::nullopt;
    return day;
}

}  // namespace

std::vector<BirthdayRow> BirthdayRows(const std::vector<TContactRecord>& contacts,
                                      const TMisri& first, int count, bool gregorianShown) {
    std::vector<BirthdayRow> rows;
    if (count < 1)
        return rows;
    const TMisri end = first.AddDays(count);  // the day after the range
    // The Hijri years the range touches: one, or two when it crosses 1 Moharram.
    std::vector<int> years = {first.Year()};
    const int lastYear = first.AddDays(count - 1).Year();
    if (lastYear != first.Year())
        years.push_back(lastYear);

    const TMisri noDate = NoContactDate();
    for (const TContactRecord& contact : contacts) {
        const AnsiString name = contact.firstName + " " + contact.lastName;
        const std::pair<const TMisri*, const char*> dates[] = {
            {&contact.birth, "Birthday"}, {&contact.anniversary, "Anniversary"}};
        for (const auto& [date, kind] : dates) {
            if (*date == noDate)
                continue;
            for (int year : years) {
                TMisri occurrence;
                occurrence.SetDate(date->Day(), date->Month(), year);
                if (!(first <= occurrence && occurrence < end))
                    continue;
                if (const auto day = ShownDay(occurrence, gregorianShown))
                    rows.push_back({*day, kind, name});
            }
        }
    }
    return rows;
}

std::optional<std::vector<BirthdayRow>> ReadBirthdayRows(const TMisri& first, int count,
                                                         bool gregorianShown) {
    const auto contacts = ReadAllContacts();
    if (!contacts)
        return std::nullopt;
    return BirthdayRows(*contacts, first, count, gregorianShown);
}
