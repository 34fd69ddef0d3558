// Settings keys as the programs name them ("SOFTWARE\Kestrun\Current_location"
// under the current user), kept in QSettings' native store: on Linux
// ~/.config/Kestrun/Current_location.conf, on Windows that very registry key.
// All values are strings; value names are kept exactly as given.
#pragma once

#include "AnsiString.h"

#include <memory>

class QSettings;

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
    bool IsOpen() const { return settings_ != nullptr; }

    // The value's text; the empty text when there is no such value. Throws
    // ERegistryException when no key is open or the store cannot be read.
    AnsiString ReadString(const AnsiString& name);
    // Throws ERegistryException when no key is open or the store cannot be written.
    void WriteString(const AnsiString& name, const AnsiString& value);
    bool ValueExists(const AnsiString& name);

private:
    std::unique_ptr<QSettings> settings_;
};
