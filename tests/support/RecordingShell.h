// A shell that records what it was asked to start, and starts nothing.
// Installs itself while it lives.
#pragma once

#include "platform/desktop/Shell.h"

#include <vector>

class RecordingShell : public ShellHandler {
public:
    RecordingShell() { Shell::SetHandler(this); }
    ~RecordingShell() override { Shell::SetHandler(nullptr); }
    void StartDetached(const AnsiString& program, const std::vector<AnsiString>& args) override {
        AnsiString line = program;
        for (const auto& a : args)
            line += " " + a;
        started.push_back(line);
    }
    bool OpenDocument(const AnsiString& path) override {
        documents.push_back(path);
        return canOpen;
    }

    std::vector<AnsiString> started;    // "program arg arg"
    std::vector<AnsiString> documents;  // paths opened
    bool canOpen = true;                // whether the desktop has a program for them
};
