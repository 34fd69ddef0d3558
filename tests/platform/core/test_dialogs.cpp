#include "platform/core/Dialogs.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A program without the widget layer (the build's data tools) has no
// presenter: each box is a line on standard error, answered as a box closed
// without a choice.
TEST(DialogSeam, WithoutAPresenterABoxGoesToStandardError) {
    ASSERT_EQ(Dialogs::Responder(), nullptr);
    BoxResponder* const shown = Dialogs::SetPresenter(nullptr);
    struct Case {
        BoxButtons buttons;
        int result;
    };
    const Case cases[] = {{BoxButtons::Ok, mrOk},
                          {BoxButtons::OkCancel, mrCancel},
                          {BoxButtons::YesNo, mrNo},
                          {BoxButtons::YesNoCancel, mrCancel}};
    for (const Case& c : cases) {
        ::testing::internal::CaptureStderr();
        const int result = Dialogs::MessageBox("Cannot open events.dat file", "Error", c.buttons);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Error: Cannot open events.dat file\n");
        EXPECT_EQ(result, c.result);
    }
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(Dialogs::InputBox("Input required", "Please type the Hijri year.", "1400"), "1400");
    EXPECT_TRUE(Dialogs::OpenFile("Open", {"Wave File (*.wav)"}).isEmpty());
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Input required: Please type the Hijri year.\nOpen: Wave File (*.wav)\n");
    // Text in the record files' code page reaches the terminal as such.
    ::testing::internal::CaptureStderr();
    Dialogs::MessageBox("Montr\xE9"
                        "al",
                        "Message");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Message: Montr\xC3\xA9"
                                                        "al\n");
    EXPECT_EQ(Dialogs::SetPresenter(shown), nullptr);
}

}  // namespace
