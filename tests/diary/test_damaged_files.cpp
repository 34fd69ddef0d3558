// Every data file of the diary filled with random bytes (and cut at odd
// lengths): each pane and the outstanding-tasks list shows what it can, and
// nothing crashes or reads past a record.
#include "MainForm.h"
#include "MainWindowSandbox.h"
#include "NContact.h"
#include "PickDate.h"
#include "TaskInfo.h"
#include "Tasks.h"

#include <QListWidget>

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

namespace {

using DamagedFilesTest = MainWindowSandbox;

std::string RandomBytes(std::mt19937& rng, std::size_t n) {
    std::uniform_int_distribution<int> byte(0, 255);
    std::string s(n, '\0');
    for (char& c : s)
        c = static_cast<char>(byte(rng));
    return s;
}

TEST_F(DamagedFilesTest, RandomBytesInEveryFileCrashNothing) {
    std::mt19937 rng(20261210);
    for (int round = 0; round < 8; ++round) {
        // Whole records and a piece of one more, so readers meet a short tail.
        WriteFile("todotask.dat", RandomBytes(rng, 84 * 5 + static_cast<std::size_t>(round * 7)));
        WriteFile("contact.dat", RandomBytes(rng, 428 * 3 + static_cast<std::size_t>(round * 11)));
        WriteFile("events.dat", RandomBytes(rng, 602 * 40 + static_cast<std::size_t>(round)));
        WriteFile("gevents.dat", RandomBytes(rng, 602 * 40 + static_cast<std::size_t>(round)));
        WriteFile("kestrun32.dat", RandomBytes(rng, 60 * 4 + static_cast<std::size_t>(round)));
        for (int pane = 0; pane <= 3; ++pane)
            form->ShowPane(pane);
        // Three whole contact records, whatever they hold; the tail is not one.
        EXPECT_EQ(form->findChild<QListWidget*>("lstContact")->count(), 3);
        TfrmTasks tasks;
        tasks.LoadOutstandingTasks();
    }
}

}  // namespace
