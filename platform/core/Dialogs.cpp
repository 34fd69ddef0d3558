#include "platform/core/Dialogs.h"

#include <QByteArray>

#include <cstdio>
#include <utility>

namespace {

// Where no widget layer shows boxes: each box is one line on standard
// error, answered as a box closed without a choice.
class StandardErrorBoxes : public BoxResponder {
public:
    BoxAnswer Box(const BoxRequest& r) override {
        const QByteArray line = ToQString(r.caption + ": " + r.text + "\n").toLocal8Bit();
        std::fputs(line.constData(), stderr);
        if (r.kind != BoxRequest::Kind::Message && r.kind != BoxRequest::Kind::Confirmation)
            return {mrCancel, {}};
        switch (r.buttons) {
        case BoxButtons::Ok:
            return {mrOk, {}};
        case BoxButtons::YesNo:
            return {mrNo, {}};
        case BoxButtons::OkCancel:
        case BoxButtons::YesNoCancel:
            break;
        }
        return {mrCancel, {}};
    }
};

BoxResponder*& CurrentResponder() {
    static BoxResponder* responder = nullptr;
    return responder;
}

BoxResponder*& CurrentPresenter() {
    static BoxResponder* presenter = nullptr;
    return presenter;
}

int& OpenCount() {
    static int count = 0;
    return count;
}

AnsiString& Title() {
    static AnsiString title;
    return title;
}

}  // namespace

BoxAnswer Dialogs::Ask(const BoxRequest& request) {
    const Open open;
    if (BoxResponder* responder = CurrentResponder())
        return responder->Box(request);
    if (BoxResponder* presenter = CurrentPresenter())
        return presenter->Box(request);
    static StandardErrorBoxes standardError;
    return standardError.Box(request);
}

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

Dialogs::Open::Open() {
    ++OpenCount();
}

Dialogs::Open::~Open() {
    --OpenCount();
}

bool Dialogs::AnyOpen() {
    return OpenCount() > 0;
}

void Dialogs::SetApplicationTitle(const AnsiString& title) {
    Title() = title;
}

AnsiString Dialogs::ApplicationTitle() {
    return Title();
}

void Dialogs::SetResponder(BoxResponder* responder) {
    CurrentResponder() = responder;
}

void Dialogs::ResetResponder() {
    CurrentResponder() = nullptr;
}

BoxResponder* Dialogs::Responder() {
    return CurrentResponder();
}

BoxResponder* Dialogs::SetPresenter(BoxResponder* presenter) {
    return std::exchange(CurrentPresenter(), presenter);
}

void ShowException(const std::exception& e) {
    Dialogs::MessageBox(e.what(), Dialogs::ApplicationTitle(), BoxButtons::Ok, BoxIcon::Error);
}
