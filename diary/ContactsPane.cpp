// The contacts pane of the main window: the list of every contact of
// "contact.dat" in file order, the details of the selected one, and the
// buttons that open the contact editor. Every display reads the file again.
#include "MainForm.h"

#include "ui_MainForm.h"

#include "ContactFile.h"
#include "NContact.h"
#include "PlaceList.h"
#include "Projglob.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace {

// The contact list keeps the file's order. Like the place lists it shows
// only an item's visible text and keeps the full text, hidden key included,
// in Qt::UserRole. Changes made here emit none of the widget's signals: only
// the user's actions reach the pane's handlers.
void ClearItems(QListWidget* list) {
    const QSignalBlocker quiet(list);
    list->clear();
}

void AppendItem(QListWidget* list, const AnsiString& text) {
    const QSignalBlocker quiet(list);
    auto* item = new QListWidgetItem(ToQString(PlaceItemVisibleText(text)));
    item->setData(Qt::UserRole, ToQString(text));
    list->addItem(item);
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

void TfrmMain::AddContactItem(const TContactRecord& record) {
    AppendItem(ui->lstContact, DisplayName(record) + ListItemPadding + IntToStr(record.number));
}

void TfrmMain::LoadContacts(bool one, int number) {
    if (one) {
        if (const auto record = ReadContact(number))
            ShowContactDetails(*record);
        return;
    }
    // A file that cannot be read leaves the list as it was.
    const auto records = ReadAllContacts();
    if (!records)
        return;
    ClearItems(ui->lstContact);
    for (const TContactRecord& record : *records)
        AddContactItem(record);
}

void TfrmMain::SelectFirstContact() {
    if (ui->lstContact->count() < 1)
        return;
    SelectItem(ui->lstContact, 0);
    LoadContacts(true, SelectedContactNumber(ui->lstContact));
}

void TfrmMain::ShowContactDetails(const TContactRecord& r) {
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

void TfrmMain::lstContactClick() {
    const int number = SelectedContactNumber(ui->lstContact);
    if (number != 0)
        LoadContacts(true, number);
}

void TfrmMain::btnAddNewClick() {
    if (frmNewContact)
        frmNewContact->Execute(false);
    LoadContacts(false, 0);
    SelectFirstContact();
}

void TfrmMain::btnEditContactClick() {
    // With no contact selected there is nothing to edit.
    const int number = SelectedContactNumber(ui->lstContact);
    if (number == 0 || !frmNewContact)
        return;
    frmNewContact->Execute(true, static_cast<std::int16_t>(number));
    // The labels show the saved values; the list keeps its text until the
    // next reload.
    LoadContacts(true, SelectedContactNumber(ui->lstContact));
}
