#include "diary/todo/TaskFile.h"
#include "platform/core/Exceptions.h"
#include "tests/support/Sandbox.h"
#include "tests/support/UnusualFiles.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

class TaskFileTest : public Sandbox {
protected:
    static std::string Bytes(const TTaskRecord& record) {
        const TaskRecordBytes packed = PackTaskRecord(record);
        return std::string(packed.begin(), packed.end());
    }
    static TTaskRecord Task(const AnsiString& text, std::int32_t index = 0) {
        TTaskRecord r;
        r.index = index;
        r.text = text;
        r.dueDate = TMisri::Raw(3, 7, 1448);
        r.taskDate = TMisri::Raw(2, 7, 1448);
        return r;
    }
    static std::int32_t Int32At(const std::string& b, std::size_t at) {
        std::uint32_t u = 0;
        for (int i = 3; i >= 0; --i)
            u = (u << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
        return static_cast<std::int32_t>(u);
    }
    static int Int16At(const std::string& b, std::size_t at) {
        return static_cast<std::int16_t>(static_cast<unsigned char>(b[at]) |
                                         (static_cast<unsigned char>(b[at + 1]) << 8));
    }
};

TEST_F(TaskFileTest, RecordLayout) {
    TTaskRecord r;
    r.index = 0x01020304;
    r.priority = 3;
    r.completed = 1;
    r.deleted = -1;
    r.text = "Buy dates";
    r.dueDate = TMisri::Raw(29, 12, 1448);
    r.taskDate = TMisri::Raw(1, 9, 30000);
    const std::string b = Bytes(r);
    ASSERT_EQ(b.size(), 84u);
    EXPECT_EQ(b.substr(0, 4), std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(Int16At(b, 4), 3);
    EXPECT_EQ(Int16At(b, 6), 1);
    EXPECT_EQ(Int16At(b, 8), -1);
    EXPECT_EQ(b.substr(10, 10), std::string("Buy dates\0", 10));
    EXPECT_EQ(b.substr(20, 40), std::string(40, '\0'));
    // Dates: month, year, day.
    EXPECT_EQ(Int32At(b, 60), 12);
    EXPECT_EQ(Int32At(b, 64), 1448);
    EXPECT_EQ(Int32At(b, 68), 29);
    EXPECT_EQ(Int32At(b, 72), 9);
    EXPECT_EQ(Int32At(b, 76), 30000);
    EXPECT_EQ(Int32At(b, 80), 1);

    TaskRecordBytes packed;
    std::memcpy(packed.data(), b.data(), packed.size());
    const TTaskRecord back = UnpackTaskRecord(packed);
    EXPECT_EQ(back.index, r.index);
    EXPECT_EQ(back.priority, 3);
    EXPECT_EQ(back.completed, 1);
    EXPECT_EQ(back.deleted, -1);
    EXPECT_EQ(back.text, "Buy dates");
    EXPECT_EQ(back.dueDate, r.dueDate);
    EXPECT_EQ(back.taskDate.Year(), 30000);
}

TEST_F(TaskFileTest, TextKeepsItsTerminatorInsideTheField) {
    const std::string b = Bytes(Task(AnsiString(60, 'x')));
    EXPECT_EQ(b.substr(10, 49), std::string(49, 'x'));
    EXPECT_EQ(b[59], '\0');
    EXPECT_EQ(Int32At(b, 60), 7);  // the due date is untouched

    // A field without a terminator reads no further than its end.
    TaskRecordBytes packed;
    std::memcpy(packed.data(), b.data(), packed.size());
    std::memset(packed.data() + 10, 'y', 50);
    EXPECT_EQ(UnpackTaskRecord(packed).text, AnsiString(50, 'y'));
}

TEST_F(TaskFileTest, AppendsCreateTheFileAndNumberTheSlots) {
    TTaskRecord first = Task("first", 77);
    EXPECT_TRUE(WriteTaskRecord(first, AppendTaskIndex));
    EXPECT_EQ(first.index, 0);
    TTaskRecord second = Task("second");
    EXPECT_TRUE(WriteTaskRecord(second, AppendTaskIndex));
    EXPECT_EQ(second.index, 1);
    const std::string b = ReadFile(TaskFileName);
    ASSERT_EQ(b.size(), 168u);
    EXPECT_EQ(Int32At(b, 0), 0);
    EXPECT_EQ(Int32At(b, 84), 1);
    EXPECT_EQ(b.substr(94, 7), std::string("second\0", 7));
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(TaskFileTest, AnAppendGoesAfterTheLastWholeRecord) {
    const struct {
        std::size_t size;
        std::int32_t slot;
    } cases[] = {{168, 2}, {168 + 30, 2}, {0, 0}, {50, 0}};
    for (const auto& c : cases) {
        WriteFile(TaskFileName, std::string(c.size, '\x11'));
        TTaskRecord r = Task("new");
        WriteTaskRecord(r, AppendTaskIndex);
        EXPECT_EQ(r.index, c.slot) << c.size;
        const std::string b = ReadFile(TaskFileName);
        EXPECT_EQ(b.size(), static_cast<std::size_t>(c.slot + 1) * 84) << c.size;
        EXPECT_EQ(Int32At(b, static_cast<std::size_t>(c.slot) * 84), c.slot);
        EXPECT_EQ(b.substr(0, static_cast<std::size_t>(c.slot) * 84),
                  std::string(static_cast<std::size_t>(c.slot) * 84, '\x11'));
    }
}

TEST_F(TaskFileTest, AWriteInPlaceKeepsTheSizeAndTheSlot) {
    WriteFile(TaskFileName, Bytes(Task("a", 0)) + Bytes(Task("b", 1)) + Bytes(Task("c", 2)));
    TTaskRecord b = Task("b", 1);
    b.deleted = 1;
    EXPECT_TRUE(WriteTaskRecord(b, 1));
    const auto records = ReadTaskRecords();
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 3u);
    EXPECT_EQ((*records)[1].deleted, 1);
    EXPECT_EQ((*records)[1].text, "b");
    EXPECT_EQ((*records)[2].text, "c");
    // The deleted slot is not taken again.
    TTaskRecord d = Task("d");
    WriteTaskRecord(d, AppendTaskIndex);
    EXPECT_EQ(d.index, 3);
}

TEST_F(TaskFileTest, ASlotBeyondTheRecordsIsRefused) {
    const std::string before = Bytes(Task("a", 0));
    WriteFile(TaskFileName, before);
    for (std::int32_t slot : {2, 5, -1}) {  // 1 would be the next slot; 2 leaves a gap
        responder->Clear();
        TTaskRecord r = Task("far");
        EXPECT_FALSE(WriteTaskRecord(r, slot));
        EXPECT_EQ(r.index, slot);
        EXPECT_EQ(responder->Texts(), std::vector<AnsiString>{"Error writing to todotask.dat"});
        EXPECT_EQ(responder->Boxes()[0].caption, "Error");
    }
    EXPECT_EQ(ReadFile(TaskFileName), before);
}

TEST_F(TaskFileTest, FilesThatCannotBeOpenedOrCreated) {
    // A folder in the file's place can be neither read nor written.
    ASSERT_TRUE(QDir().mkdir(TaskFileName));
    TTaskRecord r = Task("x");
    EXPECT_FALSE(WriteTaskRecord(r, AppendTaskIndex));
    EXPECT_FALSE(ReadTaskRecords());
    EXPECT_EQ(responder->Texts(), (std::vector<AnsiString>{"Error opening file 'todotask.dat'.",
                                                           "Error opening file 'todotask.dat'."}));
    responder->Clear();
    RewriteTaskRecords({r});
    EXPECT_EQ(responder->Texts(), std::vector<AnsiString>{"Error opening file 'todotask.dat'."});

    // A working folder that has gone cannot take a new file.
    const QString gone = QDir::current().absoluteFilePath("gone");
    ASSERT_TRUE(QDir().mkdir(gone));
    ASSERT_TRUE(QDir::setCurrent(gone));
    ASSERT_TRUE(QDir().rmdir(gone));
    responder->Clear();
    EXPECT_FALSE(WriteTaskRecord(r, AppendTaskIndex));
    EXPECT_EQ(responder->Texts(), std::vector<AnsiString>{"Cannot create 'todotask.dat'"});
}

TEST_F(TaskFileTest, ReadersSkipNothingButATornTail) {
    EXPECT_FALSE(ReadTaskRecords());  // a missing file is no error
    EXPECT_TRUE(responder->Boxes().empty());

    WriteFile(TaskFileName, Bytes(Task("a", 0)) + Bytes(Task("b", 1)) + std::string(83, 'z'));
    const auto records = ReadTaskRecords();
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 2u);
    EXPECT_EQ((*records)[0].text, "a");
    EXPECT_EQ((*records)[1].index, 1);

    WriteFile(TaskFileName, "");
    ASSERT_TRUE(ReadTaskRecords());
    EXPECT_TRUE(ReadTaskRecords()->empty());
}

TEST_F(TaskFileTest, RewritesStayInsideTheFile) {
    WriteFile(TaskFileName, Bytes(Task("a", 0)) + Bytes(Task("b", 1)));
    TTaskRecord b = Task("B", 1);
    TTaskRecord outside = Task("Z", 2);
    RewriteTaskRecords({outside, b});
    EXPECT_EQ(responder->Texts(), std::vector<AnsiString>{"Error writing to todotask.dat"});
    const std::string bytes = ReadFile(TaskFileName);
    ASSERT_EQ(bytes.size(), 168u);
    EXPECT_EQ(bytes.substr(84), Bytes(b));
}

TEST_F(TaskFileTest, NoteFiles) {
    EXPECT_EQ(TaskNoteFileName(0), "0.msg");
    EXPECT_EQ(TaskNoteFileName(17), "17.msg");

    SaveTaskNote("17.msg", {"first", "", "caf\xe9"});
    EXPECT_EQ(ReadFile("17.msg"), "first\r\n\r\ncaf\xe9\r\n");
    EXPECT_EQ(LoadTaskNote("17.msg"), (std::vector<AnsiString>{"first", "", "caf\xe9"}));
    SaveTaskNote("17.msg", {"new"});
    EXPECT_EQ(ReadFile("17.msg"), "new\r\n");
    EXPECT_FALSE(FileExists("17.msg.tmp"));

    const struct {
        const char* bytes;
        std::vector<AnsiString> lines;
    } cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r\n\r\nc", {"a", "b", "", "c"}},
    };
    for (const auto& c : cases) {
        WriteFile("1.msg", c.bytes);
        EXPECT_EQ(LoadTaskNote("1.msg"), c.lines) << c.bytes;
    }
}

TEST_F(TaskFileTest, NoteFailuresRaise) {
    EXPECT_THROW(LoadTaskNote("9.msg"), Exception);
    ASSERT_TRUE(QDir().mkdir("9.msg"));
    EXPECT_THROW(LoadTaskNote("9.msg"), Exception);
    EXPECT_THROW(SaveTaskNote("9.msg", {"x"}), Exception);
    // A FIFO is neither waited on nor replaced.
    ASSERT_TRUE(MakeFifo("8.msg"));
    EXPECT_THROW(LoadTaskNote("8.msg"), Exception);
    EXPECT_THROW(SaveTaskNote("8.msg", {"x"}), Exception);
    EXPECT_TRUE(std::filesystem::is_fifo("8.msg"));
}

}  // namespace
