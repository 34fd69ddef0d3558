#include "calendar/Projglob.h"
#include "calendar/widgets/PickDate.h"
#include "locations/PrayerTimes.h"
#include "locations/Salaat.h"
#include "locations/records/LocationFile.h"
#include "tests/locations/SalaatFixture.h"
#include "tests/support/GridClicks.h"
#include "tests/support/Keyboard.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

class SalaatTest : public SalaatSandbox {
protected:
    void SetUp() override {
        SalaatSandbox::SetUp();
        Open({At(5, 0, 0), At(6, 0, 0), At(12, 10, 0), At(15, 30, 0), At(18, 0, 0), At(19, 30, 0)});
    }

    QLabel* Label(const char* name) const { return form->findChild<QLabel*>(name); }
    QString Text(const char* name) const {
        if (auto* edit = form->findChild<QLineEdit*>(name))
            return edit->text();
        return Label(name)->text();
    }
    QCheckBox* Daylight() const { return form->findChild<QCheckBox*>("chkDaylight"); }
    QListWidget* List() const { return form->findChild<QListWidget*>("lstMain"); }
    // The time rows as "caption value" pairs.
    std::vector<QString> Rows() const {
        static const char* const rows[][2] = {
            {"lblSehri2", "lblSehri"}, {"Label4", "lblFajar"}, {"Label1", "lblSunrise"},
            {"Label2", "lblZohar"},    {"lblAsr2", "lblAsr"},  {"lblMaghrib2", "lblMaghrib"},
            {"lblIsha2", "lblIsha"},
        };
        std::vector<QString> out;
        for (const auto& row : rows)
            if (!Label(row[1])->isHidden())
                out.push_back(Label(row[0])->text() + " " + Label(row[1])->text());
        return out;
    }
};

TEST_F(SalaatTest, CommunityRowsFromTheDaysTimes) {
    form->FormActivate();
    EXPECT_EQ(Rows(),
              std::vector<QString>({"Sehri: 04:50:00", "Fajar: 05:00:00", "Sunrise: 06:00:00",
                                    "Zohar: 12:10:00", "Zohar Ends: 14:10:00", "Asr Ends: 16:10:00",
                                    "Maghrib: 18:00:00"}));
    EXPECT_FALSE(form->findChild<QFrame*>("Bevel4")->isHidden());
}

TEST_F(SalaatTest, SpanDropsTheRemainderOfItsSeconds) {
    library.prayers[4] = At(6, 0, 0) + 43205 / 86400.0;  // 12 h 5 s after sunrise
    form->FormActivate();
    EXPECT_EQ(Text("lblAsr"), "14:10:00");
    EXPECT_EQ(Text("lblMaghrib"), "16:10:00");
    EXPECT_EQ(Text("lblIsha"), "18:00:05");
}

TEST_F(SalaatTest, SehriBeforeMidnightIsTheEveningBefore) {
    struct Case {
        double fajar;
        const char* sehri;
    };
    for (const Case& c : {Case{At(0, 4, 0), "23:54:00"}, Case{At(0, 0, 0), "23:50:00"},
                          Case{At(0, 9, 59), "23:59:59"}, Case{At(0, 10, 0), "00:00:00"},
                          Case{At(5, 0, 0), "04:50:00"}}) {
        library.prayers[0] = c.fajar;
        form->FormActivate();
        EXPECT_EQ(Text("lblSehri"), c.sehri) << Text("lblFajar").toStdString();
    }
}

TEST_F(SalaatTest, GeneralModeShowsSixTimesWithoutSehri) {
    generalMode = 1;
    form->FormActivate();
    EXPECT_EQ(Rows(),
              std::vector<QString>({"Fajar: 05:00:00", "Sunrise: 06:00:00", "Zohar: 12:10:00",
                                    "Asr: 15:30:00", "Maghrib: 18:00:00", "Isha: 19:30:00"}));
    EXPECT_TRUE(Label("lblSehri2")->isHidden());
    EXPECT_TRUE(form->findChild<QFrame*>("Bevel4")->isHidden());
}

TEST_F(SalaatTest, StartsOnTodayAtTheDefaultPlace) {
    form->FormActivate();
    EXPECT_EQ(Text("txtMain"), "2 Rajjab, 1448");
    EXPECT_EQ(Text("lblEnglishDate"), "December 10, 2026");
    EXPECT_EQ(List()->currentItem()->text(), "New York City, USA");
    ASSERT_EQ(library.requests.size(), 1u);
    const auto& r = library.requests[0];
    EXPECT_EQ(std::tie(r.day, r.month, r.year), std::make_tuple(10, 12, 2026));
    EXPECT_EQ(r.latitude, 40.716667f);
    EXPECT_EQ(r.longitude, -73.966667f);
    EXPECT_EQ(r.timeZone, -5.0f);

    List()->setCurrentRow(0);  // Berlin
    EXPECT_EQ(library.requests.back().longitude, 13.4f);
}

TEST_F(SalaatTest, TheFirstOfTwoDefaultNamesIsSelected) {
    WriteFile(LocationFileName, FileOf({Place("Aden", 45, 12.8f, 3), Place("Aden", 46, 12.8f, 3),
                                        Place("Zanzibar", 39.2f, -6.16f, 3)}));
    registry->WriteString("Location", "Aden");
    form->FormActivate();
    EXPECT_EQ(List()->currentRow(), 0);
    EXPECT_EQ(library.requests.back().longitude, 45.0f);
}

TEST_F(SalaatTest, DaylightBoxRecomputesWithTheHour) {
    form->FormActivate();
    Daylight()->click();
    EXPECT_EQ(Text("lblFajar"), "06:00:00");
    EXPECT_EQ(Text("lblSehri"), "05:50:00");
    EXPECT_EQ(Text("lblIsha"), "19:00:00");
    ASSERT_EQ(library.sunGiven.size(), 2u);
    EXPECT_DOUBLE_EQ(library.sunGiven[1].first, 0.25 + 0.04166667);
    EXPECT_DOUBLE_EQ(library.sunGiven[1].second, 0.75 + 0.04166667);
    Daylight()->click();
    EXPECT_EQ(Text("lblFajar"), "05:00:00");
    EXPECT_DOUBLE_EQ(library.sunGiven[2].first, 0.25);
}

TEST_F(SalaatTest, TheDefaultPlaceBringsItsStoredDaylightChoice) {
    registry->WriteString("DayLightSavings", "1");
    form->FormActivate();
    EXPECT_TRUE(Daylight()->isChecked());
    ASSERT_EQ(library.requests.size(), 1u);  // one computation, already with the hour
    EXPECT_EQ(Text("lblFajar"), "06:00:00");

    // A default that names no listed place leaves the box as it is.
    registry->WriteString("Location", "Atlantis");
    registry->WriteString("DayLightSavings", "0");
    form->FormActivate();
    EXPECT_TRUE(Daylight()->isChecked());
}

TEST_F(SalaatTest, WithoutPlacesNothingIsComputed) {
    QFile::remove(LocationFileName);
    form->FormActivate();
    EXPECT_EQ(List()->count(), 0);
    EXPECT_TRUE(library.requests.empty());
    EXPECT_EQ(Text("lblFajar"), "");
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(SalaatTest, PickingADateSetsBothFieldsAndKeepsThePlace) {
    ASSERT_EQ(frmPickDate, nullptr);
    auto* button = form->findChild<QToolButton*>("btnOpenDueDate");
    responder->QueueForm([&](TForm& f) {
        List()->setCurrentRow(0);  // Berlin
        Daylight()->click();
        button->click();
        return f.ModalResult();
    });
    responder->QueueForm([&](TForm& picker) {
        const QPoint corner = button->mapToGlobal(QPoint(0, 0));
        EXPECT_EQ(picker.geometry().right() + 1, corner.x());
        EXPECT_EQ(picker.geometry().top(), corner.y() + button->height());
        picker.findChild<QToolButton*>("btnNextMonth")->click();
        auto* grid = picker.findChild<TStringGrid*>("grdMain");
        for (int r = 1; r <= 6; ++r)
            for (int c = 0; c < 7; ++c)
                if (Trim(grid->Cell(c, r)) == "15")
                    ClickCell(grid, c, r);
        return picker.ModalResult();
    });
    form->ShowModal();
    EXPECT_EQ(frmPickDate, nullptr);  // a picker for the one call, none left behind
    EXPECT_EQ(Text("txtMain"), "15 Shaaban, 1448");
    EXPECT_EQ(Text("lblEnglishDate"), "January 22, 2027");
    EXPECT_EQ(List()->currentItem()->text(), "Berlin");
    EXPECT_TRUE(Daylight()->isChecked());
    const auto& r = library.requests.back();
    EXPECT_EQ(std::tie(r.day, r.month, r.year), std::make_tuple(22, 1, 2027));
    EXPECT_EQ(r.longitude, 13.4f);
    EXPECT_EQ(Text("lblFajar"), "06:00:00");

    // Showing the form again returns to today and the default place.
    form->FormActivate();
    EXPECT_EQ(Text("txtMain"), "2 Rajjab, 1448");
    EXPECT_EQ(List()->currentItem()->text(), "New York City, USA");
}

// The date button is reached with Tab and pressed with Space, and the
// picker it opens answers to the keyboard.
TEST_F(SalaatTest, TheKeyboardPicksADate) {
    responder->QueueForm([&](TForm& f) {
        EXPECT_TRUE(TabTo(&f, f.findChild<QToolButton*>("btnOpenDueDate")));
        responder->QueueForm([](TForm& picker) {
            Press(&picker, Qt::Key_Down);
            Press(&picker, Qt::Key_Return);
            return picker.ModalResult();
        });
        Press(&f, Qt::Key_Space);
        EXPECT_EQ(Text("txtMain"), "9 Rajjab, 1448");
        return mrCancel;
    });
    form->ShowModal();
}

TEST_F(SalaatTest, OkClosesWithOk) {
    responder->QueueForm([&](TForm& f) {
        form->findChild<QPushButton*>("btnOk")->click();
        return f.ModalResult();
    });
    EXPECT_EQ(form->ShowModal(), mrOk);
}

// The form on the prayer-time library itself.
class SalaatLibraryTest : public PlaceSandbox {
protected:
    void TearDown() override {
        form.reset();
        PlaceSandbox::TearDown();
    }
    std::unique_ptr<TfrmSalaat> form;
};

int SecondsOf(const QString& clock) {
    const QStringList parts = clock.split(u':');
    return parts.size() == 3 ? parts[0].toInt() * 3600 + parts[1].toInt() * 60 + parts[2].toInt()
                             : -1;
}

TEST_F(SalaatLibraryTest, SehriOfAFajarJustAfterMidnight) {
    // At latitude 65 in mid-June the library puts Fajar a few minutes after
    // midnight.
    generalMode = 0;
    WritePlaces({Place("Lat 65", 20, 65, 1)});
    registry->WriteString("Location", "Lat 65");
    SetToday(2025, 6, 15);
    form = std::make_unique<TfrmSalaat>();
    form->FormActivate();
    const int fajar = SecondsOf(form->findChild<QLabel*>("lblFajar")->text());
    const int sehri = SecondsOf(form->findChild<QLabel*>("lblSehri")->text());
    ASSERT_GE(fajar, 0);
    ASSERT_LT(fajar, 600);
    EXPECT_EQ(sehri, fajar + 86400 - 600);
}

}  // namespace
