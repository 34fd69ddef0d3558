#include "Printer.h"

#include <QCoreApplication>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <cmath>

namespace {

// The QPrinter, painting the whole sheet. Device pixels of the mapping count
// from the printable area's corner, as a device context's do, so the painter
// adds the printable area's offset back to the viewport origin.
class QtPrinter : public TPrinter {
public:
    QtPrinter() : printer_(QPrinter::HighResolution) { printer_.setFullPage(true); }

    void BeginDoc() override {
        if (painter_)
            throw EPrinter("Printing in progress");
        printer_.setFullPage(true);
        printer_.setPageOrientation(Orientation() == poLandscape ? QPageLayout::Landscape
                                                                 : QPageLayout::Portrait);
        auto painter = std::make_unique<QPainter>();
        if (!painter->begin(&printer_))
            throw EPrinter("Printer selected is not valid");
        painter_ = std::move(painter);
        canvas_ = std::make_unique<QPainterCanvas>(*painter_);
        canvas_->PixelsPerInch = printer_.logicalDpiY();
    }

    void EndDoc() override {
        if (!painter_)
            return;
        canvas_.reset();
        painter_->end();
        painter_.reset();
    }

    void Abort() override {
        if (!painter_)
            return;
        canvas_.reset();
        // A file output cannot be withdrawn by the engine: the file of the
        // half-drawn page is removed instead.
        const bool aborted = printer_.abort();
        painter_->end();
        painter_.reset();
        if (!aborted && !printer_.outputFileName().isEmpty())
            QFile::remove(printer_.outputFileName());
    }

    bool Printing() const override { return painter_ != nullptr; }
    TCanvas* Canvas() override { return canvas_.get(); }

    int GetDeviceCaps(TDeviceCap cap) const override {
        switch (cap) {
        case LOGPIXELSX:
            return printer_.logicalDpiX();
        case LOGPIXELSY:
            return printer_.logicalDpiY();
        case PHYSICALOFFSETX:
            return Offset().x();
        case PHYSICALOFFSETY:
            return Offset().y();
        }
        return 0;
    }

    void SetMapping(const TPrinterMapping& m) override {
        if (!painter_)
            throw EPrinter("Printer is not currently printing");
        const QPoint offset = Offset();
        painter_->setWindow(0, 0, m.windowExtX, m.windowExtY);
        painter_->setViewport(m.viewportOrgX + offset.x(), m.viewportOrgY + offset.y(),
                              m.viewportExtX, m.viewportExtY);
    }

    QPrinter& Device() { return printer_; }

private:
    // The printable area's corner in device pixels from the sheet's corner.
    QPoint Offset() const {
        QPageLayout layout = printer_.pageLayout();
        layout.setUnits(QPageLayout::Point);
        const QMarginsF m = layout.minimumMargins();
        return {static_cast<int>(std::lround(m.left() * printer_.logicalDpiX() / 72.0)),
                static_cast<int>(std::lround(m.top() * printer_.logicalDpiY() / 72.0))};
    }

    QPrinter printer_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<QPainterCanvas> canvas_;
};

std::unique_ptr<QtPrinter>& TheQtPrinter() {
    static std::unique_ptr<QtPrinter> printer;
    return printer;
}

// Made on first use; freed while the application object still exists.
QtPrinter& QtPrinterInstance() {
    auto& printer = TheQtPrinter();
    if (!printer) {
        printer = std::make_unique<QtPrinter>();
        qAddPostRoutine([] { TheQtPrinter().reset(); });
    }
    return *printer;
}

TPrinter*& Installed() {
    static TPrinter* printer = nullptr;
    return printer;
}

}  // namespace

void TPrinter::SetOrientation(TPrinterOrientation orientation) {
    if (Printing())
        throw EPrinter("Printing in progress");
    orientation_ = orientation;
}

TPrinter* Printer() {
    return Installed() ? Installed() : &QtPrinterInstance();
}

void SetPrinter(TPrinter* printer) {
    Installed() = printer;
}

QPrinter* CurrentQPrinter() {
    return Installed() ? nullptr : &QtPrinterInstance().Device();
}

bool PrinterSetupDialog(QWidget* owner) {
    if (auto* recording = dynamic_cast<RecordingPrinter*>(Installed())) {
        ++recording->setupShown;
        return recording->setupAnswer;
    }
    if (Installed())
        return false;
    QPrintDialog dialog(&QtPrinterInstance().Device(), owner);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    return dialog.exec() == QDialog::Accepted;
}

RecordingPrinter::RecordingPrinter(int dpiX, int dpiY, int offsetX, int offsetY)
    : dpiX(dpiX), dpiY(dpiY), offsetX(offsetX), offsetY(offsetY) {
    SetPrinter(this);
}

RecordingPrinter::~RecordingPrinter() {
    if (Installed() == this)
        SetPrinter(nullptr);
}

void RecordingPrinter::BeginDoc() {
    if (printing_)
        throw EPrinter("Printing in progress");
    if (failBeginDoc)
        throw EPrinter("Printer selected is not valid");
    calls.push_back(Orientation() == poLandscape ? "BeginDoc landscape" : "BeginDoc portrait");
    canvas = RecordingCanvas();
    canvas.PixelsPerInch = dpiY;
    mapping = {};
    printing_ = true;
}

void RecordingPrinter::EndDoc() {
    calls.push_back("EndDoc");
    printing_ = false;
}

void RecordingPrinter::Abort() {
    calls.push_back("Abort");
    printing_ = false;
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
