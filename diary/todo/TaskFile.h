// The to-do list "todotask.dat" of the working directory: a flat array of
// 84-byte task records with no header. Record i carries index i and lies at
// i * 84; records are appended and rewritten in place, never removed (a
// deleted task keeps its slot with its deleted flag set). A task's note is
// the text file "<index>.msg" beside it.
#pragma once

#include "calendar/Misri.h"
#include "platform/core/AnsiString.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

inline constexpr const char* TaskFileName = "todotask.dat";
inline constexpr int TaskRecordSize = 84;
inline constexpr int TaskTextSize = 50;
// The index that asks WriteTaskRecord to append.
inline constexpr std::int32_t AppendTaskIndex = 1000000;

struct TTaskRecord {
    std::int32_t index = 0;      // at 0: the record's own slot
    std::int16_t priority = 2;   // at 4: 1 Low, 2 Normal, 3 High
    std::int16_t completed = 0;  // at 6
    std::int16_t deleted = 0;    // at 8
    AnsiString text;             // 50 bytes at 10, NUL-terminated
    TMisri dueDate;              // month, year, day int32 at 60
    TMisri taskDate;             // month, year, day int32 at 72: the day it is listed on
};

using TaskRecordBytes = std::array<unsigned char, TaskRecordSize>;

// The text cut to 49 characters with its NUL inside the field, zeros after
// it; little-endian numbers.
TaskRecordBytes PackTaskRecord(const TTaskRecord& record);
// The text stops at its first NUL or the field's end; dates as stored.
TTaskRecord UnpackTaskRecord(const TaskRecordBytes& bytes);

// Writes the record at slot `index`, or after the last whole record when
// `index` is AppendTaskIndex (a trailing part shorter than a record is
// written over), creating the file when there is none. An append holds the
// file's lock, so that two diaries adding tasks at once never write on the
// same slot. `record.index` gets the slot. An explicit slot beyond the file's
// records is refused, so the file never gets a gap of empty records. Failures
// are shown in "Error" boxes, and a failed write leaves no part of a record
// behind; returns whether the record was written.
bool WriteTaskRecord(TTaskRecord& record, std::int32_t index);

// Rewrites each record at its own slot (`record.index`) within the file's
// records, the file opened once; the file never grows. A record that cannot
// be written is reported and the others are still written.
void RewriteTaskRecords(const std::vector<TTaskRecord>& records);

// Every whole record, front to back; a trailing part shorter than a record
// is left out. None when the file is missing (not reported) or cannot be
// opened ("Error opening file 'todotask.dat'." is shown).
std::optional<std::vector<TTaskRecord>> ReadTaskRecords();

// The note file of a task: "17.msg" for index 17.
AnsiString TaskNoteFileName(std::int32_t index);
// The note's lines, split at CR LF, LF or CR; a last line break adds no
// empty line. Throws Exception "Cannot open file ..." when the file cannot be read.
std::vector<AnsiString> LoadTaskNote(const AnsiString& fileName);
// Each line followed by CR LF, written to a temporary file that then
// replaces the note. Throws Exception "Cannot create file ..." on failure.
void SaveTaskNote(const AnsiString& fileName, const std::vector<AnsiString>& lines);
