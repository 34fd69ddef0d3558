#include "vidur/CommandLine.h"

#include "calendar/Projglob.h"

#include <QCoreApplication>

bool debugMode = false;

std::vector<AnsiString> CommandLineParameters() {
    std::vector<AnsiString> params;
    for (const QString& arg : QCoreApplication::arguments())
        params.push_back(FromQString(arg));
    return params;
}

void ReadCommandLineSwitches(const std::vector<AnsiString>& params) {
    for (const AnsiString& param : params) {
        const AnsiString upper = AnsiUpperCase(param);
        if (upper == "-VEROR")
            generalMode = 0;
        else if (upper == "-DEBUG")
            debugMode = true;
        else if (upper == "-NOHBOHRA")
            generalMode = 1;
    }
}
