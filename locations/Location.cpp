#include "locations/Location.h"

#include "ui_Location.h"

#include "calendar/Projglob.h"
#include "locations/NewLoc.h"
#include "platform/widgets/FormResource.h"
#include "platform/widgets/Handlers.h"

namespace {

const char* YesNo(bool on) {
    return on ? "Yes" : "No";
}

}  // namespace

TfrmLocation::TfrmLocation(QWidget* owner) : TForm(owner), ui(new Ui::TfrmLocation) {
    ui->setupUi(this);
    ApplyFormResource(this);
    places = std::make_unique<ListBoxPlaces>(ui->lstMain);
    CentreOnScreen(this);

    OnEvent(ui->lstMain, &QListWidget::currentRowChanged, this, &TfrmLocation::lstMainClick);
    OnEvent(ui->btnAddLocation, &QPushButton::clicked, this, &TfrmLocation::btnAddLocationClick);
    OnEvent(ui->btnEditLocation, &QPushButton::clicked, this, &TfrmLocation::btnEditLocationClick);
    OnEvent(ui->btnSetDefault, &QPushButton::clicked, this, &TfrmLocation::btnSetDefaultClick);
    OnEvent(ui->chkDaylight, &QCheckBox::toggled, this, &TfrmLocation::chkDaylightClick);
    OnEvent(ui->chkAutoUpdate, &QCheckBox::toggled, this, &TfrmLocation::chkAutoUpdateClick);
    ConnectModalButton(ui->btnClose, mrOk);
}

TfrmLocation::~TfrmLocation() = default;

void TfrmLocation::FormActivate() {
    LoadLocationList();
}

void TfrmLocation::lstMainClick() {
    ShowSelectedLocation();
}

void TfrmLocation::LoadLocationList() {
    if (!FillPlaceList(*places))
        return;
    if (places->Count() > 0) {
        SelectDefaultPlace(*places, DefaultMatch::Last);
        ShowSelectedLocation();
    }
    settingsLoaded = false;
    ui->chkDaylight->setChecked(ReadSettingString("DayLightSavings", "0") == "1");
    ui->chkAutoUpdate->setChecked(ReadSettingString("AutoUpdate", "1") == "1");
    // A box already in its state runs no handler: the labels are set here.
    ui->lblDaylight->setText(YesNo(ui->chkDaylight->isChecked()));
    ui->lblAutoUpdate->setText(YesNo(ui->chkAutoUpdate->isChecked()));
    settingsLoaded = true;
}

void TfrmLocation::ShowSelectedLocation() {
    TLocationRecord rec;
    if (ReadSelectedPlace(*places, rec))
        ShowRecord(rec);
}

void TfrmLocation::ShowRecord(TLocationRecord rec) {
    ui->lblName->setText(ToQString(LocationName(rec)));
    ui->lblLatitude->setText(ToQString(FloatToStrF(DegreesToDmm(rec.latitude), ffFixed, 5, 2)));
    ui->lblLongitude->setText(ToQString(FloatToStrF(DegreesToDmm(rec.longitude), ffFixed, 5, 2)));
    ui->lblTimeZone->setText(ToQString(FloatToStrF(rec.timeZone, ffFixed, 4, 1)));
}

void TfrmLocation::btnAddLocationClick() {
    const std::unique_ptr<TfrmNewLoc> dialog(new TfrmNewLoc(this));
    if (dialog->Execute(false, 0) == 1)
        LoadLocationList();
}

void TfrmLocation::btnEditLocationClick() {
    const std::unique_ptr<TfrmNewLoc> dialog(new TfrmNewLoc(this));
    const int recordNumber = SelectedPlaceNumber(*places);
    if (dialog->Execute(true, recordNumber) != 1)
        return;
    // The list shows what the file now holds: a renamed place takes its new
    // name and its new place in the order, and stays selected.
    if (FillPlaceList(*places))
        SelectPlaceNumber(*places, recordNumber);
    ShowSelectedLocation();
}

void TfrmLocation::btnSetDefaultClick() {
    const AnsiString daylight = ui->chkDaylight->isChecked() ? "1" : "0";
    // Both conversions come before the first write: a label that holds no
    // number stores nothing at all.
    const AnsiString longitude = DmmTextToDegreesText(FromQString(ui->lblLongitude->text()));
    const AnsiString latitude = DmmTextToDegreesText(FromQString(ui->lblLatitude->text()));
    // Success is told only after every value was written; the first write
    // that fails ends the saving and is told instead.
    const bool saved = WriteSettingString("Longitude", longitude) &&
                       WriteSettingString("Latitude", latitude) &&
                       WriteSettingString("TimeZone", FromQString(ui->lblTimeZone->text())) &&
                       WriteSettingString("Location", FromQString(ui->lblName->text())) &&
                       WriteSettingString("DayLightSavings", daylight);
    if (!saved) {
        ShowErrorBox(SettingsWriteFailure());
        return;
    }
    ShowMessageBox("Default location successfully saved.");
}

void TfrmLocation::chkDaylightClick() {
    ui->lblDaylight->setText(YesNo(ui->chkDaylight->isChecked()));
    if (settingsLoaded)
        ShowMessageBox("Make sure the click the 'Save As Default' button to save this change.");
}

void TfrmLocation::chkAutoUpdateClick() {
    ui->lblAutoUpdate->setText(YesNo(ui->chkAutoUpdate->isChecked()));
    if (settingsLoaded)
        WriteSettingString("AutoUpdate", ui->chkAutoUpdate->isChecked() ? "1" : "0");
}
