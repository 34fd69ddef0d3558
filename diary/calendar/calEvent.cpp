#include "diary/calendar/calEvent.h"

#include "ui_calEvent.h"

#include "calendar/Misri.h"
#include "calendar/Projglob.h"
#include "diary/calendar/records/EventFile.h"
#include "platform/widgets/FieldEdit.h"
#include "platform/widgets/FormResource.h"
#include "platform/widgets/Handlers.h"

#include <QEvent>

#include <array>

TfrmEvents* frmEvents = nullptr;

namespace {

constexpr std::array<const char*, 12> kGregorianMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// Days offered for a month index 0..11 of the mode; 0 for any other index.
// February always offers its 29th and Zil-Haj its 30th, since an event
// recurs in every year.
int OfferedDays(bool gregorian, int monthIndex) {
    if (monthIndex < 0 || monthIndex > 11)
        return 0;
    if (!gregorian)
        return monthIndex % 2 == 1 && monthIndex != 11 ? 29 : 30;
    switch (monthIndex) {
    case 1:
        return 29;
    case 3:
    case 5:
    case 8:
    case 10:
        return 30;
    default:
        return 31;
    }
}

// The editor keeps its texts one character shorter than the field holds.
constexpr int kEditedTextField = EventTextSize - 1;

}  // namespace

TfrmEvents::TfrmEvents(QWidget* owner) : TForm(owner), ui(new Ui::TfrmEvents) {
    ui->setupUi(this);
    ApplyFormResource(this);

    OnEvent(ui->cmbMonth, &QComboBox::activated, this, &TfrmEvents::cmbMonthClick);
    OnEvent(ui->cmbDay, &QComboBox::activated, this, &TfrmEvents::cmbDayClick);
    for (QLineEdit* box : {ui->txtE1, ui->txtE2, ui->txtE3, ui->txtE4}) {
        LimitToRecordField(box, kEditedTextField);
        // Only the user's own edits count; the program's loads do not.
        OnEvent(box, &QLineEdit::textEdited, this, &TfrmEvents::txtE1Change);
    }
    ConnectModalButton(ui->btnOk, mrOk);
    // Entering a control saves the day before the control acts, so a new
    // choice loads another day only after. The focus coming back after a
    // failed save's error box is no entry: the box does not come back
    // without end.
    OnEnter(ui->cmbMonth, this, &TfrmEvents::cmbMonthEnter);
    OnEnter(ui->cmbDay, this, &TfrmEvents::cmbDayEnter);
    OnEnter(ui->btnOk, this, &TfrmEvents::btnOkEnter);
    ui->txtE1->installEventFilter(this);
}

TfrmEvents::~TfrmEvents() = default;

int TfrmEvents::Execute(bool gregorianMode) {
    gregorian = gregorianMode;
    if (gregorian)
        FillGregorianMonths();
    else
        FillHijriMonths();
    FillDays();
    LoadEvent();
    modified = 0;
    return ShowModal();
}

void TfrmEvents::FillGregorianMonths() {
    ui->pnlTitle->setText(QStringLiteral("Gregorian Events"));
    ui->cmbMonth->clear();
    for (const char* name : kGregorianMonths)
        ui->cmbMonth->addItem(ToQString(name));
    ui->cmbMonth->setCurrentIndex(0);
}

void TfrmEvents::FillHijriMonths() {
    ui->pnlTitle->setText(QStringLiteral("Hijri Events"));
    ui->cmbMonth->clear();
    for (int m = 1; m <= 12; ++m)
        ui->cmbMonth->addItem(ToQString(MisriMonthNames[m]));
    ui->cmbMonth->setCurrentIndex(0);
}

void TfrmEvents::FillDays() {
    ui->cmbDay->clear();
    const int days = OfferedDays(gregorian, ui->cmbMonth->currentIndex());
    if (days == 0)
        ui->cmbDay->addItem(QStringLiteral("Error"));
    for (int d = 1; d <= days; ++d)
        ui->cmbDay->addItem(QString::number(d));
    ui->cmbDay->setCurrentIndex(0);
}

int TfrmEvents::SelectedKey() const {
    const int monthIndex = ui->cmbMonth->currentIndex();
    bool isNumber = false;
    const int day = ui->cmbDay->currentText().toInt(&isNumber);
    if (!isNumber || day < 1 || day > OfferedDays(gregorian, monthIndex))
        return 0;
    return gregorian ? GregorianEventKey(monthIndex + 1, day) : HijriEventKey(monthIndex + 1, day);
}

void TfrmEvents::LoadEvent() {
    for (QLineEdit* box : {ui->txtE1, ui->txtE2, ui->txtE3, ui->txtE4})
        ShowFieldText(box, AnsiString());
    // The boxes were emptied by the program: nothing of the user's is left
    // in them, whatever follows.
    modified = 0;
    if (ui->cmbDay->count() < 15) {
        ShowErrorBox("Error filling Days combo box");
        return;
    }
    const int key = SelectedKey();
    if (key == 0)
        return;
    const char* fileName = gregorian ? GregorianEventFileName : HijriEventFileName;
    const auto record = ReadEventRecord(fileName, key);
    if (!record) {
        ShowErrorBox(Format("Error opening %s file", fileName));
        return;
    }
    ShowFieldText(ui->txtE1, record->text1);
    ShowFieldText(ui->txtE2, record->text2);
    ShowFieldText(ui->txtE3, record->text3);
    ShowFieldText(ui->txtE4, record->text4);
}

int TfrmEvents::SaveEvent() {
    if (modified == 0)
        return 1;
    const int key = SelectedKey();
    if (key == 0)
        return 1;  // no day selected to file the texts under
    TEventRecord record;
    record.key = static_cast<std::int16_t>(key);
    record.text1 = FromQString(ui->txtE1->text());
    record.text2 = FromQString(ui->txtE2->text());
    record.text3 = FromQString(ui->txtE3->text());
    record.text4 = FromQString(ui->txtE4->text());
    const char* fileName = gregorian ? GregorianEventFileName : HijriEventFileName;
    // The file is never created: a missing one is reported and the change
    // stays pending, so the next move tries again.
    if (!WriteEventRecord(fileName, key, record)) {
        ShowErrorBox(gregorian ? "Could not open gevents.dat for writing"
                               : "Could not open events.dat for writing.");
        return -1;
    }
    modified = 0;
    return 0;
}

void TfrmEvents::cmbMonthClick() {
    FillDays();
    LoadEvent();
}

void TfrmEvents::cmbDayClick() {
    LoadEvent();
}

void TfrmEvents::txtE1Change() {
    modified = 1;
}

void TfrmEvents::cmbMonthEnter() {
    SaveEvent();
}

void TfrmEvents::cmbDayEnter() {
    SaveEvent();
}

void TfrmEvents::btnOkEnter() {
    SaveEvent();
}

void TfrmEvents::txtE1Exit() {}

bool TfrmEvents::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && watched == ui->txtE1)
        RunGuarded([this] { txtE1Exit(); });
    return TForm::eventFilter(watched, event);
}

void TfrmEvents::done(int r) {
    // The Enter key in a box presses OK without moving the focus, and the
    // close box moves it nowhere: the day being typed is saved here.
    if (modified != 0)
        RunGuarded([this] { SaveEvent(); });
    TForm::done(r);
}
