// The other program of the system, for tests of what the two share: runs a
// separate process that writes one value of the settings key
// "SOFTWARE\Kestrun\Current_location" in the store under `settingsFolder`.
#pragma once

#include "platform/core/AnsiString.h"

#include <QString>

// Returns whether the other process wrote the value.
bool WriteSettingInOtherProgram(const QString& settingsFolder, const AnsiString& name,
                                const AnsiString& value);
