#include "platform/widgets/Forms.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScreen>

#include <algorithm>
#include <vector>

namespace {

std::vector<TActivatable*>& Stack() {
    static std::vector<TActivatable*> stack;
    return stack;
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

void ActiveForms::Push(TActivatable* form) {
    Stack().push_back(form);
}

void ActiveForms::Pop(TActivatable* form) {
    auto& s = Stack();
    auto it = std::find(s.rbegin(), s.rend(), form);
    if (it != s.rend())
        s.erase(std::next(it).base());
}

void ActiveForms::ReactivateTop() {
    if (!Stack().empty() && Stack().back()->ActivatedOnReturn())
        Stack().back()->Activate();
}

void ActiveForms::Clear() {
    Stack().clear();
}

int MessageDlg(const AnsiString& text, BoxIcon icon, BoxButtons buttons) {
    BoxRequest r;
    r.kind = BoxRequest::Kind::Confirmation;
    r.caption = ConfirmCaption(icon);
    r.text = text;
    r.buttons = buttons;
    r.icon = icon;
    const int result = Dialogs::Ask(r).result;
    ActiveForms::ReactivateTop();
    return result;
}

TForm::TForm(QWidget* owner) : QDialog(owner) {}

TForm::~TForm() {
    auto& s = Stack();
    s.erase(std::remove(s.begin(), s.end(), this), s.end());
}

void TForm::SetModalResult(int result) {
    modalResult_ = result;
    if (result != mrNone && inModal_ && !inButtonClick_)
        done(result);
}

void TForm::Activate() {
    RunGuarded([this] { FormActivate(); });
}

void TForm::ConnectModalButtonImpl(QAbstractButton* button, int result,
                                   std::function<void()> handler) {
    connect(button, &QAbstractButton::clicked, this, [this, result, handler] {
        inButtonClick_ = true;
        modalResult_ = result;
        RunGuarded(handler);
        inButtonClick_ = false;
        if (modalResult_ != mrNone && inModal_)
            done(modalResult_);
    });
}

int TForm::ShowModal() {
    const Dialogs::Open open;
    ActiveForms::Push(this);
    BeginModal();
    Activate();
    int result;
    if (auto* responder = dynamic_cast<DialogResponder*>(Dialogs::Responder()))
        result = responder->Modal(*this);
    else
        result = RunModalLoop();
    EndModal();
    ActiveForms::Pop(this);
    ActiveForms::ReactivateTop();
    return result;
}

void TForm::BeginModal() {
    if (QWidget* last = focusWidget())
        last->clearFocus();
    modalResult_ = mrNone;
    inModal_ = true;
}

int TForm::RunModalLoop() {
    exec();
    return modalResult_ == mrNone ? mrCancel : modalResult_;
}

void TForm::EndModal() {
    inModal_ = false;
    if (modalResult_ == mrNone)
        modalResult_ = mrCancel;
    if (isVisible())
        hide();
}

void TForm::done(int r) {
    // Closing by the window's close box (or Escape) gives mrCancel, as the
    // class library does for a form without a chosen result.
    if (r == QDialog::Rejected && modalResult_ == mrNone)
        modalResult_ = mrCancel;
    else if (r != QDialog::Rejected)
        modalResult_ = r;
    QDialog::done(modalResult_);
}

TMainForm::TMainForm(QWidget* owner) : QMainWindow(owner) {}

TMainForm::~TMainForm() {
    auto& s = Stack();
    s.erase(std::remove(s.begin(), s.end(), this), s.end());
}

void TMainForm::Activate() {
    RunGuarded([this] { FormActivate(); });
}

void CentreOnScreen(QWidget* form) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // Equal margins: QRect::center() would stand a pixel left of and above
        // the middle of an area of even size.
        const QRect area = screen->availableGeometry();
        form->move(area.left() + (area.width() - form->width()) / 2,
                   area.top() + (area.height() - form->height()) / 2);
    }
}

namespace {
int& CursorState() {
    static int cursor = crDefault;
    return cursor;
}
}  // namespace

void Screen::SetCursor(int cursor) {
    int& state = CursorState();
    if (cursor == state)
        return;
    if (qApp) {
        if (state != crDefault)
            QApplication::restoreOverrideCursor();
        if (cursor == crHourGlass)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    state = cursor;
}

int Screen::Cursor() {
    return CursorState();
}
