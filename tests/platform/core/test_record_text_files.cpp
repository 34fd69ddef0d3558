#include "platform/core/Exceptions.h"
#include "platform/core/RecordFile.h"
#include "platform/core/TextFile.h"
#include "tests/support/Sandbox.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

using Bytes = std::vector<unsigned char>;

std::string AsString(const Bytes& b) {
    return std::string(b.begin(), b.end());
}

// ---- fields packed into record bytes

TEST(RecordFields, IntegersAreLittleEndianAndSigned) {
    const struct {
        std::int32_t value;
        std::string bytes;
    } int32s[] = {
        {0x01020304, std::string("\x04\x03\x02\x01", 4)},
        {-1, std::string("\xFF\xFF\xFF\xFF", 4)},
        {-2, std::string("\xFE\xFF\xFF\xFF", 4)},
        {INT32_MAX, std::string("\xFF\xFF\xFF\x7F", 4)},
        {INT32_MIN, std::string("\x00\x00\x00\x80", 4)},
        {1448, std::string("\xA8\x05\x00\x00", 4)},
    };
    for (const auto& c : int32s) {
        Bytes record(8, 0xAA);
        RecordBytes::PutInt32(record.data(), 2, c.value);
        EXPECT_EQ(AsString(record), "\xAA\xAA" + c.bytes + "\xAA\xAA") << c.value;
        EXPECT_EQ(RecordBytes::GetInt32(record.data(), 2), c.value);
    }
    const struct {
        std::int16_t value;
        std::string bytes;
    } int16s[] = {
        {0x0102, "\x02\x01"},
        {-1, "\xFF\xFF"},
        {-300, "\xD4\xFE"},
        {INT16_MAX, "\xFF\x7F"},
        {INT16_MIN, std::string("\x00\x80", 2)},
        {366, std::string("\x6E\x01", 2)},
    };
    for (const auto& c : int16s) {
        Bytes record(4, 0xAA);
        RecordBytes::PutInt16(record.data(), 1, c.value);
        EXPECT_EQ(AsString(record), "\xAA" + c.bytes + "\xAA") << c.value;
        EXPECT_EQ(RecordBytes::GetInt16(record.data(), 1), c.value);
    }
}

TEST(RecordFields, FloatsAreSinglePrecisionLittleEndian) {
    const struct {
        float value;
        std::string bytes;
    } cases[] = {
        {1.5f, std::string("\x00\x00\xC0\x3F", 4)},
        {-73.5f, std::string("\x00\x00\x93\xC2", 4)},
        {0.0f, std::string(4, '\0')},
        {5.5f, std::string("\x00\x00\xB0\x40", 4)},
    };
    for (const auto& c : cases) {
        Bytes record(6, 0xAA);
        RecordBytes::PutFloat32(record.data(), 1, c.value);
        EXPECT_EQ(AsString(record), "\xAA" + c.bytes + "\xAA") << c.value;
        EXPECT_EQ(RecordBytes::GetFloat32(record.data(), 1), c.value);
    }
    Bytes record(4);
    RecordBytes::PutFloat32(record.data(), 0, 72.82f);  // not exact in binary: kept bit for bit
    EXPECT_EQ(RecordBytes::GetFloat32(record.data(), 0), 72.82f);
}

TEST(RecordFields, TextKeepsItsNulInsideTheField) {
    const struct {
        AnsiString text;
        std::string field;  // the 6 bytes of the field
    } cases[] = {
        {"ab", std::string("ab\0\0\0\0", 6)},
        {"", std::string(6, '\0')},
        {"abcde", std::string("abcde\0", 6)},
        {"abcdef", std::string("abcde\0", 6)},  // cut to leave room for the NUL
        {"abcdefghij", std::string("abcde\0", 6)},
        {AnsiString("a\0bc", 4), std::string("a\0\0\0\0\0", 6)},  // a NUL ends the text
        {"caf\xE9", std::string("caf\xE9\0\0", 6)},
    };
    for (const auto& c : cases) {
        Bytes record(8, 'x');  // a field reused: what it held before goes
        RecordBytes::PutText(record.data(), 1, 6, c.text);
        EXPECT_EQ(AsString(record), "x" + c.field + "x") << c.text;
    }
    Bytes untouched(4, 'x');
    RecordBytes::PutText(untouched.data(), 1, 0, "abc");  // a field of no size takes nothing
    EXPECT_EQ(AsString(untouched), "xxxx");
}

TEST(RecordFields, TextReadsUpToItsNulOrTheFieldsEnd) {
    const struct {
        std::string record;
        AnsiString text;
    } cases[] = {
        {std::string("xab\0cdx", 7), "ab"},
        {std::string("x\0abcdx", 7), ""},
        {"xabcdexyz", "abcde"},  // no NUL: the whole field and no further
        {std::string("xcaf\xE9\0x", 7), "caf\xE9"},
    };
    for (const auto& c : cases) {
        const Bytes record(c.record.begin(), c.record.end());
        EXPECT_EQ(RecordBytes::GetText(record.data(), 1, 5), c.text) << c.record;
    }
}

// ---- record files

class RecordFileTest : public Sandbox {
protected:
    static Bytes Read(RecordFile& file, long long offset, std::size_t size, bool* ok = nullptr) {
        Bytes b(size);
        const bool read = file.ReadAt(offset, b.data(), size);
        if (ok)
            *ok = read;
        return b;
    }
    static bool Write(RecordFile& file, long long offset, const std::string& bytes) {
        return file.WriteAt(offset, reinterpret_cast<const unsigned char*>(bytes.data()),
                            bytes.size());
    }
};

TEST_F(RecordFileTest, EachModeOpensWhatItShould) {
    using Mode = RecordFile::Mode;
    const struct {
        Mode mode;
        bool opensMissing;  // and then makes an empty file
    } modes[] = {{Mode::Read, false}, {Mode::ReadWrite, false}, {Mode::ReadWriteCreate, true}};
    for (const auto& m : modes) {
        SCOPED_TRACE(static_cast<int>(m.mode));
        QFile::remove("data.dat");
        RecordFile file;
        EXPECT_EQ(file.Open("data.dat", m.mode), m.opensMissing);
        EXPECT_EQ(file.IsOpen(), m.opensMissing);
        file.Close();
        EXPECT_EQ(FileExists("data.dat"), m.opensMissing);
        EXPECT_EQ(ReadFile("data.dat"), "");

        // An existing file opens as it is, never emptied.
        WriteFile("data.dat", "records");
        EXPECT_TRUE(file.Open("data.dat", m.mode));
        EXPECT_EQ(file.Size(), 7);
        file.Close();
        EXPECT_FALSE(file.IsOpen());
        EXPECT_EQ(ReadFile("data.dat"), "records");

        // A folder of that name is no record file.
        ASSERT_TRUE(QDir().mkdir("folder.dat"));
        EXPECT_FALSE(file.Open("folder.dat", m.mode));
        EXPECT_FALSE(file.IsOpen());
        ASSERT_TRUE(QDir().rmdir("folder.dat"));
    }
}

TEST_F(RecordFileTest, AClosedFileAnswersNothing) {
    RecordFile file;
    unsigned char byte = 0;
    EXPECT_EQ(file.Size(), -1);
    EXPECT_FALSE(file.ReadAt(0, &byte, 1));
    EXPECT_FALSE(file.WriteAt(0, &byte, 1));
    EXPECT_FALSE(file.ReadRecords(4, [](const unsigned char*, long long) {}));

    // Opening another file closes the first.
    WriteFile("a.dat", "aaaa");
    WriteFile("b.dat", "bb");
    ASSERT_TRUE(file.Open("a.dat", RecordFile::Mode::Read));
    ASSERT_TRUE(file.Open("b.dat", RecordFile::Mode::Read));
    EXPECT_EQ(file.Size(), 2);
    EXPECT_FALSE(file.Open("missing.dat", RecordFile::Mode::Read));
    EXPECT_EQ(file.Size(), -1);
}

TEST_F(RecordFileTest, ReadsExactlyWhatIsThere) {
    WriteFile("data.dat", std::string("0123\0\r\n789", 10));
    RecordFile file("data.dat", RecordFile::Mode::Read);
    ASSERT_TRUE(file.IsOpen());
    const struct {
        long long offset;
        std::size_t size;
        bool read;
        std::string bytes;  // when read
    } cases[] = {
        {0, 4, true, "0123"},
        {3, 4, true, std::string("3\0\r\n", 4)},  // bytes as they are, no line-end translation
        {6, 4, true, "\n789"},
        {7, 4, false, ""},  // fewer bytes than asked
        {10, 1, false, ""},
        {-1, 1, false, ""},
    };
    for (const auto& c : cases) {
        bool ok = false;
        const Bytes b = Read(file, c.offset, c.size, &ok);
        EXPECT_EQ(ok, c.read) << c.offset;
        if (c.read) {
            EXPECT_EQ(AsString(b), c.bytes) << c.offset;
        }
    }
}

TEST_F(RecordFileTest, WritesInPlaceOrLengthenTheFile) {
    WriteFile("data.dat", "aaaabbbbcccc");
    {
        RecordFile file("data.dat", RecordFile::Mode::ReadWrite);
        ASSERT_TRUE(file.IsOpen());
        EXPECT_TRUE(Write(file, 4, std::string("B\0\r\n", 4)));
        // A write is in the file at once, for any other reader as well.
        EXPECT_EQ(ReadFile("data.dat"), std::string("aaaaB\0\r\ncccc", 12));
        EXPECT_EQ(file.Size(), 12);
        EXPECT_EQ(AsString(Read(file, 4, 4)), std::string("B\0\r\n", 4));
        EXPECT_TRUE(Write(file, 16, "dd"));  // past the end: the gap reads as zeros
        EXPECT_EQ(file.Size(), 18);
        EXPECT_FALSE(Write(file, -4, "x"));
    }
    EXPECT_EQ(ReadFile("data.dat"), std::string("aaaaB\0\r\ncccc\0\0\0\0dd", 18));

    // A file opened for reading takes no write.
    RecordFile reading("data.dat", RecordFile::Mode::Read);
    EXPECT_FALSE(Write(reading, 0, "zz"));
    reading.Close();
    EXPECT_EQ(ReadFile("data.dat"), std::string("aaaaB\0\r\ncccc\0\0\0\0dd", 18));
}

TEST_F(RecordFileTest, ANewFileTakesItsFirstRecord) {
    {
        RecordFile file("new.dat", RecordFile::Mode::ReadWriteCreate);
        ASSERT_TRUE(file.IsOpen());
        EXPECT_EQ(file.Size(), 0);
        EXPECT_TRUE(Write(file, 0, "first"));
    }
    RecordFile again("new.dat", RecordFile::Mode::ReadWriteCreate);
    EXPECT_TRUE(Write(again, 5, "second"));
    again.Close();
    EXPECT_EQ(ReadFile("new.dat"), "firstsecond");
}

// Records whose bytes tell their slot, so that each can be checked where it lands.
std::string Record(long long slot, std::size_t size) {
    std::string r(size, static_cast<char>('a' + slot % 26));
    for (std::size_t i = 0; i < 4 && i < size; ++i)
        r[i] = static_cast<char>((slot >> (8 * i)) & 0xFF);
    return r;
}

TEST_F(RecordFileTest, ReadRecordsHandsOnEveryWholeRecordInOrder) {
    // The sizes of the programs' records; files of many blocks (the file is
    // read a block at a time), and records larger than a block.
    const struct {
        std::size_t recordSize;
        long long records;
        std::size_t trailing;  // bytes of a torn last record
    } cases[] = {
        {84, 3, 0},  {84, 3, 30},    {60, 0, 59},         {602, 367, 0},
        {428, 5, 1}, {84, 7001, 83}, {300 * 1024, 2, 10}, {7, 100000, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.recordSize) + " x " + std::to_string(c.records));
        std::string bytes;
        for (long long slot = 0; slot < c.records; ++slot)
            bytes += Record(slot, c.recordSize);
        bytes += std::string(c.trailing, '\x11');
        WriteFile("data.dat", bytes);

        RecordFile file("data.dat", RecordFile::Mode::Read);
        long long next = 0;
        bool inOrder = true;
        EXPECT_TRUE(
            file.ReadRecords(c.recordSize, [&](const unsigned char* record, long long slot) {
                inOrder = inOrder && slot == next &&
                          std::string(reinterpret_cast<const char*>(record), c.recordSize) ==
                              Record(slot, c.recordSize);
                ++next;
            }));
        EXPECT_TRUE(inOrder);
        EXPECT_EQ(next, c.records);
    }
    RecordFile file("data.dat", RecordFile::Mode::Read);
    EXPECT_FALSE(file.ReadRecords(0, [](const unsigned char*, long long) {}));
}

TEST_F(RecordFileTest, ReadRecordsStartsFromTheFront) {
    WriteFile("data.dat", Record(0, 10) + Record(1, 10));
    RecordFile file("data.dat", RecordFile::Mode::Read);
    Read(file, 15, 5);  // a read before leaves the position at the end
    std::vector<long long> seen;
    EXPECT_TRUE(
        file.ReadRecords(10, [&](const unsigned char*, long long s) { seen.push_back(s); }));
    EXPECT_EQ(seen, (std::vector<long long>{0, 1}));
    seen.clear();
    EXPECT_TRUE(
        file.ReadRecords(10, [&](const unsigned char*, long long s) { seen.push_back(s); }));
    EXPECT_EQ(seen, (std::vector<long long>{0, 1}));
}

// ---- whole files

using WholeFiles = Sandbox;

TEST_F(WholeFiles, WhatExists) {
    WriteFile("file.dat", "");
    ASSERT_TRUE(QDir().mkdir("folder"));
    fs::create_symlink("file.dat", "link.dat");
    fs::create_symlink("missing.dat", "dangling.dat");
    const std::pair<const char*, bool> cases[] = {{"file.dat", true},      {"folder", true},
                                                  {"link.dat", true},      {"missing.dat", false},
                                                  {"dangling.dat", false}, {"", false}};
    for (const auto& [name, exists] : cases)
        EXPECT_EQ(::FileExists(name), exists) << name;  // not the sandbox's own
}

TEST_F(WholeFiles, ReadWholeFileGivesEveryByte) {
    std::string big;
    for (int i = 0; i < 10000; ++i)
        big += static_cast<char>(i % 251);
    const std::string contents[] = {"", std::string("a\0b\r\n\x1A\xFF", 7), big};
    for (const std::string& bytes : contents) {
        WriteFile("data.dat", bytes);
        EXPECT_EQ(ReadWholeFile("data.dat"), bytes) << bytes.size();
    }
    EXPECT_FALSE(ReadWholeFile("missing.dat"));
    ASSERT_TRUE(QDir().mkdir("folder.dat"));
    EXPECT_FALSE(ReadWholeFile("folder.dat"));
}

// ---- text files

TEST(TextLines, EveryLineEndEndsALine) {
    const struct {
        std::string bytes;
        std::vector<AnsiString> lines;
    } cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"one\r\n", {"one"}},  // a last line end adds no empty line
        {"one\r\ntwo", {"one", "two"}},
        {"one\ntwo\rthree\r\nfour\r\n", {"one", "two", "three", "four"}},
        {"\r\n", {""}},
        {"one\r\n\r\n", {"one", ""}},
        {"\r\n\r\nthree", {"", "", "three"}},
        {"one\n\rtwo", {"one", "", "two"}},  // LF then CR: two line ends
        {"one\r\r\ntwo", {"one", "", "two"}},
        {"one\n\n", {"one", ""}},
        {std::string("caf\xE9\0\t x\r\n", 10), {AnsiString("caf\xE9\0\t x", 8)}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitLines(c.bytes), c.lines) << c.bytes;
}

using TextFiles = Sandbox;

TEST_F(TextFiles, LinesAreSavedWithCrLfAndLoadBack) {
    const struct {
        std::vector<AnsiString> lines;
        std::string bytes;
    } cases[] = {
        {{"first", "second"}, "first\r\nsecond\r\n"},
        {{}, ""},
        {{""}, "\r\n"},
        {{"", "", "x"}, "\r\n\r\nx\r\n"},
        {{"caf\xE9", "\tindented "}, "caf\xE9\r\n\tindented \r\n"},
    };
    WriteFile("notes.txt", std::string(100, 'o'));  // an older, longer file goes whole
    for (const auto& c : cases) {
        SaveLinesToFile("notes.txt", c.lines);
        EXPECT_EQ(ReadFile("notes.txt"), c.bytes);
        EXPECT_EQ(LoadLinesFromFile("notes.txt"), c.lines) << c.bytes;
    }
}

TEST_F(TextFiles, FailuresAreToldByName) {
    for (const char* name : {"missing.txt", "folder.txt"}) {
        QDir().mkdir("folder.txt");
        try {
            LoadLinesFromFile(name);
            ADD_FAILURE() << "loaded " << name;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), Format("Cannot open file \"%s\"", name));
        }
    }
    // A file that cannot be made, or a folder in its place: nothing changes.
    for (const char* name : {"nowhere/notes.txt", "folder.txt"}) {
        try {
            SaveLinesToFile(name, {"line"});
            ADD_FAILURE() << "saved " << name;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), Format("Cannot create file \"%s\"", name));
        }
    }
    EXPECT_FALSE(FileExists("nowhere"));
    EXPECT_TRUE(QDir("folder.txt").isEmpty());
}

}  // namespace
