// The three panes of the main window on a dark desktop. The forms fix the
// colours of many texts (navy day numbers, black list texts, red dates); each
// such text must stand on the background its colour was chosen for, so that
// it reads as it does on the light desktop the forms were designed on. The
// contrast is measured on the rendered pixels.
#include "platform/widgets/FormResource.h"
#include "platform/widgets/StringGrid.h"
#include "tests/diary/ContactFixture.h"
#include "tests/diary/EventFixture.h"
#include "tests/diary/MainWindowSandbox.h"
#include "tests/diary/TaskFixture.h"
#include "tests/support/Contrast.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct FixedText {
    const char* widget;
    QRect area;  // inside the widget; empty for the whole widget
    QColor ink;
    QColor designedBackground;
};

const QColor kNavy(0, 0, 128), kBlack(0, 0, 0), kRed(255, 0, 0), kGray(128, 128, 128),
    kWhite(255, 255, 255), kBlue(0, 0, 255), kGreen(0, 128, 0), kSilver(192, 192, 192),
    kYellow(255, 255, 0);

class DarkDesktopTest : public MainWindowSandbox {
protected:
    void SetUp() override {
        desktop = std::make_unique<DarkDesktop>();
        MainWindowSandbox::SetUp();
        form->show();
    }
    void TearDown() override {
        MainWindowSandbox::TearDown();
        desktop.reset();
    }

    // The cell's area of a grid, as a fixed text of that grid.
    FixedText Cell(const char* grid, int col, int row, QColor ink, QColor background) const {
        const TRect r = Find<TStringGrid>(grid)->CellRect(col, row);
        return {grid, QRect(r.Left, r.Top, r.Width(), r.Height()), ink, background};
    }
    // The cell of a month grid that shows this day number.
    FixedText Day(const char* grid, int day, QColor ink, QColor background) const {
        const TStringGrid* g = Find<TStringGrid>(grid);
        for (int row = 0; row < g->RowCount(); ++row)
            for (int col = 0; col < g->ColCount(); ++col)
                if (Trim(g->Cell(col, row)) == IntToStr(day))
                    return Cell(grid, col, row, ink, background);
        ADD_FAILURE() << "no day " << day << " in " << grid;
        return {grid, {}, ink, background};
    }

    // Renders the pane and measures each text on it.
    void ExpectReadable(const char* pane, const std::vector<FixedText>& texts) const {
        QWidget* panel = Find<QWidget>(pane);
        const QImage image = panel->grab().toImage();
        for (const FixedText& t : texts) {
            QWidget* w = Find<QWidget>(t.widget);
            // Grid cells lie in the grid's viewport.
            auto* grid = qobject_cast<TStringGrid*>(w);
            QWidget* surface = grid && !t.area.isEmpty() ? grid->viewport() : w;
            const QRect local = t.area.isEmpty() ? w->rect() : t.area;
            const QRect area(surface->mapTo(panel, local.topLeft()), local.size());
            const double designed = Contrast(t.ink, t.designedBackground);
            EXPECT_GE(TextContrast(image, area, t.ink), 0.9 * std::min(4.5, designed))
                << t.widget << " at " << local.x() << "," << local.y();
        }
    }

    std::unique_ptr<DarkDesktop> desktop;
};

TEST_F(DarkDesktopTest, EveryFixedColourTextOfThePanesReads) {
    // Today, 2 Rajjab 1448, has an event, a birthday and tasks of each kind.
    WriteFile(HijriEventFileName,
              EventFileBytes({{HijriEventKey(7, 2), {"Day of the test"}}}, 355));
    WriteFile(GregorianEventFileName, EventFileBytes({}, 366));
    WriteFile(ContactFileName, FileOf({Contact("Amina", "Rahman", DayMonth(2, 7))}));
    TTaskRecord low = Task(0, "Low task", kToday), late = Task(1, "Late task", TMisri(1, 7, 1448)),
                done = Task(2, "Done task", kToday);
    low.priority = 1;
    late.priority = 3;
    done.completed = 1;
    WriteFile(TaskFileName, FileOf({low, late, done}));
    const QColor face = DesignedPalette().color(QPalette::Window);

    form->ShowPane(0);
    ExpectReadable("pnlHijri", {
                                   {"lblCalendar", {}, kGray, face},
                                   {"lblHijriMonth", {}, kNavy, face},
                                   {"lblCorrespondingDate", {}, kRed, face},
                                   {"lblEvents", {}, kNavy, face},
                                   {"lblBirthAnniversary", {}, kNavy, face},
                                   Cell("grdHijriTitle", 1, 0, kWhite, kNavy),
                                   Day("grdHijri", 9, kNavy, kWhite),
                                   Cell("grdHijriEvents", 1, 0, kBlack, kWhite),
                                   Cell("grdBirth", 2, 0, kBlack, kWhite),
                               });

    form->ShowPane(2);
    ExpectReadable("pnlToDo", {
                                  {"Label4", {}, kGray, face},
                                  {"lblToDoDayNumber", {}, kWhite, kNavy},
                                  {"lblToDoDayName", {}, kNavy, face},
                                  {"lblToDoMonth", {}, kNavy, kWhite},
                                  {"lblToDoEngDate", {}, kRed, face},
                                  {"Label5", {}, kBlack, face},
                                  Cell("grdToDoCal", 1, 0, kWhite, kNavy),  // a letter
                                  Day("grdToDoCal", 9, kBlack, kWhite),
                                  Day("grdToDoCal", 5, kRed, kWhite),     // a Sunday
                                  Day("grdToDoCal", 2, kBlack, kYellow),  // today
                                  Cell("grdToDo", 1, 0, kGreen, kWhite),
                                  Cell("grdToDo", 2, 0, kBlack, kWhite),
                                  Cell("grdToDo", 1, 1, kRed, kWhite),
                                  Cell("grdToDo", 2, 1, kRed, kWhite),
                                  Cell("grdToDo", 1, 2, kBlue, kWhite),
                                  Cell("grdToDo", 2, 2, kGray, kSilver),
                                  Cell("grdToDo", 3, 0, kBlack, kWhite),
                              });

    form->ShowPane(3);
    ExpectReadable("pnlContact", {
                                     {"lblContactTitle", {}, kGray, face},
                                     {"lblNameCaption", {}, kNavy, face},
                                     {"lblWebCaption", {}, kNavy, face},
                                     {"lblName", {}, kBlack, face},
                                     {"lblBirth", {}, kBlack, face},
                                 });
}

}  // namespace
