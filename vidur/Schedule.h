// The alarm's schedule: one ScheduleEntry per scheduled sound, all of them in
// the global list schedList for the whole run, stored between runs in the
// text file "sched.dat" of the current directory.
#pragma once

#include "calendar/Misri.h"
#include "platform/core/AnsiString.h"

#include <cstdint>
#include <memory>
#include <vector>

// One scheduled sound. A plain record; the texts keep their NUL inside the
// field (at most 49 and 255 characters).
struct ScheduleEntry {
    char name[50];
    char timeCode;         // the base time: M H F R Z A S I
    int32_t deltaMinutes;  // minutes from the base time, negative = before
    char filePath[256];    // the sound file; relative to the program's folder
    int32_t periodStart;   // first Hijri day of the year (1 = 1 Moharram)
    int32_t periodEnd;     // last Hijri day of the year, inclusive
    int32_t enabled;       // 1 sounds, 0 stays silent
    int32_t key;           // identity within schedList, 1 or more

    // Stores the text cut to the field (49 and 255 characters).
    void SetName(const AnsiString& text);
    void SetFilePath(const AnsiString& text);
};

inline constexpr int ScheduleNameSize = 50;
inline constexpr int SchedulePathSize = 256;

// The fixed periods as Hijri day-of-year pairs.
inline constexpr int32_t PeriodEveryDayStart = 1, PeriodEveryDayEnd = 354;
inline constexpr int32_t PeriodRamadanStart = 237, PeriodRamadanEnd = 266;
inline constexpr int32_t PeriodRajabStart = 178, PeriodRajabEnd = 207;
inline constexpr int32_t PeriodAsharaStart = 1, PeriodAsharaEnd = 10;

// Custom periods are typed as a day and a month, taken in this placeholder
// year. It is a leap year, so day 355 (30 Zil-Haj) has a date as well.
inline constexpr int PeriodYear = 1418;
// The date of a period's day of the year, in the placeholder year.
TMisri PeriodDay(int32_t dayOfYear);

inline constexpr const char* ScheduleFileName = "sched.dat";

using ScheduleList = std::vector<std::unique_ptr<ScheduleEntry>>;

// The one schedule list, in the order of the file's lines, new entries at
// the end. Null until LoadSchedule creates it; then it lives (and owns its
// entries) for the whole run.
extern std::unique_ptr<ScheduleList> schedList;

// Creates schedList when missing and appends the entries of "sched.dat";
// writes the default file first when it is missing (with a message). A
// UTF-8 byte-order mark at the start is skipped. Lines that cannot become
// entries are passed over and named together in one "Message" box; a file
// that cannot be read ends the loading with its error there, and the entries
// read so far stay. An entry whose key an earlier one has already gets a
// fresh key (NextScheduleKey), written back at the next save.
void LoadSchedule();
// Rewrites "sched.dat" from schedList (nothing when the list does not
// exist). A failure to write throws Exception "Cannot create file
// \"sched.dat\"".
void SaveSchedule();
// Writes the default schedule for generalMode to "sched.dat"; the Naa't line
// only when a program is associated with ".rm". Throws as SaveSchedule.
void CreateDefaultSchedule();
// The index of the first entry with the key; -1 (after the error box
// "Invalid key found in schedList.") when none has it.
int32_t FindScheduleIndex(int32_t key);
// The largest key of schedList plus 1, never less than 2; -1 when the list
// does not exist.
int32_t NextScheduleKey();

// The base time's name: "Midnight", "Sehri", "Fajr", "Sunrise", "Zoher",
// "Asr", "Maghrib", "Isha"; "Error" for any other letter.
AnsiString TimeCodeName(char code);

// One line of "sched.dat" split into its fields by the comma-text rules
// (delimiter ",", quote character '"').
std::vector<AnsiString> SplitScheduleLine(const AnsiString& line);
// The entry's line as SaveSchedule writes it, without the line end.
AnsiString ScheduleLine(const ScheduleEntry& entry);
