#include "calendar/Misri.h"
#include "calendar/Projglob.h"
#include "locations/PrayerTimes.h"
#include "locations/records/LocationFile.h"
#include "platform/core/Exceptions.h"
#include "platform/desktop/Associations.h"
#include "platform/desktop/Sound.h"
#include "platform/desktop/TrayIcon.h"
#include "platform/widgets/StringGrid.h"
#include "tests/support/DesktopLocales.h"
#include "tests/support/EnvironmentGuard.h"
#include "tests/support/FixedPrayerTimes.h"
#include "tests/support/LocaleScope.h"
#include "tests/support/NotificationArea.h"
#include "tests/vidur/AlarmSandbox.h"
#include "vidur/AzanForm.h"
#include "vidur/CommandLine.h"
#include "vidur/DayTimes.h"
#include "vidur/Schedule.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Prayer times that move one minute later with each day of the month, so
// that today's and tomorrow's differ.
class DatedTimes : public PrayerTimeSource {
public:
    DatedTimes() { SetPrayerTimeSource(this); }
    ~DatedTimes() override { SetPrayerTimeSource(nullptr); }
    void GetTimes(int day, int, int, float, float, float, TSunTimes* out) override {
        day_ = day;
        (*out)[0] = 0.25;
        (*out)[1] = 0.75;
    }
    void GetSalaatTimings(const TSunTimes*, TPrayerTimes* out) override {
        for (int i = 0; i < 6; ++i)
            (*out)[i] = base[i] + day_ / 1440.0;
    }
    TPrayerTimes base = {0.2, 0.25, 0.5, 0.65, 0.75, 0.8};

private:
    int day_ = 0;
};

class DayTimesTest : public AlarmSandbox {
protected:
    // A configured place whose daylight state stays as written.
    static void Place(const AnsiString& daylight = "0") {
        Setting("Location", "Mumbai, India");
        Setting("Longitude", "72.82");
        Setting("Latitude", "18.97");
        Setting("TimeZone", "5.5");
        Setting("AutoUpdate", "0");
        Setting("DayLightSavings", daylight);
    }
    void Create(const std::string& schedule) {
        WriteFile("sched.dat", schedule);
        form = std::make_unique<TfrmMain>();
    }
    TStringGrid* Grid() const { return form->Grid(); }
    AnsiString LabelText(const char* name) const {
        return FromQString(form->findChild<QLabel*>(name)->text());
    }
    // The names of the rows marked "1".
    std::vector<AnsiString> Marked() const {
        std::vector<AnsiString> names;
        for (int row = 1; row < Grid()->RowCount(); ++row)
            if (Grid()->Cell(9, row) == "1")
                names.push_back(Grid()->Cell(0, row));
        return names;
    }
};

TEST_F(DayTimesTest, HeaderWithoutPlace) {
    FixedPrayerTimes times;
    Create("");
    EXPECT_FALSE(form->ShowLocation());
    EXPECT_EQ(LabelText("lblLocation"), "Click the configure button to setup location");
    EXPECT_EQ(LabelText("lblDaylight"), "Not available");
    EXPECT_EQ(LabelText("lblSunrise"), "");
    EXPECT_EQ(LabelText("lblSunset"), "");
}

TEST_F(DayTimesTest, HeaderDaylightTexts) {
    FixedPrayerTimes times;
    Create("");
    struct Case {
        AnsiString saving, autoUpdate, label;
        bool daylight;
    };
    const Case cases[] = {
        {"0", "0", "OFF. (AutoUpdate is NOT enabled.)", false},
        {"1", "0", "ON. (AutoUpdate is NOT enabled.)", true},
        {"yes", "0", "ON. (AutoUpdate is NOT enabled.)", true},
    };
    Setting("Location", "Mumbai, India");
    for (const Case& c : cases) {
        Setting("DayLightSavings", c.saving);
        Setting("AutoUpdate", c.autoUpdate);
        EXPECT_TRUE(form->ShowLocation());
        EXPECT_EQ(LabelText("lblLocation"), "Mumbai, India");
        EXPECT_EQ(LabelText("lblDaylight"), c.label) << c.saving;
        EXPECT_EQ(form->daylight, c.daylight) << c.saving;
    }
    // "2" lets the system update run, but the label shows it as not enabled;
    // "1" shows it enabled. Either way the stored state follows the system:
    // London keeps summer time in July, not in December.
    EnvironmentGuard env;
    env.Set("TZ", "Europe/London");
    struct Update {
        int month;
        AnsiString autoUpdate, stored, label;
    };
    const Update updates[] = {
        {7, "2", "1", "ON. (AutoUpdate is NOT enabled.)"},
        {12, "2", "0", "OFF. (AutoUpdate is NOT enabled.)"},
        {7, "1", "1", "ON. (AutoUpdate is enabled.)"},
        {12, "1", "0", "OFF. (AutoUpdate is enabled.)"},
    };
    for (const Update& u : updates) {
        SCOPED_TRACE(u.label);
        SetToday(2026, u.month, 10);
        Setting("DayLightSavings", u.stored == "1" ? "0" : "1");
        Setting("AutoUpdate", u.autoUpdate);
        form->ShowLocation();
        EXPECT_EQ(LabelText("lblDaylight"), u.label);
        EXPECT_EQ(ReadSettingString("DayLightSavings", ""), u.stored);
        EXPECT_EQ(form->daylight, u.stored == "1");
    }
}

// The place's numbers as the settings hold them, on every desktop.
class DayTimesNumbers : public OnEveryDesktop<DayTimesTest> {};
INSTANTIATE_ON_EVERY_DESKTOP(DayTimesNumbers);

TEST_P(DayTimesNumbers, ReadLocationConvertsOrStopsAtABadNumber) {
    FixedPrayerTimes times;
    Create("");
    Place();
    Setting("Location", AnsiString(60, 'x'));
    form->ReadLocation();
    EXPECT_EQ(LocationName(form->location), AnsiString(47, 'x'));
    EXPECT_FLOAT_EQ(form->location.longitude, 72.82f);
    EXPECT_FLOAT_EQ(form->location.latitude, 18.97f);
    EXPECT_FLOAT_EQ(form->location.timeZone, 5.5f);

    Setting("Longitude", "10");
    Setting("Latitude", "north");
    Setting("TimeZone", "3");
    EXPECT_THROW(form->ReadLocation(), EConvertError);
    EXPECT_FLOAT_EQ(form->location.longitude, 10.0f);
    EXPECT_FLOAT_EQ(form->location.latitude, 18.97f);
    EXPECT_FLOAT_EQ(form->location.timeZone, 5.5f);
}

// The place made the default in the Configure dialog is the place whose
// times the alarm computes: its numbers go through the settings as text.
TEST_P(DayTimesNumbers, ThePlaceSetAsDefaultIsThePlaceComputed) {
    FixedPrayerTimes times;
    Setting("AutoUpdate", "0");
    TLocationRecord mumbai;
    SetLocationName(mumbai, "Mumbai, India");
    mumbai.longitude = 72.833333f;  // shown as 72.50
    mumbai.latitude = 18.966667f;   // 18.58
    mumbai.timeZone = 5.5f;
    const LocationRecordBytes bytes = PackLocationRecord(mumbai);
    WriteFile(LocationFileName,
              std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    Create("\"Fajr\",F,0,a.wav,1,354,1,1\r\n");
    ASSERT_TRUE(times.requests.empty());  // no place yet

    responder->QueueForm([](TForm& f) {
        f.findChild<QListWidget*>("lstMain")->setCurrentRow(0);
        f.findChild<QPushButton*>("btnSetDefault")->click();
        return mrOk;
    });
    form->findChild<QPushButton*>("btnConfig")->click();
    EXPECT_EQ(responder->Texts(), std::vector<AnsiString>{"Default location successfully saved."});
    EXPECT_EQ(ReadSettingString("Longitude", ""), "72.83");
    EXPECT_EQ(ReadSettingString("Latitude", ""), "18.97");
    EXPECT_EQ(ReadSettingString("TimeZone", ""), "5.5");
    ASSERT_FALSE(times.requests.empty());
    EXPECT_FLOAT_EQ(times.requests.back().longitude, 72.83f);
    EXPECT_FLOAT_EQ(times.requests.back().latitude, 18.97f);
    EXPECT_FLOAT_EQ(times.requests.back().timeZone, 5.5f);
}

// The prayer-time library's own times for one place, read from the settings
// as a program started on each desktop reads them.
TEST_F(DayTimesTest, OnePlaceHasTheSameTimesOnEveryDesktop) {
    Place();
    const std::string schedule = "\"Sehri\",H,0,a.wav,1,354,1,1\r\n"
                                 "\"Fajr\",F,0,a.wav,1,354,1,2\r\n"
                                 "\"Sunrise\",R,0,a.wav,1,354,1,3\r\n"
                                 "\"Zoher\",Z,0,a.wav,1,354,1,4\r\n"
                                 "\"Asr\",A,0,a.wav,1,354,1,5\r\n"
                                 "\"Maghrib\",S,0,a.wav,1,354,1,6\r\n"
                                 "\"Isha\",I,0,a.wav,1,354,1,7\r\n";
    // Each event's name and second of the day, then the sun labels.
    const auto dayTimes = [&] {
        Create(schedule);
        std::vector<AnsiString> cells;
        for (int row = 1; row <= 7; ++row)
            cells.push_back(Grid()->Cell(0, row) + " " + Grid()->Cell(4, row));
        cells.push_back(LabelText("lblSunrise"));
        cells.push_back(LabelText("lblSunset"));
        form.reset();
        schedList.reset();  // the list lives as long as the program: start afresh
        return cells;
    };
    const std::vector<AnsiString> own = dayTimes();
    ASSERT_EQ(own[1], "Fajr 20574");  // 05:42:54, the library's Fajr for Mumbai that day
    for (const char* name : kCommaLocales) {
        const LocaleScope scope(name);
        if (!scope.Made())
            GTEST_SKIP() << scope.Name().constData() << " cannot be loaded on this machine";
        EXPECT_EQ(dayTimes(), own) << name;
    }
}

TEST_F(DayTimesTest, ABadNumberAtStartUpIsShownAndNothingIsComputed) {
    FixedPrayerTimes times;
    Place();
    Setting("TimeZone", "five");
    Create("\"Fajr Vidur\",F,0,azan1.wav,1,354,1,1\r\n");
    EXPECT_TRUE(times.requests.empty());
    EXPECT_EQ(Grid()->Cell(9, 1), "-1");
    ASSERT_EQ(responder->Boxes().size(), 1u);
    EXPECT_EQ(responder->Boxes()[0].text, "'five' is not a valid floating point value");
}

TEST_F(DayTimesTest, TimingsForADateWithAndWithoutDaylight) {
    FixedPrayerTimes times;
    Create("");
    TLocationRecord place;
    place.latitude = 18.97f;
    place.longitude = 72.82f;
    place.timeZone = 5.5f;
    TPrayerTimes out = {};
    GetTimingsFor(place, &out, false, EncodeDate(2027, 3, 4));
    ASSERT_EQ(times.requests.size(), 1u);
    EXPECT_EQ(times.requests[0].day, 4);
    EXPECT_EQ(times.requests[0].month, 3);
    EXPECT_EQ(times.requests[0].year, 2027);
    EXPECT_FLOAT_EQ(times.requests[0].latitude, 18.97f);
    EXPECT_FLOAT_EQ(times.requests[0].longitude, 72.82f);
    EXPECT_FLOAT_EQ(times.requests[0].timeZone, 5.5f);
    EXPECT_DOUBLE_EQ(out[2], 0.5);

    GetTimingsFor(place, &out, true, EncodeDate(2027, 3, 4));
    EXPECT_DOUBLE_EQ(times.sunGiven[1].first, 0.25 + 0.04166667);
    EXPECT_DOUBLE_EQ(times.sunGiven[1].second, 0.75 + 0.04166667);

    GetTomorrowTimings(place, &out, false);
    EXPECT_EQ(times.requests.back().day, 11);  // the clock says 10 December 2026
}

TEST_F(DayTimesTest, ActualSecondsOfEachBaseTime) {
    FixedPrayerTimes times;
    Create("");
    // Fajr 04:48, sunrise 06:00, Zohr 12:00, Asr 15:36, Maghrib 18:00, Isha 19:12.
    const TPrayerTimes t = {0.2, 0.25, 0.5, 0.65, 0.75, 0.8};
    struct Case {
        char code;
        int delta;
        int seconds;
    };
    const Case cases[] = {
        {'M', 0, 0},     {'M', -15, -900},  {'H', 0, 17280 - 600}, {'F', 10, 17880},
        {'R', 0, 21600}, {'Z', 0, 43200},   {'A', 0, 56160},       {'S', 30, 66600},
        {'I', 0, 69120}, {'I', 400, 93120}, {'X', 30, 0},          {'f', 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(form->ActualSeconds(c.code, c.delta, t), c.seconds) << c.code << c.delta;
    // A hand-written offset of any size stays a number.
    EXPECT_EQ(form->ActualSeconds('M', 2000000000, t), INT32_MAX);
}

TEST_F(DayTimesTest, GridTextsAndHiddenColumns) {
    FixedPrayerTimes times;
    SetToday(2025, 12, 10);  // Hijri 1447, a common year: day 355 keeps its own date
    Create("\"After Fajr\",F,15,sounds\\azan1.wav,1,354,1,4\r\n"
           "\"Before Fajr\",F,-15,/home/me/fajr.wav,237,266,0,9\r\n"
           "\"Fajr\",F,0,azan1.wav,1,355,1,2\r\n");
    const TStringGrid* g = Grid();
    EXPECT_EQ(g->Cell(1, 1), "Fajr +15 min.");
    EXPECT_EQ(g->Cell(1, 2), "Fajr -15 min.");
    EXPECT_EQ(g->Cell(1, 3), "Fajr");
    EXPECT_EQ(g->Cell(2, 1), "azan1.wav");
    EXPECT_EQ(g->Cell(2, 2), "fajr.wav");
    EXPECT_EQ(g->Cell(3, 1), "Every day");
    EXPECT_EQ(g->Cell(3, 2), "1 Ramadan - 30 Ramadan");
    EXPECT_EQ(g->Cell(3, 3), "1 Moharram - 30 Zil-Haj");  // 355 is not the every-day end
    EXPECT_EQ(g->Cell(7, 1), "sounds\\azan1.wav");
    EXPECT_EQ(g->Cell(8, 2), "0");
    EXPECT_EQ(g->Cell(10, 2), "9");
    const int w = form->frameGeometry().width();
    EXPECT_EQ(g->ColWidth(0), w * 16 / 100);
    EXPECT_EQ(g->ColWidth(3), w * 35 / 100);
    for (int col = 4; col <= 10; ++col) {
        EXPECT_EQ(g->ColWidth(col), 0);
        EXPECT_EQ(g->Cell(col, 0), "");
    }
    EXPECT_EQ(g->Cell(3, 0), "Frequency");
}

TEST_F(DayTimesTest, DebugModeShowsEveryColumnAndFollowsResizes) {
    FixedPrayerTimes times;
    Create("");
    debugMode = true;
    form->resize(600, 300);
    form->FormResize();
    const int w = form->frameGeometry().width();
    for (int col = 4; col <= 10; ++col)
        EXPECT_EQ(Grid()->ColWidth(col), w * 16 / 100);
    EXPECT_EQ(Grid()->Cell(4, 0), "Actual Time (sec)");
    EXPECT_EQ(Grid()->Cell(10, 0), "Key");
    EXPECT_EQ(Grid()->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
}

// The grid has a row for every entry, however many: each one shows, is
// timed and sounds, also the entries past the 49 that the grid first holds.
TEST_F(DayTimesTest, EveryEntryHasARowIsTimedAndSounds) {
    FixedPrayerTimes times;
    Place();
    std::string lines;
    for (int k = 1; k <= 52; ++k)
        lines += "\"E" + std::to_string(k) + "\",M," + std::to_string(k) + ",e" +
                 std::to_string(k) + ".wav,1,354,1," + std::to_string(k) + "\r\n";
    SetToday(2026, 12, 10, 0, 49, 30);
    Create(lines);
    EXPECT_EQ(schedList->size(), 52u);
    EXPECT_TRUE(responder->Boxes().empty());
    form->resize(600, 400);  // a resize lays the grid out again
    form->FormResize();
    for (int k : {49, 50, 52}) {
        EXPECT_EQ(Grid()->Cell(0, k), "E" + IntToStr(k));
        EXPECT_EQ(Grid()->Cell(4, k), IntToStr(k * 60));
    }
    EXPECT_EQ(Marked(), std::vector<AnsiString>{"E50"});
    SetToday(2026, 12, 10, 0, 50, 30);
    form->tmrMainTimer();
    EXPECT_EQ(player.played, std::vector<AnsiString>{"e50.wav"});
    EXPECT_EQ(Marked(), std::vector<AnsiString>{"E51"});

    // One more through the add command.
    WriteFile("new.wav", "RIFF");
    responder->QueueForm([](TForm& f) {
        f.findChild<QLineEdit*>("txtName")->setText("E53");
        f.findChild<QLineEdit*>("txtPath")->setText("new.wav");
        f.findChild<QComboBox*>("cmbFrom")->setCurrentIndex(0);  // Midnight
        f.findChild<QComboBox*>("cmbBeforeAfter")->setCurrentIndex(1);
        f.findChild<QLineEdit*>("txtDelta")->setText("53");
        f.findChild<QPushButton*>("btnOk")->click();
        return f.ModalResult();
    });
    form->AddNewRecord1->trigger();
    ASSERT_EQ(schedList->size(), 53u);
    EXPECT_EQ(Grid()->Cell(0, 53), "E53");
    EXPECT_EQ(Grid()->Cell(4, 53), "3180");
}

// Entries of a hand-edited file that share a key (keys that are no numbers
// read as 0) each show, are timed and sound as themselves.
TEST_F(DayTimesTest, EntriesThatShareAKeyEachShowAndSound) {
    FixedPrayerTimes times;
    Place();
    SetToday(2026, 12, 10, 4, 0);
    Create("\"Fajr\",F,0,fajr.wav,1,354,1,2\r\n"
           "\"Zohr\",Z,0,zohr.wav,1,354,1,2\r\n"
           "\"Asr\",A,0,asr.wav,1,354,1,abc\r\n"
           "\"Isha\",I,0,isha.wav,1,354,1,zz\r\n");
    const struct {
        const char* name;
        const char* seconds;
        int hour, minute;  // a tick just after it
        const char* file;
    } rows[] = {{"Fajr", "17280", 4, 48, "fajr.wav"},
                {"Zohr", "43200", 12, 0, "zohr.wav"},
                {"Asr", "56160", 15, 36, "asr.wav"},
                {"Isha", "69120", 19, 12, "isha.wav"}};
    for (int row = 1; row <= 4; ++row) {
        EXPECT_EQ(Grid()->Cell(0, row), rows[row - 1].name);
        EXPECT_EQ(Grid()->Cell(4, row), rows[row - 1].seconds);
    }
    EXPECT_TRUE(responder->Boxes().empty());
    std::vector<AnsiString> played;
    for (const auto& r : rows) {
        EXPECT_EQ(Marked(), std::vector<AnsiString>{r.name});
        SetToday(2026, 12, 10, r.hour, r.minute, 30);
        form->tmrMainTimer();
        played.push_back(r.file);
        EXPECT_EQ(player.played, played);
    }
}

TEST(DayTimesSort, StableByTheIntegerEmptyRowsLast) {
    TStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(6);
    const char* rows[][3] = {
        {"a", "300", "1"}, {"b", "", "2"}, {"c", "100", "3"}, {"d", "300", "4"}, {"e", "-5", "5"}};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 3; ++c)
            grid.SetCell(c, r + 1, rows[r][c]);
    SortGridByColumn(&grid, 1);
    const char* expected[] = {"e", "c", "a", "d", ""};
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(grid.Cell(0, r + 1), expected[r]) << r;
    EXPECT_EQ(grid.Cell(2, 3), "1");
    EXPECT_EQ(grid.Cell(2, 5), "");
}

TEST_F(DayTimesTest, NextEventTodayIsStrictlyAheadEnabledAndInPeriod) {
    FixedPrayerTimes times;  // Zohr at exactly 12:00:00, the clock's time
    Place();
    const int today = TMisri(Date()).DayOfYear();
    const std::string period = std::to_string(today + 1) + "," + std::to_string(today + 5);
    Create("\"Zohar\",Z,0,a.wav,1,354,1,1\r\n"
           "\"Off\",Z,1,a.wav,1,354,0,2\r\n"
           "\"Later\",Z,2,a.wav," +
           period +
           ",1,3\r\n"
           "\"Over year end\",Z,3,a.wav,300,20,1,4\r\n"
           "\"Asr\",A,0,a.wav,1,354,1,5\r\n"
           "\"Fajr\",F,0,a.wav,1,354,1,6\r\n");
    EXPECT_EQ(Marked(), std::vector<AnsiString>{"Asr"});
    EXPECT_FALSE(form->nextIsTomorrow);
    const AnsiString text = "Next: Asr at 15:36:00, " + TMisri(Date()).Format(0);
    EXPECT_EQ(FromQString(form->windowTitle()), text);
    EXPECT_EQ(TrayTip(*form->TrayIcon()), text);
    // Sorted by the second of the day, every other row cleared.
    EXPECT_EQ(Grid()->Cell(0, 1), "Fajr");
    EXPECT_EQ(Grid()->Cell(4, 1), "17280");
    for (int row = 1; row <= 6; ++row)
        EXPECT_NE(Grid()->Cell(9, row), "-1");
    EXPECT_EQ(LabelText("lblSunrise"), "06:00:00");
    EXPECT_EQ(LabelText("lblSunset"), "18:00:00");
}

TEST_F(DayTimesTest, TomorrowPassUsesTomorrowsTimesAndDate) {
    DatedTimes times;
    Place();
    SetToday(2026, 12, 10, 21, 0);
    const int today = TMisri(Date()).DayOfYear();
    Create("\"Asr\",A,0,a.wav,1,354,1,1\r\n"
           "\"Tomorrow only\",Z,0,a.wav," +
           std::to_string(today + 1) + "," + std::to_string(today + 1) +
           ",1,2\r\n"
           "\"Fajr\",F,0,a.wav,1,354,0,3\r\n");
    EXPECT_EQ(Marked(), std::vector<AnsiString>{"Tomorrow only"});
    EXPECT_TRUE(form->nextIsTomorrow);
    // Tomorrow is the 11th: every time is 11 minutes past its base.
    EXPECT_EQ(FromQString(form->windowTitle()),
              "Next: Tomorrow only at 12:11:00, " + TMisri(Date()).AddDays(1).Format(0));
    EXPECT_EQ(LabelText("lblSunrise"), "06:11:00");
    EXPECT_EQ(LabelText("lblSunset"), "18:11:00");
    EXPECT_NEAR(form->prayerTimes[2], 0.5 + 11 / 1440.0, 1e-12);
}

TEST_F(DayTimesTest, NothingQualifiesKeepsCaptionAndTip) {
    FixedPrayerTimes times;
    Place();
    // Neither today nor tomorrow: one event is off, the other one's period
    // lies ahead.
    const int today = TMisri(Date()).DayOfYear();
    Create("\"Fajr\",F,0,a.wav,1,354,0,1\r\n\"Maghrib\",S,0,a.wav," + std::to_string(today + 2) +
           "," + std::to_string(today + 9) + ",1,2\r\n");
    EXPECT_TRUE(Marked().empty());
    EXPECT_EQ(form->windowTitle(), "Next Vidur At:");
    EXPECT_EQ(TrayTip(*form->TrayIcon()), "Miravel 4.0");
    EXPECT_FALSE(form->nextIsTomorrow);
    EXPECT_EQ(Grid()->Cell(9, 1), "0");
}

// After Isha on the last day of a Hijri year (354 days, or 355 in a leap
// year) tomorrow is 1 Moharram, day 1 of the next year.
TEST_F(DayTimesTest, AfterTheLastDayOfAYearComesTheFirstOfTheNext) {
    FixedPrayerTimes times;
    Place();
    struct Case {
        TMisri lastDay;
        int dayOfYear;
    };
    const Case cases[] = {{TMisri::Raw(29, 12, 1447), 354}, {TMisri::Raw(30, 12, 1448), 355}};
    for (const Case& c : cases) {
        int y = 0, m = 0, d = 0;
        DecodeDate(c.lastDay.ToDateTime(), y, m, d);
        SetToday(y, m, d, 21, 0);
        ASSERT_EQ(TMisri(Date()).DayOfYear(), c.dayOfYear);
        Create("\"Fajr\",F,0,fajr.wav,1,354,1,1\r\n\"Isha\",I,0,isha.wav,1,355,1,2\r\n");
        EXPECT_EQ(Marked(), std::vector<AnsiString>{"Fajr"}) << c.dayOfYear;
        EXPECT_TRUE(form->nextIsTomorrow) << c.dayOfYear;
        EXPECT_EQ(FromQString(form->windowTitle()),
                  "Next: Fajr at 04:48:00, 1 Moharram, " + IntToStr(c.lastDay.Year() + 1));

        // Past midnight, the new year's Fajr sounds at its time.
        const QDate next = QDate(y, m, d).addDays(1);
        SetToday(next.year(), next.month(), next.day(), 0, 0, 40);
        form->tmrMainTimer();
        SetToday(next.year(), next.month(), next.day(), 4, 48, 30);
        form->tmrMainTimer();
        EXPECT_EQ(player.played, std::vector<AnsiString>{"fajr.wav"}) << c.dayOfYear;
        player.played.clear();
        form.reset();
        schedList.reset();
    }
}

TEST_F(DayTimesTest, AnEmptyKeyCellEndsTheRowSearch) {
    FixedPrayerTimes times;
    Create("\"Fajr\",F,0,a.wav,1,354,1,1\r\n");
    EXPECT_EQ(form->FindRowByKey(1), 1);
    EXPECT_TRUE(responder->Boxes().empty());
    EXPECT_EQ(form->FindRowByKey(7), -1);
    EXPECT_EQ(responder->Texts(), std::vector<AnsiString>{"Error getting grid row"});
    EXPECT_EQ(responder->Boxes()[0].caption, "Message");
}

}  // namespace
