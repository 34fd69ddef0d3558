#include "diary/calendar/records/EventFile.h"
#include "tests/support/Sandbox.h"

#include "calendar/Projglob.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

namespace {

// An event file of `slotCount` records, the given ones filled in through the
// packing under test (its layout is checked byte by byte below).
std::string EventFileBytes(int slotCount, const std::map<int, TEventRecord>& records) {
    std::string bytes(static_cast<std::size_t>(slotCount) * EventRecordSize, '\0');
    for (const auto& [key, record] : records) {
        const EventRecordBytes packed = PackEventRecord(record);
        bytes.replace(static_cast<std::size_t>(key) * EventRecordSize, EventRecordSize,
                      reinterpret_cast<const char*>(packed.data()), packed.size());
    }
    return bytes;
}

TEventRecord Texts(const AnsiString& a, const AnsiString& b = "", const AnsiString& c = "",
                   const AnsiString& d = "") {
    TEventRecord r;
    r.text1 = a;
    r.text2 = b;
    r.text3 = c;
    r.text4 = d;
    return r;
}

using Rows = std::vector<std::pair<int, AnsiString>>;

Rows AsPairs(const std::vector<EventRow>& rows) {
    Rows out;
    for (const EventRow& r : rows)
        out.emplace_back(r.day, r.text);
    return out;
}

// The key listed under each day number.
std::map<int, int> KeysByDay(const std::vector<EventDay>& days) {
    std::map<int, int> keys;
    for (const EventDay& d : days)
        keys[d.day] = d.key;
    return keys;
}

class EventFileTest : public Sandbox {
protected:
    Rows List(const char* file, const std::vector<EventDay>& days) {
        const auto rows = ReadEventRows(file, days);
        EXPECT_TRUE(rows.has_value());
        return rows ? AsPairs(*rows) : Rows{};
    }
};

TEST(EventFileLayout, PacksAtTheFieldOffsets) {
    TEventRecord r;
    r.key = 269;  // 0x010D: a carriage return in the low byte
    r.text1 = "Eid";
    r.text2 = AnsiString(200, 'a');  // cut to 149
    r.text3 = "";
    r.text4 = "\x1A\r\n\xE9";  // bytes kept as they are
    const EventRecordBytes b = PackEventRecord(r);

    std::string expected(602, '\0');
    expected[0] = '\x0D';
    expected[1] = '\x01';
    expected.replace(2, 3, "Eid");
    expected.replace(152, 149, std::string(149, 'a'));
    expected.replace(452, 4, "\x1A\r\n\xE9");
    EXPECT_EQ(std::string(b.begin(), b.end()), expected);
}

TEST(EventFileLayout, UnpackStopsAtTheNulOrTheFieldEnd) {
    EventRecordBytes b{};
    b[0] = 0x1A;
    std::memcpy(&b[2], "Ashura\0junk", 11);
    std::memset(&b[152], 'x', 150);  // no terminator at all
    std::memcpy(&b[302], "Q", 1);
    std::memcpy(&b[452], "last", 4);
    const TEventRecord r = UnpackEventRecord(b);
    EXPECT_EQ(r.key, 26);
    EXPECT_EQ(r.text1, "Ashura");
    EXPECT_EQ(r.text2, AnsiString(150, 'x'));  // the field's end, not the next field
    EXPECT_EQ(r.text3, "Q");
    EXPECT_EQ(r.text4, "last");
}

TEST(EventFileKeys, DayAndMonthKeys) {
    struct Case {
        int month, day, gregorian, hijri;
    };
    for (const Case& c : std::vector<Case>{{1, 1, 1, 1},
                                           {1, 13, 13, 13},
                                           {2, 1, 32, 31},
                                           {2, 29, 60, 59},
                                           {3, 1, 61, 60},
                                           {9, 25, 269, 261},
                                           {10, 8, 282, 274},
                                           {12, 29, 364, 354},
                                           {12, 30, 365, 355},
                                           {12, 31, 366, 356}}) {
        EXPECT_EQ(GregorianEventKey(c.month, c.day), c.gregorian) << c.month << "/" << c.day;
        EXPECT_EQ(HijriEventKey(c.month, c.day), c.hijri) << c.month << "/" << c.day;
    }
}

TEST(EventFileKeys, DatedGregorianKeys) {
    struct Case {
        int year, month, day, key;
    };
    for (const Case& c : std::vector<Case>{{2025, 1, 1, 1},
                                           {2025, 2, 28, 59},
                                           {2025, 3, 1, 61},  // slot 60 stepped over
                                           {2024, 2, 29, 60},
                                           {2024, 3, 1, 61},
                                           {2024, 12, 31, 366},
                                           {2025, 12, 31, 366},
                                           {2000, 2, 29, 60},
                                           // Years without 29 February in the date
                                           // calendar still key 1 March as 61.
                                           {1900, 3, 1, 61},
                                           {2100, 3, 1, 61},
                                           {2100, 12, 31, 366},
                                           {9999, 12, 31, 366}}) {
        const auto key = DatedGregorianEventKey(EncodeDate(c.year, c.month, c.day) + 0.75);
        ASSERT_TRUE(key.has_value());
        EXPECT_EQ(*key, c.key) << c.year << "-" << c.month << "-" << c.day;
    }
    EXPECT_FALSE(DatedGregorianEventKey(EncodeDate(9999, 12, 31) + 1).has_value());
}

TEST(EventFileDays, MonthLengthsOfTheFourReaders) {
    // Gregorian events in the Gregorian view: February is 28 days every year.
    const auto feb = GregorianEventDaysOfGregorianMonth(2);
    ASSERT_EQ(feb.size(), 28u);
    EXPECT_EQ(feb.front().key, 32);
    EXPECT_EQ(feb.back().key, 59);
    EXPECT_EQ(GregorianEventDaysOfGregorianMonth(12).back().key, 366);

    // Hijri events in the Hijri view: Zil-Haj lists 29 days, 1448 being a leap year.
    ASSERT_TRUE(TMisri(1, 12, 1448).IsLeapYear());
    const auto zilHaj = HijriEventDaysOfHijriMonth(12);
    ASSERT_EQ(zilHaj.size(), 29u);
    EXPECT_EQ(zilHaj.front().key, 326);
    EXPECT_EQ(zilHaj.back().key, 354);
    EXPECT_EQ(GregorianEventDaysOfHijriMonth(12, TMisri(1, 12, 1448)).size(), 29u);

    // Hijri events in the Gregorian view follow the days the grid shows.
    EXPECT_EQ(HijriEventDaysOfGregorianMonth(2, EncodeDate(2024, 2, 1)).size(), 29u);
    EXPECT_EQ(HijriEventDaysOfGregorianMonth(2, EncodeDate(2025, 2, 10)).size(), 28u);
}

TEST(EventFileDays, GregorianMonthCrossingTheHijriNewYear) {
    // 1 Moharram 1448 falls on 15 June 2026; 1447 has 354 days.
    ASSERT_EQ(TMisri(1, 1, 1448).ToDateTime(), EncodeDate(2026, 6, 15));
    const auto keys = KeysByDay(HijriEventDaysOfGregorianMonth(6, EncodeDate(2026, 6, 20)));
    ASSERT_EQ(keys.size(), 30u);
    EXPECT_EQ(keys.at(1), HijriEventKey(12, 16));
    EXPECT_EQ(keys.at(14), 354);
    EXPECT_EQ(keys.at(15), 1);
    EXPECT_EQ(keys.at(16), 2);
    EXPECT_EQ(keys.at(30), 16);
}

TEST(EventFileDays, HijriMonthsAgainstGregorianKeys) {
    // Ramadan 1447 begins on 17 February 2026: its 13th is 1 March, key 61.
    ASSERT_EQ(TMisri(1, 9, 1447).ToDateTime(), EncodeDate(2026, 2, 17));
    auto keys = KeysByDay(GregorianEventDaysOfHijriMonth(9, TMisri(5, 9, 1447)));
    ASSERT_EQ(keys.size(), 30u);
    EXPECT_EQ(keys.at(1), 48);
    EXPECT_EQ(keys.at(12), 59);
    EXPECT_EQ(keys.at(13), 61);

    // Shaaban 1445 holds 29 February 2024 on its 20th.
    keys = KeysByDay(GregorianEventDaysOfHijriMonth(8, TMisri(1, 8, 1445)));
    EXPECT_EQ(keys.at(20), 60);
    EXPECT_EQ(keys.at(21), 61);

    // A month across 1 January continues with keys 1, 2, ...: Jamadi-ul-Aakhar
    // 1445 begins on 13 December 2023.
    keys = KeysByDay(GregorianEventDaysOfHijriMonth(6, TMisri(1, 6, 1445)));
    EXPECT_EQ(keys.at(19), 366);
    EXPECT_EQ(keys.at(20), 1);

    // 2100 has no 29 February; its 1 March still reads the 1 March slot.
    const TMisri march2100(EncodeDate(2100, 3, 1));
    keys = KeysByDay(GregorianEventDaysOfHijriMonth(march2100.Month(), march2100));
    EXPECT_EQ(keys.at(march2100.Day()), 61);
    EXPECT_EQ(keys.at(march2100.Day() - 1), 59);
}

TEST_F(EventFileTest, BeyondTheYear9999TheGregorianPartsStayEmpty) {
    const TMisri lastDay(EncodeDate(9999, 12, 31));
    const auto days = GregorianEventDaysOfHijriMonth(lastDay.Month(), lastDay);
    ASSERT_EQ(static_cast<int>(days.size()), lastDay.Day());
    EXPECT_EQ(days.back().key, 366);
    EXPECT_TRUE(GregorianEventDaysOfHijriMonth(5, TMisri(1, 5, 9800)).empty());
    EXPECT_TRUE(HijriEventDaysOfGregorianMonth(1, EncodeDate(9999, 12, 31) + 40).empty());
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(EventFileTest, ListsTextsLongerThanOneCharacterInOrder) {
    WriteFile(HijriEventFileName,
              EventFileBytes(356, {{3, Texts("A", "Bb", "", "Dd")},
                                   {5, Texts("first", "second", "third", "fourth")},
                                   {31, Texts("Safar only")}}));
    EXPECT_EQ(
        List(HijriEventFileName, HijriEventDaysOfHijriMonth(1)),
        (Rows{{3, "Bb"}, {3, "Dd"}, {5, "first"}, {5, "second"}, {5, "third"}, {5, "fourth"}}));
}

TEST_F(EventFileTest, FebruaryInBothViews) {
    WriteFile(GregorianEventFileName,
              EventFileBytes(
                  367, {{59, Texts("Feb 28")}, {60, Texts("Leap day")}, {61, Texts("March 1")}}));
    // The Gregorian view never lists 29 February, not even in 2024.
    EXPECT_EQ(List(GregorianEventFileName, GregorianEventDaysOfGregorianMonth(2)),
              (Rows{{28, "Feb 28"}}));
    // Shaaban 1445 holds 29 February 2024 on its 20th.
    EXPECT_EQ(List(GregorianEventFileName, GregorianEventDaysOfHijriMonth(8, TMisri(1, 8, 1445))),
              (Rows{{19, "Feb 28"}, {20, "Leap day"}, {21, "March 1"}}));
    // Ramadan 1447 starts in February 2026: its 13th is 1 March.
    EXPECT_EQ(List(GregorianEventFileName, GregorianEventDaysOfHijriMonth(9, TMisri(1, 9, 1447))),
              (Rows{{12, "Feb 28"}, {13, "March 1"}}));
}

TEST_F(EventFileTest, HijriEventsOfAGregorianMonthCrossTheNewYear) {
    WriteFile(HijriEventFileName, EventFileBytes(356, {{1, Texts("New year")},
                                                       {2, Texts("Day two")},
                                                       {354, Texts("Year end")},
                                                       {355, Texts("Leap day")}}));
    EXPECT_EQ(List(HijriEventFileName, HijriEventDaysOfGregorianMonth(6, EncodeDate(2026, 6, 1))),
              (Rows{{14, "Year end"}, {15, "New year"}, {16, "Day two"}}));
    // Zil-Haj of the leap year 1448 still lists only its first 29 days.
    EXPECT_EQ(List(HijriEventFileName, HijriEventDaysOfHijriMonth(12)), (Rows{{29, "Year end"}}));
}

TEST_F(EventFileTest, AShortFileListsNothingBeyondItsEnd) {
    std::string bytes = EventFileBytes(6, {{2, Texts("two")}, {5, Texts("five")}});
    const EventRecordBytes six = PackEventRecord(Texts("six"));
    bytes.append(reinterpret_cast<const char*>(six.data()), 601);  // one byte short
    WriteFile(GregorianEventFileName, bytes);
    EXPECT_EQ(List(GregorianEventFileName, GregorianEventDaysOfGregorianMonth(1)),
              (Rows{{2, "two"}, {5, "five"}}));
    const auto partial = ReadEventRecord(GregorianEventFileName, 6);
    ASSERT_TRUE(partial.has_value());
    EXPECT_EQ(partial->text1, "");
}

TEST_F(EventFileTest, ControlByteKeysReadExactly) {
    std::map<int, TEventRecord> records;
    for (int key : {13, 26, 269, 282}) {
        TEventRecord r = Texts("Day " + IntToStr(key), "\r\n\x1A\x1A\r");
        r.key = static_cast<std::int16_t>(key);
        records[key] = r;
    }
    WriteFile(HijriEventFileName, EventFileBytes(356, records));
    EXPECT_EQ(List(HijriEventFileName, {{1, 13}, {2, 26}, {3, 269}, {4, 282}}),
              (Rows{{1, "Day 13"},
                    {1, "\r\n\x1A\x1A\r"},
                    {2, "Day 26"},
                    {2, "\r\n\x1A\x1A\r"},
                    {3, "Day 269"},
                    {3, "\r\n\x1A\x1A\r"},
                    {4, "Day 282"},
                    {4, "\r\n\x1A\x1A\r"}}));
    for (int key : {13, 26, 269, 282}) {
        const auto r = ReadEventRecord(HijriEventFileName, key);
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(r->key, key);
    }
}

TEST_F(EventFileTest, AMissingFileIsAFailure) {
    EXPECT_FALSE(ReadEventRows(HijriEventFileName, HijriEventDaysOfHijriMonth(1)).has_value());
    EXPECT_FALSE(ReadEventRecord(GregorianEventFileName, 1).has_value());
    EXPECT_EQ(EventFileOpenFailure(HijriEventFileName), "Cannot open events.dat file");
    EXPECT_EQ(EventFileOpenFailure(GregorianEventFileName), "Cannot open gevents.dat file");
    EXPECT_TRUE(responder->Boxes().empty());  // the caller tells the user
}

TEST_F(EventFileTest, WritingASlotNeverCreatesTheFile) {
    EXPECT_FALSE(WriteEventRecord(HijriEventFileName, 3, Texts("lost")));
    EXPECT_FALSE(FileExists(HijriEventFileName));
}

TEST_F(EventFileTest, WritingASlotChangesOnlyThatSlot) {
    const std::string before = EventFileBytes(4, {{1, Texts("one")}, {3, Texts("three")}});
    WriteFile(GregorianEventFileName, before);

    TEventRecord two = Texts("new two", "", "x4");
    two.key = 2;
    ASSERT_TRUE(WriteEventRecord(GregorianEventFileName, 2, two));
    std::string after = ReadFile(GregorianEventFileName);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(0, 2 * 602), before.substr(0, 2 * 602));
    EXPECT_EQ(after.substr(3 * 602), before.substr(3 * 602));
    EXPECT_EQ(ReadEventRecord(GregorianEventFileName, 2)->text1, "new two");

    // A slot beyond the end lengthens the file; the gap reads as empty days.
    ASSERT_TRUE(WriteEventRecord(GregorianEventFileName, 7, Texts("seven")));
    after = ReadFile(GregorianEventFileName);
    ASSERT_EQ(after.size(), 8u * 602);
    EXPECT_EQ(after.substr(4 * 602, 3 * 602), std::string(3 * 602, '\0'));
    EXPECT_EQ(List(GregorianEventFileName, GregorianEventDaysOfGregorianMonth(1)),
              (Rows{{1, "one"}, {2, "new two"}, {2, "x4"}, {3, "three"}, {7, "seven"}}));
}

}  // namespace
