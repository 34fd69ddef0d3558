// The programs' record files: flat arrays of fixed-size little-endian records
// in the working directory, opened for one operation and closed again. Every
// access is binary, byte for byte, with no line-end or end-of-file
// translation. Records are packed field by field into byte buffers, never by
// copying a structure.
#pragma once

#include "platform/core/AnsiString.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace RecordBytes {

// Writes the text into the field with its NUL inside: a longer text is cut to
// size - 1 characters, and the bytes after the NUL are zeros.
void PutText(unsigned char* record, std::size_t offset, std::size_t size, const AnsiString& text);
// The field's text up to its first NUL, or the whole field when it holds none.
AnsiString GetText(const unsigned char* record, std::size_t offset, std::size_t size);
// The same for a text field of `size` characters held in memory, a full
// field without a NUL staying inside it.
AnsiString FieldText(const char* field, std::size_t size);
template <std::size_t N> AnsiString FieldText(const char (&field)[N]) {
    return FieldText(field, N);
}

void PutInt16(unsigned char* record, std::size_t offset, std::int16_t value);
std::int16_t GetInt16(const unsigned char* record, std::size_t offset);
void PutInt32(unsigned char* record, std::size_t offset, std::int32_t value);
std::int32_t GetInt32(const unsigned char* record, std::size_t offset);
// IEEE 754 single precision, little-endian.
void PutFloat32(unsigned char* record, std::size_t offset, float value);
float GetFloat32(const unsigned char* record, std::size_t offset);

}  // namespace RecordBytes

// One open record file; closed when the object goes.
class RecordFile {
public:
    enum class Mode {
        Read,            // an existing file, read only
        ReadWrite,       // an existing file, never created
        ReadWriteCreate  // an existing file, or a new empty one
    };

    RecordFile() = default;
    RecordFile(const char* name, Mode mode) { Open(name, mode); }
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Only a regular file opens, a link counting as its target: a folder, a
    // FIFO or a device of that name is no record file and does not open (and
    // is not waited for).
    bool Open(const char* name, Mode mode);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }

    // The file's length in bytes, -1 when it cannot be told.
    long long Size();
    // Reads exactly `size` bytes at `offset`; false when the file holds fewer
    // there (the buffer's content is then unspecified).
    bool ReadAt(long long offset, unsigned char* buffer, std::size_t size);
    // Writes at `offset`; a write beyond the end lengthens the file, the gap
    // reading as zeros. A write that fails (a full disk) leaves the file no
    // longer than it was.
    bool WriteAt(long long offset, const unsigned char* buffer, std::size_t size);

    // Adds one record of `recordSize` bytes after the file's last whole record
    // (a shorter piece at the end is written over). The file is locked for the
    // while, so that another program appending to it at the same time never
    // writes on the same place: `fill` is handed the slot where the record
    // really lands and puts its bytes (it may read the file). Returns the
    // slot, or -1 when the record could not be written whole; the file is then
    // cut back to its whole records, so no part of a record stays behind.
    long long AppendRecord(std::size_t recordSize,
                           const std::function<void(long long slot, unsigned char* record)>& fill);

    // Hands every whole record of `recordSize` bytes to `each` with its slot,
    // front to back, reading the file in large blocks; a trailing piece
    // shorter than a record is left out. False when a read fails before the
    // end (the records handed on until then stand).
    bool ReadRecords(std::size_t recordSize,
                     const std::function<void(const unsigned char* record, long long slot)>& each);

private:
    int fd_ = -1;
};

// Whether a file or folder of that name exists, a link counting as its target.
bool FileExists(const std::string& name);

// The whole file's bytes; none when it cannot be opened or read to its end,
// and when it is no regular file (a folder, a FIFO, a device).
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the whole file: the bytes go to a temporary file of a fresh name
// made next to it for this write alone, which is then renamed over it, so the
// file is either the old or the new one, never a part, and two writers of one
// file never share a temporary file. A symbolic link is followed and its
// target replaced, keeping its mode. Where no temporary file can be made
// beside an existing file, or put in its place (a folder the user may not
// write), the file is rewritten in place, its old bytes put back when that
// fails. Returns false, the old file untouched and no temporary file left, on
// failure (a full disk), for a file that the user may not write, and for a
// target that is no regular file (a device, a FIFO), which is never replaced.
bool WriteWholeFile(const std::string& path, const std::string& bytes);
