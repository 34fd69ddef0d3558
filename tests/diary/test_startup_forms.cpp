#include "calendar/Projglob.h"
#include "diary/About.h"
#include "diary/DISPMSG.h"
#include "diary/MainForm.h"
#include "diary/Splash.h"
#include "diary/todo/TaskFile.h"
#include "diary/todo/Tasks.h"
#include "platform/widgets/CodePageMemo.h"
#include "tests/diary/TaskFixture.h"
#include "tests/support/LongText.h"
#include "tests/support/PublishedForm.h"
#include "tests/support/Sandbox.h"
#include "tests/support/UnusualFiles.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// A settings key open as the main window keeps it.
class StartupFormsTest : public Sandbox {
protected:
    void SetUp() override {
        Sandbox::SetUp();
        SettingsRegistry = new TRegistry;
        ASSERT_TRUE(SettingsRegistry->OpenKey(SettingsKey, true));
    }
    void TearDown() override {
        delete SettingsRegistry;
        SettingsRegistry = nullptr;
        generalMode = 0;
        Sandbox::TearDown();
    }
    static std::optional<AnsiString> Stored(const char* name) {
        if (!SettingsRegistry->ValueExists(name))
            return std::nullopt;
        return SettingsRegistry->ReadString(name);
    }
};

TEST_F(StartupFormsTest, SplashIsABorderlessPictureThatResetsTheMode) {
    generalMode = 1;
    TfrmSplash splash;
    EXPECT_EQ(generalMode, 0);
    EXPECT_EQ(splash.windowTitle(), "Miravel 3.0");
    EXPECT_EQ(splash.size(), QSize(373, 280));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash.windowFlags() & Qt::WindowStaysOnTopHint);
    auto* image = splash.findChild<QLabel*>("Image1");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->geometry(), QRect(0, 0, 373, 280));
    EXPECT_EQ(image->pixmap().size(), QSize(373, 280));
}

class StartupFormsMessageTest : public StartupFormsTest {
protected:
    // Shows the message form as the start-up timer does; `script` drives it.
    int Show(const std::function<int(TfrmMessage&)>& script) {
        TfrmMessage form;
        responder->QueueForm([&](TForm& f) { return script(static_cast<TfrmMessage&>(f)); });
        return form.ShowModal();
    }
    static QString Memo(TfrmMessage& f) {
        return f.findChild<QPlainTextEdit*>("txtMain")->toPlainText();
    }
    static void Tick(TfrmMessage& f) { f.findChild<QCheckBox*>("chkDontShow")->setChecked(true); }
    static int PressOk(TfrmMessage& f) {
        f.findChild<QPushButton*>("btnOk")->click();
        return f.ModalResult();
    }
};

TEST_F(StartupFormsMessageTest, Layout) {
    TfrmMessage form;
    EXPECT_EQ(form.windowTitle(), "General Message");
    EXPECT_EQ(form.size(), QSize(430, 318));
    auto* title = form.findChild<QLabel*>("Panel1");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), "   Please Read This Message");
    EXPECT_EQ(title->geometry(), QRect(0, 0, 430, 46));
    EXPECT_EQ(title->font().pixelSize(), 19);
    EXPECT_EQ(title->palette().color(QPalette::WindowText), ToQColor(clGray));
    auto* memo = form.findChild<QPlainTextEdit*>("txtMain");
    EXPECT_EQ(memo->geometry(), QRect(0, 46, 430, 190));
    EXPECT_FALSE(memo->isReadOnly());
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->font().pixelSize(), 12);
    auto* box = form.findChild<QCheckBox*>("chkDontShow");
    EXPECT_EQ(box->text(), "Dont show this message again");
    EXPECT_EQ(box->geometry(), QRect(5, 245, 191, 21));
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(form.findChild<QFrame*>("Bevel1")->geometry().top(), 270);
    auto* ok = form.findChild<QPushButton*>("btnOk");
    EXPECT_EQ(ok->text(), "&Ok");
    EXPECT_EQ(ok->geometry(), QRect(155, 280, 86, 26));

    // The title and the text take the width of a wider form.
    form.show();
    form.resize(600, 400);
    EXPECT_EQ(title->width(), 600);
    EXPECT_EQ(memo->width(), 600);
}

TEST_F(StartupFormsMessageTest, ShowsTheFileAsStored) {
    const struct {
        const char* what;
        std::optional<std::string> bytes;
        QString memo;
    } cases[] = {
        {"missing", std::nullopt, "msg.dat not found"},
        {"empty", std::string(), ""},
        {"CR LF lines", std::string("Welcome.\r\n\r\nRead me.\r\n"), "Welcome.\n\nRead me."},
        {"LF lines, no final break", std::string("one\ntwo"), "one\ntwo"},
        {"code page text", std::string("Caf\xE9 \x93open\x94\r\n"),
         QString::fromUtf8("Caf\u00e9 \u201copen\u201d")},
    };
    for (const auto& c : cases) {
        QFile::remove("msg.dat");
        if (c.bytes)
            WriteFile("msg.dat", *c.bytes);
        QString shown;
        EXPECT_EQ(Show([&](TfrmMessage& f) {
                      shown = Memo(f);
                      return PressOk(f);
                  }),
                  mrOk);
        EXPECT_EQ(shown, c.memo) << c.what;
    }
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(StartupFormsMessageTest, AnUnreadableFileIsNotFound) {
    // A folder, and a FIFO that nobody writes: refused at once, never waited on.
    for (const bool folder : {true, false}) {
        SCOPED_TRACE(folder ? "folder" : "FIFO");
        QDir().rmdir("msg.dat");
        QFile::remove("msg.dat");
        if (folder)
            ASSERT_TRUE(QDir().mkdir("msg.dat"));
        else
            ASSERT_TRUE(MakeFifo("msg.dat"));
        QString shown;
        Show([&](TfrmMessage& f) {
            shown = Memo(f);
            return PressOk(f);
        });
        EXPECT_EQ(shown, "msg.dat not found");
        EXPECT_TRUE(responder->Boxes().empty());
    }
}

TEST_F(StartupFormsMessageTest, ATextOfMegabytesOnOneLineShowsInRows) {
    const std::string line = OneLineOfWords(1 << 20);
    WriteFile("msg.dat", line + "\r\n");
    Show([&](TfrmMessage& f) {
        auto* memo = f.findChild<CodePageMemo*>("txtMain");
        EXPECT_NE(memo, nullptr);
        if (memo) {
            // Laid out a row at a time, never the whole line at once.
            EXPECT_LE(LongestParagraph(*memo), 10000);
            EXPECT_EQ(memo->Lines(), std::vector<AnsiString>{line});
        }
        return PressOk(f);
    });
}

TEST_F(StartupFormsMessageTest, EachActivationReloadsTheFile) {
    WriteFile("msg.dat", "first\r\n");
    TfrmMessage form;
    auto* memo = form.findChild<QPlainTextEdit*>("txtMain");
    form.FormActivate();
    memo->setPlainText("typed by the user");
    WriteFile("msg.dat", "second\r\n");
    form.FormActivate();
    EXPECT_EQ(memo->toPlainText(), "second");
    EXPECT_EQ(ReadFile("msg.dat"), "second\r\n");  // edits are never saved
}

TEST_F(StartupFormsMessageTest, OnlyATickedBoxAndOkSwitchTheMessageOff) {
    // Unticked: nothing is written.
    EXPECT_EQ(Show(PressOk), mrOk);
    EXPECT_EQ(Stored("ShowMessage"), std::nullopt);
    // Ticked but closed by the close box: nothing is written.
    EXPECT_EQ(Show([](TfrmMessage& f) {
                  Tick(f);
                  f.close();
                  return f.ModalResult();
              }),
              mrCancel);
    EXPECT_EQ(Stored("ShowMessage"), std::nullopt);
    // Ticked and Ok: "0".
    EXPECT_EQ(Show([](TfrmMessage& f) {
                  Tick(f);
                  return PressOk(f);
              }),
              mrOk);
    EXPECT_EQ(Stored("ShowMessage"), AnsiString("0"));
    // A later unticked Ok leaves the "0"; the box starts unticked each time.
    Show([](TfrmMessage& f) {
        EXPECT_FALSE(f.findChild<QCheckBox*>("chkDontShow")->isChecked());
        return PressOk(f);
    });
    EXPECT_EQ(Stored("ShowMessage"), AnsiString("0"));
}

TEST_F(StartupFormsTest, AboutBoxTexts) {
    for (int mode : {0, 1}) {
        generalMode = mode;
        TAboutBox box;
        EXPECT_EQ(box.windowTitle(), "About");
        EXPECT_EQ(box.size(), QSize(298, 184));
        EXPECT_EQ(box.findChild<QFrame*>("Panel1")->geometry(), QRect(8, 8, 281, 133));
        const struct {
            const char* name;
            QPoint at;
            const char* text;
            int pixels;
            TColor colour;
        } labels[] = {
            {"ProductName", {88, 16}, "Miravel", 19, clBlack},
            {"Version", {88, 40}, "Version 4.3.4", 13, clNavy},
            {"Copyright", {8, 80}, "Copyright (C) 1997-2026 The Miravel developers", 11, clBlack},
            {"Comments", {8, 104}, "Designed by : ", 11, clBlack},
            {"Label1", {80, 102}, "The Miravel team", 13, clRed},
        };
        for (const auto& l : labels) {
            auto* label = box.findChild<QLabel*>(l.name);
            ASSERT_NE(label, nullptr) << l.name;
            EXPECT_EQ(label->pos(), l.at) << l.name;
            EXPECT_EQ(label->text(), l.text) << l.name;
            EXPECT_EQ(label->font().pixelSize(), l.pixels) << l.name;
            EXPECT_EQ(label->palette().color(QPalette::WindowText), ToQColor(l.colour)) << l.name;
            // The whole line fits inside the panel.
            EXPECT_LE(label->x() + label->fontMetrics().horizontalAdvance(label->text()),
                      box.findChild<QFrame*>("Panel1")->contentsRect().right())
                << l.name;
        }
        for (const char* name : {"ProductName", "Version"}) {
            const QFont f = box.findChild<QLabel*>(name)->font();
            EXPECT_TRUE(f.bold() && f.italic()) << name;
        }
        auto* icon = box.findChild<QLabel*>("ProgramIcon");
        EXPECT_EQ(icon->geometry(), QRect(8, 8, 65, 57));
        EXPECT_FALSE(icon->pixmap().isNull());
        auto* ok = box.findChild<QPushButton*>("OKButton");
        EXPECT_EQ(ok->geometry(), QRect(111, 150, 75, 25));
        EXPECT_EQ(ok->text(), "OK");
        EXPECT_TRUE(ok->isDefault());
        responder->QueueForm([ok](TForm& f) {
            ok->click();
            return f.ModalResult();
        });
        EXPECT_EQ(box.ShowModal(), mrOk);
    }
}

// The start-up timer with a splash on screen.
class StartupFormsTimerTest : public StartupFormsTest {
protected:
    void SetUp() override {
        StartupFormsTest::SetUp();
        delete SettingsRegistry;  // the main window opens its own
        SettingsRegistry = nullptr;
        form.make();
        frmSplash = new TfrmSplash;
        frmSplash->show();
    }
    void TearDown() override {
        delete frmSplash;
        frmSplash = nullptr;
        form.reset();
        StartupFormsTest::TearDown();
    }
    // Queues a script for the start-up message that presses its Ok.
    void ExpectMessage() {
        responder->QueueForm([](TForm& f) {
            EXPECT_EQ(&f, frmMessage);
            EXPECT_EQ(f.windowTitle(), "General Message");
            f.findChild<QPushButton*>("btnOk")->click();
            return f.ModalResult();
        });
    }

    PublishedForm<TfrmMain> form{frmMain};
};

TEST_F(StartupFormsTimerTest, ATickWithoutAVisibleSplashDoesNothing) {
    frmSplash->hide();
    TfrmSplash* splash = frmSplash;
    form->tmrSplashTimer();
    EXPECT_EQ(frmSplash, splash);
    EXPECT_TRUE(form->tmrSplash->isActive());
    EXPECT_EQ(responder->ModalCount(), 0);

    delete frmSplash;
    frmSplash = nullptr;
    form->tmrSplashTimer();
    EXPECT_TRUE(form->tmrSplash->isActive());
}

TEST_F(StartupFormsTimerTest, TheFirstTickEndsTheSplash) {
    WriteSettingString("ShowMessage", "0");
    form->tmrSplashTimer();
    EXPECT_EQ(frmSplash, nullptr);
    EXPECT_FALSE(form->tmrSplash->isActive());
    form->tmrSplashTimer();  // nothing left to do
    EXPECT_EQ(responder->ModalCount(), 0);
}

TEST_F(StartupFormsTimerTest, TheStartUpDialogsWaitUntilAnOpenBoxIsAnswered) {
    // Without events.dat the window's first activation says so in a box, and
    // the tick comes while that box is open.
    bool ticked = false;
    responder->QueueBox([&](const BoxRequest&) {
        form->tmrSplashTimer();
        EXPECT_FALSE(frmSplash && frmSplash->isVisible());  // the splash goes at once
        EXPECT_EQ(responder->ModalCount(), 0);              // nothing opens inside the box
        ticked = true;
        return BoxAnswer{mrOk, {}};
    });
    form->FormActivate();
    ASSERT_TRUE(ticked);
    EXPECT_EQ(responder->Texts(), std::vector<AnsiString>{"Cannot open events.dat file"});
    EXPECT_EQ(responder->ModalCount(), 0);
    EXPECT_TRUE(form->tmrSplash->isActive());

    // The next tick, with the box answered, brings the start-up message.
    ExpectMessage();
    form->tmrSplashTimer();
    EXPECT_EQ(responder->ModalCount(), 1);
    EXPECT_EQ(frmSplash, nullptr);
    EXPECT_FALSE(form->tmrSplash->isActive());
    EXPECT_EQ(responder->Boxes().size(), 1u);
}

TEST_F(StartupFormsTimerTest, TicksDuringTheMessageDoNothingAndItsEndShowsTheHijriPane) {
    ActiveForms::Push(form.get());
    form->ShowPane(2);
    TfrmSplash* splash = frmSplash;
    responder->QueueForm([&](TForm& f) {
        EXPECT_FALSE(splash->isVisible());
        form->tmrSplashTimer();
        EXPECT_EQ(frmSplash, splash);
        f.findChild<QPushButton*>("btnOk")->click();
        return f.ModalResult();
    });
    form->tmrSplashTimer();
    EXPECT_EQ(responder->ModalCount(), 1);
    EXPECT_EQ(frmSplash, nullptr);
    EXPECT_EQ(frmMessage, nullptr);
    EXPECT_FALSE(form->findChild<QFrame*>("pnlHijri")->isHidden());
    EXPECT_TRUE(form->findChild<QFrame*>("pnlToDo")->isHidden());
}

struct MessageCase {
    int mode;
    std::optional<const char*> stored;
    bool shown;
};

void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << "mode " << c.mode << ", ShowMessage " << (c.stored ? *c.stored : "absent");
}

// "Community_Absent", "General_10", ...
std::string CaseName(const ::testing::TestParamInfo<MessageCase>& info) {
    return std::string(info.param.mode ? "General_" : "Community_") +
           (info.param.stored ? *info.param.stored : "Absent");
}

class StartupFormsMessageChoiceTest : public StartupFormsTimerTest,
                                      public ::testing::WithParamInterface<MessageCase> {};

TEST_P(StartupFormsMessageChoiceTest, ShowsTheMessageOnlyWhenAskedForInCommunityMode) {
    const MessageCase c = GetParam();
    generalMode = c.mode;
    if (c.stored)
        WriteSettingString("ShowMessage", *c.stored);
    if (c.shown)
        ExpectMessage();
    form->tmrSplashTimer();
    EXPECT_EQ(responder->ModalCount(), c.shown ? 1 : 0);
    EXPECT_EQ(frmMessage, nullptr);
    EXPECT_EQ(frmSplash, nullptr);
    EXPECT_FALSE(form->tmrSplash->isActive());
    EXPECT_EQ(Stored("ShowMessage"),
              c.stored ? std::optional<AnsiString>(*c.stored) : std::optional<AnsiString>());
}

INSTANTIATE_TEST_SUITE_P(Values, StartupFormsMessageChoiceTest,
                         ::testing::Values(MessageCase{0, std::nullopt, true},
                                           MessageCase{0, "1", true}, MessageCase{0, "10", true},
                                           MessageCase{0, "0", false}, MessageCase{0, "2", false},
                                           MessageCase{0, "01", false},
                                           MessageCase{1, std::nullopt, false},
                                           MessageCase{1, "1", false}, MessageCase{1, "10", false},
                                           MessageCase{1, "0", false}),
                         CaseName);

// The start-up timer with the list of outstanding tasks made, and the
// start-up message switched off.
class OutstandingTasksAtStartTest : public StartupFormsTimerTest {
protected:
    void SetUp() override {
        StartupFormsTimerTest::SetUp();
        tasks.make();
        WriteSettingString("ShowMessage", "0");
    }
    void TearDown() override {
        tasks.reset();
        StartupFormsTimerTest::TearDown();
    }

    PublishedForm<TfrmTasks> tasks{frmTasks};
};

TEST_F(OutstandingTasksAtStartTest, TheStartUpTimerShowsTheDueTasks) {
    WriteFile(TaskFileName, MixedTaskFile());
    responder->QueueForm([&](TForm& f) {
        EXPECT_EQ(&f, tasks.get());
        return mrCancel;
    });
    form->tmrSplashTimer();
    EXPECT_EQ(responder->ModalCount(), 1);
    EXPECT_EQ(frmSplash, nullptr);
    EXPECT_FALSE(form->tmrSplash->isActive());
}

TEST_F(OutstandingTasksAtStartTest, WithoutTheListTheStartGoesOn) {
    frmTasks = nullptr;
    form->tmrSplashTimer();
    EXPECT_EQ(frmSplash, nullptr);
    EXPECT_EQ(responder->ModalCount(), 0);
}

}  // namespace
