// Writes a shipped event file from its readable list of yearly events.
//
//   make_event_files hijri     hijri-events.csv     events.dat
//   make_event_files gregorian gregorian-events.csv gevents.dat
//
// The list is UTF-8 text, one event a line: month,day,text. A text holding a
// comma or a quote is put in double quotes, a quote inside written twice.
// Blank lines and lines starting with '#' are skipped, and so is a first line
// "month,day,text". The output holds every slot of its calendar's year (slot
// 0 and the days without events as empty records), each day's texts in the
// order of the list, its key in the record's key field. Any fault of the
// list ends the tool with a message and a failure status, leaving an
// earlier output as it was.
#include "calendar/Misri.h"
#include "data/tools/PlaceCsv.h"
#include "diary/calendar/records/EventFile.h"
#include "platform/core/RecordFile.h"

#include <QString>

#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Calendar {
    const char* name;
    int lastKey;           // the highest slot of the file
    int (*daysIn)(int);    // the days a month can hold an event for
    int (*key)(int, int);  // the slot of a month and day
};

int HijriDays(int month) {
    return month == 12 ? 30 : TMisri::MonthLength(month);  // 30 Zil-Haj of a leap year
}

int GregorianDays(int month) {
    return GregorianKeyTable[static_cast<std::size_t>(month)] -
           GregorianKeyTable[static_cast<std::size_t>(month - 1)];  // 29 February included
}

const Calendar kHijri = {"hijri", 355, HijriDays, HijriEventKey};
const Calendar kGregorian = {"gregorian", 366, GregorianDays, GregorianEventKey};

// A whole decimal number of at most a few digits.
std::optional<int> ParseNumber(const std::string& s) {
    if (s.empty() || s.size() > 3)
        return std::nullopt;
    int n = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

bool Fail(const std::string& where, const std::string& message) {
    std::fprintf(stderr, "make_event_files: %s: %s\n", where.c_str(), message.c_str());
    return false;
}

// Reads the list into the texts of each key.
bool ReadList(const char* path, const Calendar& calendar,
              std::map<int, std::vector<AnsiString>>& texts) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Fail(path, "cannot be read");
    std::string line;
    int lineNumber = 0;
    bool first = true;
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::string where = std::string(path) + ":" + std::to_string(lineNumber);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const bool header = first && line == "month,day,text";
        first = false;
        if (header)
            continue;

        const auto fields = SplitCsvFields(line);
        if (!fields || fields->size() != 3)
            return Fail(where, "expected month,day,text");
        const auto month = ParseNumber((*fields)[0]);
        if (!month || *month < 1 || *month > 12)
            return Fail(where, "month must be 1 to 12");
        const auto day = ParseNumber((*fields)[1]);
        if (!day || *day < 1 || *day > calendar.daysIn(*month))
            return Fail(where, "day out of range for month " + std::to_string(*month));
        const QString unicode = QString::fromUtf8((*fields)[2]);
        if (!FitsCodePage(unicode))
            return Fail(where, "text has characters outside Windows-1252");
        const AnsiString text = FromQString(unicode);
        // A text of one character is never listed; the event editor keeps at
        // most 148.
        if (text.size() < 2 || text.size() > 148)
            return Fail(where, "text must be 2 to 148 characters");
        auto& day_texts = texts[calendar.key(*month, *day)];
        if (day_texts.size() == EventTextCount)
            return Fail(where, "a fifth text for " + std::to_string(*month) + "/" +
                                   std::to_string(*day) + " (a day holds four)");
        day_texts.push_back(text);
    }
    if (in.bad())
        return Fail(path, "read error");
    return true;
}

std::string BuildFile(const Calendar& calendar,
                      const std::map<int, std::vector<AnsiString>>& texts) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(calendar.lastKey + 1) * EventRecordSize);
    const EventRecordBytes empty{};
    bytes.append(reinterpret_cast<const char*>(empty.data()), empty.size());  // slot 0
    for (int key = 1; key <= calendar.lastKey; ++key) {
        TEventRecord record;
        record.key = static_cast<std::int16_t>(key);
        if (const auto it = texts.find(key); it != texts.end())
            for (std::size_t i = 0; i < it->second.size(); ++i)
                record.Text(static_cast<int>(i)) = it->second[i];
        const EventRecordBytes packed = PackEventRecord(record);
        bytes.append(reinterpret_cast<const char*>(packed.data()), packed.size());
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_event_files hijri|gregorian <list.csv> <output.dat>\n");
        return 2;
    }
    const std::string kind = argv[1];
    const Calendar* calendar = kind == kHijri.name       ? &kHijri
                               : kind == kGregorian.name ? &kGregorian
                                                         : nullptr;
    if (!calendar) {
        Fail(kind, "calendar must be hijri or gregorian");
        return 2;
    }
    std::map<int, std::vector<AnsiString>> texts;
    if (!ReadList(argv[2], *calendar, texts))
        return 1;
    if (!WriteWholeFile(argv[3], BuildFile(*calendar, texts))) {
        Fail(argv[3], "cannot be written");
        return 1;
    }
    return 0;
}
