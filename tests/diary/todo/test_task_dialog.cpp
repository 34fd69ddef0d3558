#include "calendar/widgets/PickDate.h"
#include "diary/todo/TaskFile.h"
#include "diary/todo/TaskInfo.h"
#include "platform/core/Exceptions.h"
#include "platform/widgets/CodePageMemo.h"
#include "tests/support/FindChild.h"
#include "tests/support/LongText.h"
#include "tests/support/Sandbox.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

namespace {

class TaskDialogTest : public Sandbox {
protected:
    void SetUp() override {
        Sandbox::SetUp();
        form = std::make_unique<TfrmTask>();
        record.index = 17;
        record.priority = 1;
        record.completed = 0;
        record.text = "Visit the library";
        record.dueDate = TMisri(5, 7, 1448);
        record.taskDate = TMisri(2, 7, 1448);
    }
    void TearDown() override {
        frmPickDate = nullptr;
        form.reset();
        Sandbox::TearDown();
    }
    template <class W> static W* Find(TForm& f, const char* name) { return FindChild<W>(&f, name); }
    // Runs the dialog on `record`: `edit` changes the controls, then `button` is pressed.
    int Run(const std::function<void(TForm&)>& edit, const char* button = "btnOk") {
        responder->QueueForm([=](TForm& f) {
            edit(f);
            Find<QPushButton>(f, button)->click();
            return f.ModalResult();
        });
        return form->Execute(&record);
    }

    std::unique_ptr<TfrmTask> form;
    TTaskRecord record;
};

TEST_F(TaskDialogTest, Layout) {
    EXPECT_EQ(form->windowTitle(), "Task detail");
    EXPECT_EQ(form->size(), QSize(373, 325));
    EXPECT_EQ(Find<QLabel>(*form, "Panel1")->text(), "Task Detail");
    EXPECT_EQ(Find<QGroupBox>(*form, "GroupBox2")->title(), "Task Information");
    EXPECT_EQ(Find<QGroupBox>(*form, "GroupBox1")->title(), "Task Priority");
    EXPECT_EQ(Find<QGroupBox>(*form, "RadioGroup1")->title(), "Task Status");
    EXPECT_EQ(Find<QLabel>(*form, "Label3")->text(), "Additional Notes");
    EXPECT_EQ(Find<QPlainTextEdit>(*form, "txtMemo")->size(), QSize(236, 81));
    EXPECT_EQ(Find<QToolButton>(*form, "btnOpenDueDate")->toolTip(), "Click to choose a date");
    EXPECT_EQ(Find<QCheckBox>(*form, "chkDeleted")->text(), "&Delete");
    EXPECT_EQ(Find<QPushButton>(*form, "btnCancel")->text(), "&Cancel");
    EXPECT_EQ(Find<QLineEdit>(*form, "txtTask")->maxLength(), 49);
    EXPECT_TRUE(Find<QRadioButton>(*form, "rdbNormal")->isChecked());
}

TEST_F(TaskDialogTest, OpensOnTheRecordAndItsNote) {
    WriteFile("17.msg", "line one\r\nline two\r\n");
    record.completed = 1;
    responder->QueueForm([](TForm& f) {
        EXPECT_EQ(Find<QLineEdit>(f, "txtTask")->text(), "Visit the library");
        EXPECT_EQ(Find<QLineEdit>(f, "txtDueDate")->text(), "5 Rajjab, 1448");
        EXPECT_TRUE(Find<QRadioButton>(f, "rdbLow")->isChecked());
        EXPECT_TRUE(Find<QCheckBox>(f, "chkCompleted")->isChecked());
        EXPECT_FALSE(Find<QCheckBox>(f, "chkDeleted")->isChecked());
        EXPECT_EQ(Find<QPlainTextEdit>(f, "txtMemo")->toPlainText(), "line one\nline two");
        Find<QCheckBox>(f, "chkDeleted")->setChecked(true);
        return mrCancel;
    });
    EXPECT_EQ(form->Execute(&record), 0);

    // The next task has no note: the memo is empty and the delete box clear again.
    record.index = 18;
    responder->QueueForm([](TForm& f) {
        EXPECT_TRUE(Find<QPlainTextEdit>(f, "txtMemo")->toPlainText().isEmpty());
        EXPECT_FALSE(Find<QCheckBox>(f, "chkDeleted")->isChecked());
        return mrCancel;
    });
    form->Execute(&record);
}

TEST_F(TaskDialogTest, PriorityBoxesAndBack) {
    const struct {
        std::int16_t stored;
        const char* checked;
        std::int16_t saved;
    } cases[] = {{1, "rdbLow", 1},
                 {2, "rdbNormal", 2},
                 {3, "rdbHigh", 3},
                 {0, "rdbHigh", 3},
                 {4, "rdbHigh", 3}};
    for (const auto& c : cases) {
        record.priority = c.stored;
        EXPECT_EQ(Run([&](TForm& f) {
                      EXPECT_TRUE(Find<QRadioButton>(f, c.checked)->isChecked()) << c.stored;
                  }),
                  1);
        EXPECT_EQ(record.priority, c.saved) << c.stored;
    }
}

TEST_F(TaskDialogTest, CancelLeavesRecordAndNoteAlone) {
    WriteFile("17.msg", "kept\r\n");
    const TTaskRecord before = record;
    EXPECT_EQ(Run(
                  [](TForm& f) {
                      Find<QLineEdit>(f, "txtTask")->setText("other");
                      Find<QPlainTextEdit>(f, "txtMemo")->setPlainText("changed");
                      Find<QCheckBox>(f, "chkDeleted")->setChecked(true);
                  },
                  "btnCancel"),
              0);
    EXPECT_EQ(record.text, before.text);
    EXPECT_EQ(record.priority, before.priority);
    EXPECT_EQ(ReadFile("17.msg"), "kept\r\n");

    // Closed by the window's close box.
    responder->QueueForm([](TForm& f) {
        Find<QPlainTextEdit>(f, "txtMemo")->setPlainText("changed");
        f.close();
        return f.ModalResult();
    });
    EXPECT_EQ(form->Execute(&record), 0);
    EXPECT_EQ(ReadFile("17.msg"), "kept\r\n");
}

TEST_F(TaskDialogTest, OkCopiesTheEditsAndSavesTheNote) {
    EXPECT_EQ(Run([](TForm& f) {
                  Find<QLineEdit>(f, "txtTask")->setText("Return the books");
                  Find<QLineEdit>(f, "txtDueDate")->setText("12 Shaaban, 1448");
                  Find<QRadioButton>(f, "rdbNormal")->setChecked(true);
                  Find<QCheckBox>(f, "chkCompleted")->setChecked(true);
                  Find<QPlainTextEdit>(f, "txtMemo")->setPlainText("Two books\nand a map\n");
              }),
              1);
    EXPECT_EQ(record.text, "Return the books");
    EXPECT_EQ(record.dueDate, TMisri(12, 8, 1448));
    EXPECT_EQ(record.priority, 2);
    EXPECT_EQ(record.completed, 1);
    EXPECT_EQ(record.deleted, 0);
    EXPECT_EQ(record.index, 17);
    EXPECT_EQ(ReadFile("17.msg"), "Two books\r\nand a map\r\n");
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(TaskDialogTest, TheNoteTakesOnlyWhatItsFileCanHold) {
    WriteFile("17.msg", "a\xA0"
                        "b\r\n");
    EXPECT_EQ(Run([](TForm& f) {
                  auto* memo = Find<QPlainTextEdit>(f, "txtMemo");
                  memo->moveCursor(QTextCursor::End);
                  for (const char16_t c : {u'\u00E9', u'\u0416', u'\u20AC'}) {
                      QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                                    QString(QChar(c)));
                      QApplication::sendEvent(memo, &key);
                  }
                  // A paste with a character the file cannot hold is refused whole.
                  QApplication::clipboard()->setText(QString::fromUtf16(u"\u0416 and more"));
                  memo->paste();
                  QApplication::clipboard()->setText("ok");
                  memo->paste();
              }),
              1);
    // The non-breaking space of the note stays one.
    EXPECT_EQ(ReadFile("17.msg"), "a\xA0"
                                  "b\xE9\x80ok\r\n");
}

TEST_F(TaskDialogTest, AnEmptyMemoKeepsTheNote) {
    WriteFile("17.msg", "old note\r\n");
    EXPECT_EQ(Run([](TForm& f) { Find<QPlainTextEdit>(f, "txtMemo")->clear(); }), 1);
    EXPECT_EQ(ReadFile("17.msg"), "old note\r\n");
    record.index = 3;
    EXPECT_EQ(Run([](TForm&) {}), 1);
    EXPECT_FALSE(FileExists("3.msg"));
}

TEST_F(TaskDialogTest, DeleteRemovesTheNoteAndKeepsTheEdits) {
    WriteFile("17.msg", "old note\r\n");
    WriteFile("1.msg", "another task's\r\n");
    EXPECT_EQ(Run([](TForm& f) {
                  Find<QLineEdit>(f, "txtTask")->setText("Never mind");
                  Find<QPlainTextEdit>(f, "txtMemo")->setPlainText("not saved");
                  Find<QCheckBox>(f, "chkDeleted")->setChecked(true);
              }),
              1);
    EXPECT_EQ(record.deleted, 1);
    EXPECT_EQ(record.text, "Never mind");
    EXPECT_FALSE(FileExists("17.msg"));
    EXPECT_TRUE(FileExists("1.msg"));
}

TEST_F(TaskDialogTest, ABadDateIsToldAndFallsBack) {
    EXPECT_EQ(Run([](TForm& f) { Find<QLineEdit>(f, "txtDueDate")->setText("soon"); }), 1);
    ASSERT_FALSE(responder->Boxes().empty());
    EXPECT_EQ(responder->Boxes().back().caption, "Error");
    EXPECT_EQ(record.dueDate, TMisri());
}

TEST_F(TaskDialogTest, ANoteThatCannotBeReadOrSavedEndsTheDialog) {
    // A note made read-only can be read but not replaced.
    WriteFile("17.msg", "old\r\n");
    std::filesystem::permissions("17.msg", std::filesystem::perms::owner_read);
    EXPECT_THROW(Run([](TForm& f) { Find<QPlainTextEdit>(f, "txtMemo")->setPlainText("x"); }),
                 Exception);
    EXPECT_EQ(ReadFile("17.msg"), "old\r\n");

    record.index = 4;
    ASSERT_TRUE(QDir().mkdir("4.msg"));
    EXPECT_THROW(form->Execute(&record), Exception);
    EXPECT_EQ(responder->ModalCount(), 1);  // not shown the second time
}

TEST_F(TaskDialogTest, ANoteOfMegabytesOnOneLineShowsInRowsAndStaysAsItWas) {
    const std::string line = OneLineOfWords(1 << 20);
    const std::string note = line + "\r\nend\r\n";
    WriteFile("17.msg", note);
    EXPECT_EQ(Run([&](TForm& f) {
                  auto* memo = Find<CodePageMemo>(f, "txtMemo");
                  // Laid out a row at a time, never the whole line at once.
                  EXPECT_LE(LongestParagraph(*memo), 10000);
                  EXPECT_EQ(memo->Lines(), (std::vector<AnsiString>{line, "end"}));
                  EXPECT_TRUE(memo->isReadOnly());
              }),
              1);
    EXPECT_EQ(ReadFile("17.msg"), note);

    // Another task's short note is shown and edited as ever.
    record.index = 18;
    EXPECT_EQ(Run([&](TForm& f) {
                  auto* memo = Find<CodePageMemo>(f, "txtMemo");
                  EXPECT_FALSE(memo->isReadOnly());
                  memo->setPlainText("short");
              }),
              1);
    EXPECT_EQ(ReadFile("18.msg"), "short\r\n");
}

TEST_F(TaskDialogTest, ThePickerStartsOnTheTypedDate) {
    TfrmPickDate picker;
    frmPickDate = &picker;
    const struct {
        const char* typed;
        TMisri start;
    } cases[] = {{"9 Ramadan, 1448", TMisri(9, 9, 1448)}, {"", TMisri()}};
    for (const auto& c : cases) {
        responder->QueueForm([&](TForm& f) {
            Find<QLineEdit>(f, "txtDueDate")->setText(c.typed);
            responder->QueueForm([&](TForm&) {
                EXPECT_EQ(picker.picked, c.start) << c.typed;
                picker.picked = TMisri(1, 10, 1448);
                return mrOk;
            });
            Find<QToolButton>(f, "btnOpenDueDate")->click();
            EXPECT_EQ(Find<QLineEdit>(f, "txtDueDate")->text(), "1 Shawwaal, 1448");
            return mrCancel;
        });
        form->Execute(&record);
    }
}

}  // namespace
