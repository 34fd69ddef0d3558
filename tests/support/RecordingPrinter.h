// A printer that prints nothing: it keeps the page drawn on a recording
// canvas and records the calls it received. Installs itself as the current
// printer while it lives.
#pragma once

#include "platform/widgets/Printer.h"
#include "tests/support/RecordingCanvas.h"

#include <QString>

#include <string>
#include <vector>

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
    bool NeedsOutputFile() const override { return noPrinter && jobFile.isEmpty(); }
    void SetJobFile(const QString& path) override { jobFile = path; }
    QString OutputFile() const override { return jobFile; }
    bool SetupDialog(QWidget*) override {
        ++setupShown;
        return setupAnswer;
    }

    int dpiX, dpiY, offsetX, offsetY;
    bool failBeginDoc = false;  // BeginDoc throws EPrinter
    bool setupAnswer = true;    // what PrinterSetupDialog returns
    bool noPrinter = false;     // no printer installed: jobs need a file
    QString jobFile;            // the next job's file
    QString lastJobFile;        // the file the last job wrote, if any

    RecordingCanvas canvas;  // the last job's page
    TPrinterMapping mapping;
    // "BeginDoc", "EndDoc", "Abort" as they came, with the orientation at
    // BeginDoc ("BeginDoc landscape").
    std::vector<std::string> calls;
    int setupShown = 0;

private:
    bool printing_ = false;
};
