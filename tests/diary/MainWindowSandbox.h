// A Sandbox with the diary's main window, and the long-lived forms its panes
// open (the date picker, the task dialog, the contact editor), each in its
// global as the program's start-up leaves it.
#pragma once

#include "calendar/widgets/PickDate.h"
#include "diary/MainForm.h"
#include "diary/contacts/NContact.h"
#include "diary/todo/TaskInfo.h"
#include "tests/support/FindChild.h"
#include "tests/support/PublishedForm.h"
#include "tests/support/Sandbox.h"

#include <gtest/gtest.h>

#include <memory>

class MainWindowSandbox : public Sandbox {
protected:
    void SetUp() override {
        Sandbox::SetUp();
        picker.make();
        task.make();
        editor.make();
        form.make();
    }
    void TearDown() override {
        form.reset();
        editor.reset();
        task.reset();
        picker.reset();
        Sandbox::TearDown();
    }

    // A component of the main window by its name.
    template <class W> W* Find(const char* name) const { return FindChild<W>(form.get(), name); }

    PublishedForm<TfrmPickDate> picker{frmPickDate};
    PublishedForm<TfrmTask> task{frmTask};
    PublishedForm<TfrmNewContact> editor{frmNewContact};
    PublishedForm<TfrmMain> form{frmMain};
};
