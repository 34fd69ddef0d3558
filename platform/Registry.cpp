#include "Registry.h"

#include "Exceptions.h"

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
    QString organisation = parts.takeFirst();
    QString application = parts.isEmpty() ? QString() : parts.takeFirst();
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                organisation, application);
    if (!canCreate && !QFileInfo::exists(settings->fileName()))
        return false;
    if (!parts.isEmpty())
        settings->beginGroup(parts.join(u'/'));
    settings_ = std::move(settings);
    return true;
}

void TRegistry::CloseKey() {
    if (settings_)
        settings_->sync();
    settings_.reset();
}

AnsiString TRegistry::ReadString(const AnsiString& name) {
    if (!settings_ || settings_->status() == QSettings::AccessError)
        throw ERegistryException(Format("Failed to get data for '%s'", name.c_str()));
    return FromQString(settings_->value(ToQString(name)).toString());
}

void TRegistry::WriteString(const AnsiString& name, const AnsiString& value) {
    if (!settings_ || !settings_->isWritable())
        throw ERegistryException(Format("Failed to set data for '%s'", name.c_str()));
    settings_->setValue(ToQString(name), ToQString(value));
    settings_->sync();
    if (settings_->status() != QSettings::NoError)
        throw ERegistryException(Format("Failed to set data for '%s'", name.c_str()));
}

bool TRegistry::ValueExists(const AnsiString& name) {
    return settings_ && settings_->contains(ToQString(name));
}
