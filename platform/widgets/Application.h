// The application object: its title, the long-lived forms in their order of
// creation (the first becomes the main window), the message loop and the
// exception box.
#pragma once

#include "platform/core/AnsiString.h"
#include "platform/widgets/QtBoxes.h"

#include <QApplication>

#include <exception>
#include <vector>

class QWidget;

class TApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    void SetTitle(const AnsiString& title);
    AnsiString Title() const;

    // Creates a form owned by the application; the first one becomes the main window.
    template <class F> void CreateForm(F*& form) {
        form = new F(nullptr);
        Adopt(form);
    }
    // Takes ownership of a form made elsewhere (freed at exit, newest first).
    void Adopt(QWidget* form);
    QWidget* MainForm() const { return mainForm_; }

    // Shows the main window (unless ShowMainForm is false), activates it and
    // runs the message loop until the program ends.
    int Run();
    void Terminate();
    bool ShowMainForm = true;

    void ShowException(const std::exception& e);
    int MessageBox(const AnsiString& text, const AnsiString& caption);

    // The program's arguments joined by blanks, as the command line would give them.
    AnsiString CommandLine() const;

private:
    QApplication* app_;
    QtBoxes boxes_;  // the dialog seam's presenter while the application runs
    std::vector<QWidget*> forms_;
    QWidget* mainForm_ = nullptr;
};

extern TApplication* Application;
