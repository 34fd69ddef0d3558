// The page through the real printer layer: a PDF file from the QPrinter,
// read back with pdftotext, and the printer set-up dialog.
#include "diary/print/CalPrint.h"
#include "diary/print/PrintCommand.h"
#include "diary/print/PrintPage.h"
#include "locations/PrayerTimes.h"
#include "locations/records/LocationFile.h"
#include "platform/widgets/Printer.h"
#include "tests/support/FixedPrayerTimes.h"
#include "tests/support/HomeScope.h"
#include "tests/support/PublishedForm.h"
#include "tests/support/Sandbox.h"
#include "tests/support/SettingsSandbox.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

// A word of the PDF as pdftotext places it, in points from the sheet's
// top-left corner.
struct Word {
    double xMin, yMin, xMax, yMax;
};

struct PdfText {
    double width = 0, height = 0;  // of the first page
    int pages = 0;
    std::multimap<QString, Word> words;

    // The middle of the line that runs from the first word to the last.
    QPointF LineMiddle(const QString& first, const QString& last) const {
        const auto a = words.find(first);
        const auto b = words.find(last);
        if (a == words.end() || b == words.end()) {
            ADD_FAILURE() << "no " << first.toStdString() << " ... " << last.toStdString();
            return {};
        }
        return {(a->second.xMin + b->second.xMax) / 2, (a->second.yMin + b->second.yMax) / 2};
    }
};

PdfText ReadPdf(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    PdfText text;
    const QRegularExpression page(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    for (auto it = page.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (text.pages++ == 0) {
            text.width = m.captured(1).toDouble();
            text.height = m.captured(2).toDouble();
        }
    }
    const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        text.words.insert(
            {m.captured(5), Word{m.captured(1).toDouble(), m.captured(2).toDouble(),
                                 m.captured(3).toDouble(), m.captured(4).toDouble()}});
    }
    return text;
}

// Thousandths of an inch in points.
double Points(double units) {
    return units * 72 / 1000;
}

class RealPrinterTest : public Sandbox {
protected:
    void SetUp() override {
        Sandbox::SetUp();
        ASSERT_NE(CurrentQPrinter(), nullptr);
        savedLayout = CurrentQPrinter()->pageLayout();
    }
    void TearDown() override {
        CurrentQPrinter()->setPageLayout(savedLayout);
        Sandbox::TearDown();
    }

    QPageLayout savedLayout;
    FixedPrayerTimes times;
};

TEST_F(RealPrinterTest, ThePageAsAPdfFile) {
    // Letter paper on a device whose printable area begins 0.25 inch from
    // the left edge and 0.5 inch from the top: the page still counts from
    // the sheet's corner.
    CurrentQPrinter()->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter),
                                                 QPageLayout::Portrait, QMarginsF(),
                                                 QPageLayout::Point, QMarginsF(18, 36, 18, 36)));
    const QString file = QDir::current().filePath(QStringLiteral("page.pdf"));
    TPrinter* printer = Printer();
    printer->SetJobFile(file);
    EXPECT_EQ(printer->OutputFile(), file);

    TPrintSettings s;
    s.month = TMisri(12, 8, 1446);  // Shaaban 1446, from Thursday 30 January 2025
    SetLocationName(s.location, "Mumbai, India");
    PrintSource src;
    src.events = {{"1", "New moon"}};
    PrintCalendarPage(src, s);
    EXPECT_TRUE(printer->OutputFile().isEmpty());  // the file was for that job only
    ASSERT_TRUE(QFile::exists(file));

    const PdfText pdf = ReadPdf(file);
    EXPECT_EQ(pdf.pages, 1);
    // Letter in landscape: 11 by 8.5 inches.
    EXPECT_NEAR(pdf.width, 792, 0.5);
    EXPECT_NEAR(pdf.height, 612, 0.5);

    struct Line {
        const char* first;
        const char* last;
        double x, y;  // the middle of its box, in thousandths of an inch
    };
    const Line lines[] = {
        {"Shaaban,", "Hijri", 3000, 812.5},               // the title
        {"January/February,", "2025", 3000, 1312.5},      // its second line
        {"Thurs", "Thurs", (5878 + 6585) / 2.0, 1850.5},  // a weekday of the grid
        {"Calendar", "Events", 9300, 1818.5},             // the events header
        {"Salaat", "for:", 1750, 1792.5},                 // the table's title
        {"Rajjab", "Rajjab", 4175, 6195},                 // the small month before
    };
    for (const Line& l : lines) {
        const QPointF middle = pdf.LineMiddle(l.first, l.last);
        EXPECT_NEAR(middle.x(), Points(l.x), 3) << l.first;
        EXPECT_NEAR(middle.y(), Points(l.y), 4) << l.first;
    }
}

TEST_F(RealPrinterTest, ALongTextStaysInsideItsBox) {
    // An event text as long as the editor takes: 148 characters, far wider
    // than the events box at the right edge of the sheet.
    AnsiString text;
    while (text.size() < 148)
        text += "Remembrance ";
    text.resize(148);
    const QString file = QDir::current().filePath(QStringLiteral("page.pdf"));
    Printer()->SetJobFile(file);
    TPrintSettings s;
    s.month = TMisri(12, 8, 1446);
    s.printSalaat = 0;
    s.printBirthdays = 0;
    PrintSource src;
    src.events = {{"1", text}};
    PrintCalendarPage(src, s);

    const PdfText pdf = ReadPdf(file);
    // The events box spans (8100, 1700)-(10500, 8000); its header band and
    // first row lie in its top 500 units.
    int inBox = 0;
    for (const auto& [word, box] : pdf.words) {
        EXPECT_LE(box.xMax, pdf.width) << word.toStdString();
        if (box.xMin >= Points(8100) - 1 && box.yMin >= Points(1700) && box.yMax <= Points(2200)) {
            EXPECT_LE(box.xMax, Points(10500) + 0.5) << word.toStdString();
            ++inBox;
        }
    }
    // The row's start is printed: "1 - Remembrance ..." up to the box's edge.
    EXPECT_EQ(pdf.words.count("-"), 1u);
    EXPECT_GE(pdf.words.count("Remembrance"), 3u);
    EXPECT_GE(inBox, 5);
}

TEST_F(RealPrinterTest, AFileThatCannotBeCreatedEndsTheJob) {
    const QString file = QDir::current().filePath(QStringLiteral("no such folder/page.pdf"));
    TPrinter* printer = Printer();
    const QString before = printer->OutputFile();
    printer->SetJobFile(file);
    TPrintSettings s;
    try {
        PrintCalendarPage({}, s);
        ADD_FAILURE() << "no exception";
    } catch (const EPrinter& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + FromQString(file) + "\"");
    }
    EXPECT_FALSE(printer->Printing());
    EXPECT_EQ(printer->OutputFile(), before);
}

TEST_F(RealPrinterTest, TheSetUpDialogPromisesNoPrint) {
    QPrinter device;
    const std::unique_ptr<QDialog> dialog = CreatePrinterSetupDialog(&device, nullptr);
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), "Print Setup");
    const auto boxes = dialog->findChildren<QDialogButtonBox*>();
    ASSERT_FALSE(boxes.isEmpty());
    EXPECT_EQ(boxes.front()->button(QDialogButtonBox::Ok)->text(), "OK");
    for (const QPushButton* button : dialog->findChildren<QPushButton*>())
        EXPECT_NE(button->text().remove(u'&'), "Print");
    dialog->hide();
}

// The print command where no printer is installed: the page goes to the PDF
// file that the save dialog offers.
class PrintWithoutAPrinterTest : public SettingsSandbox {
protected:
    void SetUp() override {
        SettingsSandbox::SetUp();
        device = CurrentQPrinter();
        ASSERT_NE(device, nullptr);
        savedFormat = device->outputFormat();
        savedFile = device->outputFileName();
        device->setOutputFormat(QPrinter::PdfFormat);
        device->setOutputFileName(QString());
        ASSERT_TRUE(Printer()->NeedsOutputFile());
        wizard.make();
        // A place for the prayer-time table, so the wizard reads it without a word.
        TLocationRecord place;
        SetLocationName(place, "New York City, USA");
        const LocationRecordBytes bytes = PackLocationRecord(place);
        WriteFile(LocationFileName, std::string(bytes.begin(), bytes.end()));
    }
    void TearDown() override {
        wizard.reset();
        device->setOutputFileName(savedFile);
        device->setOutputFormat(savedFormat);
        SettingsSandbox::TearDown();
    }

    QPrinter* device = nullptr;
    QPrinter::OutputFormat savedFormat = QPrinter::NativeFormat;
    QString savedFile;
    PublishedForm<TfrmPrint> wizard{frmPrint};
    FixedPrayerTimes times;
};

TEST_F(PrintWithoutAPrinterTest, TheSuggestedFileIsWrittenWhenConfirmed) {
    const struct {
        const char* what;
        bool documents;  // whether the home folder holds a documents folder
        QString folder;  // where the file is suggested, in the home folder
    } cases[] = {
        {"a documents folder", true, "Documents"},
        {"no documents folder", false, "."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir home;
        ASSERT_TRUE(home.isValid());
        if (c.documents) {
            ASSERT_TRUE(QDir(home.path()).mkdir("Documents"));
        }
        const HomeScope scope(home.path());
        responder->Clear();
        responder->QueueForm([](TForm& f) {
            f.findChild<QPushButton*>("btnFinish")->click();
            return f.ModalResult();
        });
        responder->QueueSuggestedPath();
        RunPrintCommand(true, TMisri(12, 8, 1446), {});

        const QString file =
            QDir::cleanPath(QDir(home.path()).filePath(c.folder + "/Shaaban 1446 Hijri.pdf"));
        ASSERT_FALSE(responder->Boxes().empty());
        const BoxRequest& notice = responder->Boxes().back();
        EXPECT_EQ(notice.caption, "Message");
        EXPECT_EQ(notice.text, "The calendar page was saved to " +
                                   FromQString(QDir::toNativeSeparators(file)) + ".");
        ASSERT_TRUE(QFile::exists(file));
        EXPECT_EQ(ReadPdf(file).words.count("Shaaban,"), 1u);
        EXPECT_TRUE(Printer()->NeedsOutputFile());  // the next print asks again
    }
}

}  // namespace
