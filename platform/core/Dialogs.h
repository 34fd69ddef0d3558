// The one seam through which every message box, input box and file dialog
// of the programs runs; modal forms and the class library's questions run
// through it too (platform/widgets/Forms.h). A box goes to the installed
// responder when there is one (a test's, which records each box and answers
// it), else to the presenter that shows it: Qt's dialogs, which the
// application object installs. A program without the widget layer (the
// build's data tools) writes a box to standard error instead.
#pragma once

#include "platform/core/AnsiString.h"

#include <QString>

#include <exception>
#include <vector>

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

// Answers boxes: a test's responder, or the presenter that shows them.
class BoxResponder {
public:
    virtual ~BoxResponder() = default;
    virtual BoxAnswer Box(const BoxRequest& request) = 0;
};

class Dialogs {
public:
    // A box with the buttons given; returns the modal result of the button
    // pressed (mrCancel or mrNo when closed otherwise).
    static int MessageBox(const AnsiString& text, const AnsiString& caption,
                          BoxButtons buttons = BoxButtons::Ok, BoxIcon icon = BoxIcon::None,
                          bool owned = true);
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
    // Any box, as asked: the responder's answer, else the presenter's.
    static BoxAnswer Ask(const BoxRequest& request);

    // Counts a box or a modal form as open while it lives.
    class Open {
    public:
        Open();
        ~Open();
        Open(const Open&) = delete;
        Open& operator=(const Open&) = delete;
    };
    // Whether a box, file dialog or modal form is open: what runs now runs
    // inside its modal loop.
    static bool AnyOpen();

    // The caption of the application's exception box.
    static void SetApplicationTitle(const AnsiString& title);
    static AnsiString ApplicationTitle();

    static void SetResponder(BoxResponder* responder);
    static void ResetResponder();
    static BoxResponder* Responder();
    // What shows the boxes that no responder answers (nullptr: standard
    // error); returns the presenter it replaces.
    static BoxResponder* SetPresenter(BoxResponder* presenter);
};

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
