#include "calendar/Projglob.h"
#include "calendar/widgets/FormHelpers.h"
#include "platform/widgets/Forms.h"
#include "tests/support/SettingsSandbox.h"

#include <gtest/gtest.h>

namespace {

using ProjglobTest = SettingsSandbox;

TEST_F(ProjglobTest, Boxes) {
    ShowErrorBox("Cannot open kestrun32.dat");
    ShowMessageBox("Default location successfully saved.");
    responder->QueueAnswer(mrNo);
    EXPECT_EQ(AskYesNo("Do you want to save this task?"), 0);
    EXPECT_EQ(AskYesNo("Do you want to save this task?"), 1);
    const auto& b = responder->Boxes();
    ASSERT_EQ(b.size(), 4u);
    EXPECT_EQ(b[0].caption, "Error");
    EXPECT_EQ(b[0].icon, BoxIcon::None);
    EXPECT_EQ(b[0].buttons, BoxButtons::Ok);
    EXPECT_EQ(b[1].caption, "Message");
    EXPECT_EQ(b[2].buttons, BoxButtons::YesNo);
    EXPECT_EQ(b[2].icon, BoxIcon::Question);
}

TEST_F(ProjglobTest, BusyCursor) {
    SetBusyCursor(1);
    EXPECT_EQ(Screen::Cursor(), crHourGlass);
    SetBusyCursor(0);
    EXPECT_EQ(Screen::Cursor(), crDefault);
}

}  // namespace
