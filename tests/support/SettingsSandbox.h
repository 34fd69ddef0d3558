// A Sandbox whose settings key is open as the programs keep it: in
// SettingsRegistry, as the main form's creation leaves it, with the list
// padding set. For tests of code that reads or writes settings.
#pragma once

#include "calendar/Projglob.h"
#include "tests/support/Sandbox.h"

#include <memory>

class SettingsSandbox : public Sandbox {
protected:
    void SetUp() override {
        Sandbox::SetUp();
        registry = std::make_unique<TRegistry>();
        registry->OpenKey(SettingsKey, true);
        SettingsRegistry = registry.get();
        ListItemPadding = AnsiString(ListItemPaddingLength, ' ');
        generalMode = 0;
    }
    void TearDown() override {
        generalMode = 0;
        SettingsRegistry = nullptr;
        registry.reset();
        Sandbox::TearDown();
    }

    // The open key, for reading and writing values directly.
    std::unique_ptr<TRegistry> registry;
};
