// A test's own world: an empty working directory, a settings store in a
// temporary folder, a fixed clock and a responder for every box. Everything
// is put back in TearDown.
#pragma once

#include "tests/support/RecordingResponder.h"
#include "tests/support/RecordingShell.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>

class Sandbox : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Sets the process clock to a local date and time.
    static void SetToday(int year, int month, int day, int hour = 12, int minute = 0,
                         int second = 0);
    // Writes bytes into a file of the working directory.
    static void WriteFile(const std::string& name, const std::string& bytes);
    static std::string ReadFile(const std::string& name);
    static bool FileExists(const std::string& name);
    QString SettingsFolder() const { return settingsDir_->path(); }

    std::unique_ptr<RecordingResponder> responder;
    // Nothing is started for real; what would have been is recorded here.
    std::unique_ptr<RecordingShell> shell;

private:
    std::unique_ptr<QTemporaryDir> workDir_;
    std::unique_ptr<QTemporaryDir> settingsDir_;
    QString oldCwd_;
};
