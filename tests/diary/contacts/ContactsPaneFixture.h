// What the contacts pane's tests look at, for the pane on its own and for
// the pane in the main window: its components by name, the list as shown and
// as kept, contacts with a full address, and the editor as the user fills it.
#pragma once

#include "diary/contacts/ContactFile.h"
#include "diary/contacts/ContactsPane.h"
#include "tests/diary/ContactFixture.h"
#include "tests/support/RecordingResponder.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct Name {
    const char* title;
    const char* first;
    const char* last;
};

inline TContactRecord Contact(std::int16_t number, Name name, TMisri birth = NoContactDate(),
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

inline const char* const kValueLabels[] = {
    "lblName",  "lblBirth",  "lblAnniversary", "lblAddress1", "lblAddress2", "lblAddress3",
    "lblPhone", "lblWPhone", "lblFax",         "lblBeeper",   "lblEMail",    "lblWeb"};

// Base is the sandbox that makes the form the pane stands in.
template <class Base> class ContactsPaneFixture : public Base {
protected:
    // The form holding the pane, and the pane; each test's SetUp names them.
    void Attach(QWidget* form, TContactsPane* contacts) {
        root = form;
        pane = contacts;
        list = root->findChild<QListWidget*>("lstContact");
        ASSERT_NE(list, nullptr);
    }

    std::string Label(const char* name) const {
        const QLabel* label = root->findChild<QLabel*>(name);
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
    void Click(const char* button) { root->findChild<QPushButton*>(button)->click(); }
    // The editor as the user fills it: the given last name, then OK.
    static RecordingResponder::FormScript SaveWithLastName(const char* last, const char* first) {
        return [last, first](TForm& f) {
            f.findChild<QLineEdit*>("txtFName")->setText(first);
            f.findChild<QLineEdit*>("txtLName")->setText(last);
            f.findChild<QPushButton*>("btnOk")->click();
            return f.ModalResult();
        };
    }

    QWidget* root = nullptr;
    TContactsPane* pane = nullptr;
    QListWidget* list = nullptr;
};
