// Settings keys as the programs name them ("SOFTWARE\Kestrun\Current_location"
// under the current user), kept where QSettings keeps its native store:
// ~/.config/Kestrun/Current_location.conf. Both programs share the key, so
// nothing of it is cached: every read looks at the store as it is then, and
// every write changes only its own value. All values are strings; value
// names are kept exactly as given.
#pragma once

#include "platform/core/AnsiString.h"

#include <QString>

class TRegistry {
public:
    TRegistry();
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // "SOFTWARE\Organisation\Application[\Group...]". With canCreate false a
    // key whose store does not exist yet is not opened. Returns whether it is open.
    bool OpenKey(const AnsiString& key, bool canCreate);
    void CloseKey();
    bool IsOpen() const { return !file_.isEmpty(); }
    // The file that holds the open key's values; empty while no key is open.
    QString FileName() const { return file_; }

    // The value's text; the empty text when there is no such value. Throws
    // ERegistryException when no key is open or the store cannot be read.
    AnsiString ReadString(const AnsiString& name);
    // Throws ERegistryException when no key is open or the store cannot be written.
    void WriteString(const AnsiString& name, const AnsiString& value);
    bool ValueExists(const AnsiString& name);

private:
    QString file_;     // the store; empty while no key is open
    QString section_;  // the group of the store that holds the key's values
    QString prefix_;   // the rest of the key's path, put before each name ("a\b\name")
};
