#include "calendar/Misri.h"
#include "calendar/Projglob.h"
#include "locations/PrayerTimes.h"
#include "locations/Salaat.h"
#include "locations/expOpt.h"
#include "locations/records/LocationFile.h"
#include "tests/locations/SalaatFixture.h"
#include "tests/support/LocaleScope.h"

#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const char* const kCommunityTimes = "5:07\t6:30\t12:15\t18:05";
const char* const kGeneralTimes = "5:07\t6:30\t12:15\t15:45\t18:05\t19:35";

// One month of the table as the file holds it: title, header, a line a day,
// the days' months named as `names` names them in short.
std::string MonthBlock(const std::string& place, const std::string& month, QDate first, int days,
                       bool general, const char* times,
                       const QLocale& names = QLocale(QLocale::English, QLocale::UnitedStates)) {
    std::string out = "\tSalaat timings for:\t" + place + "\r\n";
    out += "\tFor the month of: " + month + "\r\n";
    out += std::string(55, '_') + "\r\n";
    if (general) {
        out += "Hijri\tEnglish\t\tFajar\tSunrise\tZohar\tAsr   \tMaghrib\tIsha\r\n";
        out += "-----\t-------\t\t-----\t-------\t-----\t------\t-------\t----\r\n";
    } else {
        out += "Hijri\tEnglish\t\tFajar\tSunrise\tZohar\tMaghrib\r\n";
        out += "-----\t-------\t\t-----\t-------\t-----\t-------\r\n";
    }
    for (int d = 1; d <= days; ++d) {
        const QDate day = first.addDays(d - 1);
        out += std::to_string(d) + "\t" +
               FromQString(names.monthName(day.month(), QLocale::ShortFormat)) + " " +
               std::to_string(day.day()) + "\t\t" + times + "\r\n";
    }
    return out;
}

class ExportTest : public SalaatSandbox {
protected:
    void SetUp() override {
        SalaatSandbox::SetUp();
        Open({At(5, 7, 59), At(6, 30, 0), At(12, 15, 30), At(15, 45, 0), At(18, 5, 0),
              At(19, 35, 59)});
    }

    void Show(const char* hijriDate) const {
        form->findChild<QLineEdit*>("txtMain")->setText(hijriDate);
    }
    // The range dialog, answered with one of its choices and "&Ok".
    static RecordingResponder::FormScript Range(const char* choice) {
        return [=](TForm& f) {
            f.findChild<QRadioButton*>(choice)->click();
            f.findChild<QPushButton*>("btnOk")->click();
            return f.ModalResult();
        };
    }
    void Export() const { form->findChild<QPushButton*>("btnExport")->click(); }
    std::vector<std::string> Boxes() const {
        std::vector<std::string> boxes;
        for (const auto& b : responder->Boxes())
            boxes.push_back(b.caption + ": " + b.text);
        return boxes;
    }
};

TEST_F(ExportTest, CurrentMonthInTheCommunityDisplay) {
    // The form runs as the user sees it: closing the range dialog hands the
    // activation back to it, and the date shown must still be the one exported.
    responder->QueueForm([&](TForm& f) {
        Show("17 Ramadan, 1447");
        Export();
        return f.ModalResult();
    });
    responder->QueueForm(Range("rdbCurrentMonth"));
    form->ShowModal();
    EXPECT_EQ(ReadFile("NTimes.txt"), MonthBlock("New York City, USA", "Ramadan, 1447",
                                                 QDate(2026, 2, 17), 30, false, kCommunityTimes));
    EXPECT_EQ(shell->documents, std::vector<AnsiString>({"NTimes.txt"}));
    EXPECT_TRUE(responder->Boxes().empty());
    ASSERT_EQ(library.requests.size(), 1u + 30u);  // the showing, then each day
    EXPECT_EQ(library.requests[1].day, 17);
    EXPECT_EQ(library.requests[1].month, 2);
    EXPECT_EQ(library.requests[1].latitude, 40.716667f);
}

TEST_F(ExportTest, CurrentMonthInTheGeneralDisplayWithDaylight) {
    generalMode = 1;
    form->FormActivate();
    form->findChild<QCheckBox*>("chkDaylight")->click();
    Show("3 Shaaban, 1447");
    responder->QueueForm(Range("rdbCurrentMonth"));
    Export();
    EXPECT_EQ(ReadFile("NTimes.txt"),
              MonthBlock("New York City, USA", "Shaaban, 1447", QDate(2026, 1, 19), 29, true,
                         "6:07\t7:30\t13:15\t16:45\t19:05\t20:35"));
}

// Under each locale the form shows the locale's names, and the file keeps to
// one language: the locale's month names when every one it needs fits the
// code page, English names throughout when any one does not (never '?').
TEST_F(ExportTest, MonthNamesOfEveryLocale) {
    const struct {
        const char* locale;
        const char* shown;
        const char* title;
        QDate first;
        int days;
        bool localeNames;
    } cases[] = {
        {"ar_SA", "17 Ramadan, 1447", "Ramadan, 1447", {2026, 2, 17}, 30, false},
        {"ur_PK", "17 Ramadan, 1447", "Ramadan, 1447", {2026, 2, 17}, 30, false},
        {"ru_RU", "17 Ramadan, 1447", "Ramadan, 1447", {2026, 2, 17}, 30, false},
        {"el_GR", "17 Ramadan, 1447", "Ramadan, 1447", {2026, 2, 17}, 30, false},
        // "úno" fits the code page, "bře" does not.
        {"cs_CZ", "17 Ramadan, 1447", "Ramadan, 1447", {2026, 2, 17}, 30, false},
        // "lis" and "pro" both fit.
        {"cs_CZ", "5 Jamadi-ul-Aakhar, 1448", "Jamadi-ul-Aakhar, 1448", {2026, 11, 10}, 29, true},
        {"en_US", "17 Ramadan, 1447", "Ramadan, 1447", {2026, 2, 17}, 30, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.title);
        const LocaleScope scope(c.locale);
        form->FormActivate();
        Show(c.shown);
        responder->QueueForm(Range("rdbCurrentMonth"));
        Export();
        const QLocale names =
            c.localeNames ? scope.Locale() : QLocale(QLocale::English, QLocale::UnitedStates);
        EXPECT_EQ(ReadFile("NTimes.txt"), MonthBlock("New York City, USA", c.title, c.first, c.days,
                                                     false, kCommunityTimes, names));
        // The form names today's month in the locale's own words.
        QString today = form->findChild<QLabel*>("lblEnglishDate")->text();
        EXPECT_EQ(today.remove(QChar(0x2068)).remove(QChar(0x2069)),
                  scope.Locale().monthName(12, QLocale::LongFormat) + " 10, 2026");
    }
}

TEST_F(ExportTest, WholeYearIsTheCurrentHijriYear) {
    form->FormActivate();
    Show("17 Ramadan, 1447");  // an earlier year than today's 1448
    responder->QueueForm(Range("rdbWholeYear"));
    Export();
    // 1448 is a leap year: Zil-Haj has 30 days.
    const int lengths[12] = {30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 30, 30};
    std::string expected;
    QDate first(2026, 6, 15);  // 1 Moharram 1448
    for (int m = 1; m <= 12; ++m) {
        expected += MonthBlock("New York City, USA", std::string(MisriMonthNames[m]) + ", 1448",
                               first, lengths[m - 1], false, kCommunityTimes) +
                    "\r\n\r\n\r\n";
        first = first.addDays(lengths[m - 1]);
    }
    EXPECT_EQ(first, QDate(2027, 6, 5));  // 1 Moharram 1449
    EXPECT_EQ(ReadFile("NTimes.txt"), expected);
    EXPECT_EQ(shell->documents.size(), 1u);
}

TEST_F(ExportTest, WithoutAProgramForTextFilesABoxSaysWhereTheFileIs) {
    shell->canOpen = false;
    form->FormActivate();
    responder->QueueForm(Range("rdbCurrentMonth"));
    Export();
    EXPECT_EQ(shell->documents, std::vector<AnsiString>({"NTimes.txt"}));
    const std::string path =
        FromQString(QDir::toNativeSeparators(QDir::current().absoluteFilePath("NTimes.txt")));
    EXPECT_EQ(Boxes(),
              std::vector<std::string>({"Message: The prayer times were saved to " + path + "."}));
    EXPECT_TRUE(FileExists("NTimes.txt"));
}

TEST_F(ExportTest, ThePlaceTitleCarriesTheBareName) {
    std::vector<TLocationRecord> places;
    for (int i = 0; i < 11; ++i)
        places.push_back(Place("Place " + std::to_string(i), 0, 0, 0));
    places.push_back(Place("Z\xFCrich", 8.55f, 47.37f, 1));  // record 11, Windows-1252
    WriteFile(LocationFileName, FileOf(places));
    registry->WriteString("Location", "Z\xFCrich");
    form->FormActivate();
    responder->QueueForm(Range("rdbCurrentMonth"));
    Export();
    const std::string file = ReadFile("NTimes.txt");
    EXPECT_EQ(file.substr(0, file.find("\r\n")), "\tSalaat timings for:\tZ\xFCrich");
}

TEST_F(ExportTest, ClosingTheRangeDialogKeepsTheLastExport) {
    WriteFile("NTimes.txt", "the last export\r\n");
    form->FormActivate();
    responder->QueueForm([](TForm& f) {
        f.close();
        return f.ModalResult();
    });
    Export();
    EXPECT_EQ(ReadFile("NTimes.txt"), "the last export\r\n");
    EXPECT_TRUE(shell->documents.empty());
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(ExportTest, AnUnreadablePlaceEndsTheExportBeforeWriting) {
    const std::string twoPlaces = ReadFile(LocationFileName);
    struct Case {
        const char* what;
        std::function<void()> spoil;
    };
    const Case cases[] = {
        {"file gone", [] { QFile::remove(LocationFileName); }},
        {"record cut short", [&] { WriteFile(LocationFileName, twoPlaces.substr(0, 90)); }},
    };
    for (const Case& c : cases) {
        WriteFile(LocationFileName, twoPlaces);
        WriteFile("NTimes.txt", "the last export\r\n");
        responder->Clear();
        form->FormActivate();
        form->findChild<QListWidget*>("lstMain")->setCurrentRow(0);  // Berlin, record 1
        c.spoil();
        responder->Clear();
        responder->QueueForm(Range("rdbCurrentMonth"));
        Export();
        EXPECT_EQ(Boxes(), std::vector<std::string>({"Error: Cannot open kestrun32.dat"}))
            << c.what;
        EXPECT_EQ(ReadFile("NTimes.txt"), "the last export\r\n") << c.what;
        EXPECT_TRUE(shell->documents.empty()) << c.what;
    }
}

TEST_F(ExportTest, AFileThatCannotBeWrittenIsReportedAndNotOpened) {
    ASSERT_TRUE(QDir().mkdir("NTimes.txt"));
    form->FormActivate();
    responder->QueueForm(Range("rdbCurrentMonth"));
    Export();
    ASSERT_EQ(responder->Boxes().size(), 1u);
    EXPECT_EQ(responder->Boxes()[0].text, "Cannot create file \"NTimes.txt\"");
    EXPECT_EQ(responder->Boxes()[0].icon, BoxIcon::Error);
    EXPECT_TRUE(shell->documents.empty());
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList({LocationFileName}));  // no leftovers
}

TEST_F(ExportTest, WithoutASelectedPlaceNothingIsWritten) {
    WriteFile(LocationFileName, "");
    form->FormActivate();
    responder->QueueForm(Range("rdbCurrentMonth"));
    Export();
    ASSERT_EQ(responder->Boxes().size(), 1u);
    EXPECT_EQ(responder->Boxes()[0].text, "List index out of bounds (-1)");
    EXPECT_FALSE(FileExists("NTimes.txt"));
    EXPECT_TRUE(shell->documents.empty());
}

TEST_F(ExportTest, RangeDialogCountsMonths) {
    struct Case {
        const char* choice;
        bool ok;
        int count;
    };
    for (const Case& c : {Case{"rdbCurrentMonth", true, 1}, Case{"rdbWholeYear", true, 12},
                          Case{"rdbWholeYear", false, 0}}) {
        TfrmExpOption dialog(form.get());
        responder->QueueForm([&](TForm& f) {
            EXPECT_TRUE(f.findChild<QRadioButton*>("rdbCurrentMonth")->isChecked());
            f.findChild<QRadioButton*>(c.choice)->click();
            if (c.ok)
                f.findChild<QPushButton*>("btnOk")->click();
            return f.ModalResult();
        });
        EXPECT_EQ(dialog.Execute(), c.count) << c.choice << c.ok;
    }
}

}  // namespace
