#include "calendar/widgets/PickDate.h"
#include "diary/contacts/ContactFile.h"
#include "diary/contacts/NContact.h"
#include "tests/diary/ContactFixture.h"
#include "tests/support/GridClicks.h"
#include "tests/support/PublishedForm.h"
#include "tests/support/SettingsSandbox.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* const kDateError = "In valid date specified. Check the spelling or click the date "
                               "button to select correct date.";

TContactRecord Contact(std::int16_t number, const char* first, const char* last) {
    TContactRecord r;
    r.number = number;
    r.title = "Dr.";
    r.firstName = first;
    r.lastName = last;
    r.address1 = "12 Crescent Road";
    r.city = "Springfield";
    r.zip = "62704";
    r.email = "amina@example.org";
    r.birth = TMisri::Raw(30, 9, 1418);
    r.anniversary = NoContactDate();
    return r;
}

class ContactEditorTest : public SettingsSandbox {
protected:
    void SetUp() override {
        SettingsSandbox::SetUp();
        picker.make();
        form.make();
    }
    void TearDown() override {
        form.reset();
        picker.reset();
        SettingsSandbox::TearDown();
    }

    QLineEdit* Edit(const char* name) const {
        QLineEdit* edit = form->findChild<QLineEdit*>(name);
        EXPECT_NE(edit, nullptr) << name;
        return edit;
    }
    QComboBox* Title() const { return form->findChild<QComboBox*>("cmbTitle"); }
    void Click(const char* button) const { form->findChild<QAbstractButton*>(button)->click(); }
    // Runs the editor with a script that fills it and returns the script's result.
    int Run(bool edit, std::int16_t number, std::function<int(TForm&)> script) {
        responder->QueueForm(std::move(script));
        return form->Execute(edit, number);
    }
    static std::vector<TContactRecord> Records() {
        auto records = ReadAllContacts();
        return records ? *records : std::vector<TContactRecord>{};
    }
    static std::vector<std::string> Items(const QComboBox* combo) {
        std::vector<std::string> items;
        for (int i = 0; i < combo->count(); ++i)
            items.push_back(FromQString(combo->itemText(i)));
        return items;
    }
    // The picker, when it opens, goes one month on from where it starts and
    // picks the day; day 0 closes it without a pick.
    void QueuePick(int monthsOn, int day) {
        responder->QueueForm([monthsOn, day](TForm& f) {
            for (int i = 0; i < monthsOn; ++i)
                f.findChild<QToolButton*>("btnNextMonth")->click();
            TStringGrid* grid = f.findChild<TStringGrid*>("grdMain");
            for (int r = 1; r <= 6 && day > 0; ++r)
                for (int c = 0; c < 7; ++c)
                    if (Trim(grid->Cell(c, r)) == IntToStr(day))
                        ClickCell(grid, c, r);
            return f.ModalResult();
        });
    }
    void Ok() const { Click("btnOk"); }

    PublishedForm<TfrmPickDate> picker{frmPickDate};
    PublishedForm<TfrmNewContact> form{frmNewContact};
};

TEST_F(ContactEditorTest, TitleListPerModeKeepsTheTypedTitle) {
    struct Case {
        int mode;
        std::vector<std::string> items;
    } const cases[] = {
        {1, {"Mr.", "Mrs.", "Miss", "Dr."}},
        {0, {"BhaiSaab", "Sheikh", "Mulla"}},
        {1, {"Mr.", "Mrs.", "Miss", "Dr."}},
    };
    for (const Case& c : cases) {
        generalMode = c.mode;
        Title()->setEditText("Prof.");
        form->FormActivate();
        EXPECT_EQ(Items(Title()), c.items) << c.mode;
        EXPECT_EQ(Title()->currentText(), "Prof.");
    }
    // Any title of up to 9 characters can be typed.
    Title()->setEditText("");
    Title()->lineEdit()->insert("Professor Emeritus");
    EXPECT_EQ(Title()->currentText(), "Professor");
}

TEST_F(ContactEditorTest, BoxesAreLimitedToTheirFields) {
    struct Case {
        const char* box;
        int length;
    } const cases[] = {
        {"txtFName", 24}, {"txtLName", 24},  {"txtAddress1", 24}, {"txtAddress2", 24},
        {"txtCity", 19},  {"txtState", 14},  {"txtZip", 9},       {"txtCountry", 14},
        {"txtPhone", 19}, {"txtWPhone", 19}, {"txtFax", 19},      {"txtBeeper", 19},
        {"txtEMail", 69}, {"txtWeb", 74},
    };
    const std::string longText(100, 'w');
    for (const Case& c : cases) {
        QLineEdit* edit = Edit(c.box);
        edit->clear();
        edit->insert(QString::fromStdString(longText));
        EXPECT_EQ(edit->text().size(), c.length) << c.box;
    }
    // Only what the record file's code page holds.
    Edit("txtFName")->clear();
    Edit("txtFName")->insert(QString::fromUtf8("\xe2\x9c\x93"));
    EXPECT_EQ(Edit("txtFName")->text(), "");
}

TEST_F(ContactEditorTest, BlankNamesAreRefusedInOrder) {
    struct Case {
        const char* first;
        const char* last;
        const char* message;  // none: saved
        const char* focus;
    } const cases[] = {
        {"", "", "Please provide First Name", "txtFName"},
        {"   ", "Rahman", "Please provide First Name", "txtFName"},
        {"Amina", "", "Please provide Last Name", "txtLName"},
        {"Amina", "  ", "Please provide Last Name", "txtLName"},
        {"Amina", "Rahman", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        responder->Clear();
        const int result = Run(false, 0, [&](TForm& f) -> int {
            Edit("txtFName")->setText(c.first);
            Edit("txtLName")->setText(c.last);
            Ok();
            if (c.message) {
                EXPECT_EQ(f.ModalResult(), mrNone) << c.first << "|" << c.last;
                EXPECT_TRUE(f.isVisible());
                EXPECT_EQ(f.focusWidget(), Edit(c.focus)) << c.first << "|" << c.last;
                return mrCancel;
            }
            return f.ModalResult();
        });
        EXPECT_EQ(result, 1);
        if (c.message) {
            ASSERT_EQ(responder->Boxes().size(), 1u);
            EXPECT_EQ(responder->Boxes()[0].caption, "Error");
            EXPECT_EQ(responder->Boxes()[0].text, c.message);
            EXPECT_FALSE(FileExists(ContactFileName));
        } else {
            EXPECT_TRUE(responder->Boxes().empty());
        }
    }
    const auto records = Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].firstName, "Amina");
    EXPECT_EQ(records[0].number, 1);
}

TEST_F(ContactEditorTest, AddModeStartsEmptyAndSavesEveryBox) {
    // Left over from an earlier edit.
    WriteFile(ContactFileName, FileOf({Contact(1, "Zaid", "Ali")}));
    Run(true, 1, [](TForm& f) { return f.ModalResult(); });

    Run(false, 0, [&](TForm& f) {
        EXPECT_EQ(f.windowTitle(), "New Contact");
        for (QLineEdit* edit : f.findChildren<QLineEdit*>())
            EXPECT_EQ(edit->text(), "") << edit->objectName().toStdString();
        EXPECT_EQ(Title()->currentText(), "");
        Title()->setEditText("Sheikh");
        const char* const boxes[] = {"txtFName", "txtLName",  "txtAddress1", "txtAddress2",
                                     "txtCity",  "txtState",  "txtZip",      "txtCountry",
                                     "txtPhone", "txtWPhone", "txtFax",      "txtBeeper",
                                     "txtEMail", "txtWeb"};
        for (const char* box : boxes)
            Edit(box)->setText(QString::fromLatin1(box + 3));
        Edit("txtCity")->setText(" Spaced ");
        Ok();
        return f.ModalResult();
    });
    const auto records = Records();
    ASSERT_EQ(records.size(), 2u);
    const TContactRecord& r = records[1];
    EXPECT_EQ(r.number, 2);
    EXPECT_EQ(r.deleted, 0);
    EXPECT_EQ(r.title, "Sheikh");
    EXPECT_EQ(r.firstName, "FName");
    EXPECT_EQ(r.lastName, "LName");
    EXPECT_EQ(r.address1, "Address1");
    EXPECT_EQ(r.address2, "Address2");
    EXPECT_EQ(r.city, " Spaced ");  // as typed, untrimmed
    EXPECT_EQ(r.state, "State");
    EXPECT_EQ(r.zip, "Zip");
    EXPECT_EQ(r.country, "Country");
    EXPECT_EQ(r.homePhone, "Phone");
    EXPECT_EQ(r.workPhone, "WPhone");
    EXPECT_EQ(r.fax, "Fax");
    EXPECT_EQ(r.beeper, "Beeper");
    EXPECT_EQ(r.email, "EMail");
    EXPECT_EQ(r.web, "Web");
}

TEST_F(ContactEditorTest, EmptyDatesStoreNoDateAndShowEmpty) {
    Run(false, 0, [&](TForm& f) {
        Edit("txtFName")->setText("Amina");
        Edit("txtLName")->setText("Rahman");
        Ok();
        return f.ModalResult();
    });
    const std::string bytes = ReadFile(ContactFileName);
    ASSERT_EQ(bytes.size(), 428u);
    const auto at = [&](std::size_t offset) {
        std::int32_t v = 0;
        std::memcpy(&v, bytes.data() + offset, 4);
        return v;
    };
    // Month, year, day of both dates.
    EXPECT_EQ((std::vector<int>{at(400), at(404), at(408)}), (std::vector<int>{1, 4000, 1}));
    EXPECT_EQ((std::vector<int>{at(412), at(416), at(420)}), (std::vector<int>{1, 4000, 1}));

    Run(true, 1, [&](TForm& f) {
        EXPECT_EQ(Edit("txtBirth")->text(), "");
        EXPECT_EQ(Edit("txtAnniversary")->text(), "");
        EXPECT_EQ(Edit("txtFName")->text(), "Amina");
        return f.ModalResult();
    });
}

TEST_F(ContactEditorTest, DateButtonsPickDayAndMonth) {
    struct Case {
        const char* button;
        const char* box;
        const char* start;  // the box's text before
        int monthsOn;
        int day;  // 0: closed without a pick
        const char* shown;
    } const cases[] = {
        {"btnBirth", "txtBirth", "", 1, 5, "5 Safar"},
        {"btnBirth", "txtBirth", "", 0, 0, "1 Moharram"},
        {"btnAnniversary", "txtAnniversary", "", 0, 0, "1 Moharram"},
        {"btnAnniversary", "txtAnniversary", "30 Ramadan", 0, 0, "30 Ramadan"},
        {"btnAnniversary", "txtAnniversary", "30 Ramadan", 2, 12, "12 Zilqaad"},
    };
    for (const Case& c : cases) {
        Edit(c.box)->setText(c.start);
        QueuePick(c.monthsOn, c.day);
        Click(c.button);
        EXPECT_EQ(Edit(c.box)->text(), c.shown) << c.box << "|" << c.start;
    }
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(ContactEditorTest, PickedBirthDateIsStoredWithYear1418) {
    responder->QueueForm([&](TForm& f) {
        Edit("txtFName")->setText("Amina");
        Edit("txtLName")->setText("Rahman");
        Click("btnBirth");
        EXPECT_EQ(Edit("txtBirth")->text(), "5 Safar");
        Ok();
        return f.ModalResult();
    });
    QueuePick(1, 5);
    form->Execute(false, 0);
    const auto records = Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].birth.Month(), 2);
    EXPECT_EQ(records[0].birth.Day(), 5);
    EXPECT_EQ(records[0].birth.Year(), 1418);
    EXPECT_EQ(records[0].anniversary, NoContactDate());
}

TEST_F(ContactEditorTest, LeavingADateBoxChecksItsText) {
    struct Case {
        const char* text;
        bool refused;
    } const cases[] = {
        {"", false},        {"   ", false},    {"5 Safar", false}, {"30 Zil-Haj", false},
        {"5 Saffar", true}, {"Safar 5", true}, {"31 Safar", true}, {"5 safar", true},
    };
    for (const Case& c : cases) {
        responder->Clear();
        Edit("txtBirth")->setText(c.text);
        Edit("txtFName")->setFocus();
        form->txtBirthExit();
        Edit("txtAnniversary")->setText(c.text);
        form->txtAnniversaryExit();
        if (c.refused) {
            EXPECT_EQ(responder->Texts(), (std::vector<AnsiString>{kDateError, kDateError}))
                << c.text;
            EXPECT_EQ(form->focusWidget(), Edit("txtAnniversary")) << c.text;
        } else {
            EXPECT_TRUE(responder->Boxes().empty()) << c.text;
            EXPECT_EQ(form->focusWidget(), Edit("txtFName")) << c.text;
        }
    }
}

TEST_F(ContactEditorTest, EditRewritesTheRecordInPlace) {
    TContactRecord second = Contact(2, "Hatim", "Zaki");
    second.deleted = 7;  // carried as read
    WriteFile(ContactFileName,
              FileOf({Contact(1, "Zaid", "Ali"), second, Contact(3, "Yusuf", "Qadir")}));
    const std::string before = ReadFile(ContactFileName);

    const int result = Run(true, 2, [&](TForm& f) {
        EXPECT_EQ(f.windowTitle(), "New Contact");
        EXPECT_EQ(Title()->currentText(), "Dr.");
        EXPECT_EQ(Edit("txtLName")->text(), "Zaki");
        EXPECT_EQ(Edit("txtBirth")->text(), "30 Ramadan");
        EXPECT_EQ(Edit("txtAnniversary")->text(), "");
        Edit("txtLName")->setText("Zakiuddin");
        Ok();
        return f.ModalResult();
    });
    EXPECT_EQ(result, 1);
    const std::string after = ReadFile(ContactFileName);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(0, 428), before.substr(0, 428));
    EXPECT_EQ(after.substr(856), before.substr(856));
    const auto records = Records();
    EXPECT_EQ(records[1].lastName, "Zakiuddin");
    EXPECT_EQ(records[1].number, 2);
    EXPECT_EQ(records[1].deleted, 7);
    EXPECT_EQ(records[1].birth, TMisri::Raw(30, 9, 1418));
    EXPECT_EQ(records[1].anniversary, NoContactDate());
}

TEST_F(ContactEditorTest, CancelAndAddMoreWriteNothing) {
    // Add mode: no file comes into being.
    Run(false, 0, [&](TForm& f) {
        Edit("txtFName")->setText("Amina");
        Edit("txtLName")->setText("Rahman");
        Click("Button2");  // "&Add More" neither saves nor closes
        EXPECT_EQ(f.ModalResult(), mrNone);
        EXPECT_TRUE(f.isVisible());
        Click("Button1");
        return f.ModalResult();
    });
    EXPECT_FALSE(FileExists(ContactFileName));

    // Edit mode: the record stays as it was.
    WriteFile(ContactFileName, FileOf({Contact(1, "Zaid", "Ali")}));
    const std::string before = ReadFile(ContactFileName);
    Run(true, 1, [&](TForm& f) {
        EXPECT_EQ(f.windowTitle(), "New Contact");
        Edit("txtLName")->setText("Changed");
        Click("Button1");
        return f.ModalResult();
    });
    EXPECT_EQ(ReadFile(ContactFileName), before);
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(ContactEditorTest, EditWithoutTheFileOrTheRecordOpensNoDialog) {
    EXPECT_EQ(form->Execute(true, 1), 0);
    EXPECT_EQ(responder->Texts(), std::vector<AnsiString>{"Unable to open file 'contact.dat'"});
    EXPECT_FALSE(FileExists(ContactFileName));

    responder->Clear();
    WriteFile(ContactFileName, FileOf({Contact(1, "Zaid", "Ali")}));
    EXPECT_EQ(form->Execute(true, 2), 0);
    EXPECT_EQ(ReadFile(ContactFileName).size(), 428u);
    EXPECT_EQ(responder->ModalCount(), 0);
}

TEST_F(ContactEditorTest, FormLayout) {
    EXPECT_EQ(form->size(), QSize(451, 424));
    const QLabel* heading = form->findChild<QLabel*>("Panel1");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text(), "   New Contact");
    const char* const hints[][2] = {
        {"txtFName", "First name"},
        {"txtBirth", "Select the birth date"},
        {"txtZip", "Postal code"},
        {"txtEMail", "E- Mail address"},
    };
    for (const auto& hint : hints)
        EXPECT_EQ(Edit(hint[0])->toolTip(), hint[1]);
    EXPECT_TRUE(Edit("txtBirth")->isReadOnly());
    EXPECT_TRUE(Edit("txtAnniversary")->isReadOnly());
    EXPECT_EQ(Title()->toolTip(), "Select a title");
    EXPECT_TRUE(Title()->isEditable());
}

TEST_F(ContactEditorTest, MovingTheFocusOnChecksTheDateBox) {
    Run(false, 0, [&](TForm& f) -> int {
        f.activateWindow();
        QApplication::processEvents();
        EXPECT_TRUE(f.isActiveWindow());
        Edit("txtBirth")->setFocus(Qt::TabFocusReason);
        Edit("txtBirth")->setText("5 Saffar");
        Edit("txtAnniversary")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(responder->Texts(), std::vector<AnsiString>{kDateError});
        EXPECT_EQ(f.focusWidget(), Edit("txtBirth"));
        return mrCancel;
    });
}

}  // namespace
