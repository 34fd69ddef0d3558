#include "calendar/Projglob.h"
#include "platform/core/Exceptions.h"
#include "platform/desktop/Associations.h"
#include "tests/support/FakeAssociations.h"
#include "tests/support/Sandbox.h"
#include "tests/support/UnusualFiles.h"
#include "vidur/Schedule.h"

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
                           "\"hex\",F,0,\"p\",1,354,1,10",  // key 0 is taken: a fresh one
                           "\"neg\",I,-20,\"p.wav\",1,10,1,9",
                       }));
}

TEST_F(ScheduleTest, AByteOrderMarkBeforeTheFirstLineIsSkipped) {
    WriteFile("sched.dat", "\xEF\xBB\xBF\"Fajr Vidur\",F,0,azan1.wav,1,354,1,1\r\n"
                           "\"Zoher Vidur\",Z,0,azan1.wav,1,354,1,2\r\n");
    LoadSchedule();
    EXPECT_EQ(Lines(), (std::vector<AnsiString>{
                           "\"Fajr Vidur\",F,0,\"azan1.wav\",1,354,1,1",
                           "\"Zoher Vidur\",Z,0,\"azan1.wav\",1,354,1,2",
                       }));
}

TEST_F(ScheduleTest, BadLinesAreNamedInOneBoxAndEveryGoodLineIsKept) {
    std::string file;
    std::vector<std::string> good;
    // Lines 2, 4 to 6 and 8 have an empty time code; the rest are whole.
    for (int line = 1; line <= 9; ++line) {
        const bool bad = line == 2 || (line >= 4 && line <= 6) || line == 8;
        const std::string name = "e" + std::to_string(line);
        file += "\"" + name + "\"," + (bad ? "" : "F") + ",0,a.wav,1,354,1," +
                std::to_string(line) + "\r\n";
        if (!bad)
            good.push_back(name);
    }
    WriteFile("sched.dat", file);
    LoadSchedule();
    EXPECT_EQ(responder->Texts(),
              (std::vector<AnsiString>{
                  "These lines of sched.dat could not be read and were left out: 2, 4-6, 8.\n"
                  "Line 2: \"e2\",,0,a.wav,1,354,1,2 (Range check error)\n"
                  "Line 4: \"e4\",,0,a.wav,1,354,1,4 (Range check error)\n"
                  "Line 5: \"e5\",,0,a.wav,1,354,1,5 (Range check error)\n"
                  "... and 2 more."}));
    EXPECT_EQ(responder->Boxes()[0].caption, "Message");
    std::vector<std::string> loaded;
    for (const auto& e : *schedList)
        loaded.push_back(e->name);
    EXPECT_EQ(loaded, good);

    // A long line is cut in the message; a single bad line needs no "more".
    responder->Clear();
    schedList.reset();
    WriteFile("sched.dat", "\"" + std::string(70, 'n') + "\",,0,a.wav,1,354,1,1\r\n");
    LoadSchedule();
    EXPECT_EQ(responder->Texts(),
              (std::vector<AnsiString>{
                  "These lines of sched.dat could not be read and were left out: 1.\n"
                  "Line 1: \"" +
                  AnsiString(59, 'n') + "... (Range check error)"}));
}

TEST_F(ScheduleTest, OddTimeCodesAreWrittenSoThatTheyReadBack) {
    const struct {
        char code;
        const char* written;
    } cases[] = {
        {'F', "F"},       {' ', "\" \""},       {',', "\",\""},   {'"', "\"\"\"\""},
        {'\t', "\"\t\""}, {'\x01', "\"\x01\""}, {'\xe9', "\xe9"}, {'#', "#"},
    };
    for (const auto& c : cases) {
        schedList.reset();
        Append(Entry("n", c.code, 5, "a.wav", 1, 354, 1, 1));
        SaveSchedule();
        EXPECT_EQ(ReadFile("sched.dat"),
                  "\"n\"," + std::string(c.written) + ",5,\"a.wav\",1,354,1,1\r\n")
            << int(c.code);
        schedList.reset();
        LoadSchedule();
        ASSERT_EQ(schedList->size(), 1u) << int(c.code);
        EXPECT_EQ((*schedList)[0]->timeCode, c.code);
        EXPECT_EQ((*schedList)[0]->deltaMinutes, 5);
    }
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
    // A folder, and a FIFO that nobody writes: refused at once, never waited on.
    for (const bool folder : {true, false}) {
        SCOPED_TRACE(folder ? "folder" : "FIFO");
        std::filesystem::remove("sched.dat");
        if (folder)
            std::filesystem::create_directory("sched.dat");
        else
            ASSERT_TRUE(MakeFifo("sched.dat"));
        schedList.reset();
        responder->Clear();
        LoadSchedule();
        ASSERT_TRUE(schedList);
        EXPECT_TRUE(schedList->empty());
        EXPECT_EQ(responder->Texts(), (std::vector<AnsiString>{"Cannot open file \"sched.dat\""}));
    }
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
    const auto refused = [&](const char* what) {
        try {
            SaveSchedule();
            ADD_FAILURE() << what << ": no exception";
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), "Cannot create file \"sched.dat\"") << what;
        }
        EXPECT_THROW(CreateDefaultSchedule(), Exception) << what;
    };
    // A file the user has made read-only stays as it is.
    WriteFile("sched.dat", "\"mine\",F,0,a.wav,1,354,1,1\r\n");
    std::filesystem::permissions("sched.dat", std::filesystem::perms::owner_read);
    refused("read-only file");
    EXPECT_EQ(ReadFile("sched.dat"), "\"mine\",F,0,a.wav,1,354,1,1\r\n");
    std::filesystem::remove("sched.dat");

    std::filesystem::create_directories("sched.dat/in-the-way");  // cannot be replaced
    refused("folder");
    std::filesystem::remove_all("sched.dat");

    ASSERT_TRUE(MakeFifo("sched.dat"));  // never replaced by a file
    refused("FIFO");
    EXPECT_TRUE(std::filesystem::is_fifo("sched.dat"));
}

TEST_F(ScheduleTest, ALinkedFileIsWrittenThroughItsLink) {
    std::filesystem::create_directory("mine");
    WriteFile("mine/sched.dat", "");
    std::filesystem::create_symlink("mine/sched.dat", "sched.dat");
    Append(Entry("a", 'F', 0, "a.wav", 1, 354, 1, 1));
    SaveSchedule();
    EXPECT_TRUE(std::filesystem::is_symlink("sched.dat"));
    EXPECT_EQ(ReadFile("mine/sched.dat"), "\"a\",F,0,\"a.wav\",1,354,1,1\r\n");
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

// Entries that share a key (a hand-edited file; keys that are no numbers
// read as 0) get keys of their own at load: the first keeps the key, each
// later one takes a fresh key, written back at the next save.
TEST_F(ScheduleTest, SharedKeysAreMadeDistinctAtLoad) {
    const std::string file = "\"a\",F,0,a.wav,1,354,1,3\r\n"
                             "\"b\",Z,0,b.wav,1,354,1,3\r\n"
                             "\"c\",A,0,c.wav,1,354,1,x\r\n"
                             "\"d\",S,0,d.wav,1,354,1,\r\n"
                             "\"e\",I,0,e.wav,1,354,1,7\r\n";
    WriteFile("sched.dat", file);
    LoadSchedule();
    std::vector<int32_t> keys;
    for (const auto& e : *schedList)
        keys.push_back(e->key);
    EXPECT_EQ(keys, (std::vector<int32_t>{3, 8, 0, 9, 7}));
    EXPECT_TRUE(responder->Boxes().empty());
    EXPECT_EQ(ReadFile("sched.dat"), file);  // until the next save
    SaveSchedule();
    EXPECT_EQ(ReadFile("sched.dat"), "\"a\",F,0,\"a.wav\",1,354,1,3\r\n"
                                     "\"b\",Z,0,\"b.wav\",1,354,1,8\r\n"
                                     "\"c\",A,0,\"c.wav\",1,354,1,0\r\n"
                                     "\"d\",S,0,\"d.wav\",1,354,1,9\r\n"
                                     "\"e\",I,0,\"e.wav\",1,354,1,7\r\n");

    // An entry already in the list keeps its key; a loaded twin of it does not.
    schedList.reset();
    Append(Entry("kept", 'M', 0, "k.wav", 1, 354, 1, 4));
    WriteFile("sched.dat", "\"read\",A,0,a.wav,1,354,1,4\r\n");
    LoadSchedule();
    EXPECT_EQ((*schedList)[0]->key, 4);
    EXPECT_EQ((*schedList)[1]->key, 5);
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

// Random schedule files: lines of eight fields whose texts and time codes
// hold blanks, commas, quotes and control characters, whose numbers are
// decimal, hexadecimal or no numbers at all, with random line ends and junk
// lines between them. Every such line loads, and what was loaded survives a
// save and a second load unchanged.
TEST_F(ScheduleTest, RandomFilesLoadSaveAndLoadAgain) {
    std::mt19937 rng(4101);
    const auto pick = [&](const std::string& pool) {
        return pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(rng)];
    };
    const auto chance = [&](int percent) {
        return std::uniform_int_distribution<int>(0, 99)(rng) < percent;
    };
    const std::string textPool = "ab Z9,\"\t\xe9\x01.\\";
    const std::string codePool = "FZMSx ,\"\t\x01\xe9";
    const std::vector<std::string> numbers = {"0",    "15",  "-20", "+7", "354",
                                              "0x1E", "$EC", "abc", ""};
    const auto quoted = [](const std::string& text) {
        std::string out = "\"";
        for (char c : text)
            out += c == '"' ? std::string("\"\"") : std::string(1, c);
        return out + "\"";
    };
    const auto text = [&] {
        std::string t;
        for (int n = std::uniform_int_distribution<int>(0, 12)(rng); n > 0; --n)
            t += pick(textPool);
        return t;
    };
    const std::vector<std::string> ends = {"\r\n", "\n", "\r"};

    std::size_t oddCodes = 0;
    for (int round = 0; round < 20; ++round) {
        std::string file;
        std::vector<std::string> expected;  // name|code|path of every whole line
        for (int line = 0; line < 40; ++line) {
            if (chance(15)) {  // junk, which may or may not load
                for (int n = std::uniform_int_distribution<int>(0, 30)(rng); n > 0; --n)
                    file += pick(textPool + ",");
                file += ends[line % 3];
                continue;
            }
            const std::string name = text(), path = text();
            const char code = pick(codePool);
            const bool plain = std::isalpha(static_cast<unsigned char>(code));
            oddCodes += plain ? 0 : 1;
            file +=
                quoted(name) + "," + (plain ? std::string(1, code) : quoted(std::string(1, code)));
            file += "," + numbers[rng() % numbers.size()] + "," + quoted(path);
            for (int k = 0; k < 4; ++k)
                file += "," + numbers[rng() % numbers.size()];
            file += ends[line % 3];
            expected.push_back(name + "|" + code + "|" + path);
        }
        WriteFile("sched.dat", file);
        schedList.reset();
        LoadSchedule();
        std::vector<std::string> loaded;
        for (const auto& e : *schedList)
            loaded.push_back(std::string(e->name) + "|" + e->timeCode + "|" + e->filePath);
        // Every whole line is among the entries, in order.
        std::size_t found = 0;
        for (const std::string& entry : loaded)
            if (found < expected.size() && entry == expected[found])
                ++found;
        EXPECT_EQ(found, expected.size()) << round;

        const std::vector<AnsiString> first = Lines();
        SaveSchedule();
        schedList.reset();
        LoadSchedule();
        EXPECT_EQ(Lines(), first) << round;
    }
    EXPECT_GT(oddCodes, 100u);  // the rounds did write odd codes
}

}  // namespace
