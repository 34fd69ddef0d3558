#include "tests/support/Sandbox.h"

#include "platform/core/Clock.h"
#include "platform/desktop/Shell.h"
#include "platform/widgets/Forms.h"

#include <QFile>
#include <QSettings>

void Sandbox::SetUp() {
    workDir_ = std::make_unique<QTemporaryDir>();
    settingsDir_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(workDir_->isValid());
    ASSERT_TRUE(settingsDir_->isValid());
    oldCwd_ = QDir::currentPath();
    QDir::setCurrent(workDir_->path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_->path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_->path());
    responder = std::make_unique<RecordingResponder>();
    shell = std::make_unique<RecordingShell>();
    SetToday(2026, 12, 10);
}

void Sandbox::TearDown() {
    shell.reset();
    responder.reset();
    Dialogs::ResetResponder();
    ActiveForms::Clear();
    Screen::SetCursor(crDefault);
    Shell::SetHandler(nullptr);
    Clock::Reset();
    QDir::setCurrent(oldCwd_);
    workDir_.reset();
    settingsDir_.reset();
}

void Sandbox::SetToday(int year, int month, int day, int hour, int minute, int second) {
    Clock::SetFixed(QDateTime(QDate(year, month, day), QTime(hour, minute, second)));
}

void Sandbox::WriteFile(const std::string& name, const std::string& bytes) {
    QFile f(QString::fromStdString(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string Sandbox::ReadFile(const std::string& name) {
    QFile f(QString::fromStdString(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

bool Sandbox::FileExists(const std::string& name) {
    return QFile::exists(QString::fromStdString(name));
}
