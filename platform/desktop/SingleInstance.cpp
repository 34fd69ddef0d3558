#include "platform/desktop/SingleInstance.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QString& FolderOverride() {
    static QString folder;
    return folder;
}

// A real folder (not a link to one) that belongs to the user and that
// nobody else may enter.
bool PrivateFolderOf(const QString& path, uid_t user) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == user && (info.st_mode & 077) == 0;
}

QString LockFolder() {
    if (!FolderOverride().isEmpty())
        return FolderOverride();
    return SingleInstance::UserRuntimeFolder();
}

// How long a later start waits for the running copy to take its knock.
constexpr int kKnockWaitMs = 2000;

}  // namespace

QString SingleInstance::UserRuntimeFolder() {
    const uid_t user = ::getuid();
    const QString session = QString("/run/user/%1").arg(user);
    if (PrivateFolderOf(session, user))
        return session;
    const QString own = QString("/tmp/kestrun-%1").arg(user);
    ::mkdir(QFile::encodeName(own).constData(), 0700);  // or it is there already
    return PrivateFolderOf(own, user) ? own : QString();
}

SingleInstance::SingleInstance(const AnsiString& name) {
    const QString folder = LockFolder();
    if (folder.isEmpty())
        return;  // no safe place: Acquire fails
    path_ = folder + u'/' + ToQString(name);
    lock_ = std::make_unique<QLockFile>(path_ + ".lock");
    // A running copy may hold the lock for days: never take it over for its
    // age, only when the process that wrote it is gone.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Acquire() {
    return lock_ && (lock_->isLocked() || lock_->tryLock(0));
}

void SingleInstance::Listen(std::function<void()> onKnock) {
    if (!Acquire() || server_)
        return;
    onKnock_ = std::move(onKnock);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a crashed copy is in the way; this copy holds the lock.
    QLocalServer::removeServer(path_ + ".socket");
    QObject::connect(server_.get(), &QLocalServer::newConnection, [this] {
        while (QLocalSocket* caller = server_->nextPendingConnection()) {
            caller->deleteLater();
            if (onKnock_)
                onKnock_();
        }
    });
    server_->listen(path_ + ".socket");
}

bool SingleInstance::Knock() {
    if (path_.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(path_ + ".socket");
    return socket.waitForConnected(kKnockWaitMs);
}

void SingleInstance::SetLockFolder(const QString& folder) {
    FolderOverride() = folder;
}
