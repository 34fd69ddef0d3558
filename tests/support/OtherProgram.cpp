#include "tests/support/OtherProgram.h"

#include <QProcess>
#include <QStringList>

bool WriteSettingInOtherProgram(const QString& settingsFolder, const AnsiString& name,
                                const AnsiString& value) {
    return QProcess::execute(QStringLiteral(SETTINGS_WRITER),
                             {settingsFolder, ToQString(name), ToQString(value)}) == 0;
}
