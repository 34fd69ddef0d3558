#include "PrintSettings.h"

#include "CalPrint.h"
#include "Dialogs.h"
#include "PrintPage.h"
#include "Printer.h"
#include "Projglob.h"

#include <QDir>
#include <QStandardPaths>

namespace {

constexpr std::int32_t kFlagDefault = 1;
constexpr const char* kColorDefault = "Black";

// A value that is no decimal number (edited by hand, say) reads as the
// default: otherwise no print could start until the value was mended.
std::int32_t ReadFlag(const char* name) {
    return DecimalOr(ReadSettingString(name, IntToStr(kFlagDefault)), kFlagDefault);
}

TColor ReadColor(const char* name) {
    return NameToColor(ReadSettingString(name, kColorDefault));
}

void WriteFlag(const char* name, std::int32_t value) {
    WriteSettingString(name, IntToStr(value));
}

void WriteColor(const char* name, TColor value) {
    WriteSettingString(name, ColorToName(value));
}

// The page's file in the user's documents folder, named after its month
// ("Ramadan 1447 Hijri.pdf", "January 2000.pdf").
QString SuggestedPdfFile(const PrintSource& source, const TPrintSettings& settings) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    const QString month = ToQString(PageTitleOf(source, settings).first).remove(u',');
    return QDir(folder).filePath(month + QStringLiteral(".pdf"));
}

}  // namespace

TPrintSettings ReadPrintSettings(TMisri month) {
    TPrintSettings s;
    s.month = month;
    s.printSalaat = ReadFlag("PrintSalaatTimings");
    s.dayLight = ReadFlag("PDayLight");
    s.printEvents = ReadFlag("PrintEvents");
    s.printSmallMonths = ReadFlag("PrintSmMonths");
    s.printBirthdays = ReadFlag("PrintBirthdays");
    s.printAnniversaries = ReadFlag("PrintAnniversaries");
    s.salaatColor = ReadColor("SalaatTimeFont");
    s.primaryMonthColor = ReadColor("PMonthColor");
    s.secondaryMonthColor = ReadColor("SMonthColor");
    s.secondaryDateColor = ReadColor("SDateColor");
    s.primaryDateColor = ReadColor("PDateColor");
    s.eventsColor = ReadColor("EventsColor");
    s.gridColor = ReadColor("GridColor");
    return s;
}

void WritePrintSettings(const TPrintSettings& s) {
    WriteFlag("PrintSalaatTimings", s.printSalaat);
    WriteFlag("PDayLight", s.dayLight);
    WriteFlag("PrintEvents", s.printEvents);
    WriteFlag("PrintSmMonths", s.printSmallMonths);
    WriteFlag("PrintBirthdays", s.printBirthdays);
    WriteFlag("PrintAnniversaries", s.printAnniversaries);
    WriteColor("SalaatTimeFont", s.salaatColor);
    WriteColor("PMonthColor", s.primaryMonthColor);
    WriteColor("SMonthColor", s.secondaryMonthColor);
    WriteColor("PDateColor", s.primaryDateColor);
    WriteColor("SDateColor", s.secondaryDateColor);
    WriteColor("EventsColor", s.eventsColor);
    WriteColor("GridColor", s.gridColor);
}

void RunPrintCommand(bool calendarPaneVisible, TMisri shownMonth, const PrintSource& source) {
    SetBusyCursor(true);
    QString written;  // the file the page went to, if any
    try {
        if (!calendarPaneVisible) {
            ShowErrorBox("You can only print Calendar in this version of Miravel");
            SetBusyCursor(false);
            return;
        }
        TPrintSettings settings = ReadPrintSettings(shownMonth);
        if (frmPrint->Execute(&settings) == 0) {
            SetBusyCursor(false);
            return;
        }
        TPrinter* printer = Printer();
        if (printer->NeedsOutputFile()) {
            // No printer to print on: the page goes to a PDF file.
            const QString file = Dialogs::SaveFile(
                "Save Calendar As", SuggestedPdfFile(source, settings), "PDF Files (*.pdf)");
            if (file.isEmpty()) {
                SetBusyCursor(false);
                return;
            }
            printer->SetJobFile(file);
        }
        const QString file = printer->OutputFile();
        PrintCalendarPage(source, settings);
        WritePrintSettings(settings);
        written = file;
    } catch (const std::exception& e) {
        SetBusyCursor(false);
        ShowException(e);
        return;
    }
    SetBusyCursor(false);
    if (!written.isEmpty())
        ShowMessageBox("The calendar page was saved to " +
                       FromQString(QDir::toNativeSeparators(written)) + ".");
}
