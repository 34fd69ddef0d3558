#include "platform/core/Registry.h"

#include "platform/core/Exceptions.h"
#include "platform/core/SettingsFile.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>

TRegistry::TRegistry() = default;
TRegistry::~TRegistry() = default;

bool TRegistry::OpenKey(const AnsiString& key, bool canCreate) {
    CloseKey();
    QStringList parts = ToQString(key).split(u'\\', Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.front().compare(u"SOFTWARE", Qt::CaseInsensitive) == 0)
        parts.pop_front();
    if (parts.isEmpty())
        return false;
    const QString organisation = parts.takeFirst();
    const QString application = parts.isEmpty() ? QString() : parts.takeFirst();
    // QSettings only tells where its native store lies; the file itself is
    // read and written by SettingsFile, which caches nothing.
    const QString file =
        QSettings(QSettings::NativeFormat, QSettings::UserScope, organisation, application)
            .fileName();
    if (!canCreate && !QFileInfo::exists(file))
        return false;
    file_ = file;
    section_ = parts.isEmpty() ? QString::fromLatin1(SettingsFile::TopSection) : parts.takeFirst();
    // Deeper groups are spelt within the section's value names, as QSettings does.
    prefix_ = parts.isEmpty() ? QString() : parts.join(u'\\') + u'\\';
    return true;
}

void TRegistry::CloseKey() {
    file_.clear();
    section_.clear();
    prefix_.clear();
}

AnsiString TRegistry::ReadString(const AnsiString& name) {
    const SettingsFile::Value v =
        IsOpen() ? SettingsFile::Read(file_, section_, prefix_ + ToQString(name))
                 : SettingsFile::Value{SettingsFile::Status::Unreadable, {}};
    if (v.status == SettingsFile::Status::Unreadable)
        throw ERegistryException(Format("Failed to get data for '%s'", name.c_str()));
    return FromQString(v.text);
}

void TRegistry::WriteString(const AnsiString& name, const AnsiString& value) {
    if (!IsOpen() ||
        !SettingsFile::Write(file_, section_, prefix_ + ToQString(name), ToQString(value)))
        throw ERegistryException(Format("Failed to set data for '%s'", name.c_str()));
}

bool TRegistry::ValueExists(const AnsiString& name) {
    return IsOpen() && SettingsFile::Read(file_, section_, prefix_ + ToQString(name)).status ==
                           SettingsFile::Status::Found;
}
