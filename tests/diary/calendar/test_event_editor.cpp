#include "diary/calendar/calEvent.h"
#include "tests/support/Sandbox.h"

#include "calendar/Misri.h"
#include "diary/calendar/records/EventFile.h"
#include "tests/support/FindChild.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace {

using Texts = std::array<std::string, 4>;

// One 602-byte day record laid out by hand: the key as little-endian int16,
// then each text NUL-ended in its 150 bytes, zeros after.
std::string Slot(int key, const Texts& texts) {
    std::string bytes(EventRecordSize, '\0');
    bytes[0] = static_cast<char>(key & 0xFF);
    bytes[1] = static_cast<char>((key >> 8) & 0xFF);
    for (std::size_t i = 0; i < texts.size(); ++i)
        bytes.replace(2 + i * 150, texts[i].size(), texts[i]);
    return bytes;
}

// An event file of `slotCount` slots: the given ones filled, the others
// left as bytes that no writer would produce, so a stray write shows.
std::string EventFile(int slotCount, const std::map<int, Texts>& filled) {
    std::string bytes;
    for (int k = 0; k < slotCount; ++k) {
        const auto it = filled.find(k);
        bytes += it != filled.end() ? Slot(k, it->second)
                                    : Slot(0x7F7F, {"\x7F", "\x7F", "\x7F", "\x7F"});
    }
    return bytes;
}

std::string SlotOf(const std::string& file, int key) {
    return file.substr(static_cast<std::size_t>(key) * EventRecordSize, EventRecordSize);
}

class EventEditorTest : public Sandbox {
protected:
    void SetUp() override {
        Sandbox::SetUp();
        NewForm();
    }
    // A form of its own for each case of a table: the offscreen platform
    // does not activate a window again once it has been hidden.
    void NewForm() {
        form = std::make_unique<TfrmEvents>();
        month = Find<QComboBox>("cmbMonth");
        day = Find<QComboBox>("cmbDay");
        ok = Find<QPushButton>("btnOk");
        for (int i = 0; i < 4; ++i)
            boxes[static_cast<std::size_t>(i)] =
                Find<QLineEdit>(QString("txtE%1").arg(i + 1).toLatin1().constData());
    }
    void TearDown() override {
        form.reset();
        Sandbox::TearDown();
    }
    template <class W> W* Find(const char* name) { return FindChild<W>(form.get(), name); }

    // Runs the editor in a mode; `steps` act as the user while it is open
    // and active. Returns the editor's result.
    int Run(bool gregorian, const std::function<void(TForm&)>& steps) {
        responder->QueueForm([&](TForm& f) {
            for (int i = 0; i < 100 && QApplication::activeWindow() != &f; ++i) {
                f.activateWindow();
                QApplication::processEvents();
            }
            EXPECT_EQ(QApplication::activeWindow(), &f);
            steps(f);
            return f.ModalResult();
        });
        return form->Execute(gregorian);
    }

    // The user clicks into a control: the focus comes to it first.
    static void Enter(QWidget* w) {
        w->setFocus(Qt::MouseFocusReason);
        EXPECT_EQ(QApplication::focusWidget(), w);
    }
    // A choice from a list with the mouse: the focus enters, then the item
    // is chosen.
    static void Choose(QComboBox* combo, const QString& item) {
        Enter(combo);
        const int index = combo->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    static void Key(QWidget* w, int key, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(w, &release);
    }
    // Typing at the end of a box.
    static void Type(QLineEdit* box, const AnsiString& text) {
        Enter(box);
        box->end(false);
        for (QChar c : ToQString(text))
            Key(box, Qt::Key_unknown, QString(c));
    }
    static void Clear(QLineEdit* box) {
        Enter(box);
        box->selectAll();
        Key(box, Qt::Key_Backspace);
    }
    Texts Shown() const {
        Texts t;
        for (std::size_t i = 0; i < 4; ++i)
            t[i] = FromQString(boxes[i]->text());
        return t;
    }

    std::unique_ptr<TfrmEvents> form;
    QComboBox* month = nullptr;
    QComboBox* day = nullptr;
    QPushButton* ok = nullptr;
    std::array<QLineEdit*, 4> boxes{};
};

TEST_F(EventEditorTest, TheFormAsLaidOut) {
    EXPECT_EQ(form->windowTitle(), "Calendar Events");
    EXPECT_EQ(form->size(), QSize(323, 296));
    auto* title = Find<QLabel>("pnlTitle");
    EXPECT_EQ(title->font().pixelSize(), 21);
    EXPECT_TRUE(title->font().bold());
    EXPECT_TRUE(title->font().italic());
    EXPECT_EQ(Find<QLabel>("Label3")->text(),
              "Please select a date and type the events in the boxes below. It will save your "
              "entries automatically. You can type upto 4 event of 150 characters each.");
    EXPECT_TRUE(Find<QLabel>("Label3")->wordWrap());
    EXPECT_FALSE(month->isEditable());
    EXPECT_FALSE(day->isEditable());
    for (QLineEdit* box : boxes) {
        EXPECT_EQ(box->width(), 286);
        EXPECT_EQ(box->maxLength(), 148);
        QString foreign = QStringLiteral("\u0634");  // not in the code page
        int pos = 0;
        ASSERT_NE(box->validator(), nullptr);
        EXPECT_EQ(box->validator()->validate(foreign, pos), QValidator::Invalid);
    }
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(ok->isDefault());
}

TEST_F(EventEditorTest, EachModeOpensOnItsFirstMonthAndDay) {
    WriteFile("gevents.dat", EventFile(3, {{1, {"New year", "b", "", "d"}}}));
    WriteFile("events.dat", EventFile(3, {{1, {"First of Moharram", "", "", ""}}}));

    EXPECT_EQ(Run(true,
                  [&](TForm&) {
                      EXPECT_EQ(Find<QLabel>("pnlTitle")->text(), "Gregorian Events");
                      ASSERT_EQ(month->count(), 12);
                      EXPECT_EQ(month->itemText(0), "January");
                      EXPECT_EQ(month->itemText(11), "December");
                      EXPECT_EQ(month->currentText(), "January");
                      EXPECT_EQ(day->currentText(), "1");
                      EXPECT_EQ(day->count(), 31);
                      EXPECT_EQ(Shown(), (Texts{"New year", "b", "", "d"}));
                      EXPECT_EQ(form->modified, 0);
                      ok->click();
                  }),
              mrOk);

    Run(false, [&](TForm&) {
        EXPECT_EQ(Find<QLabel>("pnlTitle")->text(), "Hijri Events");
        for (int m = 1; m <= 12; ++m)
            EXPECT_EQ(FromQString(month->itemText(m - 1)), MisriMonthNames[m]);
        EXPECT_EQ(month->currentText(), "Moharram");
        EXPECT_EQ(day->currentText(), "1");
        EXPECT_EQ(Shown(), (Texts{"First of Moharram", "", "", ""}));
    });
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(EventEditorTest, DaysOfferedPerMonth) {
    struct Case {
        bool gregorian;
        int monthIndex;
        int days;
    };
    const Case cases[] = {{true, 0, 31},  {true, 1, 29},  {true, 3, 30},   {true, 5, 30},
                          {true, 8, 30},  {true, 10, 30}, {true, 11, 31},  {false, 0, 30},
                          {false, 1, 29}, {false, 9, 29}, {false, 10, 30}, {false, 11, 30}};
    for (const Case& c : cases) {
        form->gregorian = c.gregorian;
        c.gregorian ? form->FillGregorianMonths() : form->FillHijriMonths();
        month->setCurrentIndex(c.monthIndex);
        form->FillDays();
        EXPECT_EQ(day->count(), c.days) << c.gregorian << " " << c.monthIndex;
        EXPECT_EQ(day->currentText(), "1");
        EXPECT_EQ(day->itemText(day->count() - 1), QString::number(c.days));
    }
    month->clear();  // no month selected
    form->FillDays();
    ASSERT_EQ(day->count(), 1);
    EXPECT_EQ(day->itemText(0), "Error");
    form->LoadEvent();
    EXPECT_EQ(responder->Texts(), std::vector<AnsiString>{"Error filling Days combo box"});
}

// Each day loads the texts of its slot and writes back under the same
// slot, byte for byte, also where the key's bytes are a carriage return or
// an end-of-file mark and the texts hold such bytes.
TEST_F(EventEditorTest, KeysLoadAndSaveByteExactly) {
    struct Case {
        bool gregorian;
        const char* month;
        const char* day;
        int key;
    };
    const Case cases[] = {{true, "February", "29", 60},  {true, "March", "1", 61},
                          {true, "December", "31", 366}, {true, "January", "13", 13},
                          {true, "January", "26", 26},   {true, "September", "25", 269},
                          {true, "October", "8", 282},   {false, "Zil-Haj", "30", 355},
                          {false, "Safar", "1", 31},     {false, "Moharram", "13", 13},
                          {false, "Moharram", "26", 26}, {false, "Shawwaal", "3", 269},
                          {false, "Shawwaal", "16", 282}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.month) + " " + c.day);
        NewForm();
        const char* name = c.gregorian ? "gevents.dat" : "events.dat";
        const Texts stored = {"line\r\nend\x1A", "caf\xE9", std::string(148, 'x'), ""};
        const std::string before = EventFile(367, {{c.key, stored}});
        WriteFile(name, before);
        Run(c.gregorian, [&](TForm&) {
            Choose(month, c.month);
            Choose(day, c.day);
            EXPECT_EQ(Shown(), stored);
            Type(boxes[3], "\xE9!");
            Enter(ok);
        });
        const std::string after = ReadFile(name);
        ASSERT_EQ(after.size(), before.size());
        Texts expected = stored;
        expected[3] = "\xE9!";
        EXPECT_EQ(SlotOf(after, c.key), Slot(c.key, expected));
        EXPECT_EQ(after.substr(0, c.key * EventRecordSize),
                  before.substr(0, c.key * EventRecordSize));
        EXPECT_EQ(after.substr((c.key + 1) * EventRecordSize),
                  before.substr((c.key + 1) * EventRecordSize));
    }
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(EventEditorTest, MovingOnSavesTheTypedDayBeforeTheNextLoads) {
    const std::string before = EventFile(
        40, {{1, {"one", "", "", ""}}, {2, {"two", "", "", ""}}, {31, {"safar", "", "", ""}}});
    WriteFile("events.dat", before);
    Run(false, [&](TForm&) {
        Type(boxes[1], "typed");
        EXPECT_EQ(form->modified, 1);
        Choose(day, "2");
        EXPECT_EQ(Shown(), (Texts{"two", "", "", ""}));
        EXPECT_EQ(SlotOf(ReadFile("events.dat"), 1), Slot(1, {"one", "typed", "", ""}));
        EXPECT_EQ(form->modified, 0);

        // A new month: saved on entering the month list, then day 1 of Safar.
        Type(boxes[0], "!");
        Choose(month, "Safar");
        EXPECT_EQ(day->currentText(), "1");
        EXPECT_EQ(day->count(), 29);
        EXPECT_EQ(Shown(), (Texts{"safar", "", "", ""}));
        EXPECT_EQ(SlotOf(ReadFile("events.dat"), 2), Slot(2, {"two!", "", "", ""}));
    });
    EXPECT_EQ(ReadFile("events.dat").size(), before.size());
}

TEST_F(EventEditorTest, MovingOnWithoutTypingWritesNothing) {
    const std::string before = EventFile(40, {{1, {"one", "", "", ""}}, {2, {"two", "", "", ""}}});
    WriteFile("events.dat", before);
    Run(false, [&](TForm&) {
        Choose(day, "2");
        Enter(boxes[0]);
        Choose(month, "Safar");
        Enter(ok);
        ok->click();
    });
    EXPECT_EQ(ReadFile("events.dat"), before);
}

TEST_F(EventEditorTest, ClearingEveryBoxWritesFourEmptyTexts) {
    WriteFile("gevents.dat", EventFile(40, {{1, {"a1", "b2", "c3", "d4"}}}));
    Run(true, [&](TForm&) {
        for (QLineEdit* box : boxes)
            Clear(box);
        Choose(day, "2");
    });
    EXPECT_EQ(SlotOf(ReadFile("gevents.dat"), 1), Slot(1, {"", "", "", ""}));
}

TEST_F(EventEditorTest, ASlotBeyondTheEndReadsEmptyAndLengthensTheFile) {
    WriteFile("gevents.dat", EventFile(2, {{1, {"a", "", "", ""}}}));
    Run(true, [&](TForm&) {
        Choose(month, "December");
        Choose(day, "31");
        EXPECT_EQ(Shown(), (Texts{"", "", "", ""}));
        Type(boxes[0], "Year end");
        Enter(day);
    });
    const std::string after = ReadFile("gevents.dat");
    ASSERT_EQ(after.size(), 367u * EventRecordSize);
    EXPECT_EQ(SlotOf(after, 366), Slot(366, {"Year end", "", "", ""}));
    EXPECT_EQ(after.substr(2 * EventRecordSize, 364u * EventRecordSize),
              std::string(364u * EventRecordSize, '\0'));
}

TEST_F(EventEditorTest, AMissingFileIsReportedAtEachLoadAndSaveAndNeverCreated) {
    struct Case {
        bool gregorian;
        const char* file;
        const char* openFailure;
        const char* writeFailure;
    };
    const Case cases[] = {{false, "events.dat", "Error opening events.dat file",
                           "Could not open events.dat for writing."},
                          {true, "gevents.dat", "Error opening gevents.dat file",
                           "Could not open gevents.dat for writing"}};
    for (const Case& c : cases) {
        NewForm();
        responder->Clear();
        Run(c.gregorian, [&](TForm&) {
            Choose(day, "2");
            Type(boxes[0], "lost");
            Enter(month);  // tries, and keeps the change pending
            EXPECT_EQ(form->modified, 1);
            Enter(ok);  // tries again
            Choose(day, "3");
        });
        EXPECT_EQ(responder->Texts(),
                  (std::vector<AnsiString>{c.openFailure, c.openFailure, c.writeFailure,
                                           c.writeFailure, c.writeFailure, c.openFailure}));
        for (const BoxRequest& box : responder->Boxes())
            EXPECT_EQ(box.caption, "Error");
        EXPECT_FALSE(FileExists(c.file));
    }
}

// The window coming back to the front hands the focus back to the control
// that had it: that is not an entry, so a failed save is not retried (and
// its error box does not come back without end).
TEST_F(EventEditorTest, RefocusOnActivationIsNoEntry) {
    Run(false, [&](TForm&) {
        Type(boxes[0], "x");
        responder->Clear();
        for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
            QFocusEvent back(QEvent::FocusIn, reason);
            QApplication::sendEvent(day, &back);
        }
        EXPECT_TRUE(responder->Boxes().empty());
        QFocusEvent tab(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(day, &tab);
        EXPECT_EQ(responder->Texts(),
                  std::vector<AnsiString>{"Could not open events.dat for writing."});
    });
}

// Closing the dialog keeps the day being typed, however it is closed: the
// Enter key in a box presses OK with the focus left in the box, and the
// close box moves the focus nowhere.
TEST_F(EventEditorTest, ClosingSavesTheTypedDay) {
    const std::vector<std::pair<const char*, int>> ways = {
        {"Enter in a box", mrOk}, {"OK pressed without focus", mrOk}, {"close box", mrCancel}};
    for (const auto& [how, result] : ways) {
        NewForm();
        SCOPED_TRACE(how);
        WriteFile("events.dat", EventFile(40, {{5, {"five", "", "", ""}}}));
        const std::string way = how;
        EXPECT_EQ(Run(false,
                      [&](TForm& f) {
                          Choose(day, "5");
                          Type(boxes[2], "kept");
                          if (way == "Enter in a box") {
                              Key(boxes[2], Qt::Key_Return);
                          } else if (way == "close box") {
                              f.close();
                          } else {
                              ok->click();
                          }
                          EXPECT_FALSE(f.isVisible());
                      }),
                  result);
        EXPECT_EQ(SlotOf(ReadFile("events.dat"), 5), Slot(5, {"five", "", "kept", ""}));
        EXPECT_EQ(form->modified, 0);
    }
    EXPECT_TRUE(responder->Boxes().empty());
}

}  // namespace
