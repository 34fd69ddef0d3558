#include "calendar/KeyedList.h"
#include "calendar/Projglob.h"
#include "locations/LocationFile.h"
#include "locations/PlaceCsv.h"
#include "locations/PlaceList.h"
#include "platform/core/Exceptions.h"
#include "tests/locations/PlaceFixture.h"
#include "tests/support/DesktopLocales.h"
#include "tests/support/LocaleScope.h"
#include "tests/support/OtherProgram.h"
#include "tests/support/SpecialFiles.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <sstream>

namespace {

TLocationRecord Unpack(const std::string& bytes, std::size_t at = 0) {
    return UnpackLocationRecord(reinterpret_cast<const unsigned char*>(bytes.data() + at));
}

class LocationFileTest : public PlaceSandbox {
protected:
    void SetUp() override { PlaceSandbox::SetUp(); }
    void TearDown() override { PlaceSandbox::TearDown(); }
    // Every box shown so far as "caption: text".
    std::vector<std::string> Boxes() const {
        std::vector<std::string> boxes;
        for (const auto& b : responder->Boxes())
            boxes.push_back(b.caption + ": " + b.text);
        return boxes;
    }
    // A location file that exists but cannot be opened as a file.
    static void MakeUnopenableFile() { ASSERT_TRUE(QDir().mkdir(LocationFileName)); }
    // The visible texts of a list, each with its key: "Aden#1".
    static std::vector<std::string> Keyed(const PlaceList& list) {
        std::vector<std::string> out;
        for (int i = 0; i < list.Count(); ++i)
            out.push_back(KeyedItemVisibleText(list.Item(i)) + "#" + ListItemKey(list.Item(i)));
        return out;
    }
};

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

// ---- filling a list and selecting the default

TEST_F(LocationFileTest, FillingKeepsTheRecordNumbersBehindTheSortedNames) {
    WriteFile(LocationFileName,
              FileOf({Place("Lahore", 74.3f, 31.5f, 5), Place("Aden", 45.0f, 12.8f, 3),
                      Place("Karachi", 67.0f, 24.9f, 5)}) +
                  std::string(30, '\x7F'));  // a partial tail is no place
    MemoryPlaces list;
    list.Add("stale");
    ASSERT_TRUE(FillPlaceList(list));
    EXPECT_EQ(Keyed(list), (Strings{"Aden#1", "Karachi#2", "Lahore#0"}));
    EXPECT_EQ(list.Item(0), "Aden" + ListItemPadding + "1");
    EXPECT_EQ(list.Selected(), -1);

    list.Select(0);
    TLocationRecord rec;
    ASSERT_TRUE(ReadSelectedPlace(list, rec));
    EXPECT_EQ(LocationName(rec), "Aden");
    EXPECT_EQ(rec.longitude, 45.0f);
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(LocationFileTest, FillingFromAnEmptyMissingOrUnopenableFile) {
    struct Case {
        const char* what;
        std::function<void()> prepare;
        bool filled;
        Strings items;
        Strings boxes;
    };
    const std::vector<Case> cases = {
        {"empty", [] { WriteFile(LocationFileName, ""); }, true, {}, {}},
        {"shorter than a record", [] { WriteFile(LocationFileName, "Aden"); }, true, {}, {}},
        {"missing", [] {}, false, {"Old#7"}, {}},
        {"unopenable", [] { MakeUnopenableFile(); }, false, {"Old#7"}, kCannotOpen},
        {"a FIFO", [] { ASSERT_TRUE(MakeFifo(LocationFileName)); }, false, {"Old#7"}, kCannotOpen},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir().rmdir(LocationFileName);
        QFile::remove(LocationFileName);
        responder->Clear();
        c.prepare();
        MemoryPlaces list;
        list.Add(PlaceItemText("Old", 7));
        EXPECT_EQ(FillPlaceList(list), c.filled);
        EXPECT_EQ(Keyed(list), c.items);
        EXPECT_EQ(Boxes(), c.boxes);
        if (list.Count() == 0) {
            SelectDefaultPlace(list, DefaultMatch::Last);
            EXPECT_EQ(list.Selected(), -1);
        }
    }
}

TEST_F(LocationFileTest, TheDefaultPlace) {
    WritePlaces({Place("Mecca"), Place("New York City, USA"), Place("Aden"), Place("Mecca"),
                 Place(" Medina"), Place("Medina "), Place(AnsiString(47, 'W'))});
    struct Case {
        const char* setting;  // nullptr: not stored
        DefaultMatch which;
        std::string selected;
    };
    const Case cases[] = {
        {nullptr, DefaultMatch::First, "New York City, USA#1"},
        {"Aden", DefaultMatch::Last, "Aden#2"},
        {"Mecca", DefaultMatch::First, "Mecca#0"},
        {"Mecca", DefaultMatch::Last, "Mecca#3"},
        {"mecca", DefaultMatch::Last, " Medina#4"},  // case matters; no match: item 0
        {"Atlantis", DefaultMatch::First, " Medina#4"},
        // Only the list side is trimmed: a name with blanks around it is never found.
        {" Medina", DefaultMatch::Last, " Medina#4"},
        {"Medina ", DefaultMatch::First, " Medina#4"},
        {"Medina", DefaultMatch::First, " Medina#4"},  // the trimmed name finds the first
        {"Medina", DefaultMatch::Last, "Medina #5"},
        {"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", DefaultMatch::Last,
         AnsiString(47, 'W') + "#6"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting ? c.setting : "(none)");
        WriteSettingString("Location", c.setting ? c.setting : "");
        MemoryPlaces list;
        ASSERT_TRUE(FillPlaceList(list));
        SelectDefaultPlace(list, c.which);
        ASSERT_GE(list.Selected(), 0);
        EXPECT_EQ(Keyed(list)[static_cast<std::size_t>(list.Selected())], c.selected);
    }
}

// The alarm's Configure dialog may set the default place while the diary
// runs; the diary's next list selects it.
TEST_F(LocationFileTest, TheDefaultPlaceSetByTheOtherProgram) {
    WritePlaces({Place("Aden"), Place("Karachi, Pakistan"), Place("Zanzibar")});
    MemoryPlaces list;
    ASSERT_TRUE(FillPlaceList(list));
    SelectDefaultPlace(list, DefaultMatch::Last);
    ASSERT_EQ(Keyed(list)[static_cast<std::size_t>(list.Selected())], "Aden#0");
    ASSERT_TRUE(WriteSettingInOtherProgram(SettingsFolder(), "Location", "Karachi, Pakistan"));
    ASSERT_TRUE(FillPlaceList(list));
    SelectDefaultPlace(list, DefaultMatch::First);
    EXPECT_EQ(Keyed(list)[static_cast<std::size_t>(list.Selected())], "Karachi, Pakistan#1");
}

// Lists sort as the user's locale sorts words, letter case and accents aside:
// "Evora" and "Évora" differ only in the hidden record number behind them.
TEST_F(LocationFileTest, PlacesSortAsTheLocaleSorts) {
    WritePlaces({Place("Zug"), Place("Z\xFCrich"), Place("\xC9vora"), Place("\xC5lesund"),
                 Place("eugene"), Place("Evora"), Place("aachen"), Place("Zagreb")});
    const struct {
        const char* locale;
        Strings order;
    } cases[] = {
        {"en_US",
         {"aachen#6", "\xC5lesund#3", "eugene#4", "\xC9vora#2", "Evora#5", "Zagreb#7", "Zug#0",
          "Z\xFCrich#1"}},
        // Swedish puts Å after Z.
        {"sv_SE",
         {"aachen#6", "eugene#4", "\xC9vora#2", "Evora#5", "Zagreb#7", "Zug#0", "Z\xFCrich#1",
          "\xC5lesund#3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        const LocaleScope scope(c.locale);
        MemoryPlaces list;
        ASSERT_TRUE(FillPlaceList(list));
        EXPECT_EQ(Keyed(list), c.order);
        QComboBox widget;
        ComboPlaces combo(&widget);
        ASSERT_TRUE(FillPlaceList(combo));
        EXPECT_EQ(Keyed(combo), c.order);
    }
}

TEST_F(LocationFileTest, TakingTheSelectedPlace) {
    MemoryPlaces list;
    try {
        SelectedPlaceNumber(list);
        ADD_FAILURE() << "no selected item";
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (-1)");
    }
    EXPECT_THROW(ReadSelectedPlace(list, *std::make_unique<TLocationRecord>()), EListError);

    list.Add("Aden" + ListItemPadding + "x1");
    list.Select(0);
    EXPECT_THROW(SelectedPlaceNumber(list), EConvertError);

    // A list filled earlier, read after the file went away.
    list.Clear();
    list.Add(PlaceItemText("Aden", 0));
    list.Select(0);
    EXPECT_EQ(SelectedPlaceNumber(list), 0);
    TLocationRecord rec;
    EXPECT_FALSE(ReadSelectedPlace(list, rec));
    EXPECT_EQ(Boxes(), kCannotOpen);
}

TEST_F(LocationFileTest, VisibleTextStopsAtThePadding) {
    EXPECT_EQ(KeyedItemVisibleText(PlaceItemText("Aden", 12)), "Aden");
    EXPECT_EQ(KeyedItemVisibleText(PlaceItemText("Aden  ", 3)), "Aden  ");
    EXPECT_EQ(KeyedItemVisibleText(PlaceItemText("", 3)), "");
    EXPECT_EQ(KeyedItemVisibleText("no key"), "no key");
}

// ---- the widget adapters

TEST_F(LocationFileTest, ListAndComboShowOnlyTheNamesInCaseBlindOrder) {
    WritePlaces(
        {Place("bombay"), Place("Cairo"), Place("aachen"), Place("Aden"), Place("Caracas")});
    WriteSettingString("Location", "Cairo");
    const Strings order = {"aachen#2", "Aden#3", "bombay#0", "Cairo#1", "Caracas#4"};
    const Strings names = {"aachen", "Aden", "bombay", "Cairo", "Caracas"};
    {
        QListWidget widget;
        ListBoxPlaces places(&widget);
        int emitted = 0;
        QObject::connect(&widget, &QListWidget::currentRowChanged, [&] { ++emitted; });
        ASSERT_TRUE(FillPlaceList(places));
        EXPECT_EQ(places.Selected(), -1);
        SelectDefaultPlace(places, DefaultMatch::Last);
        EXPECT_EQ(Keyed(places), order);
        Strings shown;
        for (int i = 0; i < widget.count(); ++i)
            shown.push_back(FromQString(widget.item(i)->text()));
        EXPECT_EQ(shown, names);
        EXPECT_EQ(FromQString(widget.item(3)->data(Qt::UserRole).toString()),
                  PlaceItemText("Cairo", 1));
        EXPECT_EQ(widget.currentRow(), 3);
        EXPECT_TRUE(widget.item(3)->isSelected());
        places.Add(PlaceItemText("AAA", 9));  // lands before the selection, which stays
        EXPECT_EQ(widget.currentItem()->text(), "Cairo");
        EXPECT_EQ(emitted, 0);  // only the user's actions reach the handlers
        EXPECT_THROW(places.Item(places.Count()), EListError);
    }
    {
        QComboBox widget;
        ComboPlaces places(&widget);
        int emitted = 0;
        QObject::connect(&widget, &QComboBox::currentIndexChanged, [&] { ++emitted; });
        ASSERT_TRUE(FillPlaceList(places));
        EXPECT_EQ(places.Selected(), -1);  // no item became current by itself
        SelectDefaultPlace(places, DefaultMatch::Last);
        EXPECT_EQ(Keyed(places), order);
        Strings shown;
        for (int i = 0; i < widget.count(); ++i)
            shown.push_back(FromQString(widget.itemText(i)));
        EXPECT_EQ(shown, names);
        EXPECT_EQ(widget.currentText(), "Cairo");
        places.Add(PlaceItemText("AAA", 9));
        EXPECT_EQ(widget.currentText(), "Cairo");
        EXPECT_EQ(emitted, 0);
        EXPECT_THROW(places.Item(-1), EListError);
        places.Clear();
        EXPECT_EQ(places.Selected(), -1);
    }
}

// ---- the generator of the shipped file

// The list's numbers are read alike wherever the file is generated.
class LocationFileCsvNumbers : public OnEveryDesktop<::testing::Test> {};
INSTANTIATE_ON_EVERY_DESKTOP(LocationFileCsvNumbers);
class LocationFileGenerator : public OnEveryDesktop<LocationFileTest> {};
INSTANTIATE_ON_EVERY_DESKTOP(LocationFileGenerator);

TEST_P(LocationFileCsvNumbers, ReadsQuotedNamesAndCutsLongOnes) {
    const std::string csv = "\xEF\xBB\xBF"
                            "name,longitude,latitude,timezone\r\n"
                            "\"New York City, USA\",-74.0,40.7,-5\r\n"
                            "\r\n"
                            "Mumbai,72.88,19.08,5.5\n"
                            "\"The \"\"Old\"\" Town\",1,2,3\n"
                            "Montr\xC3\xA9"
                            "al,-73.57,45.5,-5\n" +
                            std::string(60, 'L') + ",0,0,0";
    std::vector<TLocationRecord> records;
    std::string error;
    ASSERT_TRUE(ParsePlacesCsv(csv, "places.csv", records, error)) << error;
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(BytesOf(records[0]), BytesOf(Place("New York City, USA", -74.0f, 40.7f, -5)));
    EXPECT_EQ(BytesOf(records[1]), BytesOf(Place("Mumbai", 72.88f, 19.08f, 5.5f)));
    EXPECT_EQ(LocationName(records[2]), "The \"Old\" Town");
    EXPECT_EQ(LocationName(records[3]), "Montr\xE9"
                                        "al");  // Windows-1252
    EXPECT_EQ(LocationName(records[4]), AnsiString(47, 'L'));
}

TEST(LocationFileCsv, RefusesMalformedLines) {
    struct Case {
        std::string line;
        std::string message;
    };
    const Case cases[] = {
        {"Aden,45,12.8", "places.csv:3: expected 4 fields, found 3"},
        {"Aden,45,12.8,3,9", "places.csv:3: expected 4 fields, found 5"},
        {"\"Aden,45,12.8,3", "places.csv:3: broken quoting"},
        {"\"Aden\"x,45,12.8,3", "places.csv:3: broken quoting"},
        {"Ad\"en,45,12.8,3", "places.csv:3: broken quoting"},
        {",45,12.8,3", "places.csv:3: the name is empty"},
        {" Aden,45,12.8,3", "places.csv:3: the name has blanks around it"},
        {"\xC5\x81\xC3\xB3\x64\xC5\xBA,19.46,51.76,1",
         "places.csv:3: the name holds a character that Windows-1252 lacks"},
        {"Aden\xFF,45,12.8,3", "places.csv:3: the name is not UTF-8 text"},
        {"Aden,east,12.8,3", "places.csv:3: longitude \"east\" is not a number"},
        {"Aden,45,91,3", "places.csv:3: latitude \"91\" is not a number"},
        {"Aden,45,nan,3", "places.csv:3: latitude \"nan\" is not a number"},
        {"Aden,45,12.8,", "places.csv:3: time zone \"\" is not a number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        std::vector<TLocationRecord> records(1);
        std::string error;
        EXPECT_FALSE(
            ParsePlacesCsv("name,longitude,latitude,timezone\nCairo,31.2,30,2\n" + c.line + "\n",
                           "places.csv", records, error));
        EXPECT_EQ(error.substr(0, c.message.size()), c.message);
        EXPECT_TRUE(records.empty());
    }
    std::vector<TLocationRecord> records;
    std::string error;
    EXPECT_FALSE(ParsePlacesCsv("city,lon,lat,tz\n", "places.csv", records, error));
    EXPECT_EQ(error, "places.csv:1: the first line must be \"name,longitude,latitude,timezone\"");
    EXPECT_FALSE(ParsePlacesCsv("", "places.csv", records, error));
}

TEST_P(LocationFileGenerator, GeneratorWritesTheFileOrLeavesItAlone) {
    WriteFile("places.csv", "name,longitude,latitude,timezone\n"
                            "\"Pago Pago, American Samoa\",-170.70,-14.28,-11\n"
                            "Kabul,69.17,34.53,4.5\n");
    std::ostringstream err;
    ASSERT_EQ(MakeLocationFile("places.csv", "kestrun32.dat", err), 0) << err.str();
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(ReadFile("kestrun32.dat"),
              FileOf({Place("Pago Pago, American Samoa", -170.70f, -14.28f, -11),
                      Place("Kabul", 69.17f, 34.53f, 4.5f)}));

    const std::string good = ReadFile("kestrun32.dat");
    WriteFile("places.csv", "name,longitude,latitude,timezone\nKabul,69.17,34.53,4.5\nKabul\n");
    EXPECT_EQ(MakeLocationFile("places.csv", "kestrun32.dat", err), 1);
    EXPECT_EQ(err.str(), "places.csv:3: expected 4 fields, found 1\n");
    EXPECT_EQ(ReadFile("kestrun32.dat"), good);
    EXPECT_EQ(QDir().entryList(QDir::Files).size(), 2);  // no temporary file left behind

    std::ostringstream missing;
    EXPECT_EQ(MakeLocationFile("absent.csv", "kestrun32.dat", missing), 2);
    EXPECT_NE(missing.str().find("cannot read absent.csv"), std::string::npos);
}

}  // namespace
