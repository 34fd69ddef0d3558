#include "locations/records/LocationFile.h"
#include "tests/locations/PlaceFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

TLocationRecord Unpack(const std::string& bytes, std::size_t at = 0) {
    return UnpackLocationRecord(reinterpret_cast<const unsigned char*>(bytes.data() + at));
}

using LocationFileTest = PlaceSandbox;

using Strings = std::vector<std::string>;
const Strings kCannotOpen = {"Error: Cannot open kestrun32.dat"};

// ---- the record layout

TEST(LocationFileLayout, PackedBytesMatchTheFileLayout) {
    const std::string bytes = BytesOf(Place("New York City, USA", -74.0f, 40.7f, -5.0f));
    std::string expected = "New York City, USA";
    expected.resize(48, '\0');
    expected += std::string("\x00\x00\x94\xC2", 4);  // -74.0f
    expected += std::string("\xCD\xCC\x22\x42", 4);  // 40.7f = 0x4222CCCD
    expected += std::string("\x00\x00\xA0\xC0", 4);  // -5.0f
    EXPECT_EQ(bytes, expected);

    const TLocationRecord back = Unpack(expected);
    EXPECT_EQ(LocationName(back), "New York City, USA");
    EXPECT_EQ(back.longitude, -74.0f);
    EXPECT_EQ(back.latitude, 40.7f);
    EXPECT_EQ(back.timeZone, -5.0f);
}

TEST(LocationFileLayout, BytesAfterTheNameAreWrittenAsZeros) {
    TLocationRecord rec;
    std::memset(rec.name, 'x', sizeof rec.name);  // no terminator at all
    std::memcpy(rec.name, "Aden\0junk", 9);
    const std::string bytes = BytesOf(rec);
    EXPECT_EQ(bytes.substr(0, 48), std::string("Aden") + std::string(44, '\0'));
}

TEST(LocationFileLayout, NamesAreCutToFitTheirField) {
    struct Case {
        std::size_t length;
        std::size_t stored;
    };
    for (const Case c :
         {Case{0, 0}, Case{1, 1}, Case{46, 46}, Case{47, 47}, Case{48, 47}, Case{120, 47}}) {
        SCOPED_TRACE(c.length);
        const AnsiString name(c.length, 'a');
        TLocationRecord rec;
        std::memset(rec.name, 'z', sizeof rec.name);
        SetLocationName(rec, name);
        EXPECT_EQ(LocationName(rec), name.substr(0, c.stored));
        EXPECT_EQ(AnsiString(rec.name, sizeof rec.name),
                  name.substr(0, c.stored) + AnsiString(48 - c.stored, '\0'));
        const std::string bytes = BytesOf(rec);
        EXPECT_EQ(bytes[47], '\0');  // a 47-character name ends in the last byte
        EXPECT_EQ(LocationName(Unpack(bytes)), name.substr(0, c.stored));
    }
}

TEST(LocationFileLayout, ARecordWithoutTerminatorIsReadAs47Characters) {
    std::string bytes(48, 'Q');
    bytes += std::string(12, '\0');
    const TLocationRecord rec = Unpack(bytes);
    EXPECT_EQ(LocationName(rec), AnsiString(47, 'Q'));
    EXPECT_EQ(rec.name[47], '\0');
}

TEST(LocationFileLayout, RandomBytesNeverGiveAnUnendedName) {
    std::mt19937 random(2101);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(60, '\0');
        for (char& b : bytes)
            b = static_cast<char>(byte(random));
        if (round % 2 == 0)  // a quiet NaN as latitude
            bytes.replace(52, 4, std::string("\x00\x00\xC0\x7F", 4));
        const TLocationRecord rec = Unpack(bytes);
        ASSERT_LE(LocationName(rec).size(), 47u);
        ASSERT_NE(std::memchr(rec.name, '\0', sizeof rec.name), nullptr);
        if (round % 2 == 0) {
            EXPECT_TRUE(std::isnan(rec.latitude));
        }
        // Packing again keeps the numbers bit for bit.
        EXPECT_EQ(BytesOf(rec).substr(48), bytes.substr(48));
    }
}

// ---- the file steps

TEST_F(LocationFileTest, AppendCreatesTheFileAndNumbersTheRecords) {
    EXPECT_EQ(AppendLocationRecord(Place("Aden", 45.0f, 12.8f, 3)), 0);
    EXPECT_EQ(ReadFile(LocationFileName).size(), 60u);
    EXPECT_EQ(AppendLocationRecord(Place("Cairo", 31.2f, 30.0f, 2)), 1);
    EXPECT_EQ(ReadFile(LocationFileName),
              FileOf({Place("Aden", 45.0f, 12.8f, 3), Place("Cairo", 31.2f, 30.0f, 2)}));
    EXPECT_EQ(LocationRecordCount(), 2);
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(LocationFileTest, AppendReplacesAPartialTail) {
    WriteFile(LocationFileName, FileOf({Place("Aden"), Place("Cairo")}) + "partial");
    EXPECT_EQ(LocationRecordCount(), 2);
    EXPECT_EQ(AppendLocationRecord(Place("Delhi")), 2);
    EXPECT_EQ(ReadFile(LocationFileName), FileOf({Place("Aden"), Place("Cairo"), Place("Delhi")}));
}

TEST_F(LocationFileTest, ReadTakesWholeRecordsOnly) {
    WriteFile(LocationFileName,
              FileOf({Place("Aden", 1, 2, 3), Place("Cairo", 4, 5, 6)}) + std::string(59, 'x'));
    TLocationRecord rec;
    ASSERT_TRUE(ReadLocationRecord(1, rec));
    EXPECT_EQ(LocationName(rec), "Cairo");
    EXPECT_EQ(rec.timeZone, 6.0f);
    EXPECT_TRUE(responder->Boxes().empty());

    // Past the whole records, or before the first: reported, and the record
    // the caller holds stays as it was.
    for (int n : {2, 3, -1}) {
        SCOPED_TRACE(n);
        responder->Clear();
        EXPECT_FALSE(ReadLocationRecord(n, rec));
        EXPECT_EQ(Boxes(), kCannotOpen);
        EXPECT_EQ(LocationName(rec), "Cairo");
    }
}

TEST_F(LocationFileTest, RewriteChangesOneRecordInPlace) {
    WritePlaces({Place("Aden"), Place("Cairo"), Place("Delhi")});
    EXPECT_TRUE(RewriteLocationRecord(1, Place("Kairouan", 10.1f, 35.7f, 1)));
    EXPECT_EQ(ReadFile(LocationFileName),
              FileOf({Place("Aden"), Place("Kairouan", 10.1f, 35.7f, 1), Place("Delhi")}));
    EXPECT_TRUE(responder->Boxes().empty());

    // A record the file does not hold is never written: no gap, no growth.
    const std::string before = ReadFile(LocationFileName);
    for (int n : {3, 10, -1}) {
        SCOPED_TRACE(n);
        responder->Clear();
        EXPECT_FALSE(RewriteLocationRecord(n, Place("Nowhere")));
        EXPECT_EQ(Boxes(), kCannotOpen);
        EXPECT_EQ(ReadFile(LocationFileName), before);
    }
}

// The alarm reaches the diary's place list through a link in its program
// folder: adding and changing places writes through the link and keeps it.
TEST_F(LocationFileTest, ALinkedFileStaysALink) {
    ASSERT_TRUE(QDir().mkdir("diary"));
    WriteFile("diary/kestrun32.dat", FileOf({Place("Aden")}));
    ASSERT_TRUE(QFile::link("diary/kestrun32.dat", LocationFileName));

    EXPECT_EQ(AppendLocationRecord(Place("Cairo")), 1);
    EXPECT_TRUE(RewriteLocationRecord(0, Place("Kairouan")));

    EXPECT_TRUE(QFileInfo(LocationFileName).isSymLink());
    EXPECT_EQ(ReadFile("diary/kestrun32.dat"), FileOf({Place("Kairouan"), Place("Cairo")}));
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(LocationFileTest, AMissingFile) {
    EXPECT_FALSE(RewriteLocationRecord(0, Place("Aden")));
    EXPECT_FALSE(FileExists(LocationFileName));
    EXPECT_TRUE(responder->Boxes().empty());  // a rewrite of no file is silent

    EXPECT_EQ(LocationRecordCount(), 0);
    TLocationRecord rec = Place("Kept");
    EXPECT_FALSE(ReadLocationRecord(0, rec));
    EXPECT_EQ(Boxes(), kCannotOpen);
    EXPECT_EQ(LocationName(rec), "Kept");
}

TEST_F(LocationFileTest, AFileThatCannotBeOpened) {
    MakeUnopenableFile();
    TLocationRecord rec;
    EXPECT_FALSE(ReadLocationRecord(0, rec));
    EXPECT_FALSE(RewriteLocationRecord(0, Place("Aden")));
    EXPECT_EQ(AppendLocationRecord(Place("Aden")), -1);
    EXPECT_EQ(Boxes(), Strings(3, kCannotOpen[0]));
}

TEST_F(LocationFileTest, AFileThatCannotBeCreated) {
    // A working directory that has been removed holds no file and takes none.
    const QString gone = QDir::current().absoluteFilePath("gone");
    ASSERT_TRUE(QDir().mkdir(gone));
    ASSERT_TRUE(QDir::setCurrent(gone));
    ASSERT_TRUE(QDir().rmdir(gone));
    EXPECT_EQ(AppendLocationRecord(Place("Aden")), -1);
    EXPECT_EQ(Boxes(), Strings{"Error: Cannot create kestrun32.dat"});
}

}  // namespace
