#include "LocationFile.h"

#include "Projglob.h"
#include "RecordFile.h"

#include <QFile>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr int kLongitudeOffset = 48;
constexpr int kLatitudeOffset = 52;
constexpr int kTimeZoneOffset = 56;

constexpr const char* kCannotOpen = "Cannot open kestrun32.dat";
constexpr const char* kCannotCreate = "Cannot create kestrun32.dat";

QString FileName() {
    return QString::fromLatin1(LocationFileName);
}

qint64 RecordOffset(int n) {
    return static_cast<qint64>(n) * LocationRecordSize;
}

bool WriteRecordAt(QFile& file, int n, const TLocationRecord& rec) {
    const LocationRecordBytes bytes = PackLocationRecord(rec);
    return file.seek(RecordOffset(n)) &&
           file.write(reinterpret_cast<const char*>(bytes.data()), LocationRecordSize) ==
               LocationRecordSize &&
           file.flush();
}

}  // namespace

void SetLocationName(TLocationRecord& rec, const AnsiString& text) {
    // At most 47 characters, a NUL inside the field and zeros after it.
    RecordBytes::PutText(reinterpret_cast<unsigned char*>(rec.name), 0, LocationNameSize, text);
}

AnsiString LocationName(const TLocationRecord& rec) {
    return AnsiString(rec.name, std::find(rec.name, rec.name + LocationNameSize, '\0'));
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
    return QFile::exists(FileName());
}

int LocationRecordCount() {
    QFile file(FileName());
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const qint64 count = file.size() / LocationRecordSize;
    return static_cast<int>(std::min<qint64>(count, INT32_MAX));
}

bool ReadLocationRecord(int n, TLocationRecord& rec) {
    QFile file(FileName());
    if (!file.open(QIODevice::ReadOnly)) {
        ShowErrorBox(kCannotOpen);
        return false;
    }
    LocationRecordBytes bytes{};
    // Times are never computed from part of a record: a record the file does
    // not hold whole counts as unreadable.
    if (n < 0 || !file.seek(RecordOffset(n)) ||
        file.read(reinterpret_cast<char*>(bytes.data()), LocationRecordSize) !=
            LocationRecordSize) {
        ShowErrorBox(kCannotOpen);
        return false;
    }
    rec = UnpackLocationRecord(bytes.data());
    return true;
}

bool RewriteLocationRecord(int n, const TLocationRecord& rec) {
    if (!LocationFileExists())
        return false;
    // ReadWrite keeps the file's other records; a write-only QFile would
    // truncate it.
    QFile file(FileName());
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        ShowErrorBox(kCannotOpen);
        return false;
    }
    // Only a record the file holds is replaced, so an edit of a list gone
    // stale can neither lengthen the file nor leave a gap in it.
    if (n < 0 || n >= file.size() / LocationRecordSize || !WriteRecordAt(file, n, rec)) {
        ShowErrorBox(kCannotOpen);
        return false;
    }
    return true;
}

int AppendLocationRecord(const TLocationRecord& rec) {
    const bool existed = LocationFileExists();
    QFile file(FileName());
    const QIODevice::OpenMode mode =
        QIODevice::ReadWrite | (existed ? QIODevice::ExistingOnly : QIODevice::NewOnly);
    const char* failure = existed ? kCannotOpen : kCannotCreate;
    if (!file.open(mode)) {
        ShowErrorBox(failure);
        return -1;
    }
    // The new record goes right after the last whole record: a shorter tail
    // at the end (which every reader ignores) is overwritten, so the file is
    // again a whole number of records and the new number is the old count.
    const qint64 count = file.size() / LocationRecordSize;
    if (count >= INT32_MAX || !WriteRecordAt(file, static_cast<int>(count), rec)) {
        ShowErrorBox(failure);
        return -1;
    }
    return static_cast<int>(count);
}
