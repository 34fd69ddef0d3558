// The direction of the Kaaba in Mecca from a place of the location file, as
// an angle counter-clockwise from East and as a needle on a drawn compass.
#pragma once

#include "locations/PlaceList.h"
#include "platform/widgets/Canvas.h"
#include "platform/widgets/Forms.h"

#include <QPoint>

#include <memory>

namespace Ui {
class TfrmQibla;
}

class TfrmQibla : public TForm {
    Q_OBJECT
public:
    explicit TfrmQibla(QWidget* owner = nullptr);
    ~TfrmQibla() override;

    // Each showing reloads the places, selects the default and computes.
    void FormActivate() override;
    void cmbCityClick();

    void LoadCityList();
    void ShowQibla();
    // The stored coordinates of record n (decimal degrees); false, after the
    // message, when it cannot be read.
    bool ReadCoordinates(int recordNumber, float& longitude, float& latitude);
    // Degrees counter-clockwise from East, between -180 and 180; 0 after the
    // message for a place taken as Mecca itself.
    float QiblaAngle(float longitude, float latitude);
    // Four axes with their letters and the needle at `angle` (none when the
    // angle is no finite number), about the middle of the client area.
    void DrawCompass(TCanvas& canvas, float angle);
    // The point r pixels from origin at angle degrees (counter-clockwise
    // from East; screen y grows downwards).
    static QPoint PolarPoint(int radius, QPoint origin, float angle);

    float QiblaAngleShown() const { return qiblaAngle; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<Ui::TfrmQibla> ui;
    std::unique_ptr<ComboPlaces> places;
    // What the compass draws; East until an angle is computed, NaN (no
    // needle) for a place without a direction.
    float qiblaAngle = 0;
};

extern TfrmQibla* frmQibla;
