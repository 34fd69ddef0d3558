#include "platform/widgets/QtBoxes.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QWindow>

#include <algorithm>

namespace {

QMessageBox::Icon ToQtIcon(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Error:
        return QMessageBox::Critical;
    case BoxIcon::Warning:
        return QMessageBox::Warning;
    case BoxIcon::Information:
        return QMessageBox::Information;
    case BoxIcon::Question:
        return QMessageBox::Question;
    case BoxIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A box shown while a window that stays on top is up (the diary's splash)
// stays on top as well, and being the newer comes above it instead of
// waiting hidden underneath. Once those windows are gone it is an ordinary
// window again, so it covers neither other programs nor the forms that
// open after it.
class AboveWindowsOnTop : public QObject {
public:
    explicit AboveWindowsOnTop(QWidget& box) : box_(box) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &box && w->isVisible() &&
                w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
                windows_.emplace_back(w);
                w->installEventFilter(this);
                connect(w, &QObject::destroyed, this, &AboveWindowsOnTop::DropWhenAllGone);
            }
        if (!windows_.empty())
            box.setWindowFlag(Qt::WindowStaysOnTopHint);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide)
            DropWhenAllGone();
        return QObject::eventFilter(watched, event);
    }

private:
    void DropWhenAllGone() {
        const bool anyShown =
            std::any_of(windows_.begin(), windows_.end(),
                        [](const QPointer<QWidget>& w) { return w && w->isVisible(); });
        if (anyShown || !box_.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return;
        // Setting a shown widget's flags hides it, which would end the box's
        // modal loop; its window takes the change in place.
        box_.overrideWindowFlags(box_.windowFlags() & ~Qt::WindowStaysOnTopHint);
        if (QWindow* window = box_.windowHandle())
            window->setFlag(Qt::WindowStaysOnTopHint, false);
    }

    QWidget& box_;
    std::vector<QPointer<QWidget>> windows_;
};

// A box is at least as wide as its caption needs in the title bar: the text
// in the bar's bold font beside the window's icon and its three buttons,
// each about as wide as the bar is high (twice the text's height). Without
// it a short message gets a narrow box whose caption shows only "...".
void FitCaption(QMessageBox& box) {
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(box.windowTitle()) + 4 * 2 * metrics.height();
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

int ShowQtBox(const BoxRequest& r) {
    QWidget* owner = r.owned ? QApplication::activeWindow() : nullptr;
    QMessageBox box(ToQtIcon(r.icon), ToQString(r.caption), ToQString(r.text),
                    QMessageBox::NoButton, owner);
    AboveWindowsOnTop above(box);
    switch (r.buttons) {
    case BoxButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case BoxButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case BoxButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case BoxButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    FitCaption(box);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return mrOk;
    case QMessageBox::Yes:
        return mrYes;
    case QMessageBox::No:
        return mrNo;
    default:
        return r.buttons == BoxButtons::YesNo ? mrNo : mrCancel;
    }
}

}  // namespace

BoxAnswer QtBoxes::Box(const BoxRequest& r) {
    if (r.kind == BoxRequest::Kind::OpenFile) {
        const QString path = QFileDialog::getOpenFileName(
            QApplication::activeWindow(), ToQString(r.caption), QString(), ToQString(r.text));
        return {path.isEmpty() ? mrCancel : mrOk, {}, path};
    }
    if (r.kind == BoxRequest::Kind::SaveFile) {
        const std::unique_ptr<QFileDialog> dialog =
            CreateSaveFileDialog(QApplication::activeWindow(), r.caption, r.path, r.text);
        if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
            return {mrCancel, {}};
        return {mrOk, {}, dialog->selectedFiles().constFirst()};
    }
    if (r.kind == BoxRequest::Kind::Input) {
        bool ok = false;
        QString text = QInputDialog::getText(QApplication::activeWindow(), ToQString(r.caption),
                                             ToQString(r.text), QLineEdit::Normal,
                                             ToQString(r.defaultValue), &ok);
        return {ok ? mrOk : mrCancel, FromQString(text)};
    }
    return {ShowQtBox(r), {}};
}

std::unique_ptr<QFileDialog> CreateSaveFileDialog(QWidget* owner, const AnsiString& caption,
                                                  const QString& suggested,
                                                  const AnsiString& filter) {
    // A full name typed into the name field would be read against the
    // folder shown, so the folder is set and the name given bare.
    const QFileInfo file(suggested);
    auto dialog = std::make_unique<QFileDialog>(owner, ToQString(caption), file.absolutePath(),
                                                ToQString(filter));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(file.suffix());
    dialog->selectFile(file.fileName());
    return dialog;
}
