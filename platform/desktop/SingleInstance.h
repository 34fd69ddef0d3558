// One running copy per user and machine: a lock file named after the
// program's mutex name in the user's private run-time folder, which is found
// from the user id alone, so every copy finds the same lock whatever its
// environment. The lock of a copy that ended without releasing it (a crash)
// is taken over. Beside the lock the running copy listens on a local socket,
// so that a later start can knock and the running copy decide what to show.
#pragma once

#include "platform/core/AnsiString.h"

#include <QString>

#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;

class SingleInstance {
public:
    explicit SingleInstance(const AnsiString& name);  // e.g. "VidurMutex"
    ~SingleInstance();
    // True when this process now holds the lock; false when another running
    // copy holds it. The lock is held until the object goes.
    bool Acquire();
    // In the copy that holds the lock, once the application object exists:
    // `onKnock` runs, from the event loop, each time a later copy knocks.
    void Listen(std::function<void()> onKnock);
    // In a later copy: tells the running copy that the program was started
    // again. False when no running copy answered.
    bool Knock();

    // The folder of the lock files, for the copies made from now on; empty:
    // the user's run-time folder. (Tests, which run beside each other and
    // beside a real copy, point it elsewhere.)
    static void SetLockFolder(const QString& folder);
    // The user's private run-time folder: /run/user/<uid> when the login
    // manager made it, else /tmp/kestrun-<uid>, made here; "" when the one
    // found is not a folder of this user's alone.
    static QString UserRuntimeFolder();

private:
    QString path_;  // the folder and the name, without an ending
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> onKnock_;
};
