#include "locations/NewLoc.h"

#include "ui_NewLoc.h"

#include "calendar/Projglob.h"
#include "platform/core/Exceptions.h"
#include "platform/widgets/FieldEdit.h"
#include "platform/widgets/FormResource.h"
#include "platform/widgets/Handlers.h"

#include <cmath>
#include <limits>

namespace {

AnsiString TextOf(const QLineEdit* edit) {
    return FromQString(edit->text());
}

// What a field may hold once stored: the place's coordinates in decimal
// degrees, its time zone in hours. A number past a float's range is stored
// as infinity or NaN, which no reader can use.
struct FieldRange {
    float low, high;
    const char* message;
};
constexpr FieldRange kLongitudeRange = {-180, 180,
                                        "The longitude must lie between -180 and 180 degrees."};
constexpr FieldRange kLatitudeRange = {-90, 90,
                                       "The latitude must lie between -90 and 90 degrees."};
constexpr FieldRange kTimeZoneRange = {-14, 14, "The time zone must lie between -14 and 14 hours."};

// The field's number as the record stores it: degrees.minutes become decimal
// degrees. A number that no float holds becomes NaN.
float StoredValue(const QLineEdit* edit, bool degreesMinutes) {
    const double typed = StrToFloat(TextOf(edit));
    if (!(std::fabs(typed) <= std::numeric_limits<float>::max()))
        return std::numeric_limits<float>::quiet_NaN();
    const auto value = static_cast<float>(typed);
    return degreesMinutes ? DmmToDegrees(value) : value;
}

// False, after the range's message in the error box and with the focus on
// the edit, when the number as stored lies outside the range.
bool InRange(QLineEdit* edit, bool degreesMinutes, const FieldRange& range) {
    const float value = StoredValue(edit, degreesMinutes);
    // Written so that NaN fails too.
    if (value >= range.low && value <= range.high)
        return true;
    ShowErrorBox(range.message);
    edit->setFocus();
    return false;
}

}  // namespace

TfrmNewLoc::TfrmNewLoc(QWidget* owner) : TForm(owner), ui(new Ui::TfrmNewLoc) {
    ui->setupUi(this);
    ApplyFormResource(this);
    LimitToRecordField(ui->txtName, LocationNameSize);
    CentreOnScreen(this);
    ConnectModalButton(ui->btnOk, mrOk, this, &TfrmNewLoc::btnOkClick);
    ConnectModalButton(ui->btnCancel, mrCancel);
}

TfrmNewLoc::~TfrmNewLoc() = default;

int TfrmNewLoc::Execute(bool editMode, int recordNumber) {
    if (editMode)
        LoadRecordAt(recordNumber);
    else
        ClearEdits();
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
    // Blank fields first, then each number field in this order: a number
    // field that holds no number, or one out of range, would pass the
    // dialog and lose the place typed in, or store a place no one can use.
    return Filled(ui->txtName, "Please provide the name of location.") &&
           Filled(ui->txtLongitude, "Please provide the longitude of location.") &&
           Filled(ui->txtLatitude, "Please provide the latitude of location.") &&
           Filled(ui->txtTimeZone, "Please provide the time zone of location.") &&
           Numeric(ui->txtLongitude) && InRange(ui->txtLongitude, true, kLongitudeRange) &&
           Numeric(ui->txtLatitude) && InRange(ui->txtLatitude, true, kLatitudeRange) &&
           Numeric(ui->txtTimeZone) && InRange(ui->txtTimeZone, false, kTimeZoneRange);
}

bool TfrmNewLoc::FillRecord(TLocationRecord& rec) {
    try {
        TLocationRecord typed;
        SetLocationName(typed, TextOf(ui->txtName));
        typed.longitude = StoredValue(ui->txtLongitude, true);
        typed.latitude = StoredValue(ui->txtLatitude, true);
        typed.timeZone = StoredValue(ui->txtTimeZone, false);
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
