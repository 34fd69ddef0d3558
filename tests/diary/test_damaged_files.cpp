// Damaged files and files of other programs: random bytes crash nothing; a
// record whose stored key disagrees with its place is still the one a row
// acts on; a damaged date is shown as it is and painted without a box; a
// data file that cannot be read is told as one that cannot be opened.
#include "calendar/widgets/PickDate.h"
#include "diary/MainForm.h"
#include "diary/calendar/calEvent.h"
#include "diary/calendar/records/EventFile.h"
#include "diary/contacts/ContactFile.h"
#include "diary/contacts/NContact.h"
#include "diary/todo/TaskFile.h"
#include "diary/todo/TaskInfo.h"
#include "diary/todo/Tasks.h"
#include "platform/widgets/Canvas.h"
#include "platform/widgets/StringGrid.h"
#include "tests/diary/ContactFixture.h"
#include "tests/diary/MainWindowSandbox.h"
#include "tests/diary/TaskFixture.h"
#include "tests/support/GridClicks.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/UnusualFiles.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using DamagedFilesTest = MainWindowSandbox;

std::string RandomBytes(std::mt19937& rng, std::size_t n) {
    std::uniform_int_distribution<int> byte(0, 255);
    std::string s(n, '\0');
    for (char& c : s)
        c = static_cast<char>(byte(rng));
    return s;
}

// Every cell of the grid drawn, as a repaint would.
void PaintAll(TStringGrid* grid) {
    RecordingCanvas canvas;
    for (int row = 0; row < grid->RowCount(); ++row)
        for (int col = 0; col < grid->ColCount(); ++col)
            grid->PaintCell(canvas, col, row);
}

TEST_F(DamagedFilesTest, RandomBytesInEveryFileCrashNothing) {
    std::mt19937 rng(20261210);
    for (int round = 0; round < 8; ++round) {
        // Whole records and a piece of one more, so readers meet a short tail.
        WriteFile("todotask.dat", RandomBytes(rng, 84 * 5 + static_cast<std::size_t>(round * 7)));
        WriteFile("contact.dat", RandomBytes(rng, 428 * 3 + static_cast<std::size_t>(round * 11)));
        WriteFile("events.dat", RandomBytes(rng, 602 * 40 + static_cast<std::size_t>(round)));
        WriteFile("gevents.dat", RandomBytes(rng, 602 * 40 + static_cast<std::size_t>(round)));
        WriteFile("kestrun32.dat", RandomBytes(rng, 60 * 4 + static_cast<std::size_t>(round)));
        for (int pane = 0; pane <= 3; ++pane)
            form->ShowPane(pane);
        PaintAll(Find<TStringGrid>("grdToDo"));
        // Three whole contact records, whatever they hold; the tail is not one.
        EXPECT_EQ(form->findChild<QListWidget*>("lstContact")->count(), 3);
        TfrmTasks tasks;
        tasks.LoadOutstandingTasks();
        PaintAll(tasks.findChild<TStringGrid*>("grdMain"));
    }
}

// A record of zeros, as a file cut short by a crash or padded by another
// program leaves one: its due date 0/0/0 is due, and overdue.
TTaskRecord Zeros() {
    TTaskRecord r;
    r.priority = 0;
    r.dueDate = TMisri::Raw(0, 0, 0);
    r.taskDate = TMisri::Raw(0, 0, 0);
    return r;
}

TEST_F(DamagedFilesTest, ARowActsOnTheSlotItWasReadFromAndPaintsWithoutABox) {
    enum class Act { Toggle, EditInDialog, TickAndOk };
    TTaskRecord zeroDue = Task(1, "Due on a damaged day", TMisri::Raw(0, 0, 0));
    const struct {
        const char* what;
        std::vector<TTaskRecord> records;
        Act act;
        int row;  // the row acted on
    } cases[] = {
        {"to-do pane: slot 1 claims index 0",
         {Task(0, "First", kToday), Task(0, "Second", kToday)},
         Act::Toggle,
         1},
        {"task dialog: slot 1 claims index 0",
         {Task(0, "First", kToday), Task(0, "Second", kToday)},
         Act::EditInDialog,
         1},
        {"to-do pane: a damaged due date", {Task(0, "First", kToday), zeroDue}, Act::Toggle, 1},
        {"outstanding list: slot 1 claims index 0",
         {Task(0, "First", kToday), Task(0, "Second", kToday)},
         Act::TickAndOk,
         2},
        {"outstanding list: a record of zeros",
         {Task(0, "First", kToday), Zeros()},
         Act::TickAndOk,
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string before = FileOf(c.records);
        WriteFile(TaskFileName, before);
        responder->Clear();
        TfrmTasks outstanding;
        if (c.act == Act::TickAndOk) {
            ASSERT_EQ(outstanding.LoadOutstandingTasks(), 1);
            TStringGrid* grid = outstanding.findChild<TStringGrid*>("grdMain");
            PaintAll(grid);
            DoubleClickCell(grid, 0, c.row);
            PaintAll(grid);
            outstanding.SaveMarkedTasks();
        } else {
            form->ShowToDoDay(kToday);
            TStringGrid* grid = Find<TStringGrid>("grdToDo");
            PaintAll(grid);
            responder->QueueForm([](TForm& f) {
                f.findChild<QPushButton*>("btnOk")->click();
                return f.ModalResult();
            });
            DoubleClickCell(grid, c.act == Act::Toggle ? 0 : 2, c.row);
            PaintAll(grid);
        }
        EXPECT_TRUE(responder->Boxes().empty()) << responder->Texts().front();

        // Slot 1 was written, with its own slot for its index; slot 0 not.
        const std::string after = ReadFile(TaskFileName);
        ASSERT_EQ(after.size(), before.size());
        EXPECT_EQ(after.substr(0, 84), before.substr(0, 84));
        TaskRecordBytes written;
        std::copy(after.begin() + 84, after.end(), written.begin());
        const TTaskRecord r = UnpackTaskRecord(written);
        EXPECT_EQ(r.index, 1);
        EXPECT_EQ(r.text, c.records[1].text);
        // A damaged date goes back as it was read.
        EXPECT_EQ(r.dueDate, c.records[1].dueDate);
        EXPECT_EQ(r.taskDate, c.records[1].taskDate);
        EXPECT_NE(after.substr(84), before.substr(84));
    }
}

TEST_F(DamagedFilesTest, OutstandingListShowsADamagedDateAsItIsAndLate) {
    WriteFile(TaskFileName, FileOf({Zeros()}));
    TfrmTasks outstanding;
    ASSERT_EQ(outstanding.LoadOutstandingTasks(), 1);
    TStringGrid* grid = outstanding.findChild<TStringGrid*>("grdMain");
    EXPECT_EQ(grid->Cell(2, 1), "0 Illegal Month, 0");
    RecordingCanvas canvas;
    grid->PaintCell(canvas, 2, 1);
    ASSERT_NE(canvas.FindText("0 Illegal Month, 0"), nullptr);
    EXPECT_EQ(canvas.FindText("0 Illegal Month, 0")->font.Color, clRed);
    EXPECT_TRUE(responder->Boxes().empty());
}

TContactRecord Named(const std::string& first, std::int16_t number) {
    TContactRecord r;
    r.firstName = first;
    r.lastName = "Last";
    r.birth = NoContactDate();
    r.anniversary = NoContactDate();
    r.number = number;
    return r;
}

// A file of `count` contacts "F1 Last", "F2 Last", ..., each numbered as an
// append gives it, the int16 number wrapping past 32,767.
std::vector<TContactRecord> Contacts(int count) {
    std::vector<TContactRecord> records;
    for (int n = 1; n <= count; ++n)
        records.push_back(Named("F" + std::to_string(n), static_cast<std::int16_t>(n)));
    return records;
}

TEST_F(DamagedFilesTest, AContactItemShowsAndEditsTheRecordAtItsPlace) {
    const struct {
        const char* what;
        std::vector<TContactRecord> records;
        int item;  // 0-based; the record at place item + 1
    } cases[] = {
        {"place 2 claims number 1", {Named("F1", 1), Named("F2", 1)}, 1},
        {"40,000 contacts, the first past 32,767", Contacts(40000), 32767},
        {"40,000 contacts, the last", Contacts(40000), 39999},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string before = FileOf(c.records);
        WriteFile(ContactFileName, before);
        form->ShowPane(3);
        auto* list = Find<QListWidget>("lstContact");
        ASSERT_EQ(list->count(), static_cast<int>(c.records.size()));
        list->setCurrentRow(c.item);
        const std::string name = "F" + std::to_string(c.item + 1) + " Last";
        EXPECT_EQ(Find<QLabel>("lblName")->text().toStdString(), name);

        responder->QueueForm([&](TForm& f) {
            EXPECT_EQ(f.findChild<QLineEdit*>("txtFName")->text().toStdString(),
                      "F" + std::to_string(c.item + 1));
            f.findChild<QLineEdit*>("txtLName")->setText("Edited");
            f.findChild<QPushButton*>("btnOk")->click();
            return f.ModalResult();
        });
        Find<QPushButton>("btnEditContact")->click();
        EXPECT_EQ(responder->ModalCount(), 1 + static_cast<int>(&c - cases));

        // That record alone changed, its stored number kept as read.
        const std::string after = ReadFile(ContactFileName);
        ASSERT_EQ(after.size(), before.size());
        const std::size_t at = static_cast<std::size_t>(c.item) * ContactRecordSize;
        EXPECT_EQ(after.substr(0, at), before.substr(0, at));
        EXPECT_EQ(after.substr(at + ContactRecordSize), before.substr(at + ContactRecordSize));
        ContactRecordBytes edited;
        std::copy(after.begin() + static_cast<std::ptrdiff_t>(at),
                  after.begin() + static_cast<std::ptrdiff_t>(at + ContactRecordSize),
                  edited.begin());
        EXPECT_EQ(UnpackContactRecord(edited).lastName, "Edited");
        EXPECT_EQ(UnpackContactRecord(edited).number,
                  c.records[static_cast<std::size_t>(c.item)].number);
        EXPECT_EQ(Find<QLabel>("lblName")->text().toStdString(),
                  "F" + std::to_string(c.item + 1) + " Edited");
    }
}

// An event file of every slot, with one text on the day of `key`.
std::string EventFileWith(int key, const AnsiString& text) {
    std::string bytes;
    for (int k = 0; k <= 366; ++k) {
        TEventRecord r;
        r.key = static_cast<std::int16_t>(k);
        if (k == key)
            r.text1 = text;
        const EventRecordBytes packed = PackEventRecord(r);
        bytes.append(packed.begin(), packed.end());
    }
    return bytes;
}

// What may lie under a data file's name and cannot be read as one.
enum class Unreadable { Folder, WithoutReadPermission, Fifo, Device };

// Puts it there; false where this test may not make it: permissions do not
// bind the superuser, and only the superuser makes device nodes.
bool MakeUnreadable(const std::string& name, Unreadable kind) {
    EXPECT_TRUE(QFile::remove(QString::fromStdString(name)));
    switch (kind) {
    case Unreadable::Folder:
        return QDir().mkdir(QString::fromStdString(name));
    case Unreadable::WithoutReadPermission: {
        if (geteuid() == 0)
            return false;
        QFile f(QString::fromStdString(name));
        return f.open(QIODevice::WriteOnly) && f.setPermissions(QFileDevice::WriteOwner);
    }
    case Unreadable::Fifo:  // that nobody writes
        return MakeFifo(name);
    case Unreadable::Device:  // that reads as empty
        return MakeNullDevice(name);
    }
    return false;
}

TEST_F(DamagedFilesTest, AFileThatCannotBeReadIsToldAsOneThatCannotBeOpened) {
    TContactRecord withBirthday = Named("F1", 1);
    withBirthday.birth = TMisri::Raw(5, 7, 1418);
    TfrmEvents events;
    const std::string hijriEvents = EventFileWith(HijriEventKey(7, 5), "Hijri event");
    const std::string gregorianEvents = EventFileWith(GregorianEventKey(12, 5), "Gregorian event");
    const struct {
        const char* name;
        bool gregorianEvents;
        std::function<void()> show;
        std::vector<AnsiString> told;
        const char* kept;  // the list that keeps what it showed
    } cases[] = {
        {"events.dat",
         false,
         [&] { form->ShowHijriMonth(kToday); },
         {"Cannot open events.dat file"},
         "grdHijriEvents"},
        {"gevents.dat",
         true,
         [&] { form->ShowGregorianMonth(Date()); },
         {"Cannot open gevents.dat file"},
         "grdHijriEvents"},
        {"events.dat",
         false,
         [&] {
             responder->QueueForm([](TForm&) { return mrCancel; });
             events.Execute(false);
         },
         {"Error opening events.dat file"},
         nullptr},
        {"contact.dat", false, [&] { form->ShowHijriMonth(kToday); }, {}, "grdBirth"},
    };
    for (const Unreadable kind : {Unreadable::Folder, Unreadable::WithoutReadPermission,
                                  Unreadable::Device, Unreadable::Fifo}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " unreadable as " +
                         std::to_string(static_cast<int>(kind)));
            Find<QRadioButton>(c.gregorianEvents ? "rdbEnglishEvents" : "rdbHijriEvents")
                ->setChecked(true);
            WriteFile("events.dat", hijriEvents);
            WriteFile("gevents.dat", gregorianEvents);
            WriteFile("contact.dat", FileOf({withBirthday}));
            c.show();
            const TStringGrid* list = c.kept ? Find<TStringGrid>(c.kept) : nullptr;
            const std::string shown = list ? list->Cell(1, 0) + "|" + list->Cell(2, 0) : "";
            EXPECT_FALSE(list && list->Cell(1, 0).empty());
            responder->Clear();

            if (!MakeUnreadable(c.name, kind)) {
                QFile::remove(QString::fromStdString(c.name));
                continue;
            }
            c.show();
            EXPECT_EQ(responder->Texts(), c.told);
            if (list) {
                EXPECT_EQ(list->Cell(1, 0) + "|" + list->Cell(2, 0), shown);
            }
            QDir().rmdir(QString::fromStdString(c.name));
            QFile::remove(QString::fromStdString(c.name));
        }
    }
}

}  // namespace
