#include "platform/desktop/Shell.h"
#include "tests/support/RecordingShell.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A command line is the program and its arguments parted by blanks, as the
// programs hand them over; an empty line starts nothing.
TEST(Shell, ACommandLineStartsItsProgramWithItsArguments) {
    RecordingShell shell;
    Shell::WinExec("images.exe");
    Shell::WinExec("Notepad  NTimes.txt ");
    Shell::WinExec("   ");
    Shell::WinExec("");
    EXPECT_EQ(shell.started, (std::vector<AnsiString>{"images.exe", "Notepad NTimes.txt"}));
}

}  // namespace
