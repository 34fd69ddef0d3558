#include "platform/core/AnsiString.h"
#include "platform/widgets/Printer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

// The real printer, with the job going to a PDF file of a temporary folder.
class PrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ASSERT_NE(CurrentQPrinter(), nullptr);  // no other printer installed
        printer = Printer();
        before = printer->OutputFile();
    }
    void TearDown() override {
        if (printer->Printing())
            printer->Abort();
        printer->SetOrientation(poPortrait);
    }
    QString File(const char* name) const { return QDir(folder.path()).filePath(name); }

    QTemporaryDir folder;
    TPrinter* printer = nullptr;
    QString before;
};

// A job writes its page to the file set for it; the file is forgotten when
// the job ends, and nothing of the printer may change while it runs.
TEST_F(PrinterTest, AJobWritesItsFileAndForgetsIt) {
    const QString file = File("page.pdf");
    printer->SetOrientation(poLandscape);
    printer->SetJobFile(file);
    EXPECT_EQ(printer->OutputFile(), file);
    EXPECT_EQ(printer->Canvas(), nullptr);
    printer->BeginDoc();
    ASSERT_TRUE(printer->Printing());
    TCanvas* canvas = printer->Canvas();
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->PixelsPerInch, printer->GetDeviceCaps(LOGPIXELSY));
    EXPECT_GT(printer->GetDeviceCaps(LOGPIXELSX), 96);
    try {
        printer->SetOrientation(poPortrait);
        ADD_FAILURE() << "the orientation changed during the job";
    } catch (const EPrinter& e) {
        EXPECT_STREQ(e.what(), "Printing in progress");
    }
    EXPECT_THROW(printer->BeginDoc(), EPrinter);
    printer->SetMapping({1000, 1000, 600, 600, 0, 0});
    canvas->TextOut(100, 100, "Moharram 1448");
    printer->EndDoc();

    EXPECT_FALSE(printer->Printing());
    EXPECT_EQ(printer->Canvas(), nullptr);
    EXPECT_EQ(printer->OutputFile(), before);
    EXPECT_EQ(printer->Orientation(), poLandscape);
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
}

// An aborted job leaves no half-drawn file behind.
TEST_F(PrinterTest, AnAbortedJobLeavesNoFile) {
    const QString file = File("aborted.pdf");
    printer->SetJobFile(file);
    printer->BeginDoc();
    printer->Canvas()->TextOut(10, 10, "half");
    printer->Abort();
    EXPECT_FALSE(printer->Printing());
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(printer->OutputFile(), before);
}

TEST_F(PrinterTest, AJobThatCannotStartIsTold) {
    const QString file = File("no such folder/page.pdf");
    printer->SetJobFile(file);
    try {
        printer->BeginDoc();
        ADD_FAILURE() << "the job started";
    } catch (const EPrinter& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + FromQString(file) + "\"");
    }
    EXPECT_FALSE(printer->Printing());
    EXPECT_EQ(printer->OutputFile(), before);
    try {
        printer->SetMapping({});
        ADD_FAILURE() << "a mapping without a job";
    } catch (const EPrinter& e) {
        EXPECT_STREQ(e.what(), "Printer is not currently printing");
    }
}

}  // namespace
