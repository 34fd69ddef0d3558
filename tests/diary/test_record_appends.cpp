// Records added to the files that two programs share: two diaries adding
// tasks or contacts at once, the diary and the alarm adding places. Every
// record lands on a place of its own and knows it; a record that cannot be
// written whole (a full disk) leaves the file as it was and is told.
#include "diary/contacts/ContactFile.h"
#include "diary/todo/TaskFile.h"
#include "locations/records/LocationFile.h"
#include "tests/support/Sandbox.h"
#include "tests/support/UnusualFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// One record as read back: its name and the place it says it has.
struct Stored {
    std::string name;
    long long index;
};

// One kind of shared record file.
struct Kind {
    const char* name;  // as the other program takes it
    const char* file;
    std::size_t recordSize;
    // Adds one record named so in this program; whether it was written.
    std::function<bool(const AnsiString&)> append;
    // Every whole record of the file's bytes, front to back.
    std::function<std::vector<Stored>(const std::string&)> read;
    AnsiString failure;  // the box of a record that could not be written
    // The second program reaches the file through a link in a folder of its
    // own, as the alarm reaches the diary's place list.
    bool throughALink = false;
};

template <class Bytes, class F>
std::vector<Stored> EachRecord(const std::string& file, std::size_t size, F toStored) {
    std::vector<Stored> records;
    for (std::size_t at = 0; at + size <= file.size(); at += size) {
        Bytes bytes;
        std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(at), size, bytes.begin());
        records.push_back(toStored(bytes));
    }
    return records;
}

std::vector<Kind> Kinds() {
    return {
        {"task", TaskFileName, TaskRecordSize,
         [](const AnsiString& name) {
             TTaskRecord record;
             record.text = name;
             return WriteTaskRecord(record, AppendTaskIndex);
         },
         [](const std::string& file) {
             return EachRecord<TaskRecordBytes>(file, TaskRecordSize, [](const auto& bytes) {
                 const TTaskRecord r = UnpackTaskRecord(bytes);
                 return Stored{r.text, r.index};
             });
         },
         "Error writing to todotask.dat"},
        {"contact", ContactFileName, ContactRecordSize,
         [](const AnsiString& name) {
             TContactRecord record;
             record.firstName = name;
             record.lastName = "Shared";
             return AppendContact(record);
         },
         [](const std::string& file) {
             return EachRecord<ContactRecordBytes>(file, ContactRecordSize, [](const auto& bytes) {
                 const TContactRecord r = UnpackContactRecord(bytes);
                 return Stored{r.firstName, r.number - 1LL};  // numbers count from 1
             });
         },
         "Cannot create contact.dat"},
        {"place", LocationFileName, LocationRecordSize,
         [](const AnsiString& name) {
             TLocationRecord record;
             SetLocationName(record, name);
             return AppendLocationRecord(record) >= 0;
         },
         [](const std::string& file) {
             std::vector<Stored> records;
             for (std::size_t at = 0; at + LocationRecordSize <= file.size();
                  at += LocationRecordSize) {
                 const auto* bytes = reinterpret_cast<const unsigned char*>(file.data() + at);
                 // A place's number is its position.
                 records.push_back({LocationName(UnpackLocationRecord(bytes)),
                                    static_cast<long long>(records.size())});
             }
             return records;
         },
         "Cannot create kestrun32.dat", true},
    };
}

using RecordAppendsTest = Sandbox;

TEST_F(RecordAppendsTest, TwoProgramsAddingAtOnceLoseNoRecord) {
    constexpr int kEach = 500;
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        WriteFile(kind.file, "");
        QString otherFolder = QDir::currentPath();
        if (kind.throughALink) {
            otherFolder += "/alarm";
            ASSERT_TRUE(QDir().mkpath(otherFolder));
            ASSERT_TRUE(QFile::link(QDir::current().absoluteFilePath(kind.file),
                                    otherFolder + "/" + kind.file));
        }
        // Both programs set up first, then started together by one write to
        // the FIFO they wait on.
        const std::string startFifo = std::string("start-") + kind.name;
        ASSERT_TRUE(MakeFifo(startFifo));
        const int start = ::open(startFifo.c_str(), O_RDWR);
        ASSERT_GE(start, 0);
        std::vector<std::unique_ptr<QProcess>> programs;
        for (const char* tag : {"A", "B"}) {
            const QString folder = programs.empty() ? QDir::currentPath() : otherFolder;
            programs.push_back(std::make_unique<QProcess>());
            programs.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            programs.back()->start(RECORD_APPENDER,
                                   {folder, kind.name, QString::number(kEach), tag,
                                    QDir::current().absoluteFilePath(startFifo.c_str())});
            ASSERT_TRUE(programs.back()->waitForStarted(-1));
            while (!programs.back()->canReadLine())
                ASSERT_TRUE(programs.back()->waitForReadyRead(-1));
            EXPECT_EQ(programs.back()->readLine(), "ready\n");
        }
        EXPECT_EQ(::write(start, "go", 2), 2);
        ::close(start);
        for (const auto& p : programs) {
            ASSERT_TRUE(p->waitForFinished(-1));
            EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(p->exitCode(), 0);
        }

        const std::string bytes = ReadFile(kind.file);
        EXPECT_EQ(bytes.size(), 2 * kEach * kind.recordSize);
        std::map<std::string, int> seen;
        const std::vector<Stored> records = kind.read(bytes);
        for (std::size_t slot = 0; slot < records.size(); ++slot) {
            ++seen[records[slot].name];
            // Each record knows the place where it really landed.
            EXPECT_EQ(records[slot].index, static_cast<long long>(slot)) << records[slot].name;
        }
        int lost = 0;
        for (const char* tag : {"A ", "B "})
            for (int i = 0; i < kEach; ++i)
                lost += seen[tag + std::to_string(i)] == 1 ? 0 : 1;
        EXPECT_EQ(lost, 0);
    }
}

TEST_F(RecordAppendsTest, ARecordThatCannotBeWrittenWholeLeavesTheFileAsItWas) {
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        QFile::remove(kind.file);
        ASSERT_TRUE(kind.append("first"));
        ASSERT_TRUE(kind.append("second"));
        const std::string before = ReadFile(kind.file);
        ASSERT_EQ(before.size(), 2 * kind.recordSize);
        responder->Clear();
        {
            // The disk fills up part way through the third record.
            const FileSizeLimit full(static_cast<long long>(before.size()) + 30);
            EXPECT_FALSE(kind.append("third"));
        }
        EXPECT_EQ(responder->Texts(), std::vector<AnsiString>{kind.failure});
        EXPECT_EQ(ReadFile(kind.file), before);

        // With room again the next record takes the place after the last whole one.
        ASSERT_TRUE(kind.append("third"));
        const std::vector<Stored> records = kind.read(ReadFile(kind.file));
        ASSERT_EQ(records.size(), 3u);
        EXPECT_EQ(records[2].name, "third");
        EXPECT_EQ(records[2].index, 2);
    }
}

}  // namespace
