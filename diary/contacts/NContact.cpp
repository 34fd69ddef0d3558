#include "diary/contacts/NContact.h"

#include "ui_NContact.h"

#include "calendar/Misri.h"
#include "calendar/Projglob.h"
#include "calendar/widgets/PickDate.h"
#include "diary/contacts/ContactFile.h"
#include "platform/widgets/FieldEdit.h"
#include "platform/widgets/FormResource.h"
#include "platform/widgets/Handlers.h"
#include "resources/Bitmaps.h"

#include <QFocusEvent>

TfrmNewContact* frmNewContact = nullptr;

namespace {

// A date box's text for a stored day and month; the "no date" value shows
// as an empty box.
QString DateBoxText(const TMisri& date) {
    return date == NoContactDate() ? QString() : ToQString(date.Format(2));
}

// A "d Month" box as a stored date: no text is "no date", any other text
// takes the placeholder year 1418.
TMisri DateOfBox(const QLineEdit* box) {
    const AnsiString text = FromQString(box->text());
    TMisri date;
    if (Trim(text).empty())
        date.SetDate(1, 1, 4000);
    else
        date.Set(text + ", 1418");
    return date;
}

AnsiString TextOf(const QLineEdit* box) {
    return FromQString(box->text());
}

// Only a move of the focus to another control of the form counts as leaving
// a box; the activation of another window (a message box, the date picker)
// does not.
bool LeavesForAnotherControl(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

}  // namespace

TfrmNewContact::TfrmNewContact(QWidget* owner) : TForm(owner), ui(new Ui::TfrmNewContact) {
    ui->setupUi(this);
    ApplyFormResource(this);
    ui->btnBirth->setIcon(LoadIcon("CALENDAR_BUTTON"));
    ui->btnAnniversary->setIcon(LoadIcon("CALENDAR_BUTTON"));

    // The title field holds 14 characters; the editor takes at most 9.
    LimitToRecordField(ui->cmbTitle, 10);
    LimitToRecordField(ui->txtFName, 25);
    LimitToRecordField(ui->txtLName, 25);
    LimitToRecordField(ui->txtAddress1, 25);
    LimitToRecordField(ui->txtAddress2, 25);
    LimitToRecordField(ui->txtCity, 20);
    LimitToRecordField(ui->txtState, 15);
    LimitToRecordField(ui->txtZip, 10);
    LimitToRecordField(ui->txtCountry, 15);
    LimitToRecordField(ui->txtPhone, 20);
    LimitToRecordField(ui->txtWPhone, 20);
    LimitToRecordField(ui->txtFax, 20);
    LimitToRecordField(ui->txtBeeper, 20);
    LimitToRecordField(ui->txtEMail, 70);
    LimitToRecordField(ui->txtWeb, 75);

    CentreOnScreen(this);

    ConnectModalButton(ui->btnOk, mrOk, this, &TfrmNewContact::btnOkClick);
    ConnectModalButton(ui->Button1, mrCancel);
    OnEvent(ui->btnBirth, &QToolButton::clicked, this, &TfrmNewContact::btnBirthClick);
    OnEvent(ui->btnAnniversary, &QToolButton::clicked, this, &TfrmNewContact::btnAnniversaryClick);
    ui->txtBirth->installEventFilter(this);
    ui->txtAnniversary->installEventFilter(this);
}

TfrmNewContact::~TfrmNewContact() = default;

bool TfrmNewContact::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut &&
        LeavesForAnotherControl(static_cast<QFocusEvent*>(event)->reason())) {
        if (watched == ui->txtBirth)
            RunGuarded([this] { txtBirthExit(); });
        else if (watched == ui->txtAnniversary)
            RunGuarded([this] { txtAnniversaryExit(); });
    }
    return TForm::eventFilter(watched, event);
}

int TfrmNewContact::Execute(bool edit, int number) {
    if (!edit) {
        ClearFields();
        if (ShowModal() == mrOk) {
            TContactRecord record;
            FillRecord(record);
            AppendRecord(record);
        }
        return 1;
    }

    ContactFileEdit file;
    if (!file.Open())
        return 0;
    // A number with no whole record behind it has nothing to edit; writing
    // there would add a record of blank fields.
    std::optional<TContactRecord> record = file.Read(number);
    if (!record)
        return 0;
    ShowRecord(*record);
    if (ShowModal() == mrOk) {
        FillRecord(*record);
        if (!file.Write(number, *record))
            ShowErrorBox("Unable to open file 'contact.dat'");
    }
    return 1;
}

void TfrmNewContact::ClearFields() {
    // Emptied as a record with empty texts would fill them, so that each box
    // is back at its typing limit.
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        ShowFieldText(edit, AnsiString());
    for (QComboBox* combo : findChildren<QComboBox*>()) {
        combo->setCurrentIndex(-1);
        ShowFieldText(combo, AnsiString());
    }
}

void TfrmNewContact::ShowRecord(const TContactRecord& record) {
    ShowFieldText(ui->cmbTitle, record.title);
    ShowFieldText(ui->txtFName, record.firstName);
    ShowFieldText(ui->txtLName, record.lastName);
    ui->txtBirth->setText(DateBoxText(record.birth));
    ui->txtAnniversary->setText(DateBoxText(record.anniversary));
    ShowFieldText(ui->txtAddress1, record.address1);
    ShowFieldText(ui->txtAddress2, record.address2);
    ShowFieldText(ui->txtCity, record.city);
    ShowFieldText(ui->txtState, record.state);
    ShowFieldText(ui->txtZip, record.zip);
    ShowFieldText(ui->txtCountry, record.country);
    ShowFieldText(ui->txtPhone, record.homePhone);
    ShowFieldText(ui->txtWPhone, record.workPhone);
    ShowFieldText(ui->txtFax, record.fax);
    ShowFieldText(ui->txtBeeper, record.beeper);
    ShowFieldText(ui->txtEMail, record.email);
    ShowFieldText(ui->txtWeb, record.web);
}

void TfrmNewContact::FillRecord(TContactRecord& record) {
    record.title = FromQString(ui->cmbTitle->currentText());
    record.firstName = TextOf(ui->txtFName);
    record.lastName = TextOf(ui->txtLName);
    record.address1 = TextOf(ui->txtAddress1);
    record.address2 = TextOf(ui->txtAddress2);
    record.city = TextOf(ui->txtCity);
    record.state = TextOf(ui->txtState);
    record.zip = TextOf(ui->txtZip);
    record.country = TextOf(ui->txtCountry);
    record.homePhone = TextOf(ui->txtPhone);
    record.workPhone = TextOf(ui->txtWPhone);
    record.fax = TextOf(ui->txtFax);
    record.beeper = TextOf(ui->txtBeeper);
    record.email = TextOf(ui->txtEMail);
    record.web = TextOf(ui->txtWeb);
    record.birth = DateOfBox(ui->txtBirth);
    record.anniversary = DateOfBox(ui->txtAnniversary);
}

bool TfrmNewContact::AppendRecord(TContactRecord& record) {
    return AppendContact(record);
}

int TfrmNewContact::ValidateNames() {
    if (Trim(TextOf(ui->txtFName)).empty()) {
        ShowErrorBox("Please provide First Name");
        ui->txtFName->setFocus();
        return 0;
    }
    if (Trim(TextOf(ui->txtLName)).empty()) {
        ShowErrorBox("Please provide Last Name");
        ui->txtLName->setFocus();
        return 0;
    }
    return 1;
}

void TfrmNewContact::btnOkClick() {
    if (ValidateNames() == 0)
        SetModalResult(mrNone);
}

void TfrmNewContact::PickDateInto(QLineEdit* box, QWidget* button) {
    TMisri start;
    const AnsiString text = TextOf(box);
    if (!Trim(text).empty())
        start.Set(text + ", 1418");
    const TMisri picked = PickDateBelow(button, start);
    box->setText(ToQString(picked.Format(2)));
}

void TfrmNewContact::btnBirthClick() {
    PickDateInto(ui->txtBirth, ui->btnBirth);
}

void TfrmNewContact::btnAnniversaryClick() {
    PickDateInto(ui->txtAnniversary, ui->btnAnniversary);
}

void TfrmNewContact::CheckDateBox(QLineEdit* box) {
    const AnsiString text = TextOf(box);
    if (Trim(text).empty() || TMisri::IsValidText(text, 2))
        return;
    ShowErrorBox("In valid date specified. Check the spelling or click the date button to "
                 "select correct date.");
    box->setFocus();
}

void TfrmNewContact::txtBirthExit() {
    CheckDateBox(ui->txtBirth);
}

void TfrmNewContact::txtAnniversaryExit() {
    CheckDateBox(ui->txtAnniversary);
}

void TfrmNewContact::FormActivate() {
    static const char* const kGeneralTitles[] = {"Mr.", "Mrs.", "Miss", "Dr."};
    static const char* const kCommunityTitles[] = {"BhaiSaab", "Sheikh", "Mulla"};
    QComboBox* combo = ui->cmbTitle;
    const QString typed = combo->currentText();
    combo->clear();
    if (generalMode != 0)
        for (const char* title : kGeneralTitles)
            combo->addItem(QString::fromLatin1(title));
    else
        for (const char* title : kCommunityTitles)
            combo->addItem(QString::fromLatin1(title));
    combo->setCurrentIndex(-1);
    combo->setEditText(typed);
}
