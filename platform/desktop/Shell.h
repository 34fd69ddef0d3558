// Starting other programs: a program by name without waiting for it (the
// wallpaper program), and a file in the program the desktop associates with
// it (the exported text table, a sound file), started through the desktop's
// own launcher with the program that the association lookup names. Nothing is
// reported here; a caller learns whether a file could be opened. Tests
// install a recorder in place of the real shell.
#pragma once

#include "platform/core/AnsiString.h"

#include <vector>

class ShellHandler {
public:
    virtual ~ShellHandler() = default;
    // Starts `program` (found on the search path) with its arguments; no wait.
    virtual void StartDetached(const AnsiString& program, const std::vector<AnsiString>& args) = 0;
    // Opens the file in the desktop's associated program; no wait. False
    // when the desktop has no program for it.
    virtual bool OpenDocument(const AnsiString& path) = 0;
};

class Shell {
public:
    // A command line "program arg arg", split at blanks, started detached.
    static void WinExec(const AnsiString& commandLine);
    static bool OpenDocument(const AnsiString& path);

    static void SetHandler(ShellHandler* handler);  // nullptr: the real shell
};
