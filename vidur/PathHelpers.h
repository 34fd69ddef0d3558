// Small text helpers of the alarm for file paths, the yes-or-no test
// whether the desktop has a program for a file extension, and the program's
// folder. Both '\' and '/' separate folders, so paths written on either
// system split alike.
#pragma once

#include "platform/core/AnsiString.h"

#include <QString>

// The part after the last separator; the whole text when there is none.
AnsiString FileNameOf(const AnsiString& path);
// The part up to and including the last separator; "" when there is none.
AnsiString DirectoryOf(const AnsiString& path);
// The part after the last dot of the whole text (the search does not stop at
// a separator), case kept; the whole text when there is no dot.
AnsiString ExtensionOf(const AnsiString& path);
// Whether a file of that name exists: a folder of the name is no file.
bool IsFile(const AnsiString& path);
// The command of the program associated with the extension (given without
// its dot, e.g. "rm"), cleaned of its arguments and quotes; "" when none.
AnsiString AssociatedProgram(const AnsiString& ext);

// The program's folder: where sched.dat and the sounds live. A file-system
// path, kept in full Unicode. Tests set a folder of their own (empty = the
// program file's).
QString ProgramFolder();
void SetProgramFolder(const QString& folder);
// Makes the program's folder the current directory, so that sched.dat and
// relative sound paths are found there.
void MakeProgramFolderCurrent();
