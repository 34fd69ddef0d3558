#include "diary/contacts/ContactsPane.h"

#include "ui_ContactsPane.h"

#include "calendar/widgets/KeyedList.h"
#include "diary/contacts/ContactFile.h"
#include "diary/contacts/NContact.h"
#include "platform/widgets/Handlers.h"

#include <QListWidget>

#include <vector>

// The full texts of the items of a list being loaded, added to the list at
// once: one insertion costs the list as much as one item.
struct ContactItems {
    std::vector<AnsiString> texts;
};

constexpr std::size_t kItemsAtOnce = 4096;

namespace {

// The record number behind the selected item; 0 when nothing is selected.
int SelectedContactNumber(QListWidget* list) {
    const KeyedListBox items(list);
    const int i = items.Selected();
    return i < 0 ? 0 : StrToInt(items.Key(i));
}

// The stored texts as they are; a title of blanks only is no title.
AnsiString DisplayName(const TContactRecord& r) {
    if (Trim(r.title).empty())
        return r.firstName + " " + r.lastName;
    return r.title + " " + r.firstName + " " + r.lastName;
}

QString DateText(const TMisri& date) {
    return date == NoContactDate() ? QString() : ToQString(date.Format(2));
}

}  // namespace

TContactsPane::TContactsPane(QWidget* parent) : QFrame(parent), ui(new Ui::TContactsPane) {
    ui->setupUi(this);
    // The list's click runs when the user makes another item current (mouse
    // or keyboard); the program's own selections are quiet.
    OnEvent(ui->lstContact, &QListWidget::currentRowChanged, this, &TContactsPane::lstContactClick);
    OnEvent(ui->btnAddNew, &QPushButton::clicked, this, &TContactsPane::btnAddNewClick);
    OnEvent(ui->btnEditContact, &QPushButton::clicked, this, &TContactsPane::btnEditContactClick);
}

TContactsPane::~TContactsPane() = default;

void TContactsPane::AddContactItem(const TContactRecord& record, int number, ContactItems& items) {
    items.texts.push_back(KeyedItemText(DisplayName(record), IntToStr(number)));
}

void TContactsPane::LoadContacts(bool one, int number) {
    if (one) {
        if (const auto record = ReadContact(number))
            ShowContactDetails(*record);
        return;
    }
    // An item is keyed by its record's place in the file: the stored number
    // can be damaged, or wrap past 32,767 records. A file that cannot be
    // opened leaves the list as it was; the old items go with the first new
    // ones, and the new ones join the list a few thousand at a time, so that
    // the two lists are never held whole at once. The list keeps the file's
    // order.
    KeyedListBox list(ui->lstContact);
    ContactItems items;
    bool emptied = false;
    const auto flush = [&] {
        if (!emptied)
            list.Clear();
        emptied = true;
        list.Append(items.texts);
        items = {};
    };
    const bool read = ForEachContact([&](const TContactRecord& record, int place) {
        AddContactItem(record, place, items);
        if (items.texts.size() >= kItemsAtOnce)
            flush();
    });
    if (read || emptied)
        flush();
}

void TContactsPane::ShowContactList() {
    LoadContacts(false, 0);
    SelectFirstContact();
}

void TContactsPane::SelectFirstContact() {
    KeyedListBox list(ui->lstContact);
    if (list.Count() < 1)
        return;
    list.Select(0);
    LoadContacts(true, SelectedContactNumber(ui->lstContact));
}

void TContactsPane::ShowContactDetails(const TContactRecord& r) {
    ui->lblName->setText(ToQString(DisplayName(r)));
    ui->lblBirth->setText(DateText(r.birth));
    ui->lblAnniversary->setText(DateText(r.anniversary));

    // Emptiness here is a length of 0: a city of blanks still takes its comma.
    const AnsiString cityLine =
        r.city.empty() ? r.state + " " + r.zip : r.city + ", " + r.state + " " + r.zip;
    ui->lblAddress1->setText(ToQString(r.address1));
    if (r.address2.empty()) {
        ui->lblAddress2->setText(ToQString(cityLine));
        ui->lblAddress3->setText(ToQString(r.country));
    } else {
        ui->lblAddress2->setText(ToQString(r.address2));
        ui->lblAddress3->setText(
            ToQString(r.country.empty() ? cityLine : cityLine + ", " + r.country));
    }

    ui->lblPhone->setText(ToQString(r.homePhone));
    ui->lblWPhone->setText(ToQString(r.workPhone));
    ui->lblFax->setText(ToQString(r.fax));
    ui->lblBeeper->setText(ToQString(r.beeper));
    ui->lblEMail->setText(ToQString(r.email));
    ui->lblWeb->setText(ToQString(r.web));
}

void TContactsPane::lstContactClick() {
    const int number = SelectedContactNumber(ui->lstContact);
    if (number != 0)
        LoadContacts(true, number);
}

void TContactsPane::btnAddNewClick() {
    if (frmNewContact)
        frmNewContact->Execute(false);
    emit ContactsEdited();
    ShowContactList();
}

void TContactsPane::btnEditContactClick() {
    // With no contact selected there is nothing to edit.
    const int number = SelectedContactNumber(ui->lstContact);
    if (number == 0 || !frmNewContact)
        return;
    frmNewContact->Execute(true, number);
    emit ContactsEdited();
    // The labels show the saved values; the list keeps its text until the
    // next reload.
    LoadContacts(true, SelectedContactNumber(ui->lstContact));
}
