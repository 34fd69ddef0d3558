// The contacts pane of the diary's main window: the list of every contact
// of "contact.dat" in file order, the details of the selected one, and the
// buttons that open the contact editor. Every display reads the file again.
// Its form resource is applied by the form it stands in, with the rest of
// that form's components.
#pragma once

#include <QFrame>

#include <memory>

struct ContactItems;
struct TContactRecord;

namespace Ui {
class TContactsPane;
}

class TContactsPane : public QFrame {
    Q_OBJECT
public:
    explicit TContactsPane(QWidget* parent = nullptr);
    ~TContactsPane() override;

    // Reloads the whole list and shows its first contact, as entering the
    // pane does.
    void ShowContactList();
    // one = false: the whole contact list; one = true: the details of record
    // `number`.
    void LoadContacts(bool one, int number);
    // After the list is loaded: selects its first item and shows that contact.
    void SelectFirstContact();
    // Adds the record's item to those being loaded: display name,
    // ListItemPadding, and the record's number, its 1-based place in the file.
    void AddContactItem(const TContactRecord& record, int number, ContactItems& items);
    // Fills the twelve value labels.
    void ShowContactDetails(const TContactRecord& record);

    void lstContactClick();
    void btnAddNewClick();
    void btnEditContactClick();

signals:
    // The contact editor has closed and may have written the file.
    void ContactsEdited();

private:
    std::unique_ptr<Ui::TContactsPane> ui;
};
