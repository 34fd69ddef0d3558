// The contact editor: a modal dialog in which a new contact is typed or an
// existing one of "contact.dat" is changed. One instance is made at start-up
// and reused; the record being edited lives only for one Execute call.
#pragma once

#include "platform/widgets/Forms.h"

#include <memory>

struct TContactRecord;
class QLineEdit;

namespace Ui {
class TfrmNewContact;
}

class TfrmNewContact : public TForm {
    Q_OBJECT
public:
    explicit TfrmNewContact(QWidget* owner = nullptr);
    ~TfrmNewContact() override;

    // Add mode (edit false) appends the contact confirmed with OK; edit mode
    // rewrites record `number` (1-based) in place. Returns 1 when the dialog
    // ran, 0 when edit mode could not open "contact.dat" or find the record.
    int Execute(bool edit, int number = 0);

    // Every edit and combo box of the form gets an empty text.
    void ClearFields();
    void ShowRecord(const TContactRecord& record);
    // Boxes to record: every field but `number` and `deleted`.
    void FillRecord(TContactRecord& record);
    // Appends to "contact.dat"; false (after its box) when nothing was written.
    bool AppendRecord(TContactRecord& record);
    // 1 when both names are given; otherwise tells which is missing, puts the
    // focus on it and gives 0.
    int ValidateNames();

    void btnOkClick();
    void btnBirthClick();
    void btnAnniversaryClick();
    void txtBirthExit();
    void txtAnniversaryExit();
    // Rebuilds the title list for the display mode, keeping the typed title.
    void FormActivate() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PickDateInto(QLineEdit* box, QWidget* button);
    void CheckDateBox(QLineEdit* box);

    std::unique_ptr<Ui::TfrmNewContact> ui;
};

extern TfrmNewContact* frmNewContact;
