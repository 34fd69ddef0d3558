#include "locations/Salaat.h"

#include "ui_Salaat.h"

#include "calendar/Misri.h"
#include "calendar/Projglob.h"
#include "calendar/widgets/PickDate.h"
#include "locations/PrayerTimes.h"
#include "platform/widgets/FormResource.h"
#include "platform/widgets/Handlers.h"
#include "resources/Bitmaps.h"

#include <QSignalBlocker>

TfrmSalaat* frmSalaat = nullptr;

namespace {

constexpr int kSehriBeforeFajar = 600;  // seconds

QString GregorianText(TDateTime day) {
    return FormatDateTimeForScreen("mmmm d, yyyy", day);
}

QString TimeText(double t) {
    return ToQString(TimeToStr(t));
}

}  // namespace

TfrmSalaat::TfrmSalaat(QWidget* owner) : TForm(owner), ui(new Ui::TfrmSalaat) {
    ui->setupUi(this);
    ApplyFormResource(this);
    places = std::make_unique<ListBoxPlaces>(ui->lstMain);
    ui->btnOpenDueDate->setIcon(LoadIcon("CALENDAR_BUTTON"));
    CentreOnScreen(this);

    OnEvent(ui->lstMain, &QListWidget::currentRowChanged, this, &TfrmSalaat::lstMainClick);
    OnEvent(ui->chkDaylight, &QCheckBox::toggled, this, &TfrmSalaat::chkDaylightClick);
    OnEvent(ui->btnOpenDueDate, &QToolButton::clicked, this, &TfrmSalaat::btnOpenDueDateClick);
    OnEvent(ui->btnExport, &QPushButton::clicked, this, &TfrmSalaat::btnExportClick);
    ConnectModalButton(ui->btnOk, mrOk);
}

TfrmSalaat::~TfrmSalaat() = default;

void TfrmSalaat::FormActivate() {
    const TDateTime today = Date();
    ui->txtMain->setText(ToQString(TMisri(today).Format(0)));
    ui->lblEnglishDate->setText(GregorianText(today));
    LoadLocationList();
}

void TfrmSalaat::lstMainClick() {
    ShowSelectedTimings();
}

void TfrmSalaat::chkDaylightClick() {
    ShowSelectedTimings();
}

void TfrmSalaat::btnExportClick() {
    ExportTimings();
}

void TfrmSalaat::LoadLocationList() {
    FillPlaceList(*places);
    if (places->Count() == 0)
        return;
    // The default place comes with its daylight choice. The box is set
    // quietly so that the times below are computed once, already with it.
    if (SelectDefaultPlace(*places, DefaultMatch::First)) {
        const QSignalBlocker quiet(ui->chkDaylight);
        ui->chkDaylight->setChecked(ReadSettingString("DayLightSavings", "0") == "1");
    }
    ShowSelectedTimings();
}

void TfrmSalaat::btnOpenDueDateClick() {
    TMisri date;
    const AnsiString shown = FromQString(ui->txtMain->text());
    if (!Trim(shown).empty())
        date.Set(shown);
    const TMisri picked = PickDateBelow(ui->btnOpenDueDate, date);
    ui->txtMain->setText(ToQString(picked.Format(0)));
    ui->lblEnglishDate->setText(GregorianText(picked.ToDateTime()));
    ShowSelectedTimings();
}

void TfrmSalaat::ShowSelectedTimings() {
    TMisri shown;
    shown.Set(FromQString(ui->txtMain->text()));
    const TDateTime day = shown.ToDateTime();
    TLocationRecord place;
    if (ReadSelectedPlace(*places, place))
        ShowDayTimings(place, day);
}

void TfrmSalaat::ShowDayTimings(TLocationRecord place, TDateTime day) {
    TPrayerTimes p;
    DayPrayerTimes(place, day, ui->chkDaylight->isChecked(), p);
    if (generalMode == 1) {
        ui->lblSehri->hide();
        ui->lblSehri2->hide();
        ui->Bevel4->hide();
        ui->lblFajar->setText(TimeText(p[0]));
        ui->lblSunrise->setText(TimeText(p[1]));
        ui->lblZohar->setText(TimeText(p[2]));
        ui->lblAsr->setText(TimeText(p[3]));
        ui->lblMaghrib->setText(TimeText(p[4]));
        ui->lblIsha->setText(TimeText(p[5]));
        return;
    }
    // Ten minutes before a Fajar just after midnight is the evening before.
    ui->lblSehri->setText(TimeText(TimeOfDay(AddSeconds(p[0], -kSehriBeforeFajar))));
    ui->lblFajar->setText(TimeText(p[0]));
    ui->lblSunrise->setText(TimeText(p[1]));
    ui->lblZohar->setText(TimeText(p[2]));
    // A twelfth of the daylight from sunrise to maghrib, in whole seconds.
    const int span = (SecondsOfDay(p[4]) - SecondsOfDay(p[1])) / 12;
    ui->lblAsr2->setText("Zohar Ends:");
    ui->lblAsr->setText(TimeText(AddSeconds(p[2], 2 * span)));
    ui->lblMaghrib2->setText("Asr Ends:");
    ui->lblMaghrib->setText(TimeText(AddSeconds(p[2], 4 * span)));
    ui->lblIsha2->setText("Maghrib:");
    ui->lblIsha->setText(TimeText(p[4]));
}
