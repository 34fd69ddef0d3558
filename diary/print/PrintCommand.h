// The main window's print command: it gathers the print options, lets the
// user review them in the print wizard, prints the page and stores the
// options back.
#pragma once

#include "calendar/Misri.h"

struct PrintSource;

// Only the calendar pane prints; the options are read, reviewed in the
// wizard (frmPrint) and, once the page is printed, stored back. Without a
// printer the page is saved as a PDF file, whose name the user chooses; a
// page saved to a file is followed by a box saying where. The busy cursor is
// on until the command ends, however it ends; an exception (a printer that
// cannot print) ends the command in the application's exception box and
// stores nothing.
void RunPrintCommand(bool calendarPaneVisible, TMisri shownMonth, const PrintSource& source);
