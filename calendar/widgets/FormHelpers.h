// The two helpers of the program-wide set that need the widget layer: the
// Yes/No question, a form of its own whose closing hands the activation back
// to the form below, and the busy cursor of the whole screen.
#pragma once

#include "platform/core/AnsiString.h"

int AskYesNo(const AnsiString& text);  // 1 for Yes, else 0
void SetBusyCursor(short on);
