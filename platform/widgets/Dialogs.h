// The one seam through which every message box, question, input box and
// modal form of the programs runs. By default Qt's dialogs are shown; a test
// installs a responder that records each box and answers it, and that drives
// modal forms.
#pragma once

#include "platform/core/AnsiString.h"

#include <QString>

#include <memory>
#include <vector>

class QFileDialog;
class QWidget;
class TForm;

// Modal results, valued as the class library's.
enum TModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
};

enum class BoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class BoxIcon { None, Error, Warning, Information, Question };

struct BoxRequest {
    enum class Kind { Message, Confirmation, Input, OpenFile, SaveFile };
    Kind kind = Kind::Message;
    AnsiString caption;
    AnsiString text;  // the message, the input box's prompt, or the file filters (";;")
    BoxButtons buttons = BoxButtons::Ok;
    BoxIcon icon = BoxIcon::None;
    bool owned = true;        // false for boxes without an owner window
    AnsiString defaultValue;  // input boxes: the text they start with
    QString path;             // save-file dialogs: the file suggested
};

struct BoxAnswer {
    int result = mrOk;  // the button pressed
    AnsiString text;    // input boxes: the text typed
    QString path = {};  // file dialogs: the file picked, a path in full Unicode
};

class DialogResponder {
public:
    virtual ~DialogResponder() = default;
    virtual BoxAnswer Box(const BoxRequest& request) = 0;
    // Runs a modal form (already activated) and returns its modal result.
    virtual int Modal(TForm& form) = 0;
};

class Dialogs {
public:
    // A box with the buttons given; returns the modal result of the button
    // pressed (mrCancel or mrNo when closed otherwise).
    static int MessageBox(const AnsiString& text, const AnsiString& caption,
                          BoxButtons buttons = BoxButtons::Ok, BoxIcon icon = BoxIcon::None,
                          bool owned = true);
    // The class library's MessageDlg: a form of its own, captioned by its icon
    // ("Confirm", "Error", "Warning", "Information"). Its closing hands the
    // activation back to the form below, as every modal form does.
    static int MessageDlg(const AnsiString& text, BoxIcon icon, BoxButtons buttons);
    // The text typed, or `defaultValue` when the box is cancelled.
    static AnsiString InputBox(const AnsiString& caption, const AnsiString& prompt,
                               const AnsiString& defaultValue);
    // The open-file dialog: the full name of the existing file picked (a
    // file-system path, so not narrowed to the code page), or the empty text
    // when cancelled. Filters as "Wave File (*.wav)".
    static QString OpenFile(const AnsiString& caption, const std::vector<AnsiString>& filters);
    // The save-file dialog, starting on `suggested` (its folder and name):
    // the full name chosen, or the empty text when cancelled. A name typed
    // without a suffix gets the suggested one.
    static QString SaveFile(const AnsiString& caption, const QString& suggested,
                            const AnsiString& filter);
    // Activates the form, runs it modally, hands the activation back to the
    // form below and returns the form's modal result.
    static int ShowModal(TForm& form);
    // Whether a box, file dialog or modal form is open: what runs now runs
    // inside its modal loop.
    static bool AnyOpen();

    // The caption of the application's exception box.
    static void SetApplicationTitle(const AnsiString& title);
    static AnsiString ApplicationTitle();

    static void SetResponder(DialogResponder* responder);
    static void ResetResponder();
    static DialogResponder* Responder();
};

// Qt's save-file dialog as SaveFile shows it, not yet shown: on the folder
// of the file suggested, with the file's bare name typed in.
std::unique_ptr<QFileDialog> CreateSaveFileDialog(QWidget* owner, const AnsiString& caption,
                                                  const QString& suggested,
                                                  const AnsiString& filter);

// The application's exception box: the exception's message under the
// application's title, with the error icon.
void ShowException(const std::exception& e);
// Runs f; an exception that escapes it is shown by ShowException. Every event
// handler runs through this, as the class library's message loop does.
template <class F> void RunGuarded(F&& f) {
    try {
        f();
    } catch (const std::exception& e) {
        ShowException(e);
    }
}
