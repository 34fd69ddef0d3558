// A Sandbox for the alarm's main form: its program folder is the test's
// working directory, the schedule list starts empty, the display mode and
// the debug switch are put back afterwards. Sounds, file associations and
// the prayer-time library are replaced by recorders and fixed answers; the
// desktop has a notification area unless a test takes it away.
#pragma once

#include "calendar/Projglob.h"
#include "locations/PrayerTimes.h"
#include "platform/desktop/Associations.h"
#include "platform/desktop/Sound.h"
#include "platform/desktop/TrayIcon.h"
#include "tests/support/FakeAssociations.h"
#include "tests/support/NotificationArea.h"
#include "tests/support/RecordingPlayer.h"
#include "tests/support/Sandbox.h"
#include "vidur/AzanForm.h"
#include "vidur/CommandLine.h"
#include "vidur/PathHelpers.h"
#include "vidur/Schedule.h"

#include <QDir>

#include <memory>

class AlarmSandbox : public Sandbox {
protected:
    void SetUp() override {
        Sandbox::SetUp();
        schedList.reset();
        savedMode_ = generalMode;
        SetProgramFolder(QDir::currentPath());
        SetNotificationArea(true);  // a desktop with a notification area
    }
    void TearDown() override {
        form.reset();
        schedList.reset();
        SetProgramFolder("");
        generalMode = savedMode_;
        debugMode = false;
        SetNotificationArea(std::nullopt);
        Sandbox::TearDown();
    }
    // Writes one value of the settings key, as the location editor would.
    static void Setting(const AnsiString& name, const AnsiString& value) {
        TRegistry r;
        r.OpenKey(SettingsKey, true);
        r.WriteString(name, value);
    }

    FakeAssociations associations;
    RecordingPlayer player;
    std::unique_ptr<TfrmMain> form;

private:
    int savedMode_ = 0;
};
