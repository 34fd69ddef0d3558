#include "vidur/Schedule.h"

#include "calendar/Projglob.h"
#include "platform/core/Exceptions.h"
#include "platform/core/RecordFile.h"
#include "platform/core/TextFile.h"
#include "vidur/PathHelpers.h"

#include <algorithm>
#include <limits>
#include <set>
#include <string_view>
#include <utility>

std::unique_ptr<ScheduleList> schedList;

namespace {

bool IsBlank(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

// A text written between double quotes. A quote inside is doubled so that
// the comma-text reading gives the text back unchanged.
AnsiString Quoted(const AnsiString& text) {
    AnsiString out = "\"";
    for (char c : text) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + "\"";
}

// The time code as a field. A code that the comma-text reading would not give
// back bare (a blank or control character, a comma, a quote) is quoted.
AnsiString TimeCodeField(char code) {
    const AnsiString text(1, code);
    return IsBlank(code) || code == ',' || code == '"' ? Quoted(text) : text;
}

// The mark a modern editor may put at the start of a text file.
constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

// A line that held eight fields but could not become an entry.
struct BadLine {
    std::size_t number;  // 1 for the file's first line
    AnsiString text;
    AnsiString error;
};

// The line numbers, runs of neighbours joined: "2, 5-7, 9".
AnsiString LineNumbers(const std::vector<BadLine>& lines) {
    AnsiString text;
    for (std::size_t i = 0; i < lines.size();) {
        std::size_t j = i;
        while (j + 1 < lines.size() && lines[j + 1].number == lines[j].number + 1)
            ++j;
        text += (text.empty() ? "" : ", ") + IntToStr(static_cast<long long>(lines[i].number));
        if (j > i)
            text += "-" + IntToStr(static_cast<long long>(lines[j].number));
        i = j + 1;
    }
    return text;
}

// One message for all bad lines: their numbers, and the first few of them
// with their error.
AnsiString BadLinesMessage(const std::vector<BadLine>& lines) {
    constexpr std::size_t Shown = 3, Excerpt = 60;
    AnsiString text =
        "These lines of sched.dat could not be read and were left out: " + LineNumbers(lines) + ".";
    for (std::size_t i = 0; i < std::min(lines.size(), Shown); ++i) {
        const BadLine& line = lines[i];
        const AnsiString excerpt =
            line.text.size() > Excerpt ? line.text.substr(0, Excerpt) + "..." : line.text;
        text += "\nLine " + IntToStr(static_cast<long long>(line.number)) + ": " + excerpt + " (" +
                line.error + ")";
    }
    if (lines.size() > Shown)
        text += "\n... and " + IntToStr(static_cast<long long>(lines.size() - Shown)) + " more.";
    return text;
}

std::unique_ptr<ScheduleEntry> EntryFromFields(const std::vector<AnsiString>& fields) {
    auto entry = std::make_unique<ScheduleEntry>();  // zero-filled
    entry->SetName(fields[0]);
    // The first character of an empty text does not exist.
    if (fields[1].empty())
        throw Exception("Range check error");
    entry->timeCode = fields[1][0];
    entry->deltaMinutes = DecimalOr(fields[2], 0);
    entry->SetFilePath(fields[3]);
    entry->periodStart = DecimalOr(fields[4], PeriodEveryDayStart);
    entry->periodEnd = DecimalOr(fields[5], PeriodEveryDayEnd);
    entry->enabled = DecimalOr(fields[6], 1);
    entry->key = DecimalOr(fields[7], 0);
    return entry;
}

// Gives each entry that shares its key with an earlier one a fresh key: the
// grid finds an entry's row by its key, and twins would merge there (a
// hand-edited file, or keys that are no numbers and read as 0).
void MakeKeysDistinct(ScheduleList& list) {
    std::set<int32_t> seen;
    for (const auto& entry : list)
        if (!seen.insert(entry->key).second) {
            entry->key = NextScheduleKey();
            seen.insert(entry->key);
        }
}

}  // namespace

void ScheduleEntry::SetName(const AnsiString& text) {
    RecordBytes::PutText(reinterpret_cast<unsigned char*>(name), 0, sizeof name, text);
}

void ScheduleEntry::SetFilePath(const AnsiString& text) {
    RecordBytes::PutText(reinterpret_cast<unsigned char*>(filePath), 0, sizeof filePath, text);
}

std::vector<AnsiString> SplitScheduleLine(const AnsiString& text) {
    // The line ends at a NUL, as a C string does.
    const AnsiString line = text.substr(0, text.find('\0'));
    std::vector<AnsiString> fields;
    std::size_t p = 0;
    const std::size_t end = line.size();
    while (p < end && IsBlank(line[p]))
        ++p;
    while (p < end) {
        AnsiString field;
        if (line[p] == '"') {
            ++p;
            bool closed = false;
            std::size_t q = p;
            for (; q < end; ++q) {
                if (line[q] != '"')
                    continue;
                if (q + 1 < end && line[q + 1] == '"') {
                    ++q;  // a doubled quote stands for one
                    continue;
                }
                closed = true;
                break;
            }
            // Without its closing quote the field is the rest less its last character.
            const AnsiString raw =
                closed ? line.substr(p, q - p) : line.substr(p, end - p > 0 ? end - p - 1 : 0);
            for (std::size_t i = 0; i < raw.size(); ++i) {
                field += raw[i];
                if (raw[i] == '"' && i + 1 < raw.size() && raw[i + 1] == '"')
                    ++i;
            }
            p = closed ? q + 1 : end;
        } else {
            const std::size_t start = p;
            while (p < end && line[p] != ',' && !IsBlank(line[p]))
                ++p;
            field = line.substr(start, p - start);
        }
        fields.push_back(field);
        while (p < end && IsBlank(line[p]))
            ++p;
        if (p < end && line[p] == ',') {
            if (p + 1 == end)
                fields.emplace_back();
            ++p;
            while (p < end && IsBlank(line[p]))
                ++p;
        }
    }
    return fields;
}

AnsiString ScheduleLine(const ScheduleEntry& entry) {
    return Quoted(RecordBytes::FieldText(entry.name)) + "," + TimeCodeField(entry.timeCode) + "," +
           IntToStr(entry.deltaMinutes) + "," + Quoted(RecordBytes::FieldText(entry.filePath)) +
           "," + IntToStr(entry.periodStart) + "," + IntToStr(entry.periodEnd) + "," +
           IntToStr(entry.enabled) + "," + IntToStr(entry.key);
}

void LoadSchedule() {
    if (!schedList)
        schedList = std::make_unique<ScheduleList>();
    try {
        if (!FileExists(ScheduleFileName)) {
            ShowMessageBox("Sched.dat file not found. Will create a new one");
            CreateDefaultSchedule();
        }
        std::vector<AnsiString> lines = LoadLinesFromFile(ScheduleFileName);
        if (!lines.empty() && lines[0].starts_with(Utf8Mark))
            lines[0].erase(0, Utf8Mark.size());
        // A line that cannot become an entry is passed over and the lines
        // after it are still read, so that the next save (which rewrites the
        // whole file from the list) keeps them; all such lines are reported
        // together in one box.
        std::vector<BadLine> bad;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::vector<AnsiString> fields = SplitScheduleLine(lines[i]);
            if (fields.size() != 8)
                continue;
            try {
                schedList->push_back(EntryFromFields(fields));
            } catch (const Exception& e) {
                bad.push_back({i + 1, lines[i], e.what()});
            }
        }
        if (!bad.empty())
            ShowMessageBox(BadLinesMessage(bad));
    } catch (const std::exception& e) {
        // A file that cannot be read: the entries read so far stay.
        ShowMessageBox(e.what());
    }
    MakeKeysDistinct(*schedList);
}

void SaveSchedule() {
    if (!schedList)
        return;
    std::vector<AnsiString> lines;
    for (const auto& entry : *schedList)
        lines.push_back(ScheduleLine(*entry));
    SaveLinesToFile(ScheduleFileName, lines);
}

void CreateDefaultSchedule() {
    const bool withNaat = !Trim(AssociatedProgram("rm")).empty();
    std::vector<std::pair<const char*, char>> events;
    if (generalMode == 0)
        events = {{"Fajr Vidur", 'F'}, {"Zoher Vidur", 'Z'}, {"Maghrib Vidur", 'S'}};
    else
        events = {{"Fajr Vidur", 'F'},
                  {"Zoher Vidur", 'Z'},
                  {"Asr Vidur", 'A'},
                  {"Maghrib Vidur", 'S'},
                  {"Isha Vidur", 'I'}};
    std::vector<AnsiString> lines;
    int key = 0;
    for (const auto& [name, code] : events)
        lines.push_back(Format("\"%s\",%c,0,azan1.wav,1,354,1,%d", name, code, ++key));
    if (withNaat)
        lines.push_back(Format("\"Naa't\",S,30,SalaamAa.rm,1,354,1,%d", ++key));
    SaveLinesToFile(ScheduleFileName, lines);
}

TMisri PeriodDay(int32_t dayOfYear) {
    // Counted in 64 bits: a hand-written number may be the smallest integer.
    const long long offset = std::max<long long>(dayOfYear - 1LL, INT32_MIN);
    return TMisri(1, 1, PeriodYear).AddDays(static_cast<int>(offset));
}

int32_t FindScheduleIndex(int32_t key) {
    if (schedList) {
        for (std::size_t i = 0; i < schedList->size(); ++i)
            if ((*schedList)[i]->key == key)
                return static_cast<int32_t>(i);
    }
    ShowErrorBox("Invalid key found in schedList.");
    return -1;
}

int32_t NextScheduleKey() {
    if (!schedList)
        return -1;
    int32_t running = 1;
    for (const auto& entry : *schedList)
        if (entry->key >= running)
            running = entry->key;
    if (running < std::numeric_limits<int32_t>::max())
        return running + 1;
    // The largest key cannot grow (a hand-edited file): take the smallest
    // free key from 2 up, so that keys stay unique.
    std::set<int32_t> used;
    for (const auto& entry : *schedList)
        used.insert(entry->key);
    int32_t key = 2;
    while (used.count(key))
        ++key;
    return key;
}

AnsiString TimeCodeName(char code) {
    switch (code) {
    case 'M':
        return "Midnight";
    case 'H':
        return "Sehri";
    case 'F':
        return "Fajr";
    case 'R':
        return "Sunrise";
    case 'Z':
        return "Zoher";
    case 'A':
        return "Asr";
    case 'S':
        return "Maghrib";
    case 'I':
        return "Isha";
    default:
        return "Error";
    }
}
