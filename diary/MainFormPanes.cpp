// The members of the main window that fill its panes.
#include "MainForm.h"

void TfrmMain::SetupCalendarGrids() {}

void TfrmMain::SetupToDoGrid() {}

void TfrmMain::ShowCurrentHijriMonth() {}

void TfrmMain::ShowCurrentGregorianMonth() {}

void TfrmMain::ShowToDoToday() {}

void TfrmMain::LoadContacts(bool, int) {}

void TfrmMain::SelectFirstContact() {}
