// A second program for the tests: writes one value of the shared settings key,
// as the other half of the system would.
//   settings_writer <settings folder> <name> <value>
#include "platform/core/Registry.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStringList>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4)
        return 2;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, args[1]);
    TRegistry key;
    if (!key.OpenKey("SOFTWARE\\Kestrun\\Current_location", true))
        return 1;
    try {
        key.WriteString(FromQString(args[2]), FromQString(args[3]));
    } catch (...) {
        return 1;
    }
    return 0;
}
