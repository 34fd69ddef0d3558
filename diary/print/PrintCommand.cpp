#include "diary/print/PrintCommand.h"

#include "calendar/Projglob.h"
#include "calendar/widgets/FormHelpers.h"
#include "diary/print/CalPrint.h"
#include "diary/print/PrintPage.h"
#include "diary/print/PrintSettings.h"
#include "platform/core/Dialogs.h"
#include "platform/widgets/Printer.h"

#include <QDir>
#include <QStandardPaths>

namespace {

// The page's file in the user's documents folder, or in the home folder
// where there is no documents folder (its name is given even where none
// was made), named after its month ("Ramadan 1447 Hijri.pdf",
// "January 2000.pdf").
QString SuggestedPdfFile(const PrintSource& source, const TPrintSettings& settings) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString month = ToQString(PageTitleOf(source, settings).first).remove(u',');
    return QDir(folder).filePath(month + QStringLiteral(".pdf"));
}

}  // namespace

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
        // Told before the wizard, not after the user has made every choice.
        if (!MonthPrintable(source, settings)) {
            ShowErrorBox("This month runs past the year 9999 and cannot be printed");
            SetBusyCursor(false);
            return;
        }
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
