// The address book "contact.dat" of the working directory: a flat array of
// 428-byte contact records with no header. Record n (1-based, its `number`)
// lies at (n - 1) * 428; records are appended and rewritten in place, never
// moved or removed.
#pragma once

#include "calendar/Misri.h"
#include "platform/core/AnsiString.h"
#include "platform/core/RecordFile.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

inline constexpr const char* ContactFileName = "contact.dat";
inline constexpr int ContactRecordSize = 428;

// The "no date" value of a birth or anniversary: 1 Moharram 4000.
TMisri NoContactDate();

// One contact. Dates keep day and month; a set date carries the
// placeholder year 1418.
struct TContactRecord {
    AnsiString title;          // 15 bytes at 0
    AnsiString firstName;      // 25 at 15
    AnsiString lastName;       // 25 at 40
    AnsiString address1;       // 25 at 65
    AnsiString address2;       // 25 at 90
    AnsiString city;           // 20 at 115
    AnsiString state;          // 15 at 135
    AnsiString zip;            // 10 at 150
    AnsiString country;        // 15 at 160
    AnsiString homePhone;      // 20 at 175
    AnsiString workPhone;      // 20 at 195
    AnsiString fax;            // 20 at 215
    AnsiString beeper;         // 20 at 235
    AnsiString email;          // 70 at 255
    AnsiString web;            // 75 at 325
    TMisri birth;              // month, year, day int32 at 400
    TMisri anniversary;        // month, year, day int32 at 412
    std::int16_t number = 0;   // at 424
    std::int16_t deleted = 0;  // at 426
};

using ContactRecordBytes = std::array<unsigned char, ContactRecordSize>;

// Each text NUL-terminated inside its field, cut to the field's size less
// one, zeros after the NUL; little-endian numbers.
ContactRecordBytes PackContactRecord(const TContactRecord& record);
// Texts stop at their first NUL or the field's end; dates as stored.
TContactRecord UnpackContactRecord(const ContactRecordBytes& bytes);

// Writes the record after the last whole record of "contact.dat" (creating
// the file when there is none), with `number` one more than that record's
// (1 when there is none) and `deleted` 0; both are set in `record` too. A
// trailing piece shorter than a record is written over. The file is locked
// meanwhile, so that two diaries adding contacts at once never write on the
// same record. Shows "Cannot create contact.dat" and leaves the file as it
// was when the file cannot be opened or created or the record cannot be
// written whole; returns whether the record was written.
bool AppendContact(TContactRecord& record);

// Record n, or none when the file cannot be opened or holds no whole record
// n. No message is shown.
std::optional<TContactRecord> ReadContact(int number);

// Hands every whole record to `each` with its number, its 1-based place in
// the file (never its stored `number`), front to back; a trailing partial
// record is left out. False when the file cannot be opened (a missing file
// or a folder included) or a read fails; no message is shown.
bool ForEachContact(const std::function<void(const TContactRecord& record, int number)>& each);

// Every whole record from the start, as ForEachContact hands them. None when
// ForEachContact fails.
std::optional<std::vector<TContactRecord>> ReadAllContacts();

// "contact.dat" held open for reading and writing while one contact is
// edited, closed when the object goes.
class ContactFileEdit {
public:
    // Shows "Unable to open file 'contact.dat'" when the file cannot be opened
    // for reading and writing (it is never created here).
    bool Open();
    bool IsOpen() const { return file_.IsOpen(); }
    // Record n, or none when the file holds no whole record n.
    std::optional<TContactRecord> Read(int number);
    // Writes the record over record n; false when that fails.
    bool Write(int number, const TContactRecord& record);

private:
    RecordFile file_;
};
