// The prayer times of one day at one place: a place from the location file,
// a Hijri date (today by default), the daylight hour on demand, and the
// export of a month or a year of times to "NTimes.txt". What the rows show
// follows the program's display mode: six times in the general display, or
// Sehri and the ends of Zohar and Asr in the community display.
#pragma once

#include "locations/PlaceList.h"
#include "locations/records/LocationFile.h"
#include "platform/core/DateTime.h"
#include "platform/widgets/Forms.h"

#include <memory>

namespace Ui {
class TfrmSalaat;
}

class TfrmSalaat : public TForm {
    Q_OBJECT
public:
    explicit TfrmSalaat(QWidget* owner = nullptr);
    ~TfrmSalaat() override;

    // Each showing starts on today and the default place.
    void FormActivate() override;
    void lstMainClick();
    void chkDaylightClick();
    void btnOpenDueDateClick();
    void btnExportClick();

    void LoadLocationList();
    void ShowSelectedTimings();
    void ShowDayTimings(TLocationRecord place, TDateTime day);
    // Writes a month or the current Hijri year of times for the selected
    // place to "NTimes.txt" and opens it.
    void ExportTimings();

private:
    std::unique_ptr<Ui::TfrmSalaat> ui;
    std::unique_ptr<ListBoxPlaces> places;
};

extern TfrmSalaat* frmSalaat;
