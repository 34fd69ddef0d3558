#include "SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace {

QString& FolderOverride() {
    static QString folder;
    return folder;
}

QString LockFolder() {
    if (!FolderOverride().isEmpty())
        return FolderOverride();
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

}  // namespace

SingleInstance::SingleInstance(const AnsiString& name)
    : lock_(std::make_unique<QLockFile>(LockFolder() + u'/' + ToQString(name) + ".lock")) {
    // A running copy may hold the lock for days: never take it over for its
    // age, only when the process that wrote it is gone.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Acquire() {
    return lock_->isLocked() || lock_->tryLock(0);
}

void SingleInstance::SetFolderForTests(const AnsiString& folder) {
    FolderOverride() = ToQString(folder);
}
