// Forms as the programs know them: dialogs with a modal result, a main
// window, and the activation that a form receives when it is shown and each
// time a modal form over it closes. A modal form runs through the dialog
// seam: a responder that drives forms (a test's) runs it in place of its
// own modal loop.
#pragma once

#include "platform/core/Dialogs.h"

#include <QDialog>
#include <QMainWindow>

#include <functional>

class QAbstractButton;
class TForm;

// A responder that also drives the modal forms.
class DialogResponder : public BoxResponder {
public:
    // Runs a modal form (already activated) and returns its modal result.
    virtual int Modal(TForm& form) = 0;
};

// The class library's MessageDlg: a form of its own, captioned by its icon
// ("Confirm", "Error", "Warning", "Information"). Its closing hands the
// activation back to the form below, as every modal form does.
int MessageDlg(const AnsiString& text, BoxIcon icon, BoxButtons buttons);

// Anything that receives activations.
class TActivatable {
public:
    virtual ~TActivatable() = default;
    virtual void Activate() = 0;
    // Whether the closing of a modal form over it activates it again. The
    // main window is activated at every return; a dialog only when it is shown.
    virtual bool ActivatedOnReturn() const { return false; }
};

// The forms in the order they became active: the main window, then each
// modal form over it. Closing a modal form (or a question) hands the
// activation back to the one below.
class ActiveForms {
public:
    static void Push(TActivatable* form);
    static void Pop(TActivatable* form);
    static void ReactivateTop();
    static void Clear();
};

class TForm : public QDialog, public TActivatable {
    Q_OBJECT
public:
    explicit TForm(QWidget* owner = nullptr);
    ~TForm() override;

    // Activates the form, runs it modally, hands the activation back to the
    // form below and returns the form's modal result.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    // A non-zero result closes a form that runs modally.
    void SetModalResult(int result);

    // Runs FormActivate; an exception is shown as by the message loop.
    void Activate() override;
    virtual void FormActivate() {}

    // A button with a modal result: a click sets the form's modal result, runs
    // the handler (which may set it back to mrNone to keep the form open) and
    // then closes the form when the result is still set.
    template <class R>
    void ConnectModalButton(QAbstractButton* button, int result, R* receiver,
                            void (R::*handler)()) {
        ConnectModalButtonImpl(button, result, [receiver, handler] { (receiver->*handler)(); });
    }
    void ConnectModalButton(QAbstractButton* button, int result) {
        ConnectModalButtonImpl(button, result, [] {});
    }

protected:
    void done(int r) override;

private:
    // Each run starts on the form's first control, as a new form does: the
    // control the last run left the focus on is forgotten, and the window's
    // activation gives the focus to the first control of the tab order
    // (unless FormActivate chose one).
    void BeginModal();
    int RunModalLoop();
    void EndModal();
    void ConnectModalButtonImpl(QAbstractButton* button, int result, std::function<void()> handler);

    int modalResult_ = mrNone;
    bool inModal_ = false;
    bool inButtonClick_ = false;
};

class TMainForm : public QMainWindow, public TActivatable {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* owner = nullptr);
    ~TMainForm() override;

    void Activate() override;
    bool ActivatedOnReturn() const override { return true; }
    virtual void FormActivate() {}
};

// Puts the form in the middle of the primary screen's free area, as the
// forms that open centred on the screen ask; called once the form has its size.
void CentreOnScreen(QWidget* form);

// The screen's cursor, application-wide.
enum TCursor : int { crDefault = 0, crHourGlass = -11 };
class Screen {
public:
    static void SetCursor(int cursor);
    static int Cursor();
};
