#include "platform/desktop/Associations.h"
#include "tests/support/FakeAssociations.h"
#include "vidur/PathHelpers.h"

#include <gtest/gtest.h>

namespace {

TEST(PathHelpersSplit, FileDirectoryAndExtension) {
    const struct {
        const char* path;
        const char* file;
        const char* dir;
        const char* ext;
    } cases[] = {
        {"C:\\Vidur\\azan1.wav", "azan1.wav", "C:\\Vidur\\", "wav"},
        {"/opt/vidur/azan1.wav", "azan1.wav", "/opt/vidur/", "wav"},
        {"azan1.wav", "azan1.wav", "", "wav"},
        {"SalaamAa.rm", "SalaamAa.rm", "", "rm"},
        {"C:\\Vidur\\", "", "C:\\Vidur\\", "C:\\Vidur\\"},
        {"README", "README", "", "README"},
        {"C:\\v1.2\\azan", "azan", "C:\\v1.2\\", "2\\azan"},
        {"/home/me/v1.2/azan", "azan", "/home/me/v1.2/", "2/azan"},
        {"C:\\a/b\\c.WAV", "c.WAV", "C:\\a/b\\", "WAV"},
        {"mixed/dir\\file.Wav", "file.Wav", "mixed/dir\\", "Wav"},
        {"archive.tar.gz", "archive.tar.gz", "", "gz"},
        {"name.", "name.", "", ""},
        {"", "", "", ""},
        {"c:\\WinNT\\System32\\notepad.exe", "notepad.exe", "c:\\WinNT\\System32\\", "exe"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileNameOf(c.path), c.file) << c.path;
        EXPECT_EQ(DirectoryOf(c.path), c.dir) << c.path;
        EXPECT_EQ(ExtensionOf(c.path), c.ext) << c.path;
        EXPECT_EQ(DirectoryOf(c.path) + FileNameOf(c.path), c.path) << c.path;
    }
}

TEST(PathHelpersAssociation, CommandIsCleaned) {
    const struct {
        const char* command;
        const char* program;
    } cases[] = {
        {"\"C:\\Program Files\\Real\\realplay.exe\" \"%1\"",
         "C:\\Program Files\\Real\\realplay.exe"},
        {"C:\\Real\\realplay.exe %1", "C:\\Real\\realplay.exe"},
        {"%SystemRoot%\\system32\\player.exe /play %1", ""},
        {"vlc --started-from-file %U", "vlc --started-from-file"},
        {"\"/opt/my player/play\" %f", "/opt/my player/play"},
        {"player \n", "player"},
        {"player\"\" ", "player"},
        {"\"player", "player"},
        {"player", "player"},
        {"", ""},
    };
    for (const auto& c : cases) {
        FakeAssociations view;
        view.keys[".rm\\shell\\open\\command"] = c.command;
        EXPECT_EQ(AssociatedProgram("rm"), c.program) << c.command;
    }
}

TEST(PathHelpersAssociation, KeysAreReadInOrder) {
    const struct {
        const char* what;
        std::map<AnsiString, AnsiString> keys;
        const char* program;
    } cases[] = {
        {"no key at all", {}, ""},
        {"class with a command",
         {{".rm", "RealMedia"}, {"RealMedia\\shell\\open\\command", "realplay \"%1\""}},
         "realplay"},
        {"class without a command", {{".rm", "RealMedia"}}, "RealMedia"},
        {"extension key with an empty class", {{".rm", ""}, {"\\shell\\open\\command", "x"}}, ""},
        {"own command before the class",
         {{".rm\\shell\\open\\command", "own %1"},
          {".rm", "RealMedia"},
          {"RealMedia\\shell\\open\\command", "class %1"}},
         "own"},
        {"own command key with an empty value",
         {{".rm\\shell\\open\\command", ""},
          {".rm", "RealMedia"},
          {"RealMedia\\shell\\open\\command", "class %1"}},
         ""},
        {"another extension only", {{".wav", "soundrec"}}, ""},
    };
    for (const auto& c : cases) {
        FakeAssociations view;
        view.keys = c.keys;
        EXPECT_EQ(AssociatedProgram("rm"), c.program) << c.what;
    }
}

}  // namespace
