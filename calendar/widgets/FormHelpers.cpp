#include "calendar/widgets/FormHelpers.h"

#include "platform/core/Dialogs.h"
#include "platform/widgets/Forms.h"

int AskYesNo(const AnsiString& text) {
    return MessageDlg(text, BoxIcon::Question, BoxButtons::YesNo) == mrYes ? 1 : 0;
}

void SetBusyCursor(short on) {
    Screen::SetCursor(on ? crHourGlass : crDefault);
}
