#include "calendar/Projglob.h"
#include "platform/desktop/Associations.h"
#include "platform/desktop/Sound.h"
#include "platform/desktop/TaskbarEntry.h"
#include "platform/desktop/TrayIcon.h"
#include "platform/widgets/StringGrid.h"
#include "tests/support/FixedPrayerTimes.h"
#include "tests/support/NotificationArea.h"
#include "tests/vidur/AlarmSandbox.h"
#include "vidur/AzanForm.h"
#include "vidur/CommandLine.h"
#include "vidur/PathHelpers.h"
#include "vidur/Schedule.h"
#include "vidur/WindowMessages.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class AlarmStartupTest : public AlarmSandbox {
protected:
    void Create() { form = std::make_unique<TfrmMain>(); }
    TStringGrid* Grid() const { return form->findChild<TStringGrid*>("grdMain"); }
    AnsiString LabelText(const char* name) const {
        return FromQString(form->findChild<QLabel*>(name)->text());
    }

    FixedPrayerTimes times;
};

TEST(AlarmStartupSwitches, CaseFreeWholeMatchesLastModeWins) {
    struct Case {
        std::vector<AnsiString> params;
        int mode;
        bool debug;
    };
    const Case cases[] = {
        {{"/opt/vidur/vidur"}, 1, false},
        {{"/opt/vidur/vidur", "-veror"}, 0, false},
        {{"/opt/vidur/vidur", "-VeRoR"}, 0, false},
        {{"/opt/vidur/vidur", "-VERORX"}, 1, false},
        {{"/opt/vidur/vidur", "VEROR"}, 1, false},
        {{"/opt/vidur/vidur", "-VEROR", "-NOHBOHRA"}, 1, false},
        {{"/opt/vidur/vidur", "-nohbohra", "-VEROR"}, 0, false},
        {{"/opt/vidur/vidur", "-Debug", "-VEROR"}, 0, true},
        {{"/opt/vidur/vidur", "-NOHBOHRA", "-debug"}, 1, true},
        {{"-VEROR"}, 0, false},  // the program's own path is compared too
    };
    const int savedMode = generalMode;
    for (const Case& c : cases) {
        generalMode = 1;
        debugMode = false;
        ReadCommandLineSwitches(c.params);
        EXPECT_EQ(generalMode, c.mode) << c.params.back();
        EXPECT_EQ(debugMode, c.debug) << c.params.back();
    }
    generalMode = savedMode;
    debugMode = false;
}

TEST(AlarmStartupMessages, OneIdentifierPerName) {
    const int32_t a = RegisterWindowMessageA("IconNotify");
    EXPECT_GE(a, 0xC000);
    EXPECT_EQ(RegisterWindowMessageA("IconNotify"), a);
    EXPECT_NE(RegisterWindowMessageA("SomethingElse"), a);
}

TEST_F(AlarmStartupTest, WithoutSchedFileTheDefaultIsWrittenAndShownSilently) {
    ASSERT_FALSE(FileExists("sched.dat"));
    Create();
    ASSERT_TRUE(FileExists("sched.dat"));
    EXPECT_EQ(ReadFile("sched.dat").substr(0, 38), "\"Fajr Vidur\",F,0,azan1.wav,1,354,1,1\r\n");
    // The default file was there before the list was loaded: no missing-file box.
    EXPECT_TRUE(responder->Boxes().empty());
    ASSERT_EQ(schedList->size(), 5u);
    EXPECT_EQ(Grid()->Cell(0, 1), "Fajr Vidur");
    EXPECT_EQ(Grid()->Cell(0, 5), "Isha Vidur");
    EXPECT_EQ(Grid()->Cell(0, 0), "Name");
    // No place yet: nothing computed, nothing marked, nothing played.
    EXPECT_EQ(LabelText("lblLocation"), "Click the configure button to setup location");
    EXPECT_EQ(LabelText("lblDaylight"), "Not available");
    EXPECT_TRUE(times.requests.empty());
    for (int row = 1; row <= 5; ++row) {
        EXPECT_EQ(Grid()->Cell(9, row), "-1");
        EXPECT_EQ(Grid()->Cell(4, row), "");
    }
    EXPECT_TRUE(player.played.empty());
    EXPECT_TRUE(shell->documents.empty());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), "Next Vidur At:");
    EXPECT_EQ(TrayTip(*form->TrayIcon()), "Miravel 4.0");
    EXPECT_TRUE(form->TrayIcon()->Shown());
    EXPECT_EQ(form->tmrMain->interval(), 45000);
    EXPECT_TRUE(form->tmrMain->isActive());
}

TEST_F(AlarmStartupTest, CommunityModeWritesItsOwnDefault) {
    generalMode = 0;
    CreateDefaultSchedule();
    const AnsiString before = ReadFile("sched.dat");
    Create();  // the file exists now and is kept as it is
    EXPECT_EQ(ReadFile("sched.dat"), before);
    EXPECT_EQ(schedList->size(), 3u);
}

// Notes the current folder at the moment each sound plays.
class FolderPlayer : public SoundPlayer {
public:
    FolderPlayer() { Sound::SetPlayer(this); }
    ~FolderPlayer() override { Sound::SetPlayer(nullptr); }
    AnsiString PlayWav(const AnsiString& path) override {
        played.emplace_back(path, QFileInfo(QDir::currentPath()).canonicalFilePath());
        return "";
    }
    std::vector<std::pair<AnsiString, QString>> played;
};

TEST_F(AlarmStartupTest, StartSoundPlaysFromTheProgramFolder) {
    // Started from another folder than its own, the program plays the
    // start sound of its own folder.
    QTemporaryDir programFolder;
    ASSERT_TRUE(programFolder.isValid());
    SetProgramFolder(programFolder.path() + "/");
    WriteFile("start.wav", "RIFF");
    WriteFile(programFolder.filePath("start.wav").toStdString(), "RIFF");
    FolderPlayer folders;
    Create();
    form->tmrStartSoundTimer();
    ASSERT_EQ(folders.played.size(), 1u);
    EXPECT_EQ(folders.played[0].first, "start.wav");
    EXPECT_EQ(folders.played[0].second, QFileInfo(programFolder.path()).canonicalFilePath());
}

// Notes what the user could see of the program when each sound played.
class ScenePlayer : public SoundPlayer {
public:
    explicit ScenePlayer(const std::unique_ptr<TfrmMain>& form) : form_(form) {
        Sound::SetPlayer(this);
    }
    ~ScenePlayer() override { Sound::SetPlayer(nullptr); }
    AnsiString PlayWav(const AnsiString& path) override {
        const char* scene = !form_                         ? "inside start-up"
                            : form_->TrayIcon()->Visible() ? "with the icon up"
                            : form_->isVisible()           ? "with the window up"
                                                           : "with nothing up";
        played.push_back(path + " played " + scene);
        return "";
    }
    std::vector<AnsiString> played;

private:
    const std::unique_ptr<TfrmMain>& form_;
};

// The start sound plays once start-up is over and the icon (or, without a
// notification area, the window) is up, from a timer of its own.
TEST_F(AlarmStartupTest, TheStartSoundPlaysWhenTheIconOrWindowIsUp) {
    WriteFile("start.wav", "RIFF");
    ScenePlayer scenes(form);
    const struct {
        bool area;
        const char* heard;
    } cases[] = {{true, "start.wav played with the icon up"},
                 {false, "start.wav played with the window up"}};
    for (const auto& c : cases) {
        scenes.played.clear();
        SetNotificationArea(c.area);
        Create();
        form->ShowIfNoIcon();  // as the program's start does
        EXPECT_TRUE(scenes.played.empty()) << c.heard;
        auto* timer = form->findChild<QTimer*>("tmrStartSound");
        ASSERT_NE(timer, nullptr);
        EXPECT_TRUE(timer->isActive() && timer->isSingleShot()) << c.heard;
        form->tmrStartSoundTimer();
        EXPECT_EQ(scenes.played, std::vector<AnsiString>{c.heard});
        form.reset();
        schedList.reset();
    }
}

// Only a file of the name is a sound: folders called "start.wav" and
// "end.wav" are passed over in silence.
TEST_F(AlarmStartupTest, FoldersNamedLikeTheSoundsAreNotPlayed) {
    ASSERT_TRUE(QDir().mkdir("start.wav"));
    ASSERT_TRUE(QDir().mkdir("end.wav"));
    Create();
    form->tmrStartSoundTimer();
    responder->QueueAnswer(mrNo);
    form->TerminateVidur1->trigger();
    EXPECT_TRUE(player.played.empty());
    EXPECT_EQ(responder->Texts(),
              std::vector<AnsiString>{"This will close the vidur program. Are you sure?"});
}

TEST_F(AlarmStartupTest, TrayDoubleClickShowsRightClickPopsTheMenu) {
    Create();
    TTrayIcon* tray = form->TrayIcon();
    ActivateTrayIcon(*tray, QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(form->isVisible());
    ActivateTrayIcon(*tray, QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(form->isVisible());
    form->findChild<QPushButton*>("btnClose")->click();
    EXPECT_FALSE(form->isVisible());

    ActivateTrayIcon(*tray, QSystemTrayIcon::Context);
    QMenu* menu = form->PopupMenu1;
    EXPECT_TRUE(menu->isVisible());
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_EQ(menu->actions()[0]->text(), "Configure...");
    EXPECT_TRUE(menu->actions()[1]->isSeparator());
    EXPECT_EQ(menu->actions()[2]->text(), "Terminate Vidur");
    menu->hide();

    // Other mouse actions, and messages that are not the icon's, do nothing.
    form->WndProc(form->trayMessage, 512);
    form->WndProc(form->trayMessage + 1, TTrayIcon::WM_LBUTTONDBLCLK);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(menu->isVisible());

    form->Configure1->trigger();
    EXPECT_TRUE(form->isVisible());
}

TEST_F(AlarmStartupTest, WithoutANotificationAreaTheWindowStaysWithinReach) {
    struct Case {
        bool area;
        bool shownAtStart;  // and brought up again by a later start
        bool taskbarEntry;
    };
    const Case cases[] = {{true, false, false}, {false, true, true}};
    for (const Case& c : cases) {
        SetNotificationArea(c.area);
        Create();
        form->ShowIfNoIcon();  // as the program's start does
        EXPECT_EQ(form->isVisible(), c.shownAtStart) << c.area;
        EXPECT_EQ(HasTaskbarEntry(form.get()), c.taskbarEntry) << c.area;

        // "&Close" hides behind the icon, or else minimises to the task bar.
        form->Configure1->trigger();
        form->findChild<QPushButton*>("btnClose")->click();
        EXPECT_EQ(form->isVisible(), !c.area) << c.area;
        EXPECT_EQ(form->isMinimized(), !c.area) << c.area;

        // A later start of the program knocks.
        form->ShowIfNoIcon();
        EXPECT_EQ(form->isVisible(), c.shownAtStart) << c.area;
        EXPECT_FALSE(form->isMinimized()) << c.area;
        EXPECT_TRUE(responder->Boxes().empty());
        form.reset();
    }
}

TEST_F(AlarmStartupTest, ANotificationAreaThatComesLaterTakesTheWindowIn) {
    SetNotificationArea(false);
    Create();
    form->ShowIfNoIcon();
    form->findChild<QPushButton*>("btnClose")->click();
    ASSERT_TRUE(form->isMinimized());
    TTrayIcon* tray = form->TrayIcon();
    tray->CheckArea();  // still none: nothing changes
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(tray->Visible());

    SetNotificationArea(true);
    tray->CheckArea();
    EXPECT_TRUE(tray->Visible());
    EXPECT_EQ(TrayTip(*tray), "Miravel 4.0");
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(HasTaskbarEntry(form.get()));

    // From now on as with an area from the start.
    ActivateTrayIcon(*tray, QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isMinimized());
    form->findChild<QPushButton*>("btnClose")->click();
    EXPECT_FALSE(form->isVisible());
    form->ShowIfNoIcon();
    EXPECT_FALSE(form->isVisible());
}

// Notes how many boxes had been asked when each sound played.
class OrderPlayer : public SoundPlayer {
public:
    explicit OrderPlayer(const RecordingResponder& r) : responder(r) { Sound::SetPlayer(this); }
    ~OrderPlayer() override { Sound::SetPlayer(nullptr); }
    AnsiString PlayWav(const AnsiString& path) override {
        played.emplace_back(path, responder.Boxes().size());
        return "";
    }
    const RecordingResponder& responder;
    std::vector<std::pair<AnsiString, std::size_t>> played;
};

TEST_F(AlarmStartupTest, ClosingPlaysTheEndSoundFirstAndNoKeepsItRunning) {
    WriteFile("end.wav", "RIFF");
    Create();
    OrderPlayer order(*responder);
    responder->QueueAnswer(mrNo);
    form->TerminateVidur1->trigger();
    ASSERT_EQ(order.played.size(), 1u);
    EXPECT_EQ(order.played[0], std::make_pair(AnsiString("end.wav"), std::size_t{0}));
    ASSERT_EQ(responder->Boxes().size(), 1u);
    EXPECT_EQ(responder->Boxes()[0].text, "This will close the vidur program. Are you sure?");
    EXPECT_EQ(responder->Boxes()[0].buttons, BoxButtons::YesNo);
    EXPECT_TRUE(form->TrayIcon()->Shown());

    // Shown, No keeps the window; Yes lets it close.
    form->show();
    responder->QueueAnswer(mrNo);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    responder->QueueAnswer(mrYes);
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(order.played.size(), 3u);

    form.reset();  // destruction removes the icon
}

TEST_F(AlarmStartupTest, WithoutEndSoundClosingOnlyAsks) {
    Create();
    responder->QueueAnswer(mrYes);
    form->show();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(player.played.empty());
    EXPECT_EQ(responder->Texts(),
              std::vector<AnsiString>{"This will close the vidur program. Are you sure?"});
}

}  // namespace
