#include "diary/CommandLine.h"

bool IsGeneralModeSwitch(const AnsiString& commandLine) {
    return commandLine == "1";
}
