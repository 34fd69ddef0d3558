// Asks the desktop's association view about each key given on the command
// line and prints one line per key: "1 <default value>" when the key exists,
// "0" when it does not. With "--open" and files it opens each file in the
// desktop's program for it, as the alarm does with a sound, and prints
// "opened" or "not opened" for each. The association tests run it in a desktop of
// their own making: GIO reads the desktop's folders once per process.
#include "platform/desktop/Associations.h"
#include "platform/desktop/Shell.h"

#include <QGuiApplication>
#include <QString>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--open") {
        const std::vector<std::string> files(argv + 2, argv + argc);
        QGuiApplication app(argc, argv);  // as in the programs
        for (const std::string& file : files)
            std::cout << (Shell::OpenDocument(FromQString(QString::fromStdString(file)))
                              ? "opened"
                              : "not opened")
                      << "\n";
        return 0;
    }
    AssociationView& view = Associations::View();
    for (int i = 1; i < argc; ++i) {
        const AnsiString key = FromQString(QString::fromUtf8(argv[i]));
        if (view.KeyExists(key))
            std::cout << "1 " << view.DefaultValue(key) << "\n";
        else
            std::cout << "0\n";
    }
    return 0;
}
