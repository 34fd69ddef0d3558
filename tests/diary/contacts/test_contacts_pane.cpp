#include "calendar/widgets/PickDate.h"
#include "diary/MainForm.h"
#include "diary/contacts/ContactFile.h"
#include "diary/contacts/NContact.h"
#include "platform/widgets/StringGrid.h"
#include "tests/diary/ContactFixture.h"
#include "tests/diary/MainWindowSandbox.h"
#include "tests/support/ToolTip.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct Name {
    const char* title;
    const char* first;
    const char* last;
};

TContactRecord Contact(std::int16_t number, Name name, TMisri birth = NoContactDate(),
                       TMisri anniversary = NoContactDate()) {
    TContactRecord r;
    r.number = number;
    r.title = name.title;
    r.firstName = name.first;
    r.lastName = name.last;
    r.address1 = "12 Crescent Road";
    r.city = "Springfield";
    r.state = "Illinois";
    r.zip = "62704";
    r.country = "USA";
    r.homePhone = "555-0147";
    r.workPhone = "555-0199";
    r.fax = "555-0100";
    r.beeper = "555-0123";
    r.email = "amina@example.org";
    r.web = "www.example.org";
    r.birth = birth;
    r.anniversary = anniversary;
    return r;
}

const char* const kValueLabels[] = {"lblName",     "lblBirth",    "lblAnniversary", "lblAddress1",
                                    "lblAddress2", "lblAddress3", "lblPhone",       "lblWPhone",
                                    "lblFax",      "lblBeeper",   "lblEMail",       "lblWeb"};

class ContactsPaneTest : public MainWindowSandbox {
protected:
    void SetUp() override {
        MainWindowSandbox::SetUp();
        list = form->findChild<QListWidget*>("lstContact");
        ASSERT_NE(list, nullptr);
    }

    std::string Label(const char* name) const {
        const QLabel* label = form->findChild<QLabel*>(name);
        EXPECT_NE(label, nullptr) << name;
        return label ? FromQString(label->text()) : std::string();
    }
    // What the list shows, and the full texts the program works with.
    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (int i = 0; i < list->count(); ++i)
            texts.push_back(FromQString(list->item(i)->text()));
        return texts;
    }
    std::string FullText(int i) const {
        return FromQString(list->item(i)->data(Qt::UserRole).toString());
    }
    void Click(const char* button) { form->findChild<QPushButton*>(button)->click(); }
    // The editor as the user fills it: the given last name, then OK.
    static RecordingResponder::FormScript SaveWithLastName(const char* last, const char* first) {
        return [last, first](TForm& f) {
            f.findChild<QLineEdit*>("txtFName")->setText(first);
            f.findChild<QLineEdit*>("txtLName")->setText(last);
            f.findChild<QPushButton*>("btnOk")->click();
            return f.ModalResult();
        };
    }

    QListWidget* list = nullptr;
};

TEST_F(ContactsPaneTest, DisplayNameWithAndWithoutTitle) {
    struct Case {
        Name name;
        const char* shown;
    } const cases[] = {
        {{"", "Amina", "Rahman"}, "Amina Rahman"},
        {{"   ", "Amina", "Rahman"}, "Amina Rahman"},
        {{"Dr.", "Amina", "Rahman"}, "Dr. Amina Rahman"},
        // The stored texts go in untrimmed.
        {{"Dr. ", " Amina", "Rahman"}, "Dr.   Amina Rahman"},
    };
    for (const Case& c : cases) {
        WriteFile(ContactFileName, FileOf({Contact(1, c.name)}));
        form->ShowPane(3);
        EXPECT_EQ(Shown(), std::vector<std::string>{c.shown}) << c.shown;
        EXPECT_EQ(Label("lblName"), c.shown);
    }
}

TEST_F(ContactsPaneTest, AddressLines) {
    struct Case {
        const char* address2;
        const char* city;
        const char* country;
        const char* line2;
        const char* line3;
    } const cases[] = {
        {"", "Springfield", "USA", "Springfield, Illinois 62704", "USA"},
        {"Apartment 4B", "Springfield", "USA", "Apartment 4B", "Springfield, Illinois 62704, USA"},
        {"Apartment 4B", "", "", "Apartment 4B", "Illinois 62704"},
        {"", "", "", "Illinois 62704", ""},
        // Blanks are text here.
        {"", "  ", "USA", "  , Illinois 62704", "USA"},
        {" ", "Springfield", "USA", " ", "Springfield, Illinois 62704, USA"},
    };
    for (const Case& c : cases) {
        TContactRecord r = Contact(1, {"", "Amina", "Rahman"});
        r.address2 = c.address2;
        r.city = c.city;
        r.country = c.country;
        form->ShowContactDetails(r);
        EXPECT_EQ(Label("lblAddress1"), "12 Crescent Road");
        EXPECT_EQ(Label("lblAddress2"), c.line2) << c.address2 << "|" << c.city;
        EXPECT_EQ(Label("lblAddress3"), c.line3) << c.address2 << "|" << c.city;
    }
}

// The fixed-size boxes cut a long text with an ellipsis and show it whole as
// their tooltip; the boxes keep the whole text. A text that fits shows no
// tooltip.
TEST_F(ContactsPaneTest, CutTextsEndInAnEllipsisAndShowWholeAsATooltip) {
    TContactRecord r = Contact(1, {"Dr.", "Muhammad-Abdur-Rahman", "Siddiqui-Chaudhry"});
    r.email = "muhammad.abdur.rahman.siddiqui.chaudhry@correspondence.example.org";
    WriteFile(ContactFileName, FileOf({r, Contact(2, {"", "Amina", "Rahman"})}));
    form->show();
    form->ShowPane(3);
    const QString email = ToQString(r.email);
    const QString name = "Dr. Muhammad-Abdur-Rahman Siddiqui-Chaudhry";

    auto* label = form->findChild<QLabel*>("lblEMail");
    EXPECT_EQ(label->text(), email);
    EXPECT_EQ(ToolTipAt(label, {5, 5}), email);
    // What the label shows: the text cut at its edge, ending in an ellipsis,
    // as a label of that text beside it shows it.
    QLabel cut(QFontMetrics(label->font()).elidedText(email, Qt::ElideRight, label->width()),
               label->parentWidget());
    cut.setFont(label->font());
    cut.setPalette(label->palette());
    cut.setAlignment(label->alignment());
    cut.setGeometry(label->geometry());
    EXPECT_TRUE(cut.text().endsWith(QChar(0x2026)));
    EXPECT_EQ(label->grab().toImage(), cut.grab().toImage());
    EXPECT_EQ(ToolTipAt(form->findChild<QLabel*>("lblFax"), {5, 5}), "");

    const QRect first = list->visualItemRect(list->item(0));
    EXPECT_EQ(Shown()[0], FromQString(name));
    EXPECT_EQ(ToolTipAt(list->viewport(), first.center()), name);
    EXPECT_LE(first.width(), list->viewport()->width());
    EXPECT_EQ(ToolTipAt(list->viewport(), list->visualItemRect(list->item(1)).center()), "");
}

TEST_F(ContactsPaneTest, DatesAsDayAndMonth) {
    struct Case {
        TMisri date;
        const char* shown;
    } const cases[] = {
        {NoContactDate(), ""},
        {TMisri::Raw(5, 2, 1418), "5 Safar"},
        {TMisri::Raw(30, 6, 1418), "30 Jamadi-ul-Aakhar"},
        // Only the exact "no date" value shows empty.
        {TMisri::Raw(1, 1, 1418), "1 Moharram"},
    };
    for (const Case& c : cases) {
        form->ShowContactDetails(Contact(1, {"", "A", "B"}, c.date, c.date));
        EXPECT_EQ(Label("lblBirth"), c.shown);
        EXPECT_EQ(Label("lblAnniversary"), c.shown);
    }
}

TEST_F(ContactsPaneTest, EnteringThePaneListsTheFileInItsOrderAndShowsTheFirst) {
    std::string bytes =
        FileOf({Contact(1, {"", "Zaid", "Ali"}), Contact(2, {"Dr.", "Amina", "Rahman"}),
                Contact(3, {"", "Hatim", "Zaki"})});
    bytes += std::string(100, 'x');  // a partial record is no contact
    WriteFile(ContactFileName, bytes);
    form->ShowPane(3);

    EXPECT_EQ(Shown(), (std::vector<std::string>{"Zaid Ali", "Dr. Amina Rahman", "Hatim Zaki"}));
    EXPECT_EQ(FullText(1), "Dr. Amina Rahman" + std::string(54, ' ') + "2");
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(Label("lblName"), "Zaid Ali");
    EXPECT_EQ(Label("lblPhone"), "555-0147");
    EXPECT_EQ(Label("lblWPhone"), "555-0199");
    EXPECT_EQ(Label("lblFax"), "555-0100");
    EXPECT_EQ(Label("lblBeeper"), "555-0123");
    EXPECT_EQ(Label("lblEMail"), "amina@example.org");
    EXPECT_EQ(Label("lblWeb"), "www.example.org");
    EXPECT_TRUE(responder->Boxes().empty());

    // The user's choice of another item shows that record, read by its key.
    list->setCurrentRow(2);
    EXPECT_EQ(Label("lblName"), "Hatim Zaki");
}

TEST_F(ContactsPaneTest, AnItemShowsTheRecordAtItsPlace) {
    TContactRecord second = Contact(2, {"", "Hatim", "Zaki"});
    second.homePhone = "999";
    WriteFile(ContactFileName, FileOf({Contact(1, {"", "Zaid", "Ali"}), second}));
    form->ShowPane(3);
    list->setCurrentRow(1);
    EXPECT_EQ(Label("lblPhone"), "999");
    list->setCurrentRow(0);
    EXPECT_EQ(Label("lblPhone"), "555-0147");
}

TEST_F(ContactsPaneTest, WithoutTheFileTheListAndLabelsStayAsTheyWere) {
    form->ShowPane(3);
    EXPECT_EQ(list->count(), 0);
    for (const char* name : kValueLabels)
        EXPECT_EQ(Label(name), "") << name;
    // Nothing selected: no editor opens.
    Click("btnEditContact");
    EXPECT_EQ(responder->ModalCount(), 0);
    EXPECT_TRUE(responder->Boxes().empty());

    // A file that goes away later leaves the list that was read.
    WriteFile(ContactFileName, FileOf({Contact(1, {"", "Zaid", "Ali"})}));
    form->ShowPane(3);
    ASSERT_TRUE(QFile::remove(ContactFileName));
    form->ShowPane(3);
    EXPECT_EQ(Shown(), std::vector<std::string>{"Zaid Ali"});
    EXPECT_EQ(Label("lblName"), "Zaid Ali");
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(ContactsPaneTest, AddNewReloadsAndSelectsTheFirstContact) {
    WriteFile(ContactFileName,
              FileOf({Contact(1, {"", "Zaid", "Ali"}), Contact(2, {"", "Hatim", "Zaki"})}));
    form->ShowPane(3);
    list->setCurrentRow(1);
    responder->QueueForm(SaveWithLastName("Rahman", "Amina"));
    Click("btnAddNew");

    EXPECT_EQ(responder->ModalCount(), 1);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Zaid Ali", "Hatim Zaki", "Amina Rahman"}));
    EXPECT_EQ(FullText(2), "Amina Rahman" + std::string(54, ' ') + "3");
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(Label("lblName"), "Zaid Ali");

    // The very first contact: the list shows it, selected.
    ASSERT_TRUE(QFile::remove(ContactFileName));
    form->LoadContacts(false, 0);
    responder->QueueForm(SaveWithLastName("Qadir", "Yusuf"));
    Click("btnAddNew");
    EXPECT_EQ(Shown(), std::vector<std::string>{"Yusuf Qadir"});
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(Label("lblName"), "Yusuf Qadir");
}

TEST_F(ContactsPaneTest, EditShowsTheSavedValuesAndKeepsTheListTextUntilReload) {
    WriteFile(ContactFileName,
              FileOf({Contact(1, {"", "Zaid", "Ali"}), Contact(2, {"", "Hatim", "Zaki"})}));
    form->ShowPane(3);
    list->setCurrentRow(1);
    responder->QueueForm([](TForm& f) {
        // The editor holds the selected contact.
        EXPECT_EQ(f.findChild<QLineEdit*>("txtFName")->text(), "Hatim");
        return SaveWithLastName("Zakiuddin", "Hatim")(f);
    });
    Click("btnEditContact");

    EXPECT_EQ(Label("lblName"), "Hatim Zakiuddin");
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Zaid Ali", "Hatim Zaki"}));
    EXPECT_EQ(list->currentRow(), 1);
    form->ShowPane(3);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Zaid Ali", "Hatim Zakiuddin"}));
}

TEST_F(ContactsPaneTest, TheCalendarThatComesBackListsTheEditorsDates) {
    // The editor's closing brings back the calendar pane on today's month
    // (Rajjab 1448) before the editor has written its record.
    ActiveForms::Push(form.get());
    form->ShowPane(3);
    const auto save = [](const char* box, const char* date) {
        return [box, date](TForm& f) {
            f.findChild<QLineEdit*>("txtFName")->setText("Amina");
            f.findChild<QLineEdit*>("txtLName")->setText("Rahman");
            f.findChild<QLineEdit*>(box)->setText(date);
            f.findChild<QPushButton*>("btnOk")->click();
            return f.ModalResult();
        };
    };
    const auto* birth = form->findChild<TStringGrid*>("grdBirth");
    responder->QueueForm(save("txtBirth", "5 Rajjab"));
    Click("btnAddNew");
    EXPECT_FALSE(form->findChild<QFrame*>("pnlHijri")->isHidden());
    EXPECT_EQ(birth->Cell(1, 0) + "|" + birth->Cell(2, 0), "Birthday|Amina Rahman");

    responder->QueueForm(save("txtAnniversary", "9 Rajjab"));
    Click("btnEditContact");
    EXPECT_EQ(birth->Cell(1, 1) + "|" + birth->Cell(0, 1), "Anniversary|9");
}

TEST_F(ContactsPaneTest, PaneLayout) {
    const QFrame* pane = form->findChild<QFrame*>("pnlContact");
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->size(), QSize(551, 370));
    EXPECT_EQ(list->geometry(), QRect(10, 40, 176, 241));
    EXPECT_EQ(form->findChild<QPushButton*>("btnEditContact")->geometry(), QRect(10, 330, 86, 26));
    EXPECT_EQ(form->findChild<QPushButton*>("btnAddNew")->geometry(), QRect(100, 330, 86, 26));
    EXPECT_EQ(form->findChild<QPushButton*>("btnEditContact")->text(), "Edit Contact...");
    EXPECT_EQ(form->findChild<QPushButton*>("btnAddNew")->text(), "Add New...");
    int top = 50;
    for (const char* name : kValueLabels) {
        const QLabel* value = form->findChild<QLabel*>(name);
        ASSERT_NE(value, nullptr) << name;
        EXPECT_EQ(value->pos(), QPoint(300, top)) << name;
        top += 25;
    }
}

}  // namespace
