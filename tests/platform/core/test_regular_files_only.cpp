// Data files are read only when they are regular files: a folder, a FIFO or
// a device under a data file's name is refused at once, never read forever
// or waited on, and never replaced by a record file's writer.
#include "platform/core/Exceptions.h"
#include "platform/core/RecordFile.h"
#include "platform/core/TextFile.h"
#include "tests/support/Sandbox.h"
#include "tests/support/UnusualFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

namespace {

namespace fs = std::filesystem;

using RegularFilesOnly = Sandbox;

TEST_F(RegularFilesOnly, AnythingElseUnderADataFileNameIsRefused) {
    struct Case {
        const char* what;
        std::function<bool()> make;  // makes "data.dat"; false where it cannot be made
    };
    const Case cases[] = {
        {"a link to a device",
         [] {
             fs::create_symlink("null.dev", "data.dat");
             return MakeNullDevice("null.dev");
         }},
        {"a folder", [] { return fs::create_directory("data.dat"); }},
        {"a FIFO", [] { return MakeFifo("data.dat"); }},
        {"a link to a FIFO",
         [] {
             fs::create_symlink("pipe", "data.dat");
             return MakeFifo("pipe");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* name : {"data.dat", "pipe", "null.dev"}) {
            std::error_code ec;
            fs::remove(name, ec);
        }
        if (!c.make())
            continue;  // device nodes are the administrator's
        const fs::file_type type = fs::status("data.dat").type();
        for (const RecordFile::Mode mode : {RecordFile::Mode::Read, RecordFile::Mode::ReadWrite,
                                            RecordFile::Mode::ReadWriteCreate}) {
            RecordFile file("data.dat", mode);
            EXPECT_FALSE(file.IsOpen()) << static_cast<int>(mode);
        }
        EXPECT_EQ(ReadWholeFile("data.dat"), std::nullopt);
        EXPECT_THROW(LoadLinesFromFile("data.dat"), Exception);
        EXPECT_EQ(fs::status("data.dat").type(), type);
    }
}

}  // namespace
