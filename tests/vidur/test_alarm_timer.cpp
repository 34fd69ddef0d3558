#include "calendar/Misri.h"
#include "calendar/Projglob.h"
#include "platform/core/Clock.h"
#include "platform/desktop/Associations.h"
#include "platform/desktop/Sound.h"
#include "platform/widgets/StringGrid.h"
#include "tests/support/EnvironmentGuard.h"
#include "tests/support/FixedPrayerTimes.h"
#include "tests/support/GridClicks.h"
#include "tests/support/OtherProgram.h"
#include "tests/vidur/AlarmSandbox.h"
#include "vidur/AzanForm.h"
#include "vidur/Schedule.h"
#include "vidur/SetWaqt.h"
#include "vidur/SoundFile.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class AlarmTimerTest : public AlarmSandbox {
protected:
    void SetUp() override {
        AlarmSandbox::SetUp();
        env.Set("TZ", "Europe/Berlin");
        programFolder = QDir::currentPath();
        Setting("Location", "Mumbai, India");
        Setting("AutoUpdate", "0");
        Setting("DayLightSavings", "0");
    }
    void Create(const std::string& schedule) {
        WriteFile("sched.dat", schedule);
        form = std::make_unique<TfrmMain>();
    }
    // One tick of the timer at the time given (today).
    void TickAt(int hour, int minute, int second) {
        SetToday(2026, 12, 10, hour, minute, second);
        form->tmrMainTimer();
    }
    AnsiString Marked() const {
        for (int row = 1; row < 50; ++row)
            if (form->Grid()->Cell(9, row) == "1")
                return form->Grid()->Cell(0, row);
        return "";
    }

    // The Hijri date of the day as the announcements write it.
    static AnsiString HijriDate(QDate day) {
        return TMisri(EncodeDate(day.year(), day.month(), day.day())).Format(0);
    }
    AnsiString Caption() const { return FromQString(form->windowTitle()); }

    EnvironmentGuard env;
    FixedPrayerTimes times;
    QString programFolder;
};

// Midnight plus 300 minutes: 05:00:00; plus 300.5: 05:00:30.
const char* const kTwoEarlyEvents = "\"Five\",M,300,five.wav,1,354,1,1\r\n"
                                    "\"Half past\",F,13,half.wav,1,354,1,2\r\n";

TEST_F(AlarmTimerTest, AnEventSoundsAtTheFirstTickAfterItsSecond) {
    SetToday(2026, 12, 10, 4, 59, 0);
    Create(kTwoEarlyEvents);  // Fajr 04:48 + 13 min = 05:01:00
    ASSERT_EQ(Marked(), "Five");
    TickAt(5, 0, 0);
    EXPECT_TRUE(player.played.empty());
    TickAt(5, 0, 45);
    EXPECT_EQ(player.played, std::vector<AnsiString>{"five.wav"});
    EXPECT_EQ(Marked(), "Half past");
    EXPECT_TRUE(form->tmrMain->isActive());
}

TEST_F(AlarmTimerTest, AnEventPassedDuringTheTickBeforeStaysSilent) {
    times.prayers[0] = (18030 + 0.5) / 86400;  // Fajr at 05:00:30
    SetToday(2026, 12, 10, 4, 59, 0);
    Create("\"Five\",M,300,five.wav,1,354,1,1\r\n"
           "\"Thirty later\",F,0,late.wav,1,354,1,2\r\n");
    ASSERT_EQ(form->Grid()->Cell(4, 2), "18030");
    TickAt(5, 0, 40);
    EXPECT_EQ(player.played, std::vector<AnsiString>{"five.wav"});
    TickAt(5, 1, 25);
    EXPECT_EQ(player.played.size(), 1u);
    // Only tomorrow's is marked now, and nothing sounds until a recomputation.
    EXPECT_TRUE(form->nextIsTomorrow);
    EXPECT_EQ(Marked(), "Five");
}

TEST_F(AlarmTimerTest, AnEventThatPassesAcrossMidnightSoundsAfterIt) {
    struct Tick {
        int day, hour, minute, second;
        std::vector<AnsiString> played;  // all played so far
        const char* marked;
    };
    struct Case {
        const char* what;
        int isha;  // second of the day
        int delta;
        std::vector<Tick> ticks;
    };
    const std::vector<AnsiString> late = {"late.wav"};
    const std::vector<AnsiString> both = {"late.wav", "night.wav"};
    const Case cases[] = {
        {"in the last seconds of the day",
         86390,
         0,
         {{10, 23, 59, 40, {}, "Late"},
          {11, 0, 0, 25, late, "Half past midnight"},
          {11, 0, 30, 10, both, "Late"}}},
        {"with an offset past midnight",
         84600,
         45,
         {{10, 23, 59, 40, {}, "Late"},
          {11, 0, 0, 25, {}, "Late"},
          {11, 0, 15, 20, late, "Half past midnight"},
          {11, 0, 30, 10, both, "Late"}}},
    };
    for (const Case& c : cases) {
        player.played.clear();
        times.prayers[5] = (c.isha + 0.5) / 86400;
        SetToday(2026, 12, 10, 23, 59, 30);
        Create("\"Late\",I," + std::to_string(c.delta) +
               ",late.wav,1,354,1,1\r\n"
               "\"Half past midnight\",M,30,night.wav,1,354,1,2\r\n");
        ASSERT_EQ(Marked(), "Late") << c.what;
        for (const Tick& t : c.ticks) {
            SetToday(2026, 12, t.day, t.hour, t.minute, t.second);
            form->tmrMainTimer();
            EXPECT_EQ(player.played, t.played) << c.what << " " << t.hour << ":" << t.minute;
            EXPECT_EQ(Marked(), t.marked) << c.what << " " << t.hour << ":" << t.minute;
            EXPECT_FALSE(form->nextIsTomorrow) << c.what;
        }
        form.reset();
        schedList.reset();
    }
}

TEST_F(AlarmTimerTest, AfterMidnightTheDayIsComputedAgain) {
    // The first tick of the new day recomputes it, in the first two minutes
    // or, after a sleep, later.
    for (const QTime first : {QTime(0, 1, 0), QTime(0, 2, 30)}) {
        SetToday(2026, 12, 10, 23, 0, 0);
        Create(kTwoEarlyEvents);
        ASSERT_TRUE(form->nextIsTomorrow);
        const std::size_t asked = times.requests.size();
        Clock::SetFixed(QDateTime(QDate(2026, 12, 11), first));
        form->tmrMainTimer();
        EXPECT_GT(times.requests.size(), asked) << qPrintable(first.toString());
        EXPECT_FALSE(form->nextIsTomorrow);
        EXPECT_EQ(Marked(), "Five");
        EXPECT_TRUE(player.played.empty());
        form.reset();
        schedList.reset();
    }
}

// The computer sleeps and wakes up: the clock jumps from one tick to the
// next. The day is computed again for the day it woke up on; a call more
// than ten minutes late is passed over in silence, a call up to ten minutes
// late still sounds.
TEST_F(AlarmTimerTest, AfterASleepTheDayIsComputedAgainAndOnlyRecentCallsSound) {
    times.prayers[2] = (45600 + 0.5) / 86400;  // Zohr at 12:40
    // Fajr 04:48, Zohr 12:40, Maghrib 18:00, Isha 19:12, every day.
    const char* const schedule = "\"Fajr\",F,0,fajr.wav,1,354,1,1\r\n"
                                 "\"Zohr\",Z,0,zohr.wav,1,354,1,2\r\n"
                                 "\"Maghrib\",S,0,maghrib.wav,1,354,1,3\r\n"
                                 "\"Isha\",I,0,isha.wav,1,354,1,4\r\n";
    struct Case {
        const char* what;
        int startHour;  // on 17 March, with a first tick then
        const char* markedAtStart;
        int day, hour, minute;  // of March: the first tick after the sleep
        const char* played;     // then; "" nothing
        const char* next;       // announced then, for 18 March
    };
    const Case cases[] = {
        {"tomorrow's Fajr marked, up at noon", 20, "Fajr", 18, 12, 30, "", "Zohr at 12:40:00"},
        {"tomorrow's Fajr marked, up 2 min. after it", 20, "Fajr", 18, 4, 50, "fajr.wav",
         "Zohr at 12:40:00"},
        {"Isha marked, up the next morning", 19, "Isha", 18, 7, 0, "", "Zohr at 12:40:00"},
        {"Isha marked, up 11 min. after it", 19, "Isha", 17, 19, 23, "", "Fajr at 04:48:00"},
        {"Isha marked, up 10 min. after it", 19, "Isha", 17, 19, 22, "isha.wav",
         "Fajr at 04:48:00"},
        {"Maghrib marked, up 3 min. after Isha", 17, "Maghrib", 17, 19, 15, "isha.wav",
         "Fajr at 04:48:00"},
    };
    const QDate day18(2026, 3, 18);
    for (const Case& c : cases) {
        player.played.clear();
        SetToday(2026, 3, 17, c.startHour, 0, 0);
        Create(schedule);
        form->tmrMainTimer();
        ASSERT_EQ(Marked(), c.markedAtStart) << c.what;
        SetToday(2026, 3, c.day, c.hour, c.minute, 0);
        form->tmrMainTimer();
        EXPECT_EQ(player.played,
                  *c.played ? std::vector<AnsiString>{c.played} : std::vector<AnsiString>{})
            << c.what;
        const AnsiString next = c.next;
        EXPECT_EQ(Caption(), "Next: " + next + ", " + HijriDate(day18)) << c.what;
        EXPECT_EQ(Marked(), next.substr(0, next.find(' '))) << c.what;
        EXPECT_EQ(form->nextIsTomorrow, c.day == 17) << c.what;
        form.reset();
        schedList.reset();
    }
}

// The day's Zohr sounds after such a sleep, at its time.
TEST_F(AlarmTimerTest, AfterASleepOverMidnightTheNewDaysCallsSound) {
    times.prayers[2] = (45600 + 0.5) / 86400;  // Zohr at 12:40
    SetToday(2026, 3, 17, 20, 30, 0);
    Create("\"Fajr\",F,0,fajr.wav,1,354,1,1\r\n\"Zohr\",Z,0,zohr.wav,1,354,1,2\r\n");
    SetToday(2026, 3, 18, 12, 30, 0);
    form->tmrMainTimer();
    SetToday(2026, 3, 18, 12, 40, 30);
    form->tmrMainTimer();
    EXPECT_EQ(player.played, std::vector<AnsiString>{"zohr.wav"});
}

// Where clocks jump at 02:00 the nightly window never comes on the day of
// the spring change: the first tick in the new time takes the daylight hour
// in; in autumn it takes it out again.
TEST_F(AlarmTimerTest, TheDaylightChangeIsTakenAtTheFirstTickInTheNewTime) {
    times.prayers[0] = (13680 + 0.5) / 86400;  // Fajr at 03:48 standard time, 04:48 in summer
    struct Case {
        const char* zone;
        QDate day;
        bool summerAfter;
        const char* fajr;  // announced after the change
        std::vector<QTime> silent;
        QTime sounds;
    };
    // From the first tick in the new time to the hour before Fajr.
    const std::vector<QTime> spring = {{3, 0, 30}, {3, 1, 15}, {3, 5, 0}, {3, 48, 30}};
    const Case cases[] = {
        {"Europe/Berlin", {2026, 3, 29}, true, "04:48:00", spring, {4, 48, 30}},
        {"America/New_York", {2026, 3, 8}, true, "04:48:00", spring, {4, 48, 30}},
        {"Europe/Berlin", {2026, 10, 25}, false, "03:48:00", {{3, 0, 30}, {3, 1, 15}}, {3, 48, 30}},
    };
    Setting("AutoUpdate", "1");
    for (const Case& c : cases) {
        env.Set("TZ", c.zone);
        player.played.clear();
        Clock::SetFixed(QDateTime(c.day, QTime(1, 59, 0)));
        Create("\"Fajr\",F,0,fajr.wav,1,354,1,1\r\n");
        ASSERT_EQ(form->daylight, !c.summerAfter) << c.zone;
        Clock::SetFixed(QDateTime(c.day, QTime(1, 59, 45)));
        form->tmrMainTimer();
        for (const QTime& t : c.silent) {
            Clock::SetFixed(QDateTime(c.day, t));
            form->tmrMainTimer();
            const std::string when = std::string(c.zone) + " " + qPrintable(t.toString());
            EXPECT_EQ(form->daylight, c.summerAfter) << when;
            EXPECT_EQ(ReadSettingString("DayLightSavings", ""), c.summerAfter ? "1" : "0") << when;
            EXPECT_EQ(Caption(), "Next: Fajr at " + AnsiString(c.fajr) + ", " + HijriDate(c.day))
                << when;
            EXPECT_TRUE(player.played.empty()) << when;
        }
        Clock::SetFixed(QDateTime(c.day, c.sounds));
        form->tmrMainTimer();
        EXPECT_EQ(player.played, std::vector<AnsiString>{"fajr.wav"}) << c.zone;
        form.reset();
        schedList.reset();
    }
}

TEST_F(AlarmTimerTest, TheTwoOClockWindowReadsThePlaceAgain) {
    SetToday(2026, 12, 10, 1, 0, 0);
    Create(kTwoEarlyEvents);
    struct Case {
        int minute, second;
        bool reread;
    };
    const Case cases[] = {{0, 0, false}, {0, 1, true}, {1, 59, true}, {2, 0, false}};
    for (const Case& c : cases) {
        Setting("Location", "Pune");
        form->findChild<QLabel*>("lblLocation")->setText("old");
        TickAt(2, c.minute, c.second);
        EXPECT_EQ(form->findChild<QLabel*>("lblLocation")->text() == "Pune", c.reread)
            << c.minute << ":" << c.second;
    }
}

// The diary (or a text editor) changes the place and the daylight choice
// while the alarm runs; with "AutoUpdate" off the 02:00 reading takes both.
TEST_F(AlarmTimerTest, TheTwoOClockReadingSeesTheOtherProgramsSettings) {
    SetToday(2026, 12, 10, 1, 0, 0);
    Create(kTwoEarlyEvents);
    ASSERT_EQ(form->findChild<QLabel*>("lblLocation")->text(), "Mumbai, India");
    ASSERT_FALSE(form->daylight);
    ASSERT_TRUE(WriteSettingInOtherProgram(SettingsFolder(), "Location", "Pune"));
    ASSERT_TRUE(WriteSettingInOtherProgram(SettingsFolder(), "DayLightSavings", "1"));
    TickAt(2, 1, 0);
    EXPECT_EQ(form->findChild<QLabel*>("lblLocation")->text(), "Pune");
    EXPECT_TRUE(form->daylight);
    EXPECT_EQ(form->findChild<QLabel*>("lblDaylight")->text(), "ON. (AutoUpdate is NOT enabled.)");
}

TEST_F(AlarmTimerTest, WavFilesPlayOtherFilesGoToTheDesktop) {
    Create("");
    QDir::setCurrent(QDir::tempPath());
    for (const char* wav : {"azan1.wav", "LOUD.WAV", "Soft.Wav", "sounds/x.wav"})
        PlaySoundFile(form.get(), wav);
    EXPECT_EQ(player.played,
              (std::vector<AnsiString>{"azan1.wav", "LOUD.WAV", "Soft.Wav", "sounds/x.wav"}));
    PlaySoundFile(form.get(), "SalaamAa.rm");
    PlaySoundFile(form.get(), "noextension");
    EXPECT_EQ(shell->documents, (std::vector<AnsiString>{"SalaamAa.rm", "noextension"}));
    EXPECT_EQ(QDir::currentPath(), programFolder);
}

TEST_F(AlarmTimerTest, AWavThatCannotPlayShowsItsTextAndCountsAsSounded) {
    SetToday(2026, 12, 10, 4, 59, 0);
    Create(kTwoEarlyEvents);
    player.failure = "The specified file cannot be played";
    TickAt(5, 0, 10);
    ASSERT_EQ(responder->Boxes().size(), 1u);
    EXPECT_EQ(responder->Boxes()[0].caption, "Message");
    EXPECT_EQ(responder->Boxes()[0].text, "The specified file cannot be played");
    EXPECT_EQ(Marked(), "Half past");
}

TEST_F(AlarmTimerTest, AFileNoProgramOpensIsToldAndCountsAsSounded) {
    SetToday(2026, 12, 10, 4, 59, 0);
    Create("\"Naat\",M,300,SalaamAa.rm,1,354,1,1\r\n"
           "\"Half past\",F,13,half.wav,1,354,1,2\r\n");
    shell->canOpen = false;
    TickAt(5, 0, 10);
    EXPECT_EQ(shell->documents, std::vector<AnsiString>{"SalaamAa.rm"});
    ASSERT_EQ(responder->Boxes().size(), 1u);
    EXPECT_EQ(responder->Boxes()[0].caption, "Message");
    EXPECT_EQ(responder->Boxes()[0].text,
              "Cannot open file SalaamAa.rm: no program could be started for it");
    EXPECT_EQ(Marked(), "Half past");
}

TEST_F(AlarmTimerTest, EditingARowBelowTheEventsIsRefused) {
    Create(kTwoEarlyEvents);
    DoubleClickCell(form->Grid(), 0, 20);
    form->Grid()->SetCurrent(0, 30);
    form->EditRecord1->trigger();
    EXPECT_EQ(responder->Texts(), (std::vector<AnsiString>{"Please select a row to edit.",
                                                           "Please select a row to edit."}));
    EXPECT_EQ(responder->Boxes()[0].caption, "Error");
    EXPECT_EQ(responder->ModalCount(), 0);
}

TEST_F(AlarmTimerTest, CancelChangesNothingOkSavesAndRecomputes) {
    WriteFile("five.wav", "RIFF");
    SetToday(2026, 12, 10, 4, 0, 0);
    Create(kTwoEarlyEvents);
    const AnsiString file = ReadFile("sched.dat");
    responder->QueueForm([](TForm& f) {
        f.findChild<QLineEdit*>("txtName")->setText("Changed");
        f.findChild<QPushButton*>("btnCancel")->click();
        return f.ModalResult();
    });
    DoubleClickCell(form->Grid(), 0, 1);
    EXPECT_EQ(ReadFile("sched.dat"), file);
    EXPECT_EQ(form->Grid()->Cell(0, 1), "Five");
    EXPECT_STREQ((*schedList)[0]->name, "Five");

    responder->QueueForm([](TForm& f) {
        f.findChild<QLineEdit*>("txtName")->setText("Changed");
        f.findChild<QPushButton*>("btnOk")->click();
        return f.ModalResult();
    });
    DoubleClickCell(form->Grid(), 0, 1);
    EXPECT_EQ(ReadFile("sched.dat").substr(0, 35), "\"Changed\",M,300,\"five.wav\",1,354,1,");
    EXPECT_EQ(form->Grid()->Cell(0, 1), "Changed");
    EXPECT_EQ(Marked(), "Changed");
}

TEST_F(AlarmTimerTest, AReadOnlyScheduleFileIsReportedAndKept) {
    WriteFile("five.wav", "RIFF");
    Create(kTwoEarlyEvents);
    const std::filesystem::perms readOnly = std::filesystem::perms::owner_read;
    std::filesystem::permissions("sched.dat", readOnly);
    responder->QueueForm([](TForm& f) {
        f.findChild<QLineEdit*>("txtName")->setText("Changed");
        f.findChild<QPushButton*>("btnOk")->click();
        return f.ModalResult();
    });
    DoubleClickCell(form->Grid(), 0, 1);
    EXPECT_EQ(responder->Texts(), std::vector<AnsiString>{"Cannot create file \"sched.dat\""});
    EXPECT_EQ(ReadFile("sched.dat"), kTwoEarlyEvents);
    EXPECT_EQ(std::filesystem::status("sched.dat").permissions() & std::filesystem::perms::all,
              readOnly);
}

TEST_F(AlarmTimerTest, AddingAppendsWithTheNextKey) {
    WriteFile("new.wav", "RIFF");
    SetToday(2026, 12, 10, 4, 0, 0);
    Create(kTwoEarlyEvents);
    responder->QueueForm([](TForm& f) { return f.ModalResult(); });  // closed: nothing added
    form->AddNewRecord1->trigger();
    EXPECT_EQ(schedList->size(), 2u);

    responder->QueueForm([](TForm& f) {
        f.findChild<QLineEdit*>("txtName")->setText("Early");
        f.findChild<QLineEdit*>("txtPath")->setText("new.wav");
        f.findChild<QPushButton*>("btnOk")->click();
        return f.ModalResult();
    });
    form->AddNewRecord1->trigger();
    ASSERT_EQ(schedList->size(), 3u);
    EXPECT_EQ(schedList->back()->key, 3);
    EXPECT_EQ(ReadFile("sched.dat").substr(ReadFile("sched.dat").find("\"Early\"")),
              "\"Early\",F,-15,\"new.wav\",1,354,1,3\r\n");
    // 04:48 less 15 minutes: 04:33, the first event now.
    EXPECT_EQ(form->Grid()->Cell(0, 1), "Early");
    EXPECT_EQ(Marked(), "Early");
}

TEST_F(AlarmTimerTest, ConfigureReadsThePlaceAgainWhateverClosedTheDialog) {
    Create(kTwoEarlyEvents);
    Setting("Location", "");
    responder->QueueForm([](TForm& f) {
        f.close();
        return mrCancel;
    });
    form->findChild<QPushButton*>("btnConfig")->click();
    EXPECT_EQ(responder->ModalCount(), 1);
    EXPECT_EQ(form->findChild<QLabel*>("lblLocation")->text(),
              "Click the configure button to setup location");
}

TEST_F(AlarmTimerTest, TheHiddenDebugButtonNamesAFolder) {
    Create("");
    form->findChild<QToolButton*>("btnDebug")->click();
    EXPECT_EQ(responder->Texts(), std::vector<AnsiString>{"c:\\WinNT\\System32\\"});
}

}  // namespace
