#include "locations/records/LocationFile.h"

#include "calendar/Projglob.h"
#include "platform/core/RecordFile.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kLongitudeOffset = 48;
constexpr int kLatitudeOffset = 52;
constexpr int kTimeZoneOffset = 56;

constexpr const char* kCannotOpen = "Cannot open kestrun32.dat";
constexpr const char* kCannotCreate = "Cannot create kestrun32.dat";

long long RecordOffset(long long n) {
    return n * LocationRecordSize;
}

// The whole records of an open file; -1 when its size cannot be told.
long long WholeRecords(RecordFile& file) {
    const long long size = file.Size();
    return size < 0 ? -1 : size / LocationRecordSize;
}

bool WriteRecordAt(RecordFile& file, long long n, const TLocationRecord& rec) {
    const LocationRecordBytes bytes = PackLocationRecord(rec);
    return file.WriteAt(RecordOffset(n), bytes.data(), bytes.size());
}

}  // namespace

void SetLocationName(TLocationRecord& rec, const AnsiString& text) {
    // At most 47 characters, a NUL inside the field and zeros after it.
    RecordBytes::PutText(reinterpret_cast<unsigned char*>(rec.name), 0, LocationNameSize, text);
}

AnsiString LocationName(const TLocationRecord& rec) {
    return RecordBytes::FieldText(rec.name);
}

void PackLocationRecord(const TLocationRecord& rec, unsigned char* out) {
    RecordBytes::PutText(out, 0, LocationNameSize, LocationName(rec));
    RecordBytes::PutFloat32(out, kLongitudeOffset, rec.longitude);
    RecordBytes::PutFloat32(out, kLatitudeOffset, rec.latitude);
    RecordBytes::PutFloat32(out, kTimeZoneOffset, rec.timeZone);
}

LocationRecordBytes PackLocationRecord(const TLocationRecord& rec) {
    LocationRecordBytes bytes{};
    PackLocationRecord(rec, bytes.data());
    return bytes;
}

TLocationRecord UnpackLocationRecord(const unsigned char* in) {
    TLocationRecord rec;
    SetLocationName(rec, RecordBytes::GetText(in, 0, LocationNameSize));
    rec.longitude = RecordBytes::GetFloat32(in, kLongitudeOffset);
    rec.latitude = RecordBytes::GetFloat32(in, kLatitudeOffset);
    rec.timeZone = RecordBytes::GetFloat32(in, kTimeZoneOffset);
    return rec;
}

bool LocationFileExists() {
    return FileExists(LocationFileName);
}

int LocationRecordCount() {
    RecordFile file(LocationFileName, RecordFile::Mode::Read);
    const long long count = file.IsOpen() ? WholeRecords(file) : 0;
    return static_cast<int>(std::clamp<long long>(count, 0, INT32_MAX));
}

std::optional<std::vector<TLocationRecord>> ReadLocationRecords() {
    if (!LocationFileExists())
        return std::nullopt;
    RecordFile file(LocationFileName, RecordFile::Mode::Read);
    if (!file.IsOpen()) {
        ShowErrorBox(kCannotOpen);
        return std::nullopt;
    }
    std::vector<TLocationRecord> records;
    // A read that fails part way ends the list there, as the end would.
    file.ReadRecords(LocationRecordSize, [&](const unsigned char* record, long long) {
        records.push_back(UnpackLocationRecord(record));
    });
    return records;
}

bool ReadLocationRecord(int n, TLocationRecord& rec) {
    RecordFile file(LocationFileName, RecordFile::Mode::Read);
    LocationRecordBytes bytes{};
    // Times are never computed from part of a record: a record the file does
    // not hold whole counts as unreadable.
    if (!file.IsOpen() || !file.ReadAt(RecordOffset(n), bytes.data(), bytes.size())) {
        ShowErrorBox(kCannotOpen);
        return false;
    }
    rec = UnpackLocationRecord(bytes.data());
    return true;
}

bool RewriteLocationRecord(int n, const TLocationRecord& rec) {
    if (!LocationFileExists())
        return false;
    RecordFile file(LocationFileName, RecordFile::Mode::ReadWrite);
    // Only a record the file holds is replaced, so an edit of a list gone
    // stale can neither lengthen the file nor leave a gap in it.
    if (!file.IsOpen() || n < 0 || n >= WholeRecords(file) || !WriteRecordAt(file, n, rec)) {
        ShowErrorBox(kCannotOpen);
        return false;
    }
    return true;
}

int AppendLocationRecord(const TLocationRecord& rec) {
    const bool existed = LocationFileExists();
    RecordFile file(LocationFileName,
                    existed ? RecordFile::Mode::ReadWrite : RecordFile::Mode::ReadWriteCreate);
    if (!file.IsOpen()) {
        ShowErrorBox(existed ? kCannotOpen : kCannotCreate);
        return -1;
    }
    // The new record goes right after the last whole record, where it really
    // lands while the other program may be adding places too: a shorter tail
    // at the end (which every reader ignores) is overwritten, so the file is
    // again a whole number of records and the new number is the old count.
    const long long n = file.AppendRecord(
        LocationRecordSize, [&](long long, unsigned char* out) { PackLocationRecord(rec, out); });
    if (n < 0) {
        ShowErrorBox(kCannotCreate);  // the record could not be made
        return -1;
    }
    return static_cast<int>(n);
}
