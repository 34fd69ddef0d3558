// The prayer-times form on a location file of two places, with the
// prayer-time library answering fixed times.
#pragma once

#include "locations/Salaat.h"
#include "tests/locations/PlaceFixture.h"
#include "tests/support/FixedPrayerTimes.h"

#include <array>
#include <memory>

// A time of day as the library gives it: a fraction of the day.
inline double At(int h, int m, int s) {
    return (h * 3600 + m * 60 + s) / 86400.0;
}

class SalaatSandbox : public PlaceSandbox {
protected:
    // Opens the form in the community display, the library answering these
    // prayer times (Fajar, Sunrise, Zohar, Asr, Maghrib, Isha) for every day.
    void Open(const std::array<double, 6>& prayers) {
        generalMode = 0;
        std::copy(prayers.begin(), prayers.end(), library.prayers);
        WritePlaces({Place("New York City, USA", -73.966667f, 40.716667f, -5),
                     Place("Berlin", 13.4f, 52.5f, 1)});
        form = std::make_unique<TfrmSalaat>();
    }
    void TearDown() override {
        form.reset();
        PlaceSandbox::TearDown();
    }

    FixedPrayerTimes library;
    std::unique_ptr<TfrmSalaat> form;
};
