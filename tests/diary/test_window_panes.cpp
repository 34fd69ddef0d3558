// The three panes as the main window shows them: entered from its menu,
// asked for a year from its menu, shown again at each of its activations.
#include "diary/MainForm.h"
#include "diary/calendar/CalendarPane.h"
#include "diary/contacts/ContactsPane.h"
#include "diary/todo/ToDoPane.h"
#include "platform/widgets/StringGrid.h"
#include "tests/diary/ContactFixture.h"
#include "tests/diary/MainWindowSandbox.h"
#include "tests/diary/TaskFixture.h"
#include "tests/diary/calendar/CalendarPaneFixture.h"
#include "tests/diary/contacts/ContactsPaneFixture.h"
#include "tests/diary/todo/ToDoPaneFixture.h"
#include "tests/support/GridClicks.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CalendarPaneInWindowTest : public CalendarPaneFixture<MainWindowSandbox> {
protected:
    void SetUp() override {
        MainWindowSandbox::SetUp();  // today is 10 December 2026 = 2 Rajjab 1448
        Attach(form.get(), form->CalendarPane());
    }
};

TEST_F(CalendarPaneInWindowTest, TodaysMonthInBothViews) {
    WriteEventFiles();
    form->ShowPane(0);
    EXPECT_EQ(Text("lblCalendar"), "   Hijri Calendar");
    EXPECT_EQ(Text("lblHijriMonth"), "Rajjab, 1448 Hijri");
    EXPECT_EQ(Text("lblCorrespondingDate"), "Gregorian date: Dec 10, 2026");
    EXPECT_EQ(Text("lblEvents"), "Events for Rajjab");
    EXPECT_EQ(CurrentDay(), "2");
    EXPECT_EQ(pane->shownMonth, TMisri(2, 7, 1448));
    auto* picture = Find<QLabel>("imgMonths");
    EXPECT_FALSE(picture->isHidden());
    EXPECT_EQ(picture->pixmap().size(), QSize(200, 60));

    form->ShowPane(1);
    EXPECT_EQ(Text("lblCalendar"), "   Gregorian Calendar");
    EXPECT_EQ(Text("lblHijriMonth"), "December,  2026");
    EXPECT_EQ(Text("lblCorrespondingDate"), "Hijri date: 2 Rajjab, 1448");
    EXPECT_EQ(Text("lblEvents"), "Events for December");
    EXPECT_EQ(CurrentDay(), "10");
    EXPECT_EQ(pane->shownMonth.ToDateTime(), EncodeDate(2026, 12, 10));
    EXPECT_TRUE(picture->isHidden());
    EXPECT_TRUE(BoxTexts().empty());

    // A month number without a picture leaves the picture as it is.
    form->ShowPane(0);
    form->ShowMonthPicture(13);
    EXPECT_FALSE(picture->isHidden());
    EXPECT_EQ(picture->pixmap().size(), QSize(200, 60));
}

TEST_F(CalendarPaneInWindowTest, GotoYearKeepsTheMonth) {
    WriteEventFiles();
    const struct {
        bool gregorian;
        BoxAnswer answer;
        const char* shown;
    } cases[] = {
        {true, {mrOk, "1990"}, "August,  1990"},
        {true, {mrCancel, "1990"}, "August,  2000"},  // Cancel gives the default year
        {false, {mrOk, "1500"}, "Ramadan, 1500 Hijri"},
        {false, {mrCancel, "1500"}, "Ramadan, 1400 Hijri"},
    };
    for (const auto& c : cases) {
        form->ShowPane(0);
        if (c.gregorian)
            form->ShowGregorianMonth(EncodeDate(2026, 8, 20));
        else
            form->ShowHijriMonth(TMisri(20, 9, 1448));
        responder->Clear();
        responder->QueueInput(c.answer.text, c.answer.result);
        Find<QAction>("GotoYear1")->trigger();
        ASSERT_EQ(responder->Boxes().size(), 1u) << c.shown;
        const BoxRequest& box = responder->Boxes()[0];
        EXPECT_EQ(box.kind, BoxRequest::Kind::Input);
        EXPECT_EQ(box.caption, "Input required");
        EXPECT_EQ(box.text,
                  c.gregorian ? "Please type the Gregorian year." : "Please type the Hijri year.");
        EXPECT_EQ(box.defaultValue, c.gregorian ? "2000" : "1400");
        EXPECT_EQ(Text("lblHijriMonth"), c.shown);
        EXPECT_EQ(CurrentDay(), "1") << c.shown;
    }
}

TEST_F(CalendarPaneInWindowTest, GotoYearRefusals) {
    WriteEventFiles();
    const struct {
        bool gregorian;
        const char* answer;
        const char* message;  // the box after the input box
        const char* caption;  // "": the exception box
        const char* shown;    // the month shown afterwards
    } cases[] = {
        {true, "622", "Invalid Year", "Error", "August,  2026"},
        {true, "30001", "Invalid Year", "Error", "August,  2026"},
        {true, "10000", "Invalid argument to date encode", "", "August,  2026"},
        {true, "abc", "'abc' is not a valid integer value", "", "August,  2026"},
        {false, "-1", "Invalid Year", "Error", "Ramadan, 1448 Hijri"},
        {false, "30001", "Invalid Year", "Error", "Ramadan, 1448 Hijri"},
        {false, "0",
         "Error initializing the constructor of TMisri.Invalid year specified. Day is set to 1418",
         "Incorrect value", "Ramadan, 1418 Hijri"},
    };
    for (const auto& c : cases) {
        if (c.gregorian)
            form->ShowGregorianMonth(EncodeDate(2026, 8, 20));
        else
            form->ShowHijriMonth(TMisri(20, 9, 1448));
        responder->Clear();
        responder->QueueInput(c.answer);
        Find<QAction>("GotoYear1")->trigger();
        ASSERT_EQ(responder->Boxes().size(), 2u) << c.answer;
        const BoxRequest& box = responder->Boxes()[1];
        EXPECT_EQ(box.text, c.message) << c.answer;
        EXPECT_EQ(box.caption, *c.caption ? AnsiString(c.caption) : Dialogs::ApplicationTitle())
            << c.answer;
        EXPECT_EQ(Text("lblHijriMonth"), c.shown) << c.answer;
    }
}

TEST_F(CalendarPaneInWindowTest, GotoYearNeedsTheCalendarPane) {
    form->ShowPane(2);
    responder->Clear();
    form->GotoYear1Click();
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(CalendarPaneInWindowTest, AMissingEventFileIsToldOncePerDisplayAndTheListKept) {
    WriteEventFiles();
    form->ShowHijriMonth(TMisri(2, 7, 1448));
    ASSERT_TRUE(QFile::remove(HijriEventFileName));
    for (int display = 1; display <= 2; ++display) {
        form->FormActivate();
        EXPECT_EQ(BoxTexts(), std::vector<AnsiString>(static_cast<std::size_t>(display),
                                                      "Cannot open events.dat file"));
        EXPECT_EQ(responder->Boxes().back().caption, "Error");
        EXPECT_EQ(ListRows(events),
                  (std::vector<std::string>{"1|Rajjab begins", "27|Lailat-ul-Miraj"}));
        EXPECT_EQ(Text("lblHijriMonth"), "Rajjab, 1448 Hijri");
    }

    responder->Clear();
    ASSERT_TRUE(QFile::remove(GregorianEventFileName));
    Find<QRadioButton>("rdbEnglishEvents")->click();
    EXPECT_EQ(BoxTexts(), std::vector<AnsiString>{"Cannot open gevents.dat file"});
    form->ShowGregorianMonth(EncodeDate(2026, 12, 1));
    EXPECT_EQ(BoxTexts(), std::vector<AnsiString>(2, "Cannot open gevents.dat file"));
}

class ToDoPaneInWindowTest : public ToDoPaneFixture<MainWindowSandbox> {
protected:
    void SetUp() override {
        MainWindowSandbox::SetUp();
        Attach(form.get(), form->ToDoPane());
    }
};

TEST_F(ToDoPaneInWindowTest, TheMenuShowsTodayWithItsMonth) {
    form->ShowPane(2);
    EXPECT_FALSE(Find<QFrame>("pnlToDo")->isHidden());
    EXPECT_EQ(pane->toDoDay, kToday);
    EXPECT_EQ(Label("lblToDoDayNumber"), "2");
    EXPECT_EQ(Label("lblToDoMonth"), "Rajjab");
    EXPECT_EQ(Label("lblToDoYear"), "1448");
    EXPECT_EQ(Label("lblToDoDayName"), "Thursday");
    EXPECT_EQ(Label("lblToDoEngDate"), "Dec 10, 2026");
    // 1 Rajjab 1448 is a Wednesday; Rajjab has 30 days.
    const char* letters[] = {"S", "M", "T", "W", "T", "F", "S"};
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(cal->Cell(c, 0), letters[c]);
    EXPECT_EQ(cal->Cell(2, 1), " ");
    EXPECT_EQ(cal->Cell(3, 1), "1");
    EXPECT_EQ(cal->Cell(0, 2), "5");
    EXPECT_EQ(cal->Cell(4, 5), "30");
    EXPECT_EQ(cal->Cell(5, 5), " ");
    EXPECT_EQ(cal->Cell(0, 6), " ");
}

TEST_F(ToDoPaneInWindowTest, EnterAsksAndAppendsToTheShownDay) {
    ActiveForms::Push(form.get());
    WriteFile(TaskFileName, FileOf({Task(0, "Old", kToday)}));
    form->ShowPane(2);
    form->ShowToDoDay(TMisri(25, 7, 1448));

    // Nothing to save: no question at all.
    PressEnter();
    EXPECT_TRUE(responder->Boxes().empty());

    Type("Pay the rent");
    responder->QueueAnswer(mrNo);
    PressEnter();
    // (The calendar pane that the answer brings back tells of its missing event file.)
    ASSERT_FALSE(responder->Boxes().empty());
    EXPECT_EQ(responder->Texts()[0], "Do you want to save this task?");
    EXPECT_EQ(responder->Boxes()[0].buttons, BoxButtons::YesNo);
    EXPECT_EQ(text->text(), "Pay the rent");
    EXPECT_EQ(due->text(), "25 Rajjab, 1448");
    EXPECT_EQ(ReadFile(TaskFileName).size(), 84u);

    due->setText("1 Rajjab, 1448");  // already late
    PressEnter();
    // The question's closing brings the calendar pane back; the task still
    // belongs to the day the to-do pane showed.
    EXPECT_FALSE(Find<QFrame>("pnlHijri")->isHidden());
    EXPECT_EQ(Rows(), std::vector<std::string>{"2|2|Pay the rent|1 Rajjab, 1448|1"});
    EXPECT_TRUE(text->text().isEmpty());
    EXPECT_TRUE(due->text().isEmpty());
    const TTaskRecord r = Record(1);
    EXPECT_EQ(r.index, 1);
    EXPECT_EQ(r.priority, 2);
    EXPECT_EQ(r.completed, 0);
    EXPECT_EQ(r.deleted, 0);
    EXPECT_EQ(r.text, "Pay the rent");
    EXPECT_EQ(r.dueDate, TMisri(1, 7, 1448));
    EXPECT_EQ(r.taskDate, TMisri(25, 7, 1448));
}

TEST_F(ToDoPaneInWindowTest, TheTaskDialogEditsTheRow) {
    ActiveForms::Push(form.get());
    WriteFile(TaskFileName, FileOf({Task(0, "First", kToday), Task(1, "Second", kToday)}));
    form->ShowPane(2);
    form->ShowToDoDay(kToday);

    // Cancelled: nothing changes.
    responder->QueueForm([](TForm& f) {
        f.findChild<QLineEdit*>("txtTask")->setText("Changed");
        return mrCancel;
    });
    const std::string before = ReadFile(TaskFileName);
    DoubleClickCell(grid, 2, 1);
    EXPECT_EQ(ReadFile(TaskFileName), before);
    EXPECT_EQ(grid->Cell(2, 1), "Second");

    responder->QueueForm([](TForm& f) {
        EXPECT_EQ(f.findChild<QLineEdit*>("txtTask")->text(), "Second");
        f.findChild<QLineEdit*>("txtTask")->setText("Second, edited");
        f.findChild<QLineEdit*>("txtDueDate")->setText("1 Rajjab, 1448");
        f.findChild<QRadioButton*>("rdbHigh")->setChecked(true);
        f.findChild<QPushButton*>("btnOk")->click();
        return f.ModalResult();
    });
    DoubleClickCell(grid, 3, 1);
    EXPECT_FALSE(Find<QFrame>("pnlHijri")->isHidden());
    EXPECT_EQ(Rows(), (std::vector<std::string>{"0|2|First|2 Rajjab, 1448|0",
                                                "2|3|Second, edited|1 Rajjab, 1448|1"}));
    const TTaskRecord r = Record(1);
    EXPECT_EQ(r.text, "Second, edited");
    EXPECT_EQ(r.priority, 3);
    EXPECT_EQ(r.dueDate, TMisri(1, 7, 1448));
    EXPECT_EQ(r.taskDate, kToday);
    EXPECT_EQ(r.deleted, 0);

    responder->QueueForm([](TForm& f) {
        f.findChild<QCheckBox*>("chkCompleted")->setChecked(true);
        f.findChild<QPushButton*>("btnOk")->click();
        return f.ModalResult();
    });
    DoubleClickCell(grid, 2, 1);
    EXPECT_EQ(grid->Cell(4, 1), "1");
    EXPECT_EQ(Record(1).completed, 1);
}

class ContactsPaneInWindowTest : public ContactsPaneFixture<MainWindowSandbox> {
protected:
    void SetUp() override {
        MainWindowSandbox::SetUp();
        Attach(form.get(), form->ContactsPane());
    }
};

TEST_F(ContactsPaneInWindowTest, EnteringThePaneListsTheFileInItsOrderAndShowsTheFirst) {
    std::string bytes =
        FileOf({Contact(1, {"", "Zaid", "Ali"}), Contact(2, {"Dr.", "Amina", "Rahman"}),
                Contact(3, {"", "Hatim", "Zaki"})});
    bytes += std::string(100, 'x');  // a partial record is no contact
    WriteFile(ContactFileName, bytes);
    form->ShowPane(3);

    EXPECT_EQ(Shown(), (std::vector<std::string>{"Zaid Ali", "Dr. Amina Rahman", "Hatim Zaki"}));
    EXPECT_EQ(FullText(1), "Dr. Amina Rahman" + std::string(54, ' ') + "2");
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(Label("lblName"), "Zaid Ali");
    EXPECT_EQ(Label("lblPhone"), "555-0147");
    EXPECT_EQ(Label("lblWPhone"), "555-0199");
    EXPECT_EQ(Label("lblFax"), "555-0100");
    EXPECT_EQ(Label("lblBeeper"), "555-0123");
    EXPECT_EQ(Label("lblEMail"), "amina@example.org");
    EXPECT_EQ(Label("lblWeb"), "www.example.org");
    EXPECT_TRUE(responder->Boxes().empty());

    // The user's choice of another item shows that record, read by its key.
    list->setCurrentRow(2);
    EXPECT_EQ(Label("lblName"), "Hatim Zaki");
}

TEST_F(ContactsPaneInWindowTest, TheCalendarThatComesBackListsTheEditorsDates) {
    // The editor's closing brings back the calendar pane on today's month
    // (Rajjab 1448) before the editor has written its record.
    ActiveForms::Push(form.get());
    form->ShowPane(3);
    const auto save = [](const char* box, const char* date) {
        return [box, date](TForm& f) {
            f.findChild<QLineEdit*>("txtFName")->setText("Amina");
            f.findChild<QLineEdit*>("txtLName")->setText("Rahman");
            f.findChild<QLineEdit*>(box)->setText(date);
            f.findChild<QPushButton*>("btnOk")->click();
            return f.ModalResult();
        };
    };
    const auto* birth = form->findChild<TStringGrid*>("grdBirth");
    responder->QueueForm(save("txtBirth", "5 Rajjab"));
    Click("btnAddNew");
    EXPECT_FALSE(form->findChild<QFrame*>("pnlHijri")->isHidden());
    EXPECT_EQ(birth->Cell(1, 0) + "|" + birth->Cell(2, 0), "Birthday|Amina Rahman");

    responder->QueueForm(save("txtAnniversary", "9 Rajjab"));
    Click("btnEditContact");
    EXPECT_EQ(birth->Cell(1, 1) + "|" + birth->Cell(0, 1), "Anniversary|9");
}

}  // namespace
