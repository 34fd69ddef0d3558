#include "diary/calendar/records/EventFile.h"

#include "calendar/Projglob.h"
#include "platform/core/RecordFile.h"

#include <cmath>
#include <cstring>

namespace {

constexpr std::size_t kKeyOffset = 0;
constexpr std::array<std::size_t, EventTextCount> kTextOffsets = {2, 152, 302, 452};

// The Gregorian year, month and day of a date the date encoding can form.
bool SplitDate(TDateTime date, int& year, int& month, int& day) {
    if (!InDateRange(date))
        return false;
    DecodeDate(date, year, month, day);
    return true;
}

// True when the year's February has 29 days in the calendar of the dates.
bool HasLeapDay(int year) {
    return EncodeDate(year, 3, 1) - EncodeDate(year, 2, 1) == 29;
}

}  // namespace

AnsiString& TEventRecord::Text(int i) {
    switch (i) {
    case 0:
        return text1;
    case 1:
        return text2;
    case 2:
        return text3;
    default:
        return text4;
    }
}

const AnsiString& TEventRecord::Text(int i) const {
    return const_cast<TEventRecord*>(this)->Text(i);
}

EventRecordBytes PackEventRecord(const TEventRecord& record) {
    EventRecordBytes bytes{};
    RecordBytes::PutInt16(bytes.data(), kKeyOffset, record.key);
    for (int i = 0; i < EventTextCount; ++i)
        RecordBytes::PutText(bytes.data(), kTextOffsets[static_cast<std::size_t>(i)], EventTextSize,
                             record.Text(i));
    return bytes;
}

TEventRecord UnpackEventRecord(const EventRecordBytes& bytes) {
    TEventRecord record;
    record.key = RecordBytes::GetInt16(bytes.data(), kKeyOffset);
    for (int i = 0; i < EventTextCount; ++i)
        record.Text(i) = RecordBytes::GetText(
            bytes.data(), kTextOffsets[static_cast<std::size_t>(i)], EventTextSize);
    return record;
}

int GregorianEventKey(int month, int day) {
    if (month < 1 || month > 12)
        return 0;
    return GregorianKeyTable[static_cast<std::size_t>(month - 1)] + day;
}

int HijriEventKey(int month, int day) {
    return TMisri::DaysBeforeMonth(month - 1) + day;
}

std::optional<int> DatedGregorianEventKey(TDateTime date) {
    int year, month, day;
    if (!SplitDate(date, year, month, day))
        return std::nullopt;
    int n = static_cast<int>(std::trunc(date) - EncodeDate(year, 1, 1)) + 1;
    // The file keeps a slot for 29 February in every year; a year without
    // that day steps over it. The date calendar's own leap rule decides, so
    // that in 1900 or 2100 the day after 28 February still reads 1 March.
    if (n >= 60 && !HasLeapDay(year))
        ++n;
    return n;
}

std::vector<EventDay> GregorianEventDaysOfGregorianMonth(int month) {
    std::vector<EventDay> days;
    const int count = GregorianDaysInMonth(month, 0);
    for (int d = 1; d <= count; ++d)
        days.push_back({d, GregorianEventKey(month, d)});
    return days;
}

std::vector<EventDay> HijriEventDaysOfGregorianMonth(int month, TDateTime shownDate) {
    std::vector<EventDay> days;
    int year, shownMonth, day;
    if (!SplitDate(shownDate, year, shownMonth, day))
        return days;
    const TDateTime first = EncodeDate(year, shownMonth, 1);  // MonthStart of the shown date
    // Every day of the month as the calendar shows it, 29 February included.
    const int count = GregorianDaysInMonth(month, year);
    for (int d = 1; d <= count; ++d)
        days.push_back({d, TMisri(first + d - 1).DayOfYear()});
    return days;
}

std::vector<EventDay> GregorianEventDaysOfHijriMonth(int month, const TMisri& shownMonth) {
    std::vector<EventDay> days;
    const TMisri first = shownMonth.FirstOfMonth();
    const int count = TMisri::MonthLength(month);
    for (int d = 1; d <= count; ++d)
        if (const auto key = DatedGregorianEventKey(first.AddDays(d - 1).ToDateTime()))
            days.push_back({d, *key});
    return days;
}

std::vector<EventDay> HijriEventDaysOfHijriMonth(int month) {
    std::vector<EventDay> days;
    const int count = TMisri::MonthLength(month);
    for (int d = 1; d <= count; ++d)
        days.push_back({d, HijriEventKey(month, d)});
    return days;
}

std::optional<std::vector<EventRow>> ReadEventRows(const char* fileName,
                                                   const std::vector<EventDay>& days) {
    RecordFile file(fileName, RecordFile::Mode::Read);
    if (!file.IsOpen())
        return std::nullopt;
    std::vector<EventRow> rows;
    for (const EventDay& day : days) {
        EventRecordBytes bytes;
        if (day.key < 0 || !file.ReadAt(static_cast<long long>(day.key) * EventRecordSize,
                                        bytes.data(), bytes.size()))
            continue;  // beyond the end: an empty day
        const TEventRecord record = UnpackEventRecord(bytes);
        for (int i = 0; i < EventTextCount; ++i)
            if (record.Text(i).size() > 1)
                rows.push_back({day.day, record.Text(i)});
    }
    return rows;
}

AnsiString EventFileOpenFailure(const char* fileName) {
    return Format("Cannot open %s file", fileName);
}

std::optional<TEventRecord> ReadEventRecord(const char* fileName, int key) {
    RecordFile file(fileName, RecordFile::Mode::Read);
    if (!file.IsOpen())
        return std::nullopt;
    EventRecordBytes bytes;
    if (key < 0 ||
        !file.ReadAt(static_cast<long long>(key) * EventRecordSize, bytes.data(), bytes.size()))
        return TEventRecord{};
    return UnpackEventRecord(bytes);
}

bool WriteEventRecord(const char* fileName, int key, const TEventRecord& record) {
    if (key < 0)
        return false;
    RecordFile file(fileName, RecordFile::Mode::ReadWrite);
    if (!file.IsOpen())
        return false;
    const EventRecordBytes bytes = PackEventRecord(record);
    return file.WriteAt(static_cast<long long>(key) * EventRecordSize, bytes.data(), bytes.size());
}
