// Asks the desktop's association view about each key given on the command
// line and prints one line per key: "1 <default value>" when the key exists,
// "0" when it does not. The association tests run it in a desktop of their
// own making: GIO reads the desktop's folders once per process.
#include "Associations.h"

#include <QString>

#include <iostream>

int main(int argc, char** argv) {
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
