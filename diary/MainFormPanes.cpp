// The members of the main window that fill its panes.
#include "MainForm.h"

void TfrmMain::SetupToDoGrid() {}

void TfrmMain::ShowToDoToday() {}

void TfrmMain::LoadContacts(bool, int) {}

void TfrmMain::SelectFirstContact() {}
