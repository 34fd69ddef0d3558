#include "NewLoc.h"

#include "ui_NewLoc.h"

#include "Exceptions.h"
#include "FieldEdit.h"
#include "FormResource.h"
#include "Handlers.h"
#include "Projglob.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

AnsiString TextOf(const QLineEdit* edit) {
    return FromQString(edit->text());
}

}  // namespace

TfrmNewLoc::TfrmNewLoc(QWidget* owner) : TForm(owner), ui(new Ui::TfrmNewLoc) {
    ui->setupUi(this);
    ApplyFormResource(this);
    LimitToRecordField(ui->txtName, LocationNameSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    ConnectModalButton(ui->btnOk, mrOk, this, &TfrmNewLoc::btnOkClick);
    ConnectModalButton(ui->btnCancel, mrCancel);
}

TfrmNewLoc::~TfrmNewLoc() = default;

int TfrmNewLoc::Execute(bool editMode, int recordNumber) {
    if (editMode)
        LoadRecordAt(recordNumber);
    else
        ClearEdits();
    ui->txtName->setFocus();
    if (ShowModal() != mrOk)
        return 0;
    if (editMode)
        SaveRecordAt(recordNumber);
    else
        AppendRecord();
    return 1;
}

void TfrmNewLoc::btnOkClick() {
    if (!ValidateFields())
        SetModalResult(mrNone);
}

void TfrmNewLoc::ClearEdits() {
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->clear();
}

void TfrmNewLoc::LoadRecordAt(int recordNumber) {
    // Without a file (or a readable record) the dialog shows empty fields
    // rather than the text of an earlier use.
    ClearEdits();
    if (!LocationFileExists())
        return;
    TLocationRecord rec;
    if (ReadLocationRecord(recordNumber, rec))
        ShowRecord(rec);
}

void TfrmNewLoc::ShowRecord(const TLocationRecord& rec) {
    ui->txtName->setText(ToQString(LocationName(rec)));
    ui->txtLatitude->setText(ToQString(FloatToStrF(DegreesToDmm(rec.latitude), ffFixed, 5, 2)));
    ui->txtLongitude->setText(ToQString(FloatToStrF(DegreesToDmm(rec.longitude), ffFixed, 5, 2)));
    ui->txtTimeZone->setText(ToQString(FloatToStrF(rec.timeZone, ffFixed, 5, 2)));
}

bool TfrmNewLoc::Filled(QLineEdit* edit, const char* message) {
    if (!Trim(TextOf(edit)).empty())
        return true;
    ShowErrorBox(message);
    edit->setFocus();
    return false;
}

bool TfrmNewLoc::Numeric(QLineEdit* edit) {
    try {
        StrToFloat(TextOf(edit));
        return true;
    } catch (const EConvertError& e) {
        ShowErrorBox(e.Message());
        edit->setFocus();
        return false;
    }
}

bool TfrmNewLoc::ValidateFields() {
    // Blank fields first, then the numbers, each in this order: a number
    // field that holds no number would pass the dialog and lose the place
    // typed in once the record could not be built.
    return Filled(ui->txtName, "Please provide the name of location.") &&
           Filled(ui->txtLongitude, "Please provide the longitude of location.") &&
           Filled(ui->txtLatitude, "Please provide the latitude of location.") &&
           Filled(ui->txtTimeZone, "Please provide the time zone of location.") &&
           Numeric(ui->txtLongitude) && Numeric(ui->txtLatitude) && Numeric(ui->txtTimeZone);
}

bool TfrmNewLoc::FillRecord(TLocationRecord& rec) {
    try {
        TLocationRecord typed;
        SetLocationName(typed, TextOf(ui->txtName));
        typed.longitude = DmmToDegrees(static_cast<float>(StrToFloat(TextOf(ui->txtLongitude))));
        typed.latitude = DmmToDegrees(static_cast<float>(StrToFloat(TextOf(ui->txtLatitude))));
        typed.timeZone = static_cast<float>(StrToFloat(TextOf(ui->txtTimeZone)));
        rec = typed;
        return true;
    } catch (const EConvertError& e) {
        ShowException(e);
        return false;
    }
}

void TfrmNewLoc::SaveRecordAt(int recordNumber) {
    if (!LocationFileExists())
        return;
    TLocationRecord rec;
    if (FillRecord(rec))
        RewriteLocationRecord(recordNumber, rec);
}

void TfrmNewLoc::AppendRecord() {
    TLocationRecord rec;
    if (FillRecord(rec))
        AppendLocationRecord(rec);
}
