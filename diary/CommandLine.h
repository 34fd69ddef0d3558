// The diary's one command-line switch.
#pragma once

#include "platform/core/AnsiString.h"

// True when the argument text (without the program name) is exactly "1",
// which selects the general display.
bool IsGeneralModeSwitch(const AnsiString& commandLine);
