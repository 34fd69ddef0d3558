// The settings store's file: INI text as QSettings writes it and as people
// edit it by hand ("[General]", then one "name=value" a line). Every read
// looks at the file as it is at that moment, so a value that another program
// (or a text editor) wrote is seen at once; every write replaces the one line
// of its value and keeps the rest of the file as it stands.
#pragma once

#include <QString>

namespace SettingsFile {

// Values of the key itself live in this section. Section and value names are
// plain words, written and compared as they stand.
inline constexpr const char* TopSection = "General";

enum class Status { Found, Missing, Unreadable };

struct Value {
    Status status = Status::Missing;
    QString text;
};

// The value of `name` in `section`. A missing file, section or value is
// Missing; a file that exists but cannot be read is Unreadable. A value reads
// as the text it holds: quotes and escapes as QSettings writes them are
// undone, and a comma outside quotes is part of the text.
Value Read(const QString& path, const QString& section, const QString& name);

// Sets the value, creating the file and its folder when needed, under the
// same lock file as QSettings so that two writers never interleave; a lock
// file left by a writer that is gone is taken over at once. The file is
// replaced whole through a temporary file. False when it cannot be written:
// a file that cannot be read or is no regular file, a full disk, a lock that
// another writer held for the whole wait.
bool Write(const QString& path, const QString& section, const QString& name, const QString& value);

}  // namespace SettingsFile
