// The members of the main window that fill its panes.
#include "MainForm.h"

void TfrmMain::LoadContacts(bool, int) {}

void TfrmMain::SelectFirstContact() {}
