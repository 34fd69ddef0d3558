#include "calendar/Projglob.h"
#include "diary/print/CalPrint.h"
#include "locations/records/LocationFile.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/SettingsSandbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct Place {
    const char* name;
    float longitude, latitude, zone;
};

class PrintWizardTest : public SettingsSandbox {
protected:
    void SetUp() override {
        SettingsSandbox::SetUp();
        form = std::make_unique<TfrmPrint>();
    }
    void TearDown() override {
        form.reset();
        SettingsSandbox::TearDown();
    }

    static void WritePlaces(std::initializer_list<Place> places) {
        std::string bytes;
        for (const Place& p : places) {
            TLocationRecord rec;
            SetLocationName(rec, p.name);
            rec.longitude = p.longitude;
            rec.latitude = p.latitude;
            rec.timeZone = p.zone;
            const LocationRecordBytes b = PackLocationRecord(rec);
            bytes.append(reinterpret_cast<const char*>(b.data()), b.size());
        }
        WriteFile(LocationFileName, bytes);
    }

    template <class W> W* Find(const char* name) { return form->findChild<W*>(name); }
    void Click(const char* name) { Find<QPushButton>(name)->click(); }
    QString Preview() { return Find<QLabel>("imgMain")->property("picture").toString(); }
    int Step() {
        for (int i = 1; i <= 3; ++i)
            if (!Find<QFrame>(("pnlStep" + std::to_string(i)).c_str())->isHidden())
                return i;
        return 0;
    }

    std::unique_ptr<TfrmPrint> form;
};

TEST_F(PrintWizardTest, StepsForwardAndBack) {
    TPrintSettings s;
    responder->QueueForm([this](TForm& f) {
        auto* back = Find<QPushButton>("btnBack");
        auto* next = Find<QPushButton>("btnNext");
        struct Expect {
            const char* press;
            int step;
            bool back, next;
        };
        const Expect walk[] = {
            {nullptr, 1, false, true},   {"btnNext", 2, true, true}, {"btnNext", 3, true, false},
            {"btnNext", 3, true, false}, {"btnBack", 2, true, true}, {"btnBack", 1, false, true},
            {"btnBack", 1, false, true},
        };
        for (const Expect& e : walk) {
            if (e.press)
                Click(e.press);
            EXPECT_EQ(Step(), e.step) << (e.press ? e.press : "open");
            EXPECT_EQ(back->isEnabled(), e.back);
            EXPECT_EQ(next->isEnabled(), e.next);
        }
        Click("btnNext");
        Click("btnNext");
        Click("btnCancel");
        return f.ModalResult();
    });
    EXPECT_EQ(form->Execute(&s), 0);
    // Each run opens on step 1 again.
    responder->QueueForm([this](TForm& f) {
        EXPECT_EQ(Step(), 1);
        EXPECT_FALSE(Find<QPushButton>("btnBack")->isEnabled());
        return f.ModalResult();
    });
    form->Execute(&s);
}

TEST_F(PrintWizardTest, PreviewPictures) {
    const char* const table[16] = {"ONLYDATE", "ONLYSMAL", "ONLYTIME", "NOEVENTS",
                                   "ONLYEVNT", "NOBRTTIM", "NOSMLBRT", "NOBIRTH",
                                   "ONLYEVNT", "NOBRTTIM", "NOSMLBRT", "NOBIRTH",
                                   "NOTS",     "NOTIMES",  "NOSMALL",  "PRINTALL"};
    for (int key = 0; key < 16; ++key)
        EXPECT_STREQ(TfrmPrint::PreviewPictureName(key), table[key]) << key;

    TPrintSettings s;
    s.printEvents = 0;
    responder->QueueForm([this](TForm& f) {
        // The picture of the flags it opened with, then each change.
        EXPECT_EQ(Preview(), "NOEVENTS");  // small months and prayer times
        return f.ModalResult();
    });
    s.printBirthdays = 0;
    form->Execute(&s);

    TPrintSettings all;
    responder->QueueForm([this](TForm& f) {
        EXPECT_EQ(Preview(), "PRINTALL");
        EXPECT_FALSE(Find<QLabel>("imgMain")->pixmap().isNull());
        Find<QCheckBox>("chkBirthdays")->setChecked(false);
        EXPECT_EQ(Preview(), "NOBIRTH");
        Find<QCheckBox>("chkEvents")->setChecked(false);
        EXPECT_EQ(Preview(), "NOEVENTS");
        Find<QCheckBox>("chkSalaat")->setChecked(false);
        EXPECT_EQ(Preview(), "ONLYSMAL");
        Find<QCheckBox>("chkSmallMonths")->setChecked(false);
        EXPECT_EQ(Preview(), "ONLYDATE");
        Find<QCheckBox>("chkBirthdays")->setChecked(true);
        EXPECT_EQ(Preview(), "ONLYEVNT");
        return f.ModalResult();
    });
    form->Execute(&all);
    EXPECT_FALSE(Find<QLabel>("Image2")->pixmap().isNull());
    EXPECT_FALSE(Find<QCheckBox>("chkAnniversaries")->isVisibleTo(form.get()));
}

TEST_F(PrintWizardTest, ColourCombos) {
    TPrintSettings s;
    s.gridColor = 0x123456;  // no name: Black
    s.eventsColor = clFuchsia;
    responder->QueueForm([this](TForm& f) {
        const auto combos = form->findChildren<TOwnerDrawCombo*>();
        EXPECT_EQ(combos.size(), 7);
        for (QComboBox* combo : combos) {
            EXPECT_EQ(combo->count(), 16);
            EXPECT_EQ(combo->itemText(0), "Black");
            EXPECT_EQ(combo->itemText(8), "Silver");
            EXPECT_EQ(combo->itemText(15), "White");
        }
        EXPECT_EQ(Find<QComboBox>("cmbGridColor")->currentIndex(), 0);
        EXPECT_EQ(Find<QComboBox>("cmbEvents")->currentText(), "Fuchsia");

        // Each item is a swatch of its colour inside a 2-pixel margin of the
        // list's own background.
        auto* combo = Find<TOwnerDrawCombo>("cmbSalaatTmFont");
        EXPECT_EQ(combo->ItemHeight(), 13);
        for (TOwnerDrawState state : {0, int(odSelected)}) {
            RecordingCanvas canvas;
            canvas.Brush.Color = clGreen;
            combo->PaintItem(canvas, 9, Rect(0, 26, 80, 39), state);
            if (canvas.ops.size() != 2u) {
                ADD_FAILURE() << canvas.ops.size();
                continue;
            }
            EXPECT_EQ(canvas.ops[0].rect, Rect(0, 26, 80, 39));
            EXPECT_EQ(canvas.ops[0].brush.Color, state ? clHighlight : clWindow);
            EXPECT_EQ(canvas.ops[1].kind, RecordingCanvas::Op::FillRect);
            EXPECT_EQ(canvas.ops[1].rect, Rect(2, 28, 78, 37));
            EXPECT_EQ(canvas.ops[1].brush.Color, clRed);
            EXPECT_TRUE(canvas.Texts().empty());
            EXPECT_EQ(canvas.Brush.Color, clGreen);
        }
        Find<QComboBox>("cmbPrimaryMonth")->setCurrentIndex(4);  // Navy
        Click("btnFinish");
        return f.ModalResult();
    });
    EXPECT_EQ(form->Execute(&s), 1);
    EXPECT_EQ(s.primaryMonthColor, clNavy);
    EXPECT_EQ(s.gridColor, clBlack);
    EXPECT_EQ(s.eventsColor, clFuchsia);
}

TEST_F(PrintWizardTest, CitiesSortedWithTheirRecordNumbers) {
    WritePlaces({{"Zurich, Switzerland", 8.5f, 47.4f, 1},
                 {"Amman, Jordan", 35.9f, 31.9f, 2},
                 {"Mumbai, India", 72.8f, 18.9f, 5.5f}});
    WriteSettingString("Location", "Mumbai, India");
    TPrintSettings s;
    s.month = TMisri(5, 9, 1447);
    s.salaatColor = clTeal;
    responder->QueueForm([this](TForm& f) {
        auto* list = Find<QListWidget>("lstMain");
        EXPECT_EQ(list->count(), 3);
        EXPECT_EQ(list->item(0)->text(), "Amman, Jordan");
        EXPECT_EQ(list->item(2)->text(), "Zurich, Switzerland");
        EXPECT_EQ(list->currentRow(), 1);
        for (const char* box : {"chkSalaat", "chkEvents", "chkSmallMonths", "chkBirthdays"})
            EXPECT_TRUE(Find<QCheckBox>(box)->isChecked());
        list->setCurrentRow(2);
        Find<QCheckBox>("chkDaylight")->setChecked(false);
        Click("btnFinish");  // on step 1
        return f.ModalResult();
    });
    EXPECT_EQ(form->Execute(&s), 1);
    EXPECT_EQ(LocationName(s.location), "Zurich, Switzerland");
    EXPECT_FLOAT_EQ(s.location.longitude, 8.5f);
    EXPECT_FLOAT_EQ(s.location.timeZone, 1);
    EXPECT_EQ(s.dayLight, 0);
    EXPECT_EQ(s.printSalaat, 1);
    EXPECT_EQ(s.salaatColor, clTeal);  // the stored colour, untouched on step 1
    EXPECT_EQ(s.month, TMisri(5, 9, 1447));
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(PrintWizardTest, TheLastOfTwoDefaultNamesIsTheCity) {
    WritePlaces({{"Aden, Yemen", 45, 12.8f, 3},
                 {"Aden, Yemen", 45.03f, 12.78f, 3},
                 {"Zanzibar", 39.2f, -6.16f, 3}});
    WriteSettingString("Location", "Aden, Yemen");
    TPrintSettings s;
    responder->QueueForm([this](TForm& f) {
        EXPECT_EQ(Find<QListWidget>("lstMain")->currentRow(), 1);
        Click("btnFinish");
        return f.ModalResult();
    });
    EXPECT_EQ(form->Execute(&s), 1);
    EXPECT_FLOAT_EQ(s.location.longitude, 45.03f);  // record 1, the later one
}

TEST_F(PrintWizardTest, EachContentBoxSetsItsOwnFlag) {
    // One box at a time cleared: only its flag is 0.
    const char* const boxes[] = {"chkSalaat", "chkDaylight", "chkEvents", "chkSmallMonths",
                                 "chkBirthdays"};
    for (const char* cleared : boxes) {
        TPrintSettings s;
        responder->QueueForm([&](TForm& f) {
            Find<QCheckBox>(cleared)->setChecked(false);
            Click("btnFinish");
            return f.ModalResult();
        });
        responder->QueueAnswer(mrOk);  // no city to read
        ASSERT_EQ(form->Execute(&s), 1);
        const std::pair<const char*, std::int32_t> flags[] = {
            {"chkSalaat", s.printSalaat},       {"chkDaylight", s.dayLight},
            {"chkEvents", s.printEvents},       {"chkSmallMonths", s.printSmallMonths},
            {"chkBirthdays", s.printBirthdays},
        };
        for (const auto& [box, flag] : flags)
            EXPECT_EQ(flag, std::strcmp(box, cleared) == 0 ? 0 : 1) << cleared << ": " << box;
    }
}

// Every caption of the wizard is shown whole in the desktop's font: its
// control is wide and high enough for it, and lies inside its parent.
TEST_F(PrintWizardTest, EveryCaptionFits) {
    form->show();
    int captions = 0;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        QSize needed;
        if (auto* box = qobject_cast<QCheckBox*>(w)) {
            needed = box->sizeHint();
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            // The text and the style's margins; a button's size hint holds a
            // minimum width of its own as well.
            const int margin =
                button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            const QString text = button->text().remove(u'&');
            needed = {button->fontMetrics().horizontalAdvance(text) + 2 * margin,
                      button->fontMetrics().height()};
        } else if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            needed = label->sizeHint();
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            needed = {group->fontMetrics().horizontalAdvance(group->title()),
                      group->fontMetrics().height()};
        } else {
            continue;
        }
        ++captions;
        const QString name = w->objectName();
        EXPECT_LE(needed.width(), w->width()) << name.toStdString();
        EXPECT_LE(needed.height(), w->height()) << name.toStdString();
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << name.toStdString();
    }
    EXPECT_GT(captions, 20);
    form->hide();
}

TEST_F(PrintWizardTest, WithoutAPlaceTheTableGetsAnEmptyOne) {
    TPrintSettings s;
    SetLocationName(s.location, "left over");
    s.location.latitude = 10;
    responder->QueueForm([this](TForm& f) {
        Click("btnFinish");
        return f.ModalResult();
    });
    EXPECT_EQ(form->Execute(&s), 1);
    EXPECT_EQ(LocationName(s.location), "");
    EXPECT_EQ(s.location.latitude, 0);
    ASSERT_EQ(responder->Boxes().size(), 1u);
    EXPECT_EQ(responder->Boxes()[0].text, "List index out of bounds (-1)");
}

TEST_F(PrintWizardTest, CancelLeavesTheSettings) {
    TPrintSettings s;
    s.printEvents = 0;
    responder->QueueForm([this](TForm& f) {
        Find<QCheckBox>("chkEvents")->setChecked(true);
        Click("btnCancel");
        return f.ModalResult();
    });
    EXPECT_EQ(form->Execute(&s), 0);
    EXPECT_EQ(s.printEvents, 0);
}

}  // namespace
