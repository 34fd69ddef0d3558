// A Sandbox with the diary's main window, and the long-lived forms its panes
// open (the date picker, the task dialog, the contact editor), each in its
// global as the program's start-up leaves it.
#pragma once

#include "calendar/widgets/PickDate.h"
#include "diary/MainForm.h"
#include "diary/contacts/NContact.h"
#include "diary/todo/TaskInfo.h"
#include "tests/support/Sandbox.h"

#include <gtest/gtest.h>

#include <memory>

class MainWindowSandbox : public Sandbox {
protected:
    void SetUp() override {
        Sandbox::SetUp();
        picker = std::make_unique<TfrmPickDate>();
        frmPickDate = picker.get();
        task = std::make_unique<TfrmTask>();
        frmTask = task.get();
        editor = std::make_unique<TfrmNewContact>();
        frmNewContact = editor.get();
        form = std::make_unique<TfrmMain>();
        frmMain = form.get();
    }
    void TearDown() override {
        frmMain = nullptr;
        form.reset();
        frmNewContact = nullptr;
        editor.reset();
        frmTask = nullptr;
        task.reset();
        frmPickDate = nullptr;
        picker.reset();
        Sandbox::TearDown();
    }

    // A component of the main window by its name.
    template <class W> W* Find(const char* name) const {
        W* w = form->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    std::unique_ptr<TfrmPickDate> picker;
    std::unique_ptr<TfrmTask> task;
    std::unique_ptr<TfrmNewContact> editor;
    std::unique_ptr<TfrmMain> form;
};
