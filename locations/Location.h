// The location editor: browses the places of the location file, adds and
// edits places through the entry dialog, and stores the default place and
// the daylight-saving choices that both programs read. Created per use by
// its caller, shown modally and destroyed.
#pragma once

#include "locations/PlaceList.h"
#include "locations/records/LocationFile.h"
#include "platform/widgets/Forms.h"

#include <memory>

namespace Ui {
class TfrmLocation;
}

class TfrmLocation : public TForm {
    Q_OBJECT
public:
    explicit TfrmLocation(QWidget* owner = nullptr);
    ~TfrmLocation() override;

    void FormActivate() override;
    void lstMainClick();
    void btnAddLocationClick();
    void btnEditLocationClick();
    void btnSetDefaultClick();
    void chkDaylightClick();
    void chkAutoUpdateClick();

    // Fills the list, selects and shows the default place, and sets the two
    // boxes from the settings.
    void LoadLocationList();
    void ShowSelectedLocation();
    void ShowRecord(TLocationRecord rec);

private:
    std::unique_ptr<Ui::TfrmLocation> ui;
    std::unique_ptr<ListBoxPlaces> places;
    // False while the program itself sets the two boxes: only the user's
    // changes reach the settings.
    bool settingsLoaded = false;
};
