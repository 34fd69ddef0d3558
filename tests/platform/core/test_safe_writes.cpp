// Whole-file writes against what a user's machine may hold where they go:
// links and other writers' files at temporary names, FIFOs and devices under
// the file's name, a folder that takes no new file, a full disk.
#include "platform/core/Exceptions.h"
#include "platform/core/RecordFile.h"
#include "platform/core/TextFile.h"
#include "tests/support/Sandbox.h"
#include "tests/support/UnusualFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using SafeWrites = Sandbox;

// The names in a folder with what each is, sorted: "data.dat file",
// "data.dat.tmp link". A write that leaves something behind shows here.
std::vector<std::string> Entries(const fs::path& folder = ".") {
    std::vector<std::string> names;
    for (const fs::directory_entry& e : fs::directory_iterator(folder)) {
        const fs::file_status s = e.symlink_status();
        const char* kind = fs::is_symlink(s)        ? " link"
                           : fs::is_regular_file(s) ? " file"
                           : fs::is_fifo(s)         ? " fifo"
                           : fs::is_directory(s)    ? " folder"
                                                    : " other";
        names.push_back(e.path().filename().string() + kind);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Empties the working folder between the cases of a table.
void ClearWorkingFolder() {
    for (const fs::directory_entry& e : fs::directory_iterator(".")) {
        std::error_code ec;
        fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(e.path());
    }
}

TEST_F(SafeWrites, EveryWriteTakesAFreshTemporaryFileAndLeavesOthersAlone) {
    struct Case {
        const char* what;
        std::function<void()> plant;  // what lies at the old fixed temporary name
    };
    const Case cases[] = {
        {"a link to another file", [] { fs::create_symlink("victim.dat", "data.dat.tmp"); }},
        {"a link to no file yet", [] { fs::create_symlink("made.dat", "data.dat.tmp"); }},
        {"the temporary file of another writer", [] { WriteFile("data.dat.tmp", "half"); }},
        {"a folder", [] { fs::create_directory("data.dat.tmp"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ClearWorkingFolder();
        WriteFile("victim.dat", "victim");
        WriteFile("data.dat", "old");
        c.plant();
        const std::vector<std::string> before = Entries();

        ASSERT_TRUE(WriteWholeFile("data.dat", "new"));
        EXPECT_EQ(ReadFile("data.dat"), "new");
        EXPECT_EQ(ReadFile("victim.dat"), "victim");
        // Nothing was made, moved or left behind: the planted thing is as it was.
        EXPECT_EQ(Entries(), before);
        if (fs::is_regular_file(fs::symlink_status("data.dat.tmp"))) {
            EXPECT_EQ(ReadFile("data.dat.tmp"), "half");
        }
    }
}

TEST_F(SafeWrites, WhatCannotBeWrittenLeavesTheOldFileAndNoTemporaryFile) {
    struct Case {
        const char* what;
        std::function<void()> prepare;
        const char* target;
        bool written;
        std::string expected;  // what the target then holds
        long long room = -1;   // the bytes a file may take, -1 for no limit
    };
    const auto readOnlyFolder = [] {
        fs::create_directory("shared");
        WriteFile("shared/NTimes.txt", "old");
        fs::permissions("shared", fs::perms::owner_read | fs::perms::owner_exec);
    };
    const Case cases[] = {
        {"a FIFO", [] { ASSERT_TRUE(MakeFifo("NTimes.txt")); }, "NTimes.txt", false, ""},
        {"a link to a FIFO",
         [] {
             ASSERT_TRUE(MakeFifo("pipe"));
             fs::create_symlink("pipe", "NTimes.txt");
         },
         "NTimes.txt", false, ""},
        // A shared folder that the user may not write: the file itself is
        // rewritten in place.
        {"a writable file in a read-only folder", readOnlyFolder, "shared/NTimes.txt", true,
         "new contents"},
        {"a read-only file in a read-only folder",
         [&] {
             readOnlyFolder();
             fs::permissions("shared/NTimes.txt", fs::perms::owner_read, fs::perm_options::replace);
         },
         "shared/NTimes.txt", false, "old"},
        {"a new file in a read-only folder",
         [] {
             fs::create_directory("shared");
             fs::permissions("shared", fs::perms::owner_read | fs::perms::owner_exec);
         },
         "shared/NTimes.txt", false, ""},
        {"a full disk", [] { WriteFile("NTimes.txt", "old"); }, "NTimes.txt", false, "old", 5},
    };
    const WithoutPermissionOverride asAnyUser;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ClearWorkingFolder();
        c.prepare();
        const fs::path folder = fs::path(c.target).parent_path().empty()
                                    ? fs::path(".")
                                    : fs::path(c.target).parent_path();
        const std::vector<std::string> before = Entries(folder);
        const fs::file_type type = fs::symlink_status(c.target).type();

        {
            std::optional<FileSizeLimit> full;
            if (c.room >= 0)
                full.emplace(c.room);
            EXPECT_EQ(WriteWholeFile(c.target, "new contents"), c.written);
        }
        EXPECT_EQ(Entries(folder), before);
        EXPECT_EQ(fs::symlink_status(c.target).type(), type);
        if (fs::is_regular_file(c.target)) {
            EXPECT_EQ(ReadFile(c.target), c.expected);
        }
    }
    // The save of a text file tells it in the box of that file.
    ClearWorkingFolder();
    ASSERT_TRUE(MakeFifo("NTimes.txt"));
    try {
        SaveLinesToFile("NTimes.txt", {"a line"});
        ADD_FAILURE() << "saved into a FIFO";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Cannot create file \"NTimes.txt\"");
    }
    EXPECT_TRUE(fs::is_fifo("NTimes.txt"));
    ClearWorkingFolder();
}

// Made only by the administrator, where the system lets a test mount a file
// system and make device nodes.
TEST_F(SafeWrites, ADeviceIsNeverReplacedAndAFullSmallDiskKeepsTheOldFile) {
    if (!MakeNullDevice("null.dev"))
        GTEST_SKIP() << "this test may not make device nodes";
    fs::create_symlink("null.dev", "NTimes.txt");
    EXPECT_FALSE(WriteWholeFile("NTimes.txt", "new"));
    EXPECT_FALSE(WriteWholeFile("null.dev", "new"));
    EXPECT_TRUE(fs::is_character_file("null.dev"));
    EXPECT_TRUE(fs::is_symlink("NTimes.txt"));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"NTimes.txt link", "null.dev other"}));

    const SmallDisk disk("disk", 16);
    if (!disk.Mounted())
        GTEST_SKIP() << disk.Why();
    WriteFile("disk/NTimes.txt", "old");
    EXPECT_FALSE(WriteWholeFile("disk/NTimes.txt", std::string(64 * 1024, 'x')));
    EXPECT_EQ(ReadFile("disk/NTimes.txt"), "old");
    EXPECT_EQ(Entries("disk"), std::vector<std::string>{"NTimes.txt file"});
}

}  // namespace
