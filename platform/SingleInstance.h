// One running copy per user and desktop: a lock file named after the
// program's mutex name in the user's runtime folder. The lock of a copy that
// ended without releasing it (a crash) is taken over.
#pragma once

#include "AnsiString.h"

#include <memory>

class QLockFile;

class SingleInstance {
public:
    explicit SingleInstance(const AnsiString& name);  // e.g. "VidurMutex"
    ~SingleInstance();
    // True when this process now holds the lock; false when another running
    // copy holds it. The lock is held until the object goes.
    bool Acquire();
    // The folder of the lock files (tests point it at a temporary folder).
    static void SetFolderForTests(const AnsiString& folder);

private:
    std::unique_ptr<QLockFile> lock_;
};
