#include "calendar/Projglob.h"
#include "diary/About.h"
#include "diary/ClickableImage.h"
#include "diary/CommandLine.h"
#include "diary/MainForm.h"
#include "tests/diary/MainWindowSandbox.h"
#include "tests/support/RecordingPrinter.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

TEST(MainWindowCommandLine, OnlyExactlyOneSelectsGeneralMode) {
    const struct {
        const char* text;
        bool general;
    } cases[] = {{"", false}, {"1", true}, {" 1", false}, {"1 ", false}, {"11", false}};
    for (const auto& c : cases)
        EXPECT_EQ(IsGeneralModeSwitch(c.text), c.general) << "'" << c.text << "'";
}

class MainWindowTest : public MainWindowSandbox {
protected:
    void SetUp() override {
        generalMode = 0;
        AboutBox = new TAboutBox;
        MainWindowSandbox::SetUp();
    }
    void TearDown() override {
        MainWindowSandbox::TearDown();
        delete AboutBox;
        AboutBox = nullptr;
        generalMode = 0;
    }

    QAction* Action(const char* name) const { return Find<QAction>(name); }
    // The pane that shows: "pnlHijri", "pnlToDo" or "pnlContact"; "" for none or several.
    std::string VisiblePane() const {
        std::string shown;
        for (const char* name : {"pnlHijri", "pnlToDo", "pnlContact"})
            if (!Find<QFrame>(name)->isHidden())
                shown += shown.empty() ? name : "+";
        return shown.find('+') == std::string::npos ? shown : "";
    }
    // The "&View" item that is checked; "" for none or several.
    std::string CheckedView() const {
        std::string checked;
        int count = 0;
        for (const char* name : {"HijriCalendar1", "GregorianCalendar1", "ToDoList1", "Contacts1"})
            if (Action(name)->isChecked()) {
                checked = name;
                ++count;
            }
        return count == 1 ? checked : "";
    }
    static void SendMouse(QWidget* w, QEvent::Type type) {
        const Qt::MouseButton button =
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(type, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    }
};

TEST_F(MainWindowTest, WindowAndToolBar) {
    EXPECT_EQ(form->windowTitle(), "Miravel v4.4");
    EXPECT_EQ(form->width(), 632);
    EXPECT_EQ(form->height() - form->menuBar()->sizeHint().height(), 434);
    EXPECT_EQ(Find<QFrame>("Panel1")->maximumHeight(), 36);
    EXPECT_EQ(Find<QStatusBar>("StatusBar1")->maximumHeight(), 24);
    EXPECT_EQ(Find<QStatusBar>("StatusBar1")->currentMessage(), "");

    const struct {
        const char* name;
        int x;
        const char* hint;
    } buttons[] = {{"btnExit", 10, "Close Miravel"},
                   {"btnPrint", 37, "Print"},
                   {"btnSalaatTimings", 79, "Salaat Timings"},
                   {"btnQiblaDirection", 106, "Qibla Direction"},
                   {"btnLocationEditor", 133, "Location Editor"},
                   {"btnWallPaper", 160, "Wall Paper"}};
    for (const auto& b : buttons) {
        auto* button = Find<QToolButton>(b.name);
        EXPECT_EQ(button->geometry(), QRect(b.x, 5, 26, 26)) << b.name;
        EXPECT_EQ(button->toolTip(), b.hint);
        EXPECT_TRUE(button->autoRaise());
        EXPECT_FALSE(button->icon().isNull()) << b.name;
        EXPECT_EQ(button->parentWidget()->objectName(), "Panel1");
    }

    auto* timer = Find<QTimer>("tmrSplash");
    EXPECT_EQ(timer, form->tmrSplash);
    EXPECT_EQ(timer->interval(), 3000);
    EXPECT_TRUE(timer->isActive());
    EXPECT_FALSE(timer->isSingleShot());
}

TEST_F(MainWindowTest, LeftBarAndPanes) {
    form->show();
    QApplication::processEvents();
    EXPECT_EQ(Find<QFrame>("pnlLeft")->width(), 75);
    EXPECT_EQ(Find<QFrame>("pnlLeft")->geometry().top(), 36);
    EXPECT_EQ(Find<QFrame>("pnlRight")->width(), 553);
    EXPECT_EQ(Find<QFrame>("pnlRight")->geometry().right(), 631);
    EXPECT_EQ(Find<QLabel>("Image1")->geometry(), Find<QFrame>("pnlLeft")->contentsRect());

    const struct {
        const char* picture;
        int top;
        const char* caption;
        QPoint at;
        const char* text;
    } items[] = {{"imgHijri", 24, "lblHijriCal", {3, 66}, "Hijri Calendar"},
                 {"imgEnglish", 105, "lblEnglishCal", {6, 144}, "Gregorian Calendar"},
                 {"imgToDoList", 189, "lblToDoList", {6, 231}, "To Do List"},
                 {"imgContacts", 270, "lblContact", {6, 315}, "Contacts"}};
    for (const auto& item : items) {
        auto* picture = Find<TClickableImage>(item.picture);
        EXPECT_EQ(picture->geometry(), QRect(15, item.top, 37, 37)) << item.picture;
        EXPECT_FALSE(picture->pixmap().isNull());
        auto* caption = Find<QLabel>(item.caption);
        EXPECT_EQ(caption->pos(), item.at) << item.caption;
        EXPECT_EQ(caption->text(), item.text);
        EXPECT_TRUE(caption->wordWrap());
        EXPECT_TRUE(caption->alignment() & Qt::AlignHCenter);
        EXPECT_EQ(caption->font().pixelSize(), 13);
        EXPECT_TRUE(caption->font().bold());
        EXPECT_EQ(caption->font().family(), "Liberation Sans");
    }

    const struct {
        const char* pane;
        const char* heading;
        const char* text;
    } panes[] = {{"pnlHijri", "lblCalendar", "   Hijri Calendar"},
                 {"pnlToDo", "Label4", "   To Do List"},
                 {"pnlContact", "lblContactTitle", "   Contacts"}};
    for (const auto& p : panes) {
        EXPECT_EQ(Find<QFrame>(p.pane)->geometry(), QRect(1, 1, 551, 370)) << p.pane;
        auto* heading = Find<QLabel>(p.heading);
        EXPECT_EQ(heading->parentWidget()->objectName(), p.pane);
        EXPECT_EQ(heading->text(), p.text);
        EXPECT_EQ(heading->geometry(), QRect(0, 0, 551, 29));
        EXPECT_EQ(heading->font().pixelSize(), 24);
        EXPECT_EQ(heading->palette().color(QPalette::WindowText), ToQColor(clGray));
    }
}

// The panes are laid out at the designed size: the window keeps it, so no
// part of it is ever left empty, and the left bar's picture covers the bar
// from the tool bar down to the status bar.
TEST_F(MainWindowTest, TheWindowKeepsItsDesignedSize) {
    form->show();
    form->resize(1000, 720);
    QApplication::processEvents();
    EXPECT_EQ(form->width(), 632);
    EXPECT_EQ(form->height() - form->menuBar()->sizeHint().height(), 434);
    auto* status = Find<QStatusBar>("StatusBar1");
    EXPECT_FALSE(status->isSizeGripEnabled());

    auto* bar = Find<QFrame>("pnlLeft");
    EXPECT_EQ(bar->mapTo(form.get(), bar->rect().bottomLeft()).y() + 1, status->geometry().top());
    auto* picture = Find<QLabel>("Image1");
    EXPECT_EQ(picture->geometry(), bar->contentsRect());
    EXPECT_GE(picture->pixmap().deviceIndependentSize().toSize().height(), picture->height());
}

TEST_F(MainWindowTest, MenuBar) {
    // Each menu's title, then its items by name and caption; "-" a separator.
    std::vector<std::string> lines;
    for (QAction* top : form->menuBar()->actions()) {
        lines.push_back(top->text().toStdString());
        for (QAction* item : top->menu()->actions())
            lines.push_back(item->isSeparator() ? "  -"
                                                : "  " + item->objectName().toStdString() + " " +
                                                      item->text().toStdString());
    }
    const std::vector<std::string> expected = {
        "&File",
        "  Print1 &Print...",
        "  PrintSetup1 P&rint Setup...",
        "  -",
        "  Exit1 E&xit",
        "&View",
        "  HijriCalendar1 &Hijri Calendar",
        "  GregorianCalendar1 &Gregorian Calendar",
        "  -",
        "  ToDoList1 &To Do List",
        "  Contacts1 &Contacts",
        "&Calendar",
        "  GotoYear1 &Goto Year...",
        "  -",
        "  AddHijriEvents1 Edit &Hijri Events...",
        "  AddEnglishEvents1 Edit English Events...",
        "&Tools",
        "  SalaatTimings1 &Salaat Timings...",
        "  LocationE1 &Qibla Direction...",
        "  -",
        "  LocationEditor1 &Location Editor...",
        "  WallPaper &Wall Paper...",
        "&Help",
        "  Contents1 &Contents",
        "  -",
        "  About1 &About...",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(Action("Print1")->shortcut(), QKeySequence("Ctrl+P"));
    for (const char* name : {"HijriCalendar1", "GregorianCalendar1", "ToDoList1", "Contacts1"})
        EXPECT_TRUE(Action(name)->isCheckable()) << name;
}

TEST_F(MainWindowTest, EachPaneShowsAloneWithItsMenuCheck) {
    const struct {
        int pane;
        const char* shown;
        const char* checked;
    } cases[] = {{0, "pnlHijri", "HijriCalendar1"},
                 {1, "pnlHijri", "GregorianCalendar1"},
                 {2, "pnlToDo", "ToDoList1"},
                 {3, "pnlContact", "Contacts1"}};
    for (const auto& c : cases) {
        form->ShowPane(c.pane);
        EXPECT_EQ(VisiblePane(), c.shown) << c.pane;
        EXPECT_EQ(CheckedView(), c.checked) << c.pane;
    }
    // Numbers outside 0..3 change nothing.
    for (int pane : {-1, 4}) {
        form->ShowPane(pane);
        EXPECT_EQ(VisiblePane(), "pnlContact");
        EXPECT_EQ(CheckedView(), "Contacts1");
    }
}

TEST_F(MainWindowTest, TheGregorianPaneKeepsGotoYearAsThePreviousPaneLeftIt) {
    QAction* gotoYear = Action("GotoYear1");
    const struct {
        int before;
        bool enabled;
    } cases[] = {{0, true}, {2, false}, {3, false}};
    for (const auto& c : cases) {
        form->ShowPane(c.before);
        EXPECT_EQ(gotoYear->isEnabled(), c.enabled) << c.before;
        form->ShowPane(1);
        EXPECT_EQ(gotoYear->isEnabled(), c.enabled) << c.before;
    }
    form->ShowPane(0);
    EXPECT_TRUE(gotoYear->isEnabled());
}

TEST_F(MainWindowTest, MenuItemsAndPicturesSwitchPanes) {
    Action("ToDoList1")->trigger();
    EXPECT_EQ(VisiblePane(), "pnlToDo");
    Action("Contacts1")->trigger();
    EXPECT_EQ(VisiblePane(), "pnlContact");
    Action("GregorianCalendar1")->trigger();
    EXPECT_EQ(CheckedView(), "GregorianCalendar1");
    Action("HijriCalendar1")->trigger();
    EXPECT_EQ(CheckedView(), "HijriCalendar1");

    const struct {
        const char* picture;
        const char* shown;
        const char* checked;
    } pictures[] = {{"imgToDoList", "pnlToDo", "ToDoList1"},
                    {"imgEnglish", "pnlHijri", "GregorianCalendar1"},
                    {"imgContacts", "pnlContact", "Contacts1"},
                    {"imgHijri", "pnlHijri", "HijriCalendar1"}};
    for (const auto& p : pictures) {
        SendMouse(Find<TClickableImage>(p.picture), QEvent::MouseButtonPress);
        EXPECT_EQ(VisiblePane(), p.shown) << p.picture;
        EXPECT_EQ(CheckedView(), p.checked) << p.picture;
    }
}

TEST_F(MainWindowTest, EveryActivationBringsBackTheHijriPane) {
    form->ShowPane(2);
    form->FormActivate();
    EXPECT_EQ(CheckedView(), "HijriCalendar1");

    // Closing the about box hands the activation back to the main window.
    ActiveForms::Push(form.get());
    form->ShowPane(3);
    responder->QueueForm([](TForm& f) {
        EXPECT_EQ(&f, AboutBox);
        f.findChild<QPushButton*>("OKButton")->click();
        return f.ModalResult();
    });
    Action("About1")->trigger();
    EXPECT_EQ(responder->ModalCount(), 1);
    EXPECT_EQ(VisiblePane(), "pnlHijri");
    EXPECT_EQ(CheckedView(), "HijriCalendar1");
    EXPECT_TRUE(Action("GotoYear1")->isEnabled());
}

TEST_F(MainWindowTest, SideCaptionsLightUpUnderTheMouse) {
    const char* captions[] = {"lblHijriCal", "lblEnglishCal", "lblToDoList", "lblContact"};
    auto colours = [&] {
        std::vector<QColor> c;
        for (const char* name : captions)
            c.push_back(Find<QLabel>(name)->palette().color(QPalette::WindowText));
        return c;
    };
    const QColor white = ToQColor(0xFFFFFF), grey = ToQColor(0x808080);
    for (int n = 0; n <= 4; ++n) {
        form->HighlightSideCaption(n);
        std::vector<QColor> expected(4, grey);
        if (n < 4)
            expected[n] = white;
        EXPECT_EQ(colours(), expected) << n;
    }

    const char* pictures[] = {"imgHijri", "imgEnglish", "imgToDoList", "imgContacts"};
    for (int n = 0; n < 4; ++n) {
        SendMouse(Find<TClickableImage>(pictures[n]), QEvent::MouseMove);
        EXPECT_EQ(colours()[n], white) << pictures[n];
    }
    SendMouse(Find<TClickableImage>("Image1"), QEvent::MouseMove);
    EXPECT_EQ(colours(), std::vector<QColor>(4, grey));
}

TEST_F(MainWindowTest, HelpTextNamesTheSiteOfTheMode) {
    const struct {
        int mode;
        const char* address;
    } cases[] = {{1, "https://miravel.example.org/"},
                 {0, "https://miravel.example.org/community/"}};
    for (const auto& c : cases) {
        generalMode = c.mode;
        responder->Clear();
        Action("Contents1")->trigger();
        ASSERT_EQ(responder->Boxes().size(), 1u);
        const BoxRequest& box = responder->Boxes()[0];
        EXPECT_EQ(box.caption, "Message");
        EXPECT_EQ(box.text, std::string("Help for Miravel 3.0 is available on the World Wide "
                                        "Web.\n\t") +
                                c.address +
                                ".\n\nThis way you will always get the updated help file for "
                                "Miravel\n\nThank you,\nThe Miravel team.");
        EXPECT_EQ(box.buttons, BoxButtons::Ok);
        EXPECT_EQ(box.icon, BoxIcon::None);
        EXPECT_FALSE(box.owned);
    }
}

TEST_F(MainWindowTest, WallPaperStartsTheOutsideProgram) {
    Action("WallPaper")->trigger();
    Find<QToolButton>("btnWallPaper")->click();
    EXPECT_EQ(shell->started, (std::vector<AnsiString>{"images.exe", "images.exe"}));
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(MainWindowTest, ExitClosesTheWindow) {
    for (const char* how : {"menu", "button"}) {
        form->show();
        ASSERT_TRUE(form->isVisible());
        if (std::string(how) == "menu")
            Action("Exit1")->trigger();
        else
            Find<QToolButton>("btnExit")->click();
        EXPECT_FALSE(form->isVisible()) << how;
    }
}

TEST_F(MainWindowTest, TheSettingsKeyLivesAsLongAsTheWindow) {
    EXPECT_EQ(ListItemPadding, AnsiString(54, ' '));
    ASSERT_NE(SettingsRegistry, nullptr);
    EXPECT_TRUE(SettingsRegistry->IsOpen());
    WriteSettingString("ShowMessage", "0");

    form.reset();
    EXPECT_EQ(SettingsRegistry, nullptr);
    EXPECT_EQ(ReadSettingString("ShowMessage", "1"), "1");  // no key open

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(SettingsKey, false));
    EXPECT_EQ(reg.ReadString("ShowMessage"), "0");
}

}  // namespace

#include "locations/Location.h"
#include "locations/Qibla.h"
#include "locations/Salaat.h"

namespace {

// The Tools commands and their tool-bar buttons open the place forms; the
// editor is made for each use, the prayer times and qibla forms are reused.
TEST_F(MainWindowTest, ToolsOpenThePlaceForms) {
    frmSalaat = new TfrmSalaat;
    frmQibla = new TfrmQibla;
    std::vector<std::string> opened;
    auto record = [&](TForm& f) {
        opened.push_back(f.metaObject()->className());
        return mrOk;
    };
    for (int i = 0; i < 6; ++i)
        responder->QueueForm(record);
    Action("SalaatTimings1")->trigger();
    Find<QToolButton>("btnSalaatTimings")->click();
    Action("LocationE1")->trigger();
    Find<QToolButton>("btnQiblaDirection")->click();
    Action("LocationEditor1")->trigger();
    Find<QToolButton>("btnLocationEditor")->click();
    const std::vector<std::string> expected = {"TfrmSalaat", "TfrmSalaat",   "TfrmQibla",
                                               "TfrmQibla",  "TfrmLocation", "TfrmLocation"};
    EXPECT_EQ(opened, expected);
    EXPECT_EQ(form->findChildren<TfrmLocation*>().size(), 0u);  // freed after each use
    delete frmSalaat;
    delete frmQibla;
    frmSalaat = nullptr;
    frmQibla = nullptr;
}

}  // namespace

#include "diary/print/CalPrint.h"
#include "platform/widgets/Printer.h"

namespace {

TEST_F(MainWindowTest, PrintingFromTheCalendarPaneOnly) {
    RecordingPrinter printer;
    frmPrint = new TfrmPrint;
    form->ShowPane(2);
    Action("Print1")->trigger();
    EXPECT_EQ(responder->Texts().back(), "You can only print Calendar in this version of Miravel");
    EXPECT_TRUE(printer.calls.empty());

    form->ShowPane(0);
    responder->QueueForm([](TForm& f) {
        f.findChild<QPushButton*>("btnFinish")->click();
        return f.ModalResult();
    });
    Find<QToolButton>("btnPrint")->click();
    EXPECT_EQ(printer.calls, (std::vector<std::string>{"BeginDoc landscape", "EndDoc"}));
    EXPECT_EQ(Screen::Cursor(), crDefault);
    delete frmPrint;
    frmPrint = nullptr;
}

}  // namespace

#include "diary/calendar/calEvent.h"

namespace {

TEST_F(MainWindowTest, TheCalendarMenuOpensTheEventEditorInItsMode) {
    frmEvents = new TfrmEvents;
    std::vector<std::string> titles;
    for (int i = 0; i < 2; ++i)
        responder->QueueForm([&](TForm& f) {
            titles.push_back(f.findChild<QLabel*>("pnlTitle")->text().trimmed().toStdString());
            return mrOk;
        });
    Action("AddHijriEvents1")->trigger();
    Action("AddEnglishEvents1")->trigger();
    EXPECT_EQ(titles, (std::vector<std::string>{"Hijri Events", "Gregorian Events"}));
    delete frmEvents;
    frmEvents = nullptr;
}

}  // namespace
