#include "platform/widgets/Dialogs.h"

#include "platform/widgets/Forms.h"

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

DialogResponder*& CurrentResponder() {
    static DialogResponder* responder = nullptr;
    return responder;
}

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

// Counts the boxes and modal forms open through the seam while it lives.
class OpenBox {
public:
    OpenBox() { ++Count(); }
    ~OpenBox() { --Count(); }
    OpenBox(const OpenBox&) = delete;
    OpenBox& operator=(const OpenBox&) = delete;
    static int& Count() {
        static int count = 0;
        return count;
    }
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

BoxAnswer Ask(const BoxRequest& r) {
    const OpenBox open;
    if (DialogResponder* responder = CurrentResponder())
        return responder->Box(r);
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

AnsiString ConfirmCaption(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Error:
        return "Error";
    case BoxIcon::Warning:
        return "Warning";
    case BoxIcon::Information:
        return "Information";
    case BoxIcon::Question:
        return "Confirm";
    case BoxIcon::None:
        break;
    }
    return "";
}

}  // namespace

int Dialogs::MessageBox(const AnsiString& text, const AnsiString& caption, BoxButtons buttons,
                        BoxIcon icon, bool owned) {
    BoxRequest r;
    r.kind = BoxRequest::Kind::Message;
    r.caption = caption;
    r.text = text;
    r.buttons = buttons;
    r.icon = icon;
    r.owned = owned;
    return Ask(r).result;
}

int Dialogs::MessageDlg(const AnsiString& text, BoxIcon icon, BoxButtons buttons) {
    BoxRequest r;
    r.kind = BoxRequest::Kind::Confirmation;
    r.caption = ConfirmCaption(icon);
    r.text = text;
    r.buttons = buttons;
    r.icon = icon;
    int result = Ask(r).result;
    ActiveForms::ReactivateTop();
    return result;
}

AnsiString Dialogs::InputBox(const AnsiString& caption, const AnsiString& prompt,
                             const AnsiString& defaultValue) {
    BoxRequest r;
    r.kind = BoxRequest::Kind::Input;
    r.caption = caption;
    r.text = prompt;
    r.buttons = BoxButtons::OkCancel;
    r.defaultValue = defaultValue;
    BoxAnswer a = Ask(r);
    return a.result == mrOk ? a.text : defaultValue;
}

QString Dialogs::OpenFile(const AnsiString& caption, const std::vector<AnsiString>& filters) {
    BoxRequest r;
    r.kind = BoxRequest::Kind::OpenFile;
    r.caption = caption;
    for (const auto& f : filters)
        r.text += (r.text.empty() ? "" : ";;") + f;
    r.buttons = BoxButtons::OkCancel;
    const BoxAnswer a = Ask(r);
    return a.result == mrOk ? a.path : QString();
}

QString Dialogs::SaveFile(const AnsiString& caption, const QString& suggested,
                          const AnsiString& filter) {
    BoxRequest r;
    r.kind = BoxRequest::Kind::SaveFile;
    r.caption = caption;
    r.text = filter;
    r.buttons = BoxButtons::OkCancel;
    r.path = suggested;
    const BoxAnswer a = Ask(r);
    return a.result == mrOk ? a.path : QString();
}

int Dialogs::ShowModal(TForm& form) {
    const OpenBox open;
    ActiveForms::Push(&form);
    form.BeginModal();
    form.Activate();
    int result;
    if (DialogResponder* responder = CurrentResponder())
        result = responder->Modal(form);
    else
        result = form.RunModalLoop();
    form.EndModal();
    ActiveForms::Pop(&form);
    ActiveForms::ReactivateTop();
    return result;
}

bool Dialogs::AnyOpen() {
    return OpenBox::Count() > 0;
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

void Dialogs::SetResponder(DialogResponder* responder) {
    CurrentResponder() = responder;
}
void Dialogs::ResetResponder() {
    CurrentResponder() = nullptr;
}
DialogResponder* Dialogs::Responder() {
    return CurrentResponder();
}

namespace {
AnsiString& Title() {
    static AnsiString title;
    return title;
}
}  // namespace

void Dialogs::SetApplicationTitle(const AnsiString& title) {
    Title() = title;
}
AnsiString Dialogs::ApplicationTitle() {
    return Title();
}

void ShowException(const std::exception& e) {
    Dialogs::MessageBox(e.what(), Dialogs::ApplicationTitle(), BoxButtons::Ok, BoxIcon::Error);
}
