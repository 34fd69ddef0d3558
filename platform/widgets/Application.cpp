#include "platform/widgets/Application.h"

#include "platform/core/Dialogs.h"
#include "platform/widgets/Forms.h"

#include <QWidget>

TApplication* Application = nullptr;

namespace {

// Exceptions that escape an event are shown and the loop goes on.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            ::ShowException(e);
        }
        return false;
    }
};

}  // namespace

TApplication::TApplication(int& argc, char** argv) : app_(new GuardedApplication(argc, argv)) {
    Application = this;
    Dialogs::SetPresenter(&boxes_);
}

TApplication::~TApplication() {
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
        delete *it;
    forms_.clear();
    ActiveForms::Clear();
    Dialogs::SetPresenter(nullptr);
    if (Application == this)
        Application = nullptr;
    delete app_;
}

void TApplication::SetTitle(const AnsiString& title) {
    Dialogs::SetApplicationTitle(title);
}

AnsiString TApplication::Title() const {
    return Dialogs::ApplicationTitle();
}

void TApplication::Adopt(QWidget* form) {
    forms_.push_back(form);
    if (!mainForm_)
        mainForm_ = form;
}

int TApplication::Run() {
    if (mainForm_ && ShowMainForm) {
        mainForm_->show();
        if (auto* target = dynamic_cast<TActivatable*>(mainForm_)) {
            ActiveForms::Push(target);
            target->Activate();
        }
    }
    return QApplication::exec();
}

void TApplication::Terminate() {
    QApplication::quit();
}

void TApplication::ShowException(const std::exception& e) {
    ::ShowException(e);
}

int TApplication::MessageBox(const AnsiString& text, const AnsiString& caption) {
    return Dialogs::MessageBox(text, caption, BoxButtons::Ok, BoxIcon::None, true);
}

AnsiString TApplication::CommandLine() const {
    QStringList args = QCoreApplication::arguments();
    if (!args.isEmpty())
        args.removeFirst();
    return FromQString(args.join(u' '));
}
