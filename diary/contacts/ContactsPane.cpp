#include "diary/contacts/ContactsPane.h"

#include "ui_ContactsPane.h"

#include "calendar/Projglob.h"
#include "diary/contacts/ContactFile.h"
#include "diary/contacts/NContact.h"
#include "platform/widgets/Handlers.h"

#include <QListWidget>
#include <QSignalBlocker>
#include <QStringList>

// The items of a list being loaded, added to the list at once: one insertion
// costs the list as much as one item.
struct ContactItems {
    QStringList shown;  // the display names
    QStringList full;   // with the hidden key
};

constexpr qsizetype kItemsAtOnce = 4096;

namespace {

// The contact list keeps the file's order. Like the place lists it shows
// only an item's visible text and keeps the full text, hidden key included,
// in Qt::UserRole. Changes made here emit none of the widget's signals: only
// the user's actions reach the pane's handlers.
void ClearItems(QListWidget* list) {
    const QSignalBlocker quiet(list);
    list->clear();
}

void AppendItems(QListWidget* list, const ContactItems& items) {
    const QSignalBlocker quiet(list);
    const int first = list->count();
    list->addItems(items.shown);
    for (qsizetype i = 0; i < items.full.size(); ++i)
        list->item(first + static_cast<int>(i))->setData(Qt::UserRole, items.full[i]);
}

void SelectItem(QListWidget* list, int i) {
    const QSignalBlocker quiet(list);
    list->setCurrentRow(i);
}

// The record number behind the selected item; 0 when nothing is selected.
int SelectedContactNumber(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    if (!item)
        return 0;
    return StrToInt(ListItemKey(FromQString(item->data(Qt::UserRole).toString())));
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
    const AnsiString shown = DisplayName(record);
    items.shown << ToQString(shown);
    items.full << ToQString(shown + ListItemPadding + IntToStr(number));
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
    // the two lists are never held whole at once.
    ContactItems items;
    bool emptied = false;
    const auto flush = [&] {
        if (!emptied)
            ClearItems(ui->lstContact);
        emptied = true;
        AppendItems(ui->lstContact, items);
        items = {};
    };
    const bool read = ForEachContact([&](const TContactRecord& record, int place) {
        AddContactItem(record, place, items);
        if (items.shown.size() >= kItemsAtOnce)
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
    if (ui->lstContact->count() < 1)
        return;
    SelectItem(ui->lstContact, 0);
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
