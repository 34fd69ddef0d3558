// Texts read from the diary's files come back byte for byte when the user
// opens them and confirms without changing them: a text longer than its box
// lets the user type (written by another program), a note with characters a
// memo would change, a date the text form cannot carry.
#include "diary/MainForm.h"
#include "diary/calendar/calEvent.h"
#include "diary/calendar/records/EventFile.h"
#include "diary/contacts/ContactFile.h"
#include "diary/todo/TaskFile.h"
#include "platform/widgets/StringGrid.h"
#include "tests/diary/ContactFixture.h"
#include "tests/diary/MainWindowSandbox.h"
#include "tests/diary/TaskFixture.h"
#include "tests/support/GridClicks.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

class StoredTextTest : public MainWindowSandbox {
protected:
    // The user presses OK in the dialog that opens.
    void PressOk() {
        responder->QueueForm([](TForm& f) {
            f.findChild<QPushButton*>("btnOk")->click();
            return f.ModalResult();
        });
    }
    // The task dialog of the first task row.
    void OpenFirstTask() {
        form->ShowToDoDay(kToday);
        PressOk();
        DoubleClickCell(Find<TStringGrid>("grdToDo"), 2, 0);
    }
};

std::string EventFileWith(const AnsiString& text1) {
    std::string bytes;
    for (int key = 0; key <= 2; ++key) {
        TEventRecord r;
        r.key = static_cast<std::int16_t>(key);
        if (key == 1)
            r.text1 = text1;
        const EventRecordBytes packed = PackEventRecord(r);
        bytes.append(packed.begin(), packed.end());
    }
    return bytes;
}

TEST_F(StoredTextTest, OpenedAndConfirmedUnchangedEveryByteStays) {
    TContactRecord contact;
    contact.title = "Professor Dr.X";  // 14 characters; the box takes 9
    contact.firstName = "Amina";
    contact.lastName = "Rahman";
    contact.birth = NoContactDate();
    contact.anniversary = NoContactDate();
    contact.number = 1;
    TTaskRecord damagedDue = Task(0, "Due on no day", TMisri::Raw(0, 13, 1448));
    TfrmEvents events;

    const struct {
        const char* what;
        const char* file;
        std::string bytes;
        std::function<void()> open;
    } cases[] = {
        {"a contact title of 14 characters", ContactFileName, FileOf({contact}),
         [&] {
             PressOk();
             editor->Execute(true, 1);
         }},
        {"an event text of 149 characters, another box of the day edited", HijriEventFileName,
         EventFileWith(AnsiString(149, 'e')),
         [&] {
             responder->QueueForm([&](TForm& f) {
                 auto* second = f.findChild<QLineEdit*>("txtE2");
                 second->insert("x");  // as the keyboard would, and taken back
                 second->backspace();
                 events.SaveEvent();
                 return mrOk;
             });
             events.Execute(false);
             EXPECT_EQ(events.modified, 0);  // the day was written
         }},
        {"a note with a non-breaking space and bare line feeds", "0.msg", "one\xA0two\nthree\n",
         [&] {
             WriteFile(TaskFileName, FileOf({Task(0, "With a note", kToday)}));
             OpenFirstTask();
         }},
        {"a due date in no month", TaskFileName, FileOf({damagedDue}), [&] { OpenFirstTask(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        responder->Clear();
        WriteFile(c.file, c.bytes);
        const int dialogs = responder->ModalCount();
        c.open();
        EXPECT_EQ(responder->ModalCount(), dialogs + 1);
        EXPECT_TRUE(responder->Boxes().empty());
        EXPECT_TRUE(ReadFile(c.file) == c.bytes);
    }
}

}  // namespace
