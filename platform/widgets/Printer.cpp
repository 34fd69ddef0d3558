#include "platform/widgets/Printer.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

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
        if (!painter->begin(&printer_)) {
            const QString file = OutputFile();
            ForgetJobFile();
            if (!file.isEmpty())
                throw EPrinter(Format("Cannot create file \"%s\"", FromQString(file).c_str()));
            throw EPrinter("Printer selected is not valid");
        }
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
        ForgetJobFile();
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
        ForgetJobFile();
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

    bool NeedsOutputFile() const override {
        return printer_.outputFormat() == QPrinter::PdfFormat &&
               printer_.outputFileName().isEmpty();
    }

    void SetJobFile(const QString& path) override {
        if (!jobFile_) {
            jobFile_ = true;
            savedFormat_ = printer_.outputFormat();
            savedFileName_ = printer_.outputFileName();
        }
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(path);
    }

    QString OutputFile() const override {
        return printer_.outputFormat() == QPrinter::PdfFormat ? printer_.outputFileName()
                                                              : QString();
    }

    bool SetupDialog(QWidget* owner) override {
        const std::unique_ptr<QDialog> dialog = CreatePrinterSetupDialog(&printer_, owner);
        return dialog->exec() == QDialog::Accepted;
    }

    QPrinter& Device() { return printer_; }

private:
    // Puts back the output that the set-up dialog left.
    void ForgetJobFile() {
        if (!jobFile_)
            return;
        jobFile_ = false;
        printer_.setOutputFileName(savedFileName_);
        printer_.setOutputFormat(savedFormat_);
    }

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
    // A file set for one job, and the output it replaced.
    bool jobFile_ = false;
    QPrinter::OutputFormat savedFormat_ = QPrinter::NativeFormat;
    QString savedFileName_;
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
    return Printer()->SetupDialog(owner);
}

std::unique_ptr<QDialog> CreatePrinterSetupDialog(QPrinter* printer, QWidget* owner) {
    auto dialog = std::make_unique<QPrintDialog>(printer, owner);
    dialog->setWindowTitle(QStringLiteral("Print Setup"));
    // Pages, copies and their order belong to a print, not to its set-up.
    dialog->setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    for (QDialogButtonBox* buttons : dialog->findChildren<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    return dialog;
}
