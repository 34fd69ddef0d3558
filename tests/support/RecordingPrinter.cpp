#include "tests/support/RecordingPrinter.h"

RecordingPrinter::RecordingPrinter(int dpiX, int dpiY, int offsetX, int offsetY)
    : dpiX(dpiX), dpiY(dpiY), offsetX(offsetX), offsetY(offsetY) {
    SetPrinter(this);
}

RecordingPrinter::~RecordingPrinter() {
    if (Printer() == this)
        SetPrinter(nullptr);
}

void RecordingPrinter::BeginDoc() {
    if (printing_)
        throw EPrinter("Printing in progress");
    if (failBeginDoc) {
        jobFile.clear();
        throw EPrinter("Printer selected is not valid");
    }
    calls.push_back(Orientation() == poLandscape ? "BeginDoc landscape" : "BeginDoc portrait");
    canvas = RecordingCanvas();
    canvas.PixelsPerInch = dpiY;
    mapping = {};
    printing_ = true;
}

void RecordingPrinter::EndDoc() {
    calls.push_back("EndDoc");
    printing_ = false;
    lastJobFile = jobFile;
    jobFile.clear();
}

void RecordingPrinter::Abort() {
    calls.push_back("Abort");
    printing_ = false;
    jobFile.clear();
}

int RecordingPrinter::GetDeviceCaps(TDeviceCap cap) const {
    switch (cap) {
    case LOGPIXELSX:
        return dpiX;
    case LOGPIXELSY:
        return dpiY;
    case PHYSICALOFFSETX:
        return offsetX;
    case PHYSICALOFFSETY:
        return offsetY;
    }
    return 0;
}
