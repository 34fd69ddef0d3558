#include "AlarmSandbox.h"
#include "Associations.h"
#include "AzanForm.h"
#include "DesktopLocales.h"
#include "Exceptions.h"
#include "FixedPrayerTimes.h"
#include "LocaleScope.h"
#include "LocationFile.h"
#include "Misri.h"
#include "PrayerTimes.h"
#include "Projglob.h"
#include "Schedule.h"
#include "Sound.h"
#include "StringGrid.h"
#include "SystemTime.h"
#include "TrayIcon.h"

#include <QDir>
#include <QLabel>
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
        for (int row = 1; row < 50; ++row)
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
    // "1" shows it enabled. Either way the stored state follows the system.
    const AnsiString system = DaylightSavingInEffect() ? "1" : "0";
    const AnsiString state = system == "1" ? "ON" : "OFF";
    Setting("DayLightSavings", system == "1" ? "0" : "1");
    Setting("AutoUpdate", "2");
    form->ShowLocation();
    EXPECT_EQ(LabelText("lblDaylight"), state + ". (AutoUpdate is NOT enabled.)");
    EXPECT_EQ(ReadSettingString("DayLightSavings", ""), system);
    Setting("DayLightSavings", system == "1" ? "0" : "1");
    Setting("AutoUpdate", "1");
    form->ShowLocation();
    EXPECT_EQ(LabelText("lblDaylight"), state + ". (AutoUpdate is enabled.)");
    EXPECT_EQ(ReadSettingString("DayLightSavings", ""), system);
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

TEST_F(DayTimesTest, MoreThan49EntriesAreKeptButNotTimed) {
    FixedPrayerTimes times;
    Place();
    std::string lines;
    for (int k = 1; k <= 52; ++k)
        lines += "\"E" + std::to_string(k) + "\",M," + std::to_string(k) + ",a.wav,1,354,1," +
                 std::to_string(k) + "\r\n";
    Create(lines);
    EXPECT_EQ(schedList->size(), 52u);
    EXPECT_EQ(Grid()->Cell(0, 49), "E49");
    EXPECT_TRUE(responder->Boxes().empty());
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
    EXPECT_EQ(form->TrayIcon()->Tip(), text);
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
    // 30 Zil-Haj of a leap year: day 355, outside the every-day period, and
    // the tomorrow pass looks for day 356.
    const TDateTime lastDay = TMisri::Raw(30, 12, 1448).ToDateTime();
    int y = 0, m = 0, d = 0;
    DecodeDate(lastDay, y, m, d);
    SetToday(y, m, d, 1, 0);
    ASSERT_EQ(TMisri(Date()).DayOfYear(), 355);
    Create("\"Fajr\",F,0,a.wav,1,354,1,1\r\n\"Maghrib\",S,0,a.wav,1,354,1,2\r\n");
    EXPECT_TRUE(Marked().empty());
    EXPECT_EQ(form->windowTitle(), "Next Vidur At:");
    EXPECT_EQ(form->TrayIcon()->Tip(), "Miravel 4.0");
    EXPECT_FALSE(form->nextIsTomorrow);
    EXPECT_EQ(Grid()->Cell(9, 1), "0");
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
