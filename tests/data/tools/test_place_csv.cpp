#include "data/tools/PlaceCsv.h"
#include "tests/locations/PlaceFixture.h"
#include "tests/support/DesktopLocales.h"

#include <QDir>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using LocationFileTest = PlaceSandbox;

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
