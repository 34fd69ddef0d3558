#include "platform/core/RecordFile.h"
#include "tests/support/Sandbox.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

using WholeFile = Sandbox;

fs::perms Mode(const fs::path& path) {
    return fs::status(path).permissions() & fs::perms::all;
}

TEST_F(WholeFile, ReplacesTheFileAndKeepsItsMode) {
    WriteFile("data.dat", "old");
    fs::permissions("data.dat", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(WriteWholeFile("data.dat", "new contents"));
    EXPECT_EQ(ReadFile("data.dat"), "new contents");
    EXPECT_EQ(Mode("data.dat"), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(FileExists("data.dat.tmp"));

    ASSERT_TRUE(WriteWholeFile("fresh.dat", "made"));  // a new file is simply made
    EXPECT_EQ(ReadFile("fresh.dat"), "made");
}

TEST_F(WholeFile, AReadOnlyFileIsNotReplaced) {
    WriteFile("data.dat", "old");
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read;
    fs::permissions("data.dat", readOnly);
    EXPECT_FALSE(WriteWholeFile("data.dat", "new"));
    EXPECT_EQ(ReadFile("data.dat"), "old");
    EXPECT_EQ(Mode("data.dat"), readOnly);
    EXPECT_FALSE(FileExists("data.dat.tmp"));
}

TEST_F(WholeFile, ALinkIsFollowedAndStaysALink) {
    fs::create_directories("store/deeper");
    WriteFile("store/deeper/data.dat", "old");
    fs::create_symlink("deeper/data.dat", "store/relative.dat");  // relative to its own folder
    fs::create_symlink(fs::absolute("store/relative.dat"), "data.dat");
    fs::create_symlink("store/deeper/missing.dat", "dangling.dat");

    const struct {
        const char* link;
        const char* target;
    } cases[] = {
        {"data.dat", "store/deeper/data.dat"},            // through two links
        {"dangling.dat", "store/deeper/missing.dat"},     // the target is made
        {"store/relative.dat", "store/deeper/data.dat"},  // a link in another folder
    };
    for (const auto& c : cases) {
        const fs::path before = fs::read_symlink(c.link);
        ASSERT_TRUE(WriteWholeFile(c.link, c.link)) << c.link;
        EXPECT_TRUE(fs::is_symlink(c.link)) << c.link;
        EXPECT_EQ(fs::read_symlink(c.link), before) << c.link;
        EXPECT_EQ(ReadFile(c.target), c.link) << c.link;
        EXPECT_FALSE(FileExists("store/deeper/data.dat.tmp"));
    }

    // A read-only target behind a link is not replaced either.
    fs::permissions("store/deeper/data.dat", fs::perms::owner_read);
    EXPECT_FALSE(WriteWholeFile("data.dat", "new"));
    EXPECT_EQ(ReadFile("store/deeper/data.dat"), "store/relative.dat");
}

}  // namespace
