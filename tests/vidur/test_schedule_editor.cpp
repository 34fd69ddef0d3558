#include "calendar/Misri.h"
#include "calendar/Projglob.h"
#include "calendar/widgets/PickDate.h"
#include "platform/desktop/Associations.h"
#include "tests/support/FakeAssociations.h"
#include "tests/support/Keyboard.h"
#include "tests/support/Sandbox.h"
#include "vidur/AzanForm.h"
#include "vidur/PathHelpers.h"
#include "vidur/Schedule.h"
#include "vidur/SetWaqt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class ScheduleEditorTest : public Sandbox {
protected:
    void SetUp() override {
        Sandbox::SetUp();
        schedList = std::make_unique<ScheduleList>();
        savedMode_ = generalMode;
        generalMode = 1;
        ListItemPadding = AnsiString(ListItemPaddingLength, ' ');
        SetProgramFolder(QDir::currentPath());
        WriteFile("azan1.wav", "RIFF");
        dialog = std::make_unique<TfrmSchedule>();
    }
    void TearDown() override {
        dialog.reset();
        schedList.reset();
        SetProgramFolder("");
        generalMode = savedMode_;
        Sandbox::TearDown();
    }
    static ScheduleEntry Entry(char code, int32_t delta, int32_t start, int32_t end,
                               int32_t enabled = 1) {
        ScheduleEntry e{};
        e.SetName("Event");
        e.timeCode = code;
        e.deltaMinutes = delta;
        e.SetFilePath("azan1.wav");
        e.periodStart = start;
        e.periodEnd = end;
        e.enabled = enabled;
        e.key = 4;
        return e;
    }
    template <class W> W* Find(const char* name) const { return dialog->findChild<W*>(name); }
    QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(name); }
    QComboBox* Combo(const char* name) const { return Find<QComboBox>(name); }
    void Ok() const { Find<QPushButton>("btnOk")->click(); }
    // Chooses an item as the user does.
    void Choose(const char* combo, int index) const {
        Combo(combo)->setCurrentIndex(index);
        emit Combo(combo)->activated(index);
    }
    // Runs the dialog on the entry with a script; the script's last word is
    // the OK button unless it says otherwise.
    bool Run(ScheduleEntry& entry, bool isNew, std::function<void()> script = {}) {
        responder->QueueForm([this, script](TForm& f) {
            if (script)
                script();
            else
                Ok();
            return f.ModalResult();
        });
        return dialog->EditEntry(&entry, isNew);
    }

    FakeAssociations associations;
    std::unique_ptr<TfrmSchedule> dialog;

private:
    int savedMode_ = 0;
};

TEST_F(ScheduleEditorTest, ANewEntryStartsFifteenMinutesBeforeFajrEveryDay) {
    for (int32_t key : {1, 2, 7}) {
        auto e = std::make_unique<ScheduleEntry>(Entry('F', 0, 1, 354));
        e->key = key;
        schedList->push_back(std::move(e));
    }
    ScheduleEntry entry{};
    const TMisri today("today");
    ASSERT_TRUE(Run(entry, true, [&] {
        EXPECT_EQ(Edit("txtDelta")->text(), "15");
        EXPECT_EQ(Combo("cmbTime")->currentText(), "Custom... ");
        EXPECT_EQ(Combo("cmbFrom")->currentText(), "Fajr   ");
        EXPECT_EQ(Combo("cmbBeforeAfter")->currentText(), "Before");
        EXPECT_EQ(Combo("cmbFrequency")->currentText(), "Every Day      ");
        EXPECT_EQ(FromQString(Edit("txtFromDate")->text()), today.FirstOfMonth().Format(2));
        EXPECT_EQ(FromQString(Edit("txtToDate")->text()), today.LastOfMonth().Format(2));
        EXPECT_FALSE(Edit("txtFromDate")->isEnabled());
        EXPECT_FALSE(Find<QToolButton>("btnTo")->isEnabled());
        EXPECT_TRUE(Edit("txtDelta")->isEnabled());
        EXPECT_EQ(Find<QLabel>("lblEnabled")->text(), "Yes");
        EXPECT_EQ(Find<QPlainTextEdit>("txtMessage")->toPlainText(),
                  "Click a control to display help.");
        Edit("txtName")->setText("Dawn");
        Edit("txtPath")->setText("azan1.wav");
        Ok();
    }));
    EXPECT_STREQ(entry.name, "Dawn");
    EXPECT_EQ(entry.timeCode, 'F');
    EXPECT_EQ(entry.deltaMinutes, -15);
    EXPECT_EQ(entry.periodStart, 1);
    EXPECT_EQ(entry.periodEnd, 354);
    EXPECT_EQ(entry.enabled, 1);
    EXPECT_EQ(entry.key, 8);
    EXPECT_STREQ(entry.filePath, "azan1.wav");
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(ScheduleEditorTest, ListsOfEachMode) {
    auto texts = [](QComboBox* c) {
        std::vector<AnsiString> t;
        for (int i = 0; i < c->count(); ++i)
            t.push_back(FromQString(c->itemText(i)));
        return t;
    };
    ScheduleEntry entry = Entry('F', 0, 1, 354);
    Run(entry, false, [] {});
    EXPECT_EQ(texts(Combo("cmbTime")),
              (std::vector<AnsiString>{"Midnight", "Sehri  ", "Fajr   ", "Sunrise", "Zohar  ",
                                       "Asr    ", "Maghrib", "Isha", "Custom... "}));
    EXPECT_EQ(texts(Combo("cmbFrequency")),
              (std::vector<AnsiString>{"Every Day      ", "Only in Ramadan", "Custom...      "}));
    generalMode = 0;
    Run(entry, false, [] {});
    EXPECT_EQ(texts(Combo("cmbFrom")), (std::vector<AnsiString>{"Midnight", "Sehri  ", "Fajr   ",
                                                                "Sunrise", "Zohar  ", "Maghrib"}));
    EXPECT_EQ(Combo("cmbTime")->itemText(6), "Custom...");
    EXPECT_EQ(texts(Combo("cmbFrequency")),
              (std::vector<AnsiString>{"Every Day      ", "Only in Ramadan", "Only in Rajab  ",
                                       "Only in Ashara ", "Custom...      "}));
    EXPECT_EQ(dialog->SelectedCode(Combo("cmbFrequency")), "E");
}

TEST_F(ScheduleEditorTest, ACodeMissingInCommunityModeFallsBackToMidnight) {
    generalMode = 0;
    for (char code : {'A', 'I'}) {
        responder->Clear();
        ScheduleEntry entry = Entry(code, 0, 1, 354);
        ASSERT_TRUE(Run(entry, false, [&] {
            EXPECT_EQ(Combo("cmbTime")->currentText(), "Midnight");
            Ok();
        }));
        EXPECT_EQ(responder->Texts(),
                  std::vector<AnsiString>{"Invalid index specified. Will set to midnight"});
        EXPECT_EQ(responder->Boxes()[0].caption, "Error");
        EXPECT_EQ(entry.timeCode, 'M');
        EXPECT_EQ(entry.deltaMinutes, 0);
    }
}

TEST_F(ScheduleEditorTest, RajabAndAsharaAreListItemsOnlyInCommunityMode) {
    struct Case {
        int32_t start, end;
        int mode;
        const char* frequency;
        const char* from;
        const char* to;
        bool periodEnabled;
    };
    const Case cases[] = {
        {178, 207, 0, "Only in Rajab  ", "", "", false},
        {178, 207, 1, "Custom...      ", "1 Rajjab", "30 Rajjab", true},
        {1, 10, 0, "Only in Ashara ", "", "", false},
        {1, 10, 1, "Custom...      ", "1 Moharram", "10 Moharram", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.start) + " in mode " + std::to_string(c.mode));
        generalMode = c.mode;
        dialog = std::make_unique<TfrmSchedule>();
        ScheduleEntry entry = Entry('Z', 0, c.start, c.end);
        ASSERT_TRUE(Run(entry, false, [&] {
            EXPECT_EQ(Combo("cmbFrequency")->currentText(), c.frequency);
            EXPECT_EQ(Edit("txtFromDate")->text(), c.from);
            EXPECT_EQ(Edit("txtToDate")->text(), c.to);
            EXPECT_EQ(Edit("txtFromDate")->isEnabled(), c.periodEnabled);
            Ok();
        }));
        EXPECT_EQ(entry.periodStart, c.start);
        EXPECT_EQ(entry.periodEnd, c.end);
    }
}

TEST_F(ScheduleEditorTest, FromMayEqualToButNotFollowIt) {
    ScheduleEntry entry = Entry('Z', 0, 180, 180);
    ASSERT_TRUE(Run(entry, false));
    EXPECT_EQ(entry.periodStart, 180);

    entry = Entry('Z', 0, 181, 180);
    EXPECT_FALSE(Run(entry, false, [&] {
        Ok();
        EXPECT_EQ(dialog->ModalResult(), mrNone);
        EXPECT_TRUE(dialog->isVisible());
    }));
    EXPECT_EQ(responder->Texts(),
              std::vector<AnsiString>{"'From' date (4 Rajjab) should be less than 'To' date (3 "
                                      "Rajjab). Please correct the problem before saving the "
                                      "record"});
    EXPECT_EQ(entry.periodStart, 181);
}

TEST_F(ScheduleEditorTest, ACustomPeriodConfirmedUnchangedKeepsItsDays) {
    struct Period {
        int32_t start, end;
        const char* from;
        const char* to;
    };
    const Period periods[] = {
        {355, 355, "30 Zil-Haj", "30 Zil-Haj"}, {300, 355, "5 Zilqaad", "30 Zil-Haj"},
        {1, 355, "1 Moharram", "30 Zil-Haj"},   {5, 20, "5 Moharram", "20 Moharram"},
        {178, 207, "1 Rajjab", "30 Rajjab"},
    };
    // Today in a common Hijri year (1447) and in a leap year (1448).
    for (const int year : {2025, 2026}) {
        SetToday(year, 12, 10);
        for (const Period& p : periods) {
            responder->Clear();
            ScheduleEntry entry = Entry('Z', 0, p.start, p.end);
            ASSERT_TRUE(Run(entry, false,
                            [&] {
                                EXPECT_EQ(Edit("txtFromDate")->text(), p.from);
                                EXPECT_EQ(Edit("txtToDate")->text(), p.to);
                                Ok();
                            }))
                << year << " " << p.start << "-" << p.end;
            EXPECT_TRUE(responder->Boxes().empty());
            EXPECT_EQ(entry.periodStart, p.start) << year;
            EXPECT_EQ(entry.periodEnd, p.end) << year;
        }
    }
}

TEST_F(ScheduleEditorTest, MidnightWithBeforeSwitchesToAfter) {
    ScheduleEntry entry{};
    Run(entry, true, [&] {
        Choose("cmbFrom", 0);
        EXPECT_EQ(Combo("cmbBeforeAfter")->currentIndex(), 1);
        // Before chosen again afterwards is left alone.
        Choose("cmbBeforeAfter", 0);
        EXPECT_EQ(Combo("cmbBeforeAfter")->currentIndex(), 0);
        Edit("txtDelta")->setText("abc");
        Choose("cmbFrom", 0);
        Find<QPushButton>("btnCancel")->click();
    });
    EXPECT_EQ(responder->Texts(),
              (std::vector<AnsiString>{
                  "You can only select a time after midnight. However if you want, you can "
                  "specify 1425 minutes ((24 * 60) - 15) after the midnight of the previous day.",
                  "You can only select a time after midnight. However if you want, you can "
                  "specify 1425 minutes ((24 * 60) - abc) after the midnight of the previous "
                  "day."}));
    EXPECT_EQ(responder->Boxes()[0].caption, "Message");
}

TEST_F(ScheduleEditorTest, SoundFileChecks) {
    WriteFile("SalaamAa.rm", ".RMF");
    QDir().mkdir("folder.wav");
    struct Case {
        const char* name;
        const char* path;
        bool saved;
        std::vector<AnsiString> texts;
    };
    const Case cases[] = {
        {"  ", "azan1.wav", false, {"Event name is mandatory, you cannot leave it blank"}},
        {"Naat", " ", false, {"File path is mandatory, you cannot leave it blank"}},
        {"Naat", "nothere.wav", false, {"The path you specified for the sound file is incorrect"}},
        {"Naat", "folder.wav", false, {"The path you specified for the sound file is incorrect"}},
        {"Naat",
         "SalaamAa.rm",
         true,
         {"The file extension \"rm\" is not associated with any program. If this is are Real "
          "Audio file, most likely the Real Audio player is not installed correctly."}},
    };
    for (const Case& c : cases) {
        responder->Clear();
        ScheduleEntry entry = Entry('S', 30, 1, 354);
        const bool saved = Run(entry, false, [&] {
            Edit("txtName")->setText(c.name);
            Edit("txtPath")->setText(c.path);
            Ok();
            if (dialog->ModalResult() == mrNone)
                Find<QPushButton>("btnCancel")->click();
        });
        EXPECT_EQ(saved, c.saved) << c.path;
        EXPECT_EQ(responder->Texts(), c.texts) << c.path;
    }
    EXPECT_EQ(responder->Boxes()[0].caption, "Message");

    // With a program for ".rm" it is accepted silently.
    associations.keys[".rm\\shell\\open\\command"] = "\"/usr/bin/player\" \"%1\"";
    responder->Clear();
    ScheduleEntry entry = Entry('S', 30, 1, 354);
    EXPECT_TRUE(Run(entry, false, [&] {
        Edit("txtPath")->setText("SalaamAa.rm");
        Ok();
    }));
    EXPECT_TRUE(responder->Boxes().empty());
    EXPECT_STREQ(entry.filePath, "SalaamAa.rm");
}

TEST_F(ScheduleEditorTest, UncheckingEnabledAsksFirst) {
    ScheduleEntry entry = Entry('F', 0, 1, 354);
    EXPECT_FALSE(Run(entry, false, [&] {
        responder->QueueAnswer(mrNo);
        Find<QCheckBox>("chkEnabled")->click();
        EXPECT_TRUE(Find<QCheckBox>("chkEnabled")->isChecked());
        EXPECT_EQ(Find<QLabel>("lblEnabled")->text(), "Yes");
        Find<QPushButton>("btnCancel")->click();
    }));
    EXPECT_EQ(responder->Texts(),
              std::vector<AnsiString>{"This will disable the event and nothing will happen at "
                                      "the scheduled time. Do you wish to continue?"});
    EXPECT_EQ(responder->Boxes()[0].buttons, BoxButtons::YesNo);

    responder->Clear();
    ASSERT_TRUE(Run(entry, false, [&] {
        responder->QueueAnswer(mrYes);
        Find<QCheckBox>("chkEnabled")->click();
        EXPECT_EQ(Find<QLabel>("lblEnabled")->text(), "No");
        Ok();
    }));
    EXPECT_EQ(entry.enabled, 0);

    // A disabled entry opens unchecked without a question.
    responder->Clear();
    Run(entry, false, [&] {
        EXPECT_FALSE(Find<QCheckBox>("chkEnabled")->isChecked());
        EXPECT_EQ(Find<QLabel>("lblEnabled")->text(), "No");
        Find<QPushButton>("btnCancel")->click();
    });
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(ScheduleEditorTest, TypedMinutesAndDirection) {
    struct Case {
        const char* typed;
        int direction;  // 0 Before, 1 After
        int32_t stored;
        char code;
    };
    const Case cases[] = {{"-5", 0, 5, 'F'},
                          {"20", 1, 20, 'F'},
                          {"20", 0, -20, 'F'},
                          {"x", 0, 0, 'F'},
                          {"0", 1, 0, 'F'}};
    for (const Case& c : cases) {
        ScheduleEntry entry{};
        ASSERT_TRUE(Run(entry, true, [&] {
            Edit("txtName")->setText("Event");
            Edit("txtPath")->setText("azan1.wav");
            Edit("txtDelta")->setText(c.typed);
            Choose("cmbBeforeAfter", c.direction);
            Ok();
        }));
        EXPECT_EQ(entry.deltaMinutes, c.stored) << c.typed;
        EXPECT_EQ(entry.timeCode, c.code) << c.typed;
    }
}

TEST_F(ScheduleEditorTest, AnExistingOffsetOpensAsCustomAndAPlainTimeAsItself) {
    ScheduleEntry entry = Entry('S', 30, 237, 266);
    Run(entry, false, [&] {
        EXPECT_EQ(dialog->SelectedCode(Combo("cmbTime")), "C");
        EXPECT_EQ(dialog->SelectedCode(Combo("cmbFrom")), "S");
        EXPECT_EQ(Edit("txtDelta")->text(), "30");
        EXPECT_EQ(Combo("cmbBeforeAfter")->currentText(), "After");
        EXPECT_EQ(Combo("cmbFrequency")->currentText(), "Only in Ramadan");
        Find<QPushButton>("btnCancel")->click();
    });
    dialog = std::make_unique<TfrmSchedule>();
    entry = Entry('R', 0, 1, 354);
    Run(entry, false, [&] {
        EXPECT_EQ(dialog->SelectedCode(Combo("cmbTime")), "R");
        EXPECT_FALSE(Edit("txtDelta")->isEnabled());
        EXPECT_FALSE(Combo("cmbFrom")->isEnabled());
        Choose("cmbTime", 8);  // Custom: the minutes come back
        EXPECT_TRUE(Combo("cmbFrom")->isEnabled());
        Choose("cmbFrequency", 2);  // Custom period
        EXPECT_TRUE(Edit("txtFromDate")->isEnabled());
        Find<QPushButton>("btnCancel")->click();
    });
}

TEST_F(ScheduleEditorTest, CustomTimeWithoutABaseTimeStaysOpen) {
    ScheduleEntry entry = Entry('Z', 0, 1, 354);
    const ScheduleEntry before = entry;
    EXPECT_FALSE(Run(entry, false, [&] {
        Choose("cmbTime", 8);
        Ok();
        EXPECT_EQ(dialog->ModalResult(), mrNone);
        Find<QPushButton>("btnCancel")->click();
    }));
    EXPECT_EQ(responder->Boxes().size(), 1u);
    EXPECT_EQ(std::memcmp(&entry, &before, sizeof entry), 0);
}

TEST_F(ScheduleEditorTest, CancelLeavesTheRecordAndTheList) {
    schedList->push_back(std::make_unique<ScheduleEntry>(Entry('F', 0, 1, 354)));
    ScheduleEntry& entry = *schedList->front();
    const ScheduleEntry before = entry;
    EXPECT_FALSE(Run(entry, false, [&] {
        Edit("txtName")->setText("Other");
        Choose("cmbTime", 0);
        Find<QCheckBox>("chkEnabled")->click();
        Find<QPushButton>("btnCancel")->click();
    }));
    EXPECT_EQ(std::memcmp(&entry, &before, sizeof entry), 0);
    EXPECT_EQ(schedList->size(), 1u);
    EXPECT_FALSE(FileExists("sched.dat"));
}

TEST_F(ScheduleEditorTest, TheDateButtonsPutTheDatePickedIntoTheirEdits) {
    ScheduleEntry entry = Entry('Z', 0, 180, 190);
    Run(entry, false, [&] {
        responder->QueueForm([](TForm&) { return mrCancel; });  // closed on today's date
        Find<QToolButton>("btnFrom")->click();
        EXPECT_EQ(FromQString(Edit("txtFromDate")->text()), TMisri("today").Format(2));
        Find<QPushButton>("btnCancel")->click();
    });
}

// With the keyboard alone: each date button follows its box in the Tab order
// and opens the picker with Space; each run starts on the first box.
TEST_F(ScheduleEditorTest, TheKeyboardReachesTheDatesAndEachRunStartsOnTheName) {
    QWidget below;
    ScheduleEntry entry = Entry('Z', 0, 180, 190);
    Run(entry, false, [&] {
        EXPECT_TRUE(TabTo(dialog.get(), Edit("txtFromDate")));
        Press(dialog.get(), Qt::Key_Tab);
        ASSERT_EQ(dialog->focusWidget(), Find<QToolButton>("btnFrom"));
        responder->QueueForm([](TForm& picker) {
            Press(&picker, Qt::Key_Right);
            Press(&picker, Qt::Key_Return);
            return picker.ModalResult();
        });
        Press(dialog.get(), Qt::Key_Space);
        EXPECT_EQ(FromQString(Edit("txtFromDate")->text()), TMisri("today").AddDays(1).Format(2));
        Press(dialog.get(), Qt::Key_Tab);
        EXPECT_EQ(dialog->focusWidget(), Edit("txtToDate"));
        Press(dialog.get(), Qt::Key_Tab);
        EXPECT_EQ(dialog->focusWidget(), Find<QToolButton>("btnTo"));
        // The run ends with the focus on a later box.
        EXPECT_TRUE(TabTo(dialog.get(), Edit("txtPath")));
        Find<QPushButton>("btnCancel")->click();
    });
    BringToFront(&below);
    Run(entry, false, [&] {
        QCoreApplication::processEvents();  // the dialog's activation
        EXPECT_EQ(dialog->focusWidget(), Edit("txtName"));
        Find<QPushButton>("btnCancel")->click();
    });
}

TEST_F(ScheduleEditorTest, BrowsePutsThePickedFileIntoThePath) {
    ScheduleEntry entry = Entry('Z', 0, 1, 354);
    Run(entry, false, [&] {
        responder->QueuePath("/home/me/sounds/adhan.wav");
        Find<QPushButton>("btnBrowse")->click();
        EXPECT_EQ(Edit("txtPath")->text(), "/home/me/sounds/adhan.wav");
        const BoxRequest& box = responder->Boxes().back();
        EXPECT_EQ(box.kind, BoxRequest::Kind::OpenFile);
        EXPECT_EQ(box.text, "Wave File (*.wav);;Real Audio (*.rm *.ram)");
        responder->QueuePath("", mrCancel);  // cancelled: the path stays
        Find<QPushButton>("btnBrowse")->click();
        EXPECT_EQ(Edit("txtPath")->text(), "/home/me/sounds/adhan.wav");
        Find<QPushButton>("btnCancel")->click();
    });
}

TEST_F(ScheduleEditorTest, BrowseRefusesAPathTheScheduleCannotStore) {
    const QString folder = "/home/me/" + QString(200, u'a') + "/";
    struct Case {
        QString path;
        const char* refusal;  // nullptr: taken
    };
    const Case cases[] = {
        {QString::fromUtf8("/home/me/caf\xC3\xA9/adhan.wav"), nullptr},  // in the code page
        {QString::fromUtf8("/home/me/\xD0\x97\xD0\xB2\xD1\x83\xD0\xBA/adhan.wav"),
         "holds characters outside the Western European (Windows-1252) character set, which "
         "the schedule file cannot store"},
        {folder + QString(41, u'b') + ".wav", nullptr},  // 255 characters
        {folder + QString(42, u'b') + ".wav",
         "is longer than the 255 characters that the schedule file can store"},
    };
    for (const Case& c : cases) {
        responder->Clear();
        ScheduleEntry entry = Entry('Z', 0, 1, 354);
        Run(entry, false, [&] {
            responder->QueuePath(c.path);
            Find<QPushButton>("btnBrowse")->click();
            Find<QPushButton>("btnCancel")->click();
            // A refused path leaves the edit as it was.
            EXPECT_EQ(Edit("txtPath")->text(), c.refusal ? QString("azan1.wav") : c.path);
        });
        std::vector<AnsiString> texts;
        if (c.refusal)
            texts.push_back(AnsiString("The path of the file you chose ") + c.refusal +
                            ". Choose another file, or copy this one into the program's folder "
                            "and type its name only.");
        std::vector<AnsiString> shown;
        for (const BoxRequest& box : responder->Boxes())
            if (box.kind == BoxRequest::Kind::Message) {
                shown.push_back(box.text);
                EXPECT_EQ(box.caption, "Error");
            }
        EXPECT_EQ(shown, texts) << c.path.toStdString();
    }
}

TEST_F(ScheduleEditorTest, AProgramFolderOutsideTheCodePageHoldsTheSounds) {
    const QString folder =
        QDir::current().filePath(QString::fromUtf8("\xD0\x97\xD0\xB2\xD1\x83\xD0\xBA"));
    ASSERT_TRUE(QDir().mkpath(folder));
    SetProgramFolder(folder);
    QDir::setCurrent(folder);
    WriteFile("call.wav", "RIFF");
    QDir::setCurrent(QDir(folder).filePath(".."));
    ScheduleEntry entry = Entry('Z', 0, 1, 354);
    ASSERT_TRUE(Run(entry, false, [&] {
        Edit("txtPath")->setText("call.wav");  // relative to the program's folder
        Ok();
    }));
    EXPECT_TRUE(responder->Boxes().empty());
    EXPECT_EQ(QDir::currentPath(), folder);
}

TEST_F(ScheduleEditorTest, EachControlShowsItsHelp) {
    const AnsiString time = "Select a time. You can select 'Custom' to specify a user defined "
                            "time. Custom time must be relative to a predefined time in minutes.";
    struct Case {
        const char* control;
        AnsiString help;
    };
    const Case cases[] = {
        {"txtName", "Enter a name for this event. This is mandatory field and must be less than "
                    "50 characters."},
        {"cmbTime", time},
        {"txtDelta", time + "\nSpecify the number of minutes relative to a predefined time"},
        {"cmbBeforeAfter", time + "\nSelect either before or after"},
        {"cmbFrom", time + "\nSelect a predefined time. The difference you specified in number "
                           "of minutes will be with respect to this time"},
        {"cmbFrequency", "Select an appropriate value to specify when a period for which you "
                         "wish to play this WAVE file. Select custom to specify a custom "
                         "period. "},
        {"btnBrowse", "Click here to select a file."},
    };
    QPlainTextEdit* memo = Find<QPlainTextEdit>("txtMessage");
    for (const Case& c : cases) {
        QFocusEvent focus(QEvent::FocusIn);
        QCoreApplication::sendEvent(dialog->findChild<QWidget*>(c.control), &focus);
        EXPECT_EQ(FromQString(memo->toPlainText()), c.help) << c.control;
    }
    QFocusEvent focus(QEvent::FocusIn);
    QCoreApplication::sendEvent(Edit("txtPath"), &focus);
    EXPECT_EQ(FromQString(memo->toPlainText())
                  .rfind("Select a WAVE file that you like to play. Click the browse button to "
                         "locate the file. ",
                         0),
              0u);
    QWidget* panel = dialog->findChild<QWidget*>("Panel3");
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), panel->mapToGlobal(QPointF(3, 3)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(panel, &press);
    EXPECT_EQ(memo->toPlainText(), "Click a control to display help.");
}

TEST_F(ScheduleEditorTest, TextsAreLimitedToTheirFields) {
    EXPECT_EQ(Edit("txtName")->maxLength(), 49);
    EXPECT_EQ(Edit("txtPath")->maxLength(), 255);
    EXPECT_EQ(dialog->windowTitle(), "Schedule Maintenance");
    EXPECT_EQ(dialog->size(), QSize(382, 324));
}

}  // namespace
