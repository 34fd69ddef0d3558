// The current printer as the programs know it: an orientation, a job begun
// and ended, a canvas to draw the page on, and the device values and mapping
// calls of its device context. The real printer is a QPrinter painting the
// whole sheet; the mapping becomes the QPainter's window and viewport. Qt's
// print dialog chooses the printer (also a PDF file) and the paper; where no
// printer is installed a job goes to a PDF file. Tests put a recording
// printer in place of the real one.
#pragma once

#include "platform/core/Exceptions.h"
#include "platform/widgets/Canvas.h"

#include <QString>

#include <memory>

class QDialog;
class QPrinter;
class QWidget;

// A print job that cannot be begun, or a printer used out of turn.
class EPrinter : public Exception {
public:
    using Exception::Exception;
};

enum TPrinterOrientation { poPortrait, poLandscape };

// The device values a page asks for: pixels per inch on each axis and the
// offset of the printable area from the sheet's corner, in device pixels.
enum TDeviceCap { LOGPIXELSX, LOGPIXELSY, PHYSICALOFFSETX, PHYSICALOFFSETY };

// Logical units to device pixels: device = viewportOrg + logical x
// viewportExt / windowExt on each axis (the anisotropic mapping). Device
// pixels count from the printable area's corner, as the device context's do.
struct TPrinterMapping {
    int windowExtX = 1, windowExtY = 1;
    int viewportExtX = 1, viewportExtY = 1;
    int viewportOrgX = 0, viewportOrgY = 0;
    bool operator==(const TPrinterMapping&) const = default;
};

class TPrinter {
public:
    virtual ~TPrinter() = default;

    TPrinterOrientation Orientation() const { return orientation_; }
    // Throws EPrinter "Printing in progress" while a job runs.
    void SetOrientation(TPrinterOrientation orientation);

    // Starts a job on a fresh canvas in its default state (black pen, white
    // solid brush, default font); throws EPrinter when the job cannot start.
    virtual void BeginDoc() = 0;
    // Ends the job and issues the page.
    virtual void EndDoc() = 0;
    // Ends the job without issuing what was drawn.
    virtual void Abort() = 0;
    virtual bool Printing() const = 0;
    // The job's canvas; nullptr while no job runs.
    virtual TCanvas* Canvas() = 0;

    virtual int GetDeviceCaps(TDeviceCap cap) const = 0;
    // Installs the mapping for the rest of the job.
    virtual void SetMapping(const TPrinterMapping& mapping) = 0;

    // True when a job has nowhere to go but a PDF file without a name: no
    // printer is installed and no file was chosen in the set-up dialog.
    virtual bool NeedsOutputFile() const = 0;
    // The next job writes this PDF file instead of printing; the name is
    // forgotten when that job ends, however it ends.
    virtual void SetJobFile(const QString& path) = 0;
    // The file the next job writes; empty when it goes to a printer.
    virtual QString OutputFile() const = 0;
    // The set-up dialog: the printer (or a PDF file) and the paper. Returns
    // whether the user confirmed.
    virtual bool SetupDialog(QWidget* owner) = 0;

private:
    TPrinterOrientation orientation_ = poPortrait;
};

// The process-wide current printer: the installed one, else the QPrinter.
TPrinter* Printer();
// nullptr puts the QPrinter back.
void SetPrinter(TPrinter* printer);

// The current printer's set-up dialog. Returns whether the user confirmed.
bool PrinterSetupDialog(QWidget* owner);
// Qt's print dialog on the printer as the set-up dialog, not yet shown: it
// offers the printer, a PDF file and the paper, and its confirming button
// reads "OK", since confirming it prints nothing.
std::unique_ptr<QDialog> CreatePrinterSetupDialog(QPrinter* printer, QWidget* owner);

// The QPrinter behind the current printer, for a scratch run that prints to
// a file; nullptr while another printer is installed.
QPrinter* CurrentQPrinter();
