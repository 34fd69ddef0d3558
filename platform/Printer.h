// The current printer as the programs know it: an orientation, a job begun
// and ended, a canvas to draw the page on, and the device values and mapping
// calls of its device context. The real printer is a QPrinter painting the
// whole sheet; the mapping becomes the QPainter's window and viewport. Qt's
// print dialog chooses the printer (also a PDF file). Tests put a recording
// printer in place of the real one.
#pragma once

#include "Canvas.h"
#include "Exceptions.h"

#include <memory>
#include <string>
#include <vector>

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

private:
    TPrinterOrientation orientation_ = poPortrait;
};

// The process-wide current printer: the installed one, else the QPrinter.
TPrinter* Printer();
// nullptr puts the QPrinter back.
void SetPrinter(TPrinter* printer);

// The printer set-up dialog on the QPrinter (Qt's print dialog, which also
// offers a PDF file). Returns whether the user confirmed. With a recording
// printer installed no dialog is shown and its setupAnswer is returned.
bool PrinterSetupDialog(QWidget* owner);

// The QPrinter behind the current printer, for a scratch run that prints to
// a file; nullptr while another printer is installed.
QPrinter* CurrentQPrinter();

// A printer that prints nothing: it keeps the page drawn on a recording
// canvas and records the calls it received. Installs itself while it lives.
class RecordingPrinter : public TPrinter {
public:
    RecordingPrinter(int dpiX = 600, int dpiY = 600, int offsetX = 0, int offsetY = 0);
    ~RecordingPrinter() override;
    RecordingPrinter(const RecordingPrinter&) = delete;
    RecordingPrinter& operator=(const RecordingPrinter&) = delete;

    void BeginDoc() override;
    void EndDoc() override;
    void Abort() override;
    bool Printing() const override { return printing_; }
    TCanvas* Canvas() override { return printing_ ? &canvas : nullptr; }
    int GetDeviceCaps(TDeviceCap cap) const override;
    void SetMapping(const TPrinterMapping& m) override { mapping = m; }

    int dpiX, dpiY, offsetX, offsetY;
    bool failBeginDoc = false;  // BeginDoc throws EPrinter
    bool setupAnswer = true;    // what PrinterSetupDialog returns

    RecordingCanvas canvas;  // the last job's page
    TPrinterMapping mapping;
    // "BeginDoc", "EndDoc", "Abort" as they came, with the orientation at
    // BeginDoc ("BeginDoc landscape").
    std::vector<std::string> calls;
    int setupShown = 0;

private:
    bool printing_ = false;
};
