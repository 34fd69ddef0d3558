#include "Associations.h"
#include "Exceptions.h"
#include "Projglob.h"
#include "Sandbox.h"
#include "Schedule.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class ScheduleTest : public Sandbox {
protected:
    void SetUp() override {
        Sandbox::SetUp();
        schedList.reset();
        savedMode_ = generalMode;
        generalMode = 1;
    }
    void TearDown() override {
        schedList.reset();
        generalMode = savedMode_;
        Sandbox::TearDown();
    }
    static ScheduleEntry Entry(const AnsiString& name, char code, int32_t delta,
                               const AnsiString& path, int32_t start, int32_t end, int32_t enabled,
                               int32_t key) {
        ScheduleEntry e{};
        e.SetName(name);
        e.timeCode = code;
        e.deltaMinutes = delta;
        e.SetFilePath(path);
        e.periodStart = start;
        e.periodEnd = end;
        e.enabled = enabled;
        e.key = key;
        return e;
    }
    static void Append(const ScheduleEntry& e) {
        if (!schedList)
            schedList = std::make_unique<ScheduleList>();
        schedList->push_back(std::make_unique<ScheduleEntry>(e));
    }
    // The list's entries as their written lines.
    static std::vector<AnsiString> Lines() {
        std::vector<AnsiString> lines;
        for (const auto& e : *schedList)
            lines.push_back(ScheduleLine(*e));
        return lines;
    }
    FakeAssociations associations;  // no program for any extension unless a test adds one

private:
    int savedMode_ = 0;
};

using Fields = std::vector<AnsiString>;

TEST(ScheduleSplit, CommaTextRules) {
    const struct {
        const char* line;
        Fields fields;
    } cases[] = {
        {"", {}},
        {" \t ", {}},
        {"a,b", {"a", "b"}},
        {"  a,b", {"a", "b"}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {"a, ", {"a"}},
        {",a", {"", "a"}},
        {"a , b", {"a", "b"}},
        {"a b,c", {"a", "b", "c"}},
        {"\"a b\",c", {"a b", "c"}},
        {"\"a\"\"b\",c", {"a\"b", "c"}},
        {"\"\",c", {"", "c"}},
        {"\"ab\"cd,e", {"ab", "cd", "e"}},
        {"\"abc", {"ab"}},
        {"x,\"abc", {"x", "ab"}},
        {"\"", {""}},
        {"a\x01"
         "b",
         {"a", "b"}},
        {"\"Fajr Vidur\",F,0,azan1.wav,1,354,1,1",
         {"Fajr Vidur", "F", "0", "azan1.wav", "1", "354", "1", "1"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitScheduleLine(c.line), c.fields) << c.line;
    // A NUL ends the line as it ends a C string.
    EXPECT_EQ(SplitScheduleLine(AnsiString("a,b\0,c", 6)), (Fields{"a", "b"}));
}

TEST_F(ScheduleTest, DefaultFileByModeAndRealAudio) {
    const struct {
        int mode;
        bool realAudio;
        const char* file;
    } cases[] = {
        {1, false,
         "\"Fajr Vidur\",F,0,azan1.wav,1,354,1,1\r\n"
         "\"Zoher Vidur\",Z,0,azan1.wav,1,354,1,2\r\n"
         "\"Asr Vidur\",A,0,azan1.wav,1,354,1,3\r\n"
         "\"Maghrib Vidur\",S,0,azan1.wav,1,354,1,4\r\n"
         "\"Isha Vidur\",I,0,azan1.wav,1,354,1,5\r\n"},
        {1, true,
         "\"Fajr Vidur\",F,0,azan1.wav,1,354,1,1\r\n"
         "\"Zoher Vidur\",Z,0,azan1.wav,1,354,1,2\r\n"
         "\"Asr Vidur\",A,0,azan1.wav,1,354,1,3\r\n"
         "\"Maghrib Vidur\",S,0,azan1.wav,1,354,1,4\r\n"
         "\"Isha Vidur\",I,0,azan1.wav,1,354,1,5\r\n"
         "\"Naa't\",S,30,SalaamAa.rm,1,354,1,6\r\n"},
        {0, false,
         "\"Fajr Vidur\",F,0,azan1.wav,1,354,1,1\r\n"
         "\"Zoher Vidur\",Z,0,azan1.wav,1,354,1,2\r\n"
         "\"Maghrib Vidur\",S,0,azan1.wav,1,354,1,3\r\n"},
        {0, true,
         "\"Fajr Vidur\",F,0,azan1.wav,1,354,1,1\r\n"
         "\"Zoher Vidur\",Z,0,azan1.wav,1,354,1,2\r\n"
         "\"Maghrib Vidur\",S,0,azan1.wav,1,354,1,3\r\n"
         "\"Naa't\",S,30,SalaamAa.rm,1,354,1,4\r\n"},
    };
    for (const auto& c : cases) {
        generalMode = c.mode;
        associations.keys.clear();
        if (c.realAudio)
            associations.keys[".rm\\shell\\open\\command"] = "\"/usr/bin/realplay\" \"%1\"";
        WriteFile("sched.dat", "old contents that are replaced\r\n");
        CreateDefaultSchedule();
        EXPECT_EQ(ReadFile("sched.dat"), c.file) << c.mode << c.realAudio;
    }
    // The first line is 36 characters long.
    EXPECT_EQ(ReadFile("sched.dat").find("\r\n"), 36u);
}

TEST_F(ScheduleTest, BlankCommandCountsAsNotAssociated) {
    associations.keys[".rm\\shell\\open\\command"] = "%ProgramFiles%\\Real\\realplay.exe";
    CreateDefaultSchedule();
    EXPECT_EQ(ReadFile("sched.dat").find("Naa't"), std::string::npos);
}

TEST_F(ScheduleTest, MissingFileIsCreatedWithAMessageThenRead) {
    LoadSchedule();
    ASSERT_TRUE(schedList);
    EXPECT_EQ(responder->Texts(),
              (std::vector<AnsiString>{"Sched.dat file not found. Will create a new one"}));
    EXPECT_EQ(responder->Boxes()[0].caption, "Message");
    EXPECT_EQ(Lines(), (std::vector<AnsiString>{
                           "\"Fajr Vidur\",F,0,\"azan1.wav\",1,354,1,1",
                           "\"Zoher Vidur\",Z,0,\"azan1.wav\",1,354,1,2",
                           "\"Asr Vidur\",A,0,\"azan1.wav\",1,354,1,3",
                           "\"Maghrib Vidur\",S,0,\"azan1.wav\",1,354,1,4",
                           "\"Isha Vidur\",I,0,\"azan1.wav\",1,354,1,5",
                       }));
}

TEST_F(ScheduleTest, LinesConvertOrAreSkipped) {
    WriteFile("sched.dat",
              "\"Fajr +15\",F,15,\"sounds\\azan one.wav\",237,266,0,3\r\n"  // whole, quoted
              "\r\n"                                                        // empty
              "\"bare\",F,0,azan one.wav,1,354,1,4\n"           // bare path with a blank: 9 fields
              "\"short\",F,0,azan1.wav,1,354,1\r"               // 7 fields
              "\"nums\",Q,x,p,y,z,no,key\n"                     // nothing converts
              "\"hex\",F,0x1E,p,$EC,0X10,$1,0x7\n"              // decimal only: all defaults
              "  \"neg\" , I , -20 , p.wav , 1 , 10 , 1 , 9");  // blanks around, no line end
    LoadSchedule();
    EXPECT_TRUE(responder->Boxes().empty());
    EXPECT_EQ(Lines(), (std::vector<AnsiString>{
                           "\"Fajr +15\",F,15,\"sounds\\azan one.wav\",237,266,0,3",
                           "\"nums\",Q,0,\"p\",1,354,1,0",
                           "\"hex\",F,0,\"p\",1,354,1,0",
                           "\"neg\",I,-20,\"p.wav\",1,10,1,9",
                       }));
}

TEST_F(ScheduleTest, AnEmptyTimeCodeIsReportedAndItsLinePassedOver) {
    WriteFile("sched.dat", "\"one\",F,0,a.wav,1,354,1,1\r\n"
                           "\"two\",,0,a.wav,1,354,1,2\r\n"
                           "\"three\",Z,0,a.wav,1,354,1,3\r\n");
    LoadSchedule();
    EXPECT_EQ(responder->Texts(), (std::vector<AnsiString>{"Range check error"}));
    EXPECT_EQ(responder->Boxes()[0].caption, "Message");
    // The bad line is passed over; the line after it is kept, so a later save
    // does not lose it.
    ASSERT_EQ(schedList->size(), 2u);
    EXPECT_STREQ((*schedList)[0]->name, "one");
    EXPECT_STREQ((*schedList)[1]->name, "three");
}

TEST_F(ScheduleTest, LoadAppendsToAnExistingList) {
    Append(Entry("kept", 'M', 0, "k.wav", 1, 354, 1, 1));
    WriteFile("sched.dat", "\"read\",A,0,a.wav,1,354,1,2\r\n");
    LoadSchedule();
    ASSERT_EQ(schedList->size(), 2u);
    EXPECT_STREQ((*schedList)[0]->name, "kept");
    EXPECT_STREQ((*schedList)[1]->name, "read");
}

TEST_F(ScheduleTest, UnreadableFileEndsTheLoadWithAMessage) {
    std::filesystem::create_directory("sched.dat");
    LoadSchedule();
    ASSERT_TRUE(schedList);
    EXPECT_TRUE(schedList->empty());
    EXPECT_EQ(responder->Texts(), (std::vector<AnsiString>{"Cannot open file \"sched.dat\""}));
}

TEST_F(ScheduleTest, SaveWritesTheQuotedFormAndReadsBack) {
    SaveSchedule();  // no list yet: nothing written
    EXPECT_FALSE(FileExists("sched.dat"));

    Append(Entry("Fajr Vidur", 'F', -15, "/home/me/azan 1.wav", 1, 354, 1, 1));
    Append(Entry("Say \"Amin\"", 'S', 30, "a\"b.wav", 178, 207, 0, 7));
    Append(Entry(AnsiString(60, 'n'), 'Z', 0, AnsiString(300, 'p'), 1, 10, 1, 8));
    Append(Entry("caf\xe9", 'I', 0, "x.wav", 1, 354, 1, 9));  // Windows-1252 byte kept
    SaveSchedule();
    EXPECT_EQ(ReadFile("sched.dat"), "\"Fajr Vidur\",F,-15,\"/home/me/azan 1.wav\",1,354,1,1\r\n"
                                     "\"Say \"\"Amin\"\"\",S,30,\"a\"\"b.wav\",178,207,0,7\r\n"
                                     "\"" +
                                         AnsiString(49, 'n') + "\",Z,0,\"" + AnsiString(255, 'p') +
                                         "\",1,10,1,8\r\n"
                                         "\"caf\xe9\",I,0,\"x.wav\",1,354,1,9\r\n");

    // Read back, every entry comes back whole: blanks and quotes included.
    const std::vector<AnsiString> saved = Lines();
    schedList.reset();
    LoadSchedule();
    EXPECT_EQ(Lines(), saved);
    EXPECT_STREQ((*schedList)[1]->name, "Say \"Amin\"");
    EXPECT_STREQ((*schedList)[1]->filePath, "a\"b.wav");
}

TEST_F(ScheduleTest, SaveFailureReachesTheCaller) {
    Append(Entry("a", 'F', 0, "a.wav", 1, 354, 1, 1));
    std::filesystem::create_directories("sched.dat/in-the-way");  // cannot be replaced
    try {
        SaveSchedule();
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Cannot create file \"sched.dat\"");
    }
    EXPECT_THROW(CreateDefaultSchedule(), Exception);
}

TEST_F(ScheduleTest, TextsAreCutToTheirFields) {
    ScheduleEntry e{};
    e.SetName(AnsiString(60, 'x'));
    e.SetFilePath(AnsiString(300, 'y'));
    EXPECT_EQ(AnsiString(e.name), AnsiString(49, 'x'));
    EXPECT_EQ(AnsiString(e.filePath), AnsiString(255, 'y'));
    e.SetName("ab");  // a shorter text leaves zeros after its NUL
    for (std::size_t i = 2; i < sizeof e.name; ++i)
        EXPECT_EQ(e.name[i], '\0');

    WriteFile("sched.dat",
              "\"" + AnsiString(60, 'x') + "\",F,0,\"" + AnsiString(300, 'y') + "\",1,354,1,1\r\n");
    LoadSchedule();
    ASSERT_EQ(schedList->size(), 1u);
    EXPECT_EQ(AnsiString((*schedList)[0]->name), AnsiString(49, 'x'));
    EXPECT_EQ(AnsiString((*schedList)[0]->filePath), AnsiString(255, 'y'));
}

TEST_F(ScheduleTest, KeysFindAndNext) {
    EXPECT_EQ(NextScheduleKey(), -1);  // no list
    schedList = std::make_unique<ScheduleList>();
    EXPECT_EQ(NextScheduleKey(), 2);  // empty list

    const struct {
        std::vector<int32_t> keys;
        int32_t next;
    } cases[] = {
        {{1, 2, 7}, 8}, {{7, 2, 1}, 8},          {{0, -3}, 2},
        {{1}, 2},       {{2147483647, 2, 3}, 4},  // the largest key cannot grow: the smallest free
                                                  // one
    };
    for (const auto& c : cases) {
        schedList->clear();
        for (int32_t k : c.keys)
            Append(Entry("e", 'F', 0, "a.wav", 1, 354, 1, k));
        EXPECT_EQ(NextScheduleKey(), c.next);
    }

    schedList->clear();
    for (int32_t k : {4, 9, 4})
        Append(Entry("e", 'F', 0, "a.wav", 1, 354, 1, k));
    EXPECT_EQ(FindScheduleIndex(9), 1);
    EXPECT_EQ(FindScheduleIndex(4), 0);  // the first of equal keys
    EXPECT_TRUE(responder->Boxes().empty());
    EXPECT_EQ(FindScheduleIndex(5), -1);
    ASSERT_EQ(responder->Boxes().size(), 1u);
    EXPECT_EQ(responder->Boxes()[0].text, "Invalid key found in schedList.");
    EXPECT_EQ(responder->Boxes()[0].caption, "Error");
}

TEST(ScheduleNames, TimeCodeNames) {
    const std::pair<char, const char*> cases[] = {
        {'M', "Midnight"}, {'H', "Sehri"}, {'F', "Fajr"},    {'R', "Sunrise"},
        {'Z', "Zoher"},    {'A', "Asr"},   {'S', "Maghrib"}, {'I', "Isha"},
        {'C', "Error"},    {'f', "Error"}, {'\0', "Error"},
    };
    for (const auto& [code, name] : cases)
        EXPECT_EQ(TimeCodeName(code), name) << code;
}

}  // namespace

#include <random>

namespace {

// A schedule file of random bytes loads what lines it can, and what was
// loaded survives a save and a second load unchanged.
TEST_F(ScheduleTest, RandomBytesLoadSaveAndLoadAgain) {
    std::mt19937 rng(4101);
    std::uniform_int_distribution<int> byte(0, 255);
    std::size_t loaded = 0;
    for (int round = 0; round < 20; ++round) {
        std::string bytes;
        for (int i = 0; i < 4000; ++i)
            bytes.push_back(static_cast<char>(i % 53 == 0 ? ',' : byte(rng)));
        WriteFile("sched.dat", bytes);
        schedList.reset();
        LoadSchedule();
        std::vector<std::string> first;
        for (const auto& e : *schedList)
            first.push_back(std::string(e->name) + "|" + e->timeCode + "|" + e->filePath);
        SaveSchedule();
        schedList.reset();
        LoadSchedule();
        std::vector<std::string> second;
        for (const auto& e : *schedList)
            second.push_back(std::string(e->name) + "|" + e->timeCode + "|" + e->filePath);
        EXPECT_EQ(first, second) << round;
        loaded += first.size();
    }
    EXPECT_GT(loaded, 0u);  // the rounds did reach whole entries
}

}  // namespace
