// The desktop's file associations, read only, shaped like the classes-root
// keys of the registry that the alarm reads: ".ext\shell\open\command",
// ".ext" (whose default value names a file class) and
// "class\shell\open\command". On Linux GIO answers, the desktop's own
// lookup: the extension's content type is the class, and the command is the
// command line of the program the desktop opens such files with (its default
// application for the type, else any installed one that handles it). Tests
// install a fake view.
#pragma once

#include "platform/core/AnsiString.h"

// Only declared here: the implementation includes GLib before any Qt header.
class QString;

class AssociationView {
public:
    virtual ~AssociationView() = default;
    // Whether the key exists; its default (unnamed) value, "" when absent.
    virtual bool KeyExists(const AnsiString& key) = 0;
    virtual AnsiString DefaultValue(const AnsiString& key) = 0;
};

class Associations {
public:
    static AssociationView& View();
    static void SetView(AssociationView* view);  // nullptr: the desktop's
    // Starts the desktop's program for the file's extension, the very one
    // whose command the desktop's view gives, with the file; no wait. False
    // when there is none or it could not be started.
    static bool LaunchDesktopProgram(const QString& path);
};
