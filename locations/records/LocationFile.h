// The place records of "kestrun32.dat" and the file steps on them. The file
// is a flat array of 60-byte records without header; a record's number is its
// position, counted from 0, and stays valid because records are never removed
// or reordered. Every step opens the file in the current directory, acts and
// closes it again.
#pragma once

#include "platform/core/AnsiString.h"

#include <array>
#include <optional>
#include <vector>

inline constexpr const char* LocationFileName = "kestrun32.dat";
inline constexpr int LocationRecordSize = 60;
inline constexpr int LocationNameSize = 48;  // a name holds at most 47 characters

// One place. On disk: name at 0 (NUL-terminated inside its 48 bytes), then
// longitude (decimal degrees, positive East), latitude (decimal degrees,
// positive North) and time zone (hours) as little-endian float32 at 48, 52, 56.
// A default-built record is an empty name at 0, 0, 0.
struct TLocationRecord {
    char name[LocationNameSize] = {};
    float longitude = 0;
    float latitude = 0;
    float timeZone = 0;
};

using LocationRecordBytes = std::array<unsigned char, LocationRecordSize>;

// Puts the text into the name field, cut to 47 characters; every byte after
// the terminator becomes zero.
void SetLocationName(TLocationRecord& rec, const AnsiString& text);
// The name up to its terminator, never past the field.
AnsiString LocationName(const TLocationRecord& rec);

// The record's 60 bytes at `out`. The name is written up to its terminator
// and zeros after it; the field's last byte is always a NUL.
void PackLocationRecord(const TLocationRecord& rec, unsigned char* out);
LocationRecordBytes PackLocationRecord(const TLocationRecord& rec);
// The record held in the 60 bytes at `in`. The name always ends inside its
// field: a name without a terminator is cut to 47 characters.
TLocationRecord UnpackLocationRecord(const unsigned char* in);

bool LocationFileExists();
// Whole records in the file (a shorter tail is no record); 0 when
// the file is missing or cannot be opened.
int LocationRecordCount();

// Every whole record of the file, front to back. None when the file is
// missing (silently) or cannot be opened ("Cannot open kestrun32.dat").
std::optional<std::vector<TLocationRecord>> ReadLocationRecords();
// Reads record n. "Cannot open kestrun32.dat" is reported, and false returned
// with `rec` untouched, when the file cannot be opened or holds no whole
// record n.
bool ReadLocationRecord(int n, TLocationRecord& rec);
// Writes record n over the one in the file. When the file does not exist
// nothing happens and nothing is reported. "Cannot open kestrun32.dat" when it
// cannot be opened or holds no record n (the file is never lengthened here).
// Returns whether the record was written.
bool RewriteLocationRecord(int n, const TLocationRecord& rec);
// Adds the record after the file's last whole record, creating the file when
// it is missing, under the file's lock (the other program may add places at
// the same time). "Cannot open kestrun32.dat" when an existing file cannot be
// opened, "Cannot create kestrun32.dat" when the file or the record cannot be
// made (the file then holds no part of it). Returns the new record's number,
// where it really landed, or -1 when nothing was written.
int AppendLocationRecord(const TLocationRecord& rec);
