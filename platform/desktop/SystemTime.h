// Two facts of the system that the alarm asks for: whether daylight-saving
// time is in effect now in the local time zone (the C library's flag, for the
// process clock's present moment), and the program's debug output.
#pragma once

#include "platform/core/AnsiString.h"

bool DaylightSavingInEffect();
// One line of debug output on standard error, under the program's log
// category "vidur.debug", which is off unless the logging rules switch it on.
void OutputDebugString(const AnsiString& text);
