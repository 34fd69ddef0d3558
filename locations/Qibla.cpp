#include "locations/Qibla.h"

#include "ui_Qibla.h"

#include "calendar/Projglob.h"
#include "locations/records/LocationFile.h"
#include "platform/widgets/FormResource.h"
#include "platform/widgets/Handlers.h"

#include <QPainter>

#include <cmath>
#include <limits>

TfrmQibla* frmQibla = nullptr;

namespace {

constexpr double kDegToRad = 0.017453292519943295;
constexpr double kRadToDeg = 57.29577951308232;
constexpr double kMeccaLongitude = 39.83;
// Mecca's latitude, 21.42 degrees North, in radians.
constexpr double kMeccaLatitude = 0.37384952577718544;
constexpr int kAxis = 85;
constexpr int kArrowHead = 7;

bool Near(float magnitude, float whole) {
    return std::fabs(magnitude - whole) < 0.01f;
}

}  // namespace

TfrmQibla::TfrmQibla(QWidget* owner) : TForm(owner), ui(new Ui::TfrmQibla) {
    ui->setupUi(this);
    ApplyFormResource(this);
    places = std::make_unique<ComboPlaces>(ui->cmbCity);
    CentreOnScreen(this);
    OnEvent(ui->cmbCity, &QComboBox::activated, this, &TfrmQibla::cmbCityClick);
    ConnectModalButton(ui->btnClose, mrOk);
}

TfrmQibla::~TfrmQibla() = default;

void TfrmQibla::FormActivate() {
    LoadCityList();
}

void TfrmQibla::cmbCityClick() {
    ShowQibla();
}

void TfrmQibla::LoadCityList() {
    FillPlaceList(*places);
    if (places->Count() == 0)
        return;
    SelectDefaultPlace(*places, DefaultMatch::Last);
    ShowQibla();
}

void TfrmQibla::ShowQibla() {
    if (places->Selected() < 0)
        return;
    float longitude = 0, latitude = 0;
    if (!ReadCoordinates(SelectedPlaceNumber(*places), longitude, latitude))
        return;
    // A damaged record, whose coordinates are no finite numbers, has no
    // direction: no angle is shown and no needle is drawn.
    if (!std::isfinite(longitude) || !std::isfinite(latitude)) {
        ui->lblQibla->clear();
        qiblaAngle = std::numeric_limits<float>::quiet_NaN();
        update();
        return;
    }
    const float angle = QiblaAngle(longitude, latitude);
    ui->lblQibla->setText(ToQString(FloatToStrF(angle, ffFixed, 5, 2) + " deg."));
    qiblaAngle = angle;
    update();
}

bool TfrmQibla::ReadCoordinates(int recordNumber, float& longitude, float& latitude) {
    TLocationRecord rec;
    if (!ReadLocationRecord(recordNumber, rec))
        return false;
    longitude = rec.longitude;
    latitude = rec.latitude;
    return true;
}

float TfrmQibla::QiblaAngle(float longitude, float latitude) {
    const float c = -longitude;
    // Mecca, or close enough that its whole degrees match (in magnitude), has
    // no direction.
    if (Near(std::fabs(std::trunc(c)), 39) && Near(std::fabs(std::trunc(latitude)), 21)) {
        ShowErrorBox("Cannot evaluate Qibla location for Mecca");
        return 0;
    }
    const double dL = (c + kMeccaLongitude) * kDegToRad;
    const float S = static_cast<float>(std::sin(dL));
    const long double latitudeRad = static_cast<long double>(latitude) * kDegToRad;
    const float N = static_cast<float>(
        std::tan(static_cast<long double>(kMeccaLatitude)) * std::cos(latitudeRad) -
        std::sin(latitudeRad) * std::cos(static_cast<long double>(dL)));
    const float q =
        N == 0 ? 90.0f : static_cast<float>(std::atan(static_cast<double>(S / N)) * kRadToDeg);
    // atan gives the bearing only up to half a turn: the quadrant comes from
    // the signs of the two parts.
    const bool sameQuadrant =
        (std::sin(q * kDegToRad) > 0) == (S > 0) && (std::cos(q * kDegToRad) > 0) == (N > 0);
    const int k = sameQuadrant ? 0 : 180;
    return static_cast<float>(90 - (q + k));
}

QPoint TfrmQibla::PolarPoint(int radius, QPoint origin, float angle) {
    const double a = angle * kDegToRad;
    return QPoint(origin.x() + static_cast<int>(radius * std::cos(a)),
                  origin.y() - static_cast<int>(radius * std::sin(a)));
}

void TfrmQibla::DrawCompass(TCanvas& canvas, float angle) {
    // The middle of the client area, the canvas drawn on: how large the
    // window manager's frame is has no say in where the compass stands.
    const int cx = width() / 2;
    const int cy = height() / 2;

    const TBrushStyle brushStyle = canvas.Brush.Style;
    canvas.Brush.Style = bsClear;
    canvas.MoveTo(cx, cy);
    canvas.LineTo(cx + kAxis, cy);
    canvas.TextOut(cx + 90, cy - 5, "E");
    canvas.MoveTo(cx, cy);
    canvas.LineTo(cx - kAxis, cy);
    canvas.TextOut(cx - 100, cy - 5, "W");
    canvas.MoveTo(cx, cy);
    canvas.LineTo(cx, cy + kAxis);
    canvas.TextOut(cx - 4, cy + 90, "S");
    canvas.MoveTo(cx, cy);
    canvas.LineTo(cx, cy - kAxis);
    canvas.TextOut(cx - 4, cy - 100, "N");

    // No direction, no needle.
    if (std::isfinite(angle)) {
        const TColor penColor = canvas.Pen.Color;
        canvas.Pen.Color = RGB(255, 0, 0);
        const QPoint tip = PolarPoint(kAxis, QPoint(cx, cy), angle);
        canvas.MoveTo(cx, cy);
        canvas.LineTo(tip.x(), tip.y());
        const QPoint left = PolarPoint(kArrowHead, tip, angle + 210);
        canvas.MoveTo(tip.x(), tip.y());
        canvas.LineTo(left.x(), left.y());
        const QPoint right = PolarPoint(kArrowHead, tip, angle + 150);
        canvas.MoveTo(tip.x(), tip.y());
        canvas.LineTo(right.x(), right.y());
        canvas.Pen.Color = penColor;
    }
    canvas.Brush.Style = brushStyle;
}

void TfrmQibla::paintEvent(QPaintEvent* event) {
    TForm::paintEvent(event);
    QPainter painter(this);
    QPainterCanvas canvas(painter);
    canvas.Font = FromQFont(font(), clWindowText);
    canvas.Brush.Color = clBtnFace;
    RunGuarded([&] { DrawCompass(canvas, qiblaAngle); });
}
