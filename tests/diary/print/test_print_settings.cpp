#include "calendar/Projglob.h"
#include "diary/print/CalPrint.h"
#include "diary/print/PageMonth.h"
#include "diary/print/PrintCommand.h"
#include "diary/print/PrintSettings.h"
#include "locations/PrayerTimes.h"
#include "locations/records/LocationFile.h"
#include "platform/widgets/Printer.h"
#include "tests/support/FixedPrayerTimes.h"
#include "tests/support/HomeScope.h"
#include "tests/support/PublishedForm.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/SettingsSandbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr const char* kValueNames[13] = {
    "PrintSalaatTimings", "PDayLight",      "PrintEvents", "PrintSmMonths", "PrintBirthdays",
    "PrintAnniversaries", "SalaatTimeFont", "PMonthColor", "SMonthColor",   "PDateColor",
    "SDateColor",         "EventsColor",    "GridColor"};

class PrintSettingsTest : public SettingsSandbox {
protected:
    void SetUp() override {
        SettingsSandbox::SetUp();
        form.make();
    }
    void TearDown() override {
        form.reset();
        SettingsSandbox::TearDown();
    }

    template <class W> W* Find(const char* name) { return form->findChild<W*>(name); }
    bool Stored(const char* name) { return registry->ValueExists(name); }
    AnsiString Value(const char* name) { return registry->ReadString(name); }
    // Presses a button of the wizard and hands back its result.
    RecordingResponder::FormScript Press(const char* button) {
        return [this, button](TForm& f) {
            Find<QPushButton>(button)->click();
            return f.ModalResult();
        };
    }
    void Print() { RunPrintCommand(true, TMisri(1, 9, 1447), {}); }

    PublishedForm<TfrmPrint> form{frmPrint};
    RecordingPrinter printer;
    FixedPrayerTimes times;
};

TEST_F(PrintSettingsTest, NothingStoredOpensWithEverythingOnAndBlack) {
    responder->QueueForm([this](TForm& f) {
        EXPECT_EQ(Screen::Cursor(), crHourGlass);
        for (const char* box :
             {"chkSalaat", "chkDaylight", "chkEvents", "chkSmallMonths", "chkBirthdays"})
            EXPECT_TRUE(Find<QCheckBox>(box)->isChecked()) << box;
        for (QComboBox* combo : form->findChildren<QComboBox*>())
            EXPECT_EQ(combo->currentText(), "Black") << combo->objectName().toStdString();
        Find<QPushButton>("btnFinish")->click();
        return f.ModalResult();
    });
    Print();
    EXPECT_EQ(printer.calls, (std::vector<std::string>{"BeginDoc landscape", "EndDoc"}));
    for (const char* name : kValueNames)
        EXPECT_TRUE(Stored(name)) << name;
    EXPECT_EQ(Value("PrintSalaatTimings"), "1");
    EXPECT_EQ(Value("PDayLight"), "1");
    EXPECT_EQ(Value("GridColor"), "Black");
    EXPECT_EQ(Screen::Cursor(), crDefault);
}

TEST_F(PrintSettingsTest, CancellingStoresNothing) {
    responder->QueueForm([this](TForm& f) {
        Find<QCheckBox>("chkSalaat")->setChecked(false);
        Find<QComboBox>("cmbGridColor")->setCurrentIndex(4);
        Find<QPushButton>("btnCancel")->click();
        return f.ModalResult();
    });
    Print();
    for (const char* name : kValueNames)
        EXPECT_FALSE(Stored(name)) << name;
    EXPECT_TRUE(printer.calls.empty());
    EXPECT_EQ(Screen::Cursor(), crDefault);
}

TEST_F(PrintSettingsTest, StoredValuesReachThePageAndComeBack) {
    WriteSettingString("PDateColor", "Red");
    WriteSettingString("SDateColor", "Blue");
    WriteSettingString("GridColor", "black");  // not one of the names: black
    WriteSettingString("PrintSalaatTimings", "0");
    WriteSettingString("EventsColor", "Navy");

    const TPrintSettings read = ReadPrintSettings(TMisri(3, 9, 1447));
    EXPECT_EQ(read.primaryDateColor, clRed);
    EXPECT_EQ(read.secondaryDateColor, clBlue);
    EXPECT_EQ(read.gridColor, clBlack);
    EXPECT_EQ(read.eventsColor, clNavy);
    EXPECT_EQ(read.printSalaat, 0);
    EXPECT_EQ(read.month, TMisri(3, 9, 1447));

    responder->QueueForm([this](TForm& f) {
        EXPECT_EQ(Find<QComboBox>("cmbPrimaryDate")->currentText(), "Red");
        EXPECT_EQ(Find<QComboBox>("cmbSecDate")->currentText(), "Blue");
        EXPECT_FALSE(Find<QCheckBox>("chkSalaat")->isChecked());
        Find<QPushButton>("btnFinish")->click();
        return f.ModalResult();
    });
    Print();
    const auto* day = printer.canvas.FindText("17");
    ASSERT_NE(day, nullptr);
    EXPECT_EQ(day->font.Color, clRed);
    EXPECT_EQ(printer.canvas.FindText("Salaat timings for:"), nullptr);
    EXPECT_EQ(Value("GridColor"), "Black");
    EXPECT_EQ(Value("PDateColor"), "Red");
    EXPECT_EQ(Value("SDateColor"), "Blue");
    EXPECT_EQ(Value("PrintSalaatTimings"), "0");
}

TEST_F(PrintSettingsTest, OnlyTheCalendarPanePrints) {
    RunPrintCommand(false, TMisri(1, 9, 1447), {});
    ASSERT_EQ(responder->Boxes().size(), 1u);
    EXPECT_EQ(responder->Boxes()[0].caption, "Error");
    EXPECT_EQ(responder->Boxes()[0].text, "You can only print Calendar in this version of Miravel");
    EXPECT_EQ(responder->ModalCount(), 0);
    EXPECT_EQ(Screen::Cursor(), crDefault);
}

// The Hijri view reaches months whose days lie beyond 31 December 9999,
// which no date is written for: such a month is refused before the wizard,
// and a page prints no month beyond them, nor one before the first Hijri year.
TEST_F(PrintSettingsTest, OnlyMonthsWithinTheYearsOneTo9999Print) {
    TLocationRecord place;
    SetLocationName(place, "New York City, USA");
    const LocationRecordBytes bytes = PackLocationRecord(place);
    WriteFile(LocationFileName, std::string(bytes.begin(), bytes.end()));
    // The Hijri month that 31 December 9999 falls in, and the one before it.
    const TMisri crossing = TMisri(EncodeDate(9999, 12, 31)).FirstOfMonth();
    const TMisri last = crossing.PrevMonth();
    PrintSource gregorian;
    gregorian.gregorianShown = true;
    const struct {
        const char* what;
        PrintSource src;
        TMisri month;
        bool printed;
        const char* smallBefore;  // the small months printed, "" for none
        const char* smallAfter;
    } cases[] = {
        {"across 31 December 9999", {}, crossing, false, "", ""},
        {"in the year 20000 Hijri", {}, TMisri(1, 5, 20000), false, "", ""},
        {"the last Hijri month", {}, last, true, last.PrevMonth().MonthName(), ""},
        {"December 9999", gregorian, TMisri(EncodeDate(9999, 12, 1)), true, "November", ""},
        {"Moharram 1", {}, TMisri(1, 1, 1), true, "", "Safar"},
        {"July 622", gregorian, TMisri(1, 1, 1), true, "", "August"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        responder->Clear();
        printer.calls.clear();
        const int modals = responder->ModalCount();
        if (c.printed)
            responder->QueueForm(Press("btnFinish"));
        RunPrintCommand(true, c.month, c.src);
        EXPECT_EQ(Screen::Cursor(), crDefault);
        if (!c.printed) {
            ASSERT_EQ(responder->Boxes().size(), 1u);
            EXPECT_EQ(responder->Boxes()[0].caption, "Error");
            EXPECT_EQ(responder->Boxes()[0].text,
                      "This month runs past the year 9999 and cannot be printed");
            EXPECT_EQ(responder->ModalCount(), modals);  // no wizard
            EXPECT_TRUE(printer.calls.empty());
            continue;
        }
        EXPECT_TRUE(responder->Boxes().empty()) << responder->Boxes()[0].text;
        EXPECT_EQ(printer.calls, (std::vector<std::string>{"BeginDoc landscape", "EndDoc"}));
        // The small months' names stand in the band 6100 to 6290 under the
        // grid, right of the prayer-time table.
        std::vector<AnsiString> small;
        for (const RecordingCanvas::Op& op : printer.canvas.ops)
            if (op.kind == RecordingCanvas::Op::Text && op.rect.Left >= 3050 &&
                op.rect.Top >= 6100 && op.rect.Bottom <= 6290)
                small.push_back(op.text);
        std::vector<AnsiString> expected;
        for (const char* name : {c.smallBefore, c.smallAfter})
            if (*name)
                expected.push_back(name);
        EXPECT_EQ(small, expected);
        for (const AnsiString& text : printer.canvas.Texts())
            EXPECT_EQ(text.find("10000"), AnsiString::npos) << text;
    }
}

TEST_F(PrintSettingsTest, AFlagThatIsNoNumberReadsAsItsDefault) {
    struct Case {
        const char* stored;
        std::int32_t read;
    };
    for (const Case& c :
         {Case{"yes", 1}, Case{"1 ", 1}, Case{"", 1}, Case{"0", 0}, Case{" 0", 0}}) {
        WriteSettingString("PrintEvents", c.stored);
        EXPECT_EQ(ReadPrintSettings(TMisri(1, 9, 1447)).printEvents, c.read) << c.stored;
    }

    // The command goes on to the wizard, and the printed page stores a
    // clean value back.
    WriteSettingString("PrintSmMonths", "yes");
    responder->QueueForm([this](TForm& f) {
        EXPECT_TRUE(Find<QCheckBox>("chkSmallMonths")->isChecked());
        Find<QPushButton>("btnFinish")->click();
        return f.ModalResult();
    });
    Print();
    EXPECT_EQ(responder->ModalCount(), 1);
    EXPECT_EQ(printer.calls, (std::vector<std::string>{"BeginDoc landscape", "EndDoc"}));
    EXPECT_EQ(Value("PrintSmMonths"), "1");
}

TEST_F(PrintSettingsTest, APrinterThatCannotPrintEndsTheCommandAndStoresNothing) {
    printer.failBeginDoc = true;
    responder->QueueForm(Press("btnFinish"));
    Print();
    ASSERT_EQ(responder->Boxes().size(), 2u);  // no place to read, then the printer
    EXPECT_EQ(responder->Boxes()[1].text, "Printer selected is not valid");
    EXPECT_FALSE(Stored("GridColor"));
    EXPECT_EQ(Screen::Cursor(), crDefault);
}

TEST_F(PrintSettingsTest, WithoutAPrinterThePageIsSavedAsAPdfFile) {
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkdir("Documents"));
    const HomeScope scope(home.path());
    printer.noPrinter = true;
    TLocationRecord place;
    SetLocationName(place, "New York City, USA");
    const LocationRecordBytes bytes = PackLocationRecord(place);
    WriteFile(LocationFileName, std::string(bytes.begin(), bytes.end()));
    const QString chosen = QDir::current().filePath("Shaaban.pdf");
    responder->QueueForm(Press("btnFinish"));
    responder->QueuePath(chosen);
    RunPrintCommand(true, TMisri(12, 8, 1446), {});

    // After the wizard: the file's name, suggested in the documents folder
    // after the month printed.
    ASSERT_EQ(responder->Boxes().size(), 2u);  // the file, then the notice
    const BoxRequest& save = responder->Boxes()[0];
    EXPECT_EQ(save.kind, BoxRequest::Kind::SaveFile);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(QFileInfo(save.path).absolutePath(), QDir(documents).absolutePath());
    EXPECT_EQ(QFileInfo(save.path).fileName(), "Shaaban 1446 Hijri.pdf");
    EXPECT_EQ(printer.lastJobFile, chosen);
    EXPECT_EQ(printer.calls, (std::vector<std::string>{"BeginDoc landscape", "EndDoc"}));
    EXPECT_EQ(responder->Boxes()[1].caption, "Message");
    EXPECT_EQ(responder->Boxes()[1].text, "The calendar page was saved to " +
                                              FromQString(QDir::toNativeSeparators(chosen)) + ".");
    EXPECT_TRUE(Stored("GridColor"));
    EXPECT_TRUE(printer.jobFile.isEmpty());  // the next print asks again

    // Cancelling the file's name prints and stores nothing.
    WriteSettingString("GridColor", "Red");
    printer.calls.clear();
    responder->Clear();
    responder->QueueForm([this](TForm& f) {
        Find<QComboBox>("cmbGridColor")->setCurrentIndex(4);
        Find<QPushButton>("btnFinish")->click();
        return f.ModalResult();
    });
    Print();
    EXPECT_TRUE(printer.calls.empty());
    EXPECT_EQ(Value("GridColor"), "Red");
    EXPECT_EQ(responder->Boxes().back().kind, BoxRequest::Kind::SaveFile);
    EXPECT_EQ(Screen::Cursor(), crDefault);
}

TEST_F(PrintSettingsTest, APrinterPrintsWithoutAskingForAFile) {
    responder->QueueForm(Press("btnFinish"));
    Print();
    EXPECT_EQ(printer.calls, (std::vector<std::string>{"BeginDoc landscape", "EndDoc"}));
    for (const BoxRequest& box : responder->Boxes())
        EXPECT_EQ(box.kind, BoxRequest::Kind::Message) << box.text;
    EXPECT_EQ(responder->Boxes().size(), 1u);  // only that no place could be read
}

}  // namespace
