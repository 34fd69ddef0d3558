// Month and day names, the text forms of a Hijri date, parsing of the full
// form and the check of a typed date.
#include "calendar/Misri.h"

#include "calendar/Projglob.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

const char* const MisriMonthNames[13] = {
    "Illegal Month",   "Moharram",         "Safar",  "Rabi-ul-Awwal", "Rabi-ul-Aakhar",
    "Jamadi-ul-Awwal", "Jamadi-ul-Aakhar", "Rajjab", "Shaaban",       "Ramadan",
    "Shawwaal",        "Zilqaad",          "Zil-Haj"};

const char* const MisriDayNames[8] = {"Illegal day", "Monday", "Tuesday",  "Wednesday",
                                      "Thursday",    "Friday", "Saturday", "Sunday"};

namespace {

// The part of s from pos on, at most len characters; empty past the end.
AnsiString Part(const AnsiString& s, std::size_t pos, std::size_t len = AnsiString::npos) {
    return pos >= s.size() ? AnsiString() : s.substr(pos, len);
}

// The value of a text of decimal digits, or -1 when it exceeds `limit`.
long long DigitsValue(const AnsiString& digits, long long limit) {
    long long v = 0;
    for (char c : digits) {
        v = v * 10 + (c - '0');
        if (v > limit)
            return -1;
    }
    return v;
}

bool IsMonthName(const AnsiString& name) {
    for (int k = 1; k <= 12; ++k)
        if (name == MisriMonthNames[k])
            return true;
    return false;
}

// Format 0 and 2 share the day and the month name; format 0 adds the year.
int CheckTyped(const AnsiString& text, bool withYear) {
    const std::size_t blank = text.find(' ');
    const AnsiString dayPart = text.substr(0, blank);
    if (dayPart.size() > 2 || !IsAllDigits(dayPart.c_str()))
        return 0;
    const long long day = DigitsValue(dayPart, 99);
    if (day < 1 || day > 30)
        return 0;
    const std::size_t comma = text.find(',');
    if (withYear && comma == AnsiString::npos)
        return 0;
    const std::size_t nameStart = dayPart.size() + 1;
    const std::size_t nameEnd = comma == AnsiString::npos ? text.size() : comma;
    const AnsiString name =
        nameEnd > nameStart ? Part(text, nameStart, nameEnd - nameStart) : AnsiString();
    if (!IsMonthName(name))
        return 0;
    if (!withYear)
        return 1;
    const AnsiString yearPart = Part(text, comma + 2);
    if (!IsAllDigits(yearPart.c_str()))
        return 0;
    const long long year = DigitsValue(yearPart, 30000);
    return year >= 1 && year <= 30000 ? 1 : 0;
}

}  // namespace

const char* TMisri::MonthName() const {
    return MisriMonthNames[month_ >= 1 && month_ <= 12 ? month_ : 0];
}

char* TMisri::DayName(char* buffer) const {
    const int w = DayOfWeek();
    std::strcpy(buffer, MisriDayNames[w >= 1 && w <= 7 ? w : 0]);
    return buffer;
}

AnsiString TMisri::Format(unsigned char style) const {
    switch (style) {
    case 0:
        return ::Format("%d %s, %d", day_, MonthName(), year_);
    case 1:
        return ::Format("%d", day_);
    case 2:
        return ::Format("%d %s", day_, MonthName());
    default:
        return ::Format("%s, %d", MonthName(), year_);
    }
}

std::array<char, 50> TMisri::NewText() const {
    std::array<char, 50> text{};
    std::snprintf(text.data(), text.size(), "%d %s, %d", day_, MonthName(), year_);
    return text;
}

void TMisri::Set(const AnsiString& text) {
    try {
        const std::size_t blank = text.find(' ');
        const int day = StrToInt(blank == AnsiString::npos ? AnsiString() : text.substr(0, blank));
        const std::size_t comma = text.find(',');
        const std::size_t nameStart = blank + 1;
        const AnsiString name = comma != AnsiString::npos && comma > nameStart
                                    ? Trim(text.substr(nameStart, comma - nameStart))
                                    : AnsiString();
        int month = 0;
        for (int k = 1; k <= 12 && month == 0; ++k)
            if (name == Trim(MisriMonthNames[k]))
                month = k;
        if (month == 0) {
            Dialogs::MessageBox("Invalid Month in Set(AnsiString)", "Error", BoxButtons::Ok,
                                BoxIcon::None, false);
            month = 1;
        }
        // The year is the five characters after ", "; without a comma they
        // are taken from the second character on, as the search gives nothing.
        const std::size_t yearStart = comma == AnsiString::npos ? 1 : comma + 2;
        const int year = StrToInt(Part(text, yearStart, 5));
        day_ = day;
        month_ = month;
        year_ = year;
    } catch (const EConvertError&) {
        Dialogs::MessageBox("Conversion error. Date will be set to 1 Moharram, 1418", "Error",
                            BoxButtons::Ok, BoxIcon::None, false);
        *this = TMisri();
    }
}

int TMisri::IsValidText(const char* text, unsigned char format) {
    if (format != 0 && format != 2) {
        ShowErrorBox("Function is not implemented yet. Dude!");
        return 1;
    }
    // The check works on a copy of at most 29 characters; a longer text is
    // no date of these forms and is refused.
    if (!text || std::strlen(text) > 29)
        return 0;
    return CheckTyped(text, format == 0);
}

int TMisri::IsValidText(const AnsiString& text, unsigned char format) {
    if (text.find('\0') != AnsiString::npos)
        return format != 0 && format != 2 ? IsValidText(text.c_str(), format) : 0;
    return IsValidText(text.c_str(), format);
}

int TMisri::ToInt(const char* text) {
    if (!text)
        return 0;
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (end == text)
        return 0;
    if (v > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}
