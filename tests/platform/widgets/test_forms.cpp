#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/widgets/Forms.h"
#include "platform/widgets/Handlers.h"
#include "platform/widgets/QtBoxes.h"
#include "tests/support/RecordingResponder.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

// A dialog with an OK button whose handler may refuse to close.
class SampleForm : public TForm {
public:
    SampleForm() {
        ok = new QPushButton("&Ok", this);
        cancel = new QPushButton("&Cancel", this);
        ConnectModalButton(ok, mrOk, this, &SampleForm::btnOkClick);
        ConnectModalButton(cancel, mrCancel);
    }
    void FormActivate() override { ++activations; }
    void btnOkClick() {
        ++okClicks;
        if (refuse)
            SetModalResult(mrNone);
    }
    QPushButton* ok;
    QPushButton* cancel;
    bool refuse = false;
    int okClicks = 0;
    int activations = 0;
};

class Thrower : public QObject {
public:
    void Fail() { throw EConvertError("'x' is not a valid integer value"); }
};

class FormsTest : public ::testing::Test {
protected:
    void TearDown() override { ActiveForms::Clear(); }
    RecordingResponder responder;
};

TEST_F(FormsTest, ButtonModalResultClosesUnlessTheHandlerResetsIt) {
    SampleForm form;
    responder.QueueForm([](TForm& f) {
        auto& s = static_cast<SampleForm&>(f);
        s.refuse = true;
        s.ok->click();
        EXPECT_EQ(s.ModalResult(), mrNone);  // still open
        s.refuse = false;
        s.ok->click();
        return s.ModalResult();
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(form.okClicks, 2);
    EXPECT_EQ(form.activations, 1);
}

TEST_F(FormsTest, ClosingWithoutAResultGivesCancel) {
    SampleForm form;
    responder.QueueForm([](TForm& f) {
        f.close();
        return f.ModalResult();
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
}

class SampleMainForm : public TMainForm {
public:
    void FormActivate() override { ++activations; }
    int activations = 0;
};

TEST_F(FormsTest, ClosingAModalFormActivatesTheMainWindowBelow) {
    SampleMainForm main;
    SampleForm dialog, above;
    ActiveForms::Push(&main);
    responder.QueueForm([&](TForm& f) {
        // A dialog over the dialog: its closing does not re-run the dialog's
        // activation, which belongs to its own showing.
        responder.QueueForm([](TForm& g) { return g.ModalResult(); });
        above.ShowModal();
        return f.ModalResult();
    });
    dialog.ShowModal();
    EXPECT_EQ(dialog.activations, 1);
    EXPECT_EQ(above.activations, 1);
    EXPECT_EQ(main.activations, 1);
    // A question is a form of its own; a plain message box is not.
    MessageDlg("Sure?", BoxIcon::Question, BoxButtons::YesNo);
    EXPECT_EQ(main.activations, 2);
    Dialogs::MessageBox("Note", "Message");
    EXPECT_EQ(main.activations, 2);
}

TEST_F(FormsTest, BoxesReachTheResponderWithTheirParts) {
    responder.QueueAnswer(mrNo);
    EXPECT_EQ(MessageDlg("Do you want to save this task?", BoxIcon::Question, BoxButtons::YesNo),
              mrNo);
    ASSERT_EQ(responder.Boxes().size(), 1u);
    const BoxRequest& box = responder.Boxes()[0];
    EXPECT_EQ(box.caption, "Confirm");
    EXPECT_EQ(box.text, "Do you want to save this task?");
    EXPECT_EQ(box.icon, BoxIcon::Question);
    EXPECT_EQ(box.buttons, BoxButtons::YesNo);
}

TEST_F(FormsTest, InputBoxGivesTheDefaultWhenCancelled) {
    responder.QueueInput("1450");
    responder.QueueInput("ignored", mrCancel);
    EXPECT_EQ(Dialogs::InputBox("Input required", "Please type the Hijri year.", "1400"), "1450");
    EXPECT_EQ(Dialogs::InputBox("Input required", "Please type the Hijri year.", "1400"), "1400");
}

TEST_F(FormsTest, AnExceptionEscapingAHandlerIsShownAndTheProgramGoesOn) {
    Dialogs::SetApplicationTitle("Miravel 4.3");
    QPushButton button;
    Thrower thrower;
    OnEvent(&button, &QPushButton::clicked, &thrower, &Thrower::Fail);
    button.click();
    ASSERT_EQ(responder.Boxes().size(), 1u);
    EXPECT_EQ(responder.Boxes()[0].caption, "Miravel 4.3");
    EXPECT_EQ(responder.Boxes()[0].text, "'x' is not a valid integer value");
    EXPECT_EQ(responder.Boxes()[0].icon, BoxIcon::Error);
}

// Without a responder the boxes are Qt's own. One shown while a window that
// stays on top is up (the diary's splash) comes above it.
TEST(QtBoxes, ABoxShownWhileTheSplashIsUpComesAboveIt) {
    const struct {
        bool splashShown;
        bool boxOnTop;
    } cases[] = {{true, true}, {false, false}};
    ASSERT_EQ(Dialogs::Responder(), nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.splashShown);
        QWidget splash(nullptr, Qt::SplashScreen | Qt::WindowStaysOnTopHint);
        if (c.splashShown)
            splash.show();
        bool seen = false, onTop = false;
        // Runs inside the box's own event loop: looks at the box and closes it.
        QTimer::singleShot(0, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box || !box->isVisible())
                    continue;
                seen = true;
                onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
                box->button(QMessageBox::Ok)->click();
            }
        });
        EXPECT_EQ(Dialogs::MessageBox("Cannot open events.dat file", "Error"), mrOk);
        EXPECT_TRUE(seen);
        EXPECT_EQ(onTop, c.boxOnTop);
    }
}

// A box is wide enough for its caption: the caption in the title bar's bold
// font, beside the icon and three buttons of a title bar (at least 120
// pixels), however short the message is.
TEST(QtBoxes, ABoxIsWideEnoughForItsCaption) {
    ASSERT_EQ(Dialogs::Responder(), nullptr);
    const char* const captions[] = {"Error", "Message",
                                    "Miravel 4.3 found a problem it cannot mend by itself"};
    for (const char* caption : captions) {
        SCOPED_TRACE(caption);
        int width = 0;
        QTimer::singleShot(0, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                    width = box->width();
                    box->button(QMessageBox::Ok)->click();
                }
        });
        Dialogs::MessageBox("Invalid Year", caption);
        QFont font = QApplication::font("QMdiSubWindowTitleBar");
        font.setBold(true);
        EXPECT_GE(width, QFontMetrics(font).horizontalAdvance(caption) + 120);
    }
}

// The box's place above the splash lasts while the splash shows: once it is
// hidden, the box stays open as an ordinary window.
TEST(QtBoxes, ABoxStaysOnTopOnlyWhileTheSplashShows) {
    ASSERT_EQ(Dialogs::Responder(), nullptr);
    QWidget splash(nullptr, Qt::SplashScreen | Qt::WindowStaysOnTopHint);
    splash.show();
    bool seen = false, onTopBefore = false, onTopAfter = true, windowOnTopAfter = true,
         openAfter = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = true;
        onTopBefore = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        splash.hide();
        onTopAfter = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        windowOnTopAfter = box->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
        openAfter = box->isVisible();
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(Dialogs::MessageBox("Cannot open events.dat file", "Error"), mrOk);
    ASSERT_TRUE(seen);
    EXPECT_TRUE(onTopBefore);
    EXPECT_FALSE(onTopAfter);
    EXPECT_FALSE(windowOnTopAfter);
    EXPECT_TRUE(openAfter);
}

// The save dialog opens on the suggested file's folder with its bare name,
// so that confirming it gives that file; a folder that is missing does not
// turn into part of the name.
TEST(QtBoxes, TheSaveDialogOffersTheSuggestedFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString present = QDir(folder.path()).filePath("January 2000.pdf");
    const QString missing = QDir(folder.path()).filePath("no such folder/January 2000.pdf");
    for (const QString& suggested : {present, missing}) {
        SCOPED_TRACE(suggested.toStdString());
        const std::unique_ptr<QFileDialog> dialog =
            CreateSaveFileDialog(nullptr, "Save Calendar As", suggested, "PDF Files (*.pdf)");
        EXPECT_EQ(dialog->windowTitle(), "Save Calendar As");
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        ASSERT_EQ(dialog->selectedFiles().size(), 1);
        const QFileInfo chosen(dialog->selectedFiles().constFirst());
        EXPECT_EQ(chosen.fileName(), "January 2000.pdf");
        EXPECT_TRUE(chosen.absoluteDir().exists());
        if (suggested == present) {
            EXPECT_EQ(chosen.absoluteFilePath(), present);
        }
    }
}

TEST_F(FormsTest, BusyCursorIsOneApplicationWideState) {
    Screen::SetCursor(crHourGlass);
    Screen::SetCursor(crHourGlass);
    EXPECT_EQ(Screen::Cursor(), crHourGlass);
    Screen::SetCursor(crDefault);
    EXPECT_EQ(Screen::Cursor(), crDefault);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Dialogs and main windows alike, of even and odd sizes: the margins left
// and right, and above and below, differ by a pixel at most.
TEST_F(FormsTest, CentredFormsStandInTheMiddleOfTheScreensFreeArea) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QSize size : {QSize(298, 184), QSize(373, 281), QSize(451, 424), QSize(1, 1)}) {
        SampleForm dialog;
        QMainWindow window;
        for (QWidget* form : {static_cast<QWidget*>(&dialog), static_cast<QWidget*>(&window)}) {
            SCOPED_TRACE(form->metaObject()->className());
            SCOPED_TRACE(std::to_string(size.width()) + " x " + std::to_string(size.height()));
            form->resize(size);
            CentreOnScreen(form);
            const QRect r = form->geometry();
            EXPECT_EQ(r.size(), size);
            EXPECT_LE(std::abs((r.left() - area.left()) - (area.right() - r.right())), 1);
            EXPECT_LE(std::abs((r.top() - area.top()) - (area.bottom() - r.bottom())), 1);
        }
    }
}

}  // namespace
