#include "diary/contacts/ContactFile.h"
#include "diary/contacts/ContactsPane.h"
#include "diary/contacts/NContact.h"
#include "tests/diary/ContactFixture.h"
#include "tests/diary/PaneHost.h"
#include "tests/diary/contacts/ContactsPaneFixture.h"
#include "tests/support/PublishedForm.h"
#include "tests/support/Sandbox.h"
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

// The pane on its own, in a form as the main window holds it, with the
// contact editor it opens in its global as the program's start-up leaves it.
class ContactsPaneTest : public ContactsPaneFixture<Sandbox> {
protected:
    void SetUp() override {
        Sandbox::SetUp();
        editor.make();
        host = std::make_unique<PaneHost<TContactsPane>>();
        Attach(host.get(), host->pane);
    }
    void TearDown() override {
        host.reset();
        editor.reset();
        Sandbox::TearDown();
    }

    PublishedForm<TfrmNewContact> editor{frmNewContact};
    std::unique_ptr<PaneHost<TContactsPane>> host;
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
        pane->ShowContactList();
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
        pane->ShowContactDetails(r);
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
    host->show();
    pane->ShowContactList();
    const QString email = ToQString(r.email);
    const QString name = "Dr. Muhammad-Abdur-Rahman Siddiqui-Chaudhry";

    auto* label = root->findChild<QLabel*>("lblEMail");
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
    EXPECT_EQ(ToolTipAt(root->findChild<QLabel*>("lblFax"), {5, 5}), "");

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
        pane->ShowContactDetails(Contact(1, {"", "A", "B"}, c.date, c.date));
        EXPECT_EQ(Label("lblBirth"), c.shown);
        EXPECT_EQ(Label("lblAnniversary"), c.shown);
    }
}

TEST_F(ContactsPaneTest, AnItemShowsTheRecordAtItsPlace) {
    TContactRecord second = Contact(2, {"", "Hatim", "Zaki"});
    second.homePhone = "999";
    WriteFile(ContactFileName, FileOf({Contact(1, {"", "Zaid", "Ali"}), second}));
    pane->ShowContactList();
    list->setCurrentRow(1);
    EXPECT_EQ(Label("lblPhone"), "999");
    list->setCurrentRow(0);
    EXPECT_EQ(Label("lblPhone"), "555-0147");
}

TEST_F(ContactsPaneTest, WithoutTheFileTheListAndLabelsStayAsTheyWere) {
    pane->ShowContactList();
    EXPECT_EQ(list->count(), 0);
    for (const char* name : kValueLabels)
        EXPECT_EQ(Label(name), "") << name;
    // Nothing selected: no editor opens.
    Click("btnEditContact");
    EXPECT_EQ(responder->ModalCount(), 0);
    EXPECT_TRUE(responder->Boxes().empty());

    // A file that goes away later leaves the list that was read.
    WriteFile(ContactFileName, FileOf({Contact(1, {"", "Zaid", "Ali"})}));
    pane->ShowContactList();
    ASSERT_TRUE(QFile::remove(ContactFileName));
    pane->ShowContactList();
    EXPECT_EQ(Shown(), std::vector<std::string>{"Zaid Ali"});
    EXPECT_EQ(Label("lblName"), "Zaid Ali");
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(ContactsPaneTest, AddNewReloadsAndSelectsTheFirstContact) {
    WriteFile(ContactFileName,
              FileOf({Contact(1, {"", "Zaid", "Ali"}), Contact(2, {"", "Hatim", "Zaki"})}));
    pane->ShowContactList();
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
    pane->LoadContacts(false, 0);
    responder->QueueForm(SaveWithLastName("Qadir", "Yusuf"));
    Click("btnAddNew");
    EXPECT_EQ(Shown(), std::vector<std::string>{"Yusuf Qadir"});
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(Label("lblName"), "Yusuf Qadir");
}

TEST_F(ContactsPaneTest, EditShowsTheSavedValuesAndKeepsTheListTextUntilReload) {
    WriteFile(ContactFileName,
              FileOf({Contact(1, {"", "Zaid", "Ali"}), Contact(2, {"", "Hatim", "Zaki"})}));
    pane->ShowContactList();
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
    pane->ShowContactList();
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Zaid Ali", "Hatim Zakiuddin"}));
}

TEST_F(ContactsPaneTest, PaneLayout) {
    const QFrame* frame = root->findChild<QFrame*>("pnlContact");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->size(), QSize(551, 370));
    EXPECT_EQ(list->geometry(), QRect(10, 40, 176, 241));
    EXPECT_EQ(root->findChild<QPushButton*>("btnEditContact")->geometry(), QRect(10, 330, 86, 26));
    EXPECT_EQ(root->findChild<QPushButton*>("btnAddNew")->geometry(), QRect(100, 330, 86, 26));
    EXPECT_EQ(root->findChild<QPushButton*>("btnEditContact")->text(), "Edit Contact...");
    EXPECT_EQ(root->findChild<QPushButton*>("btnAddNew")->text(), "Add New...");
    int top = 50;
    for (const char* name : kValueLabels) {
        const QLabel* value = root->findChild<QLabel*>(name);
        ASSERT_NE(value, nullptr) << name;
        EXPECT_EQ(value->pos(), QPoint(300, top)) << name;
        top += 25;
    }
}

}  // namespace
