#include "platform/desktop/Shell.h"

#include "platform/desktop/Associations.h"

#include <QFileInfo>
#include <QProcess>
#include <QStringList>

namespace {

class SystemShell : public ShellHandler {
public:
    void StartDetached(const AnsiString& program, const std::vector<AnsiString>& args) override {
        QStringList list;
        for (const auto& a : args)
            list << ToQString(a);
        QProcess::startDetached(ToQString(program), list);
    }
    // Through the desktop's own launcher, with the program that the
    // association lookup names, so that what the lookup promises is what
    // opens, also where no xdg-open is installed.
    bool OpenDocument(const AnsiString& path) override {
        return Associations::LaunchDesktopProgram(QFileInfo(ToQString(path)).absoluteFilePath());
    }
};

ShellHandler*& Current() {
    static ShellHandler* handler = nullptr;
    return handler;
}

ShellHandler& Active() {
    static SystemShell system;
    return Current() ? *Current() : system;
}

}  // namespace

void Shell::WinExec(const AnsiString& commandLine) {
    const QStringList parts = ToQString(commandLine).split(u' ', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return;
    std::vector<AnsiString> args;
    for (qsizetype i = 1; i < parts.size(); ++i)
        args.push_back(FromQString(parts[i]));
    Active().StartDetached(FromQString(parts[0]), args);
}

bool Shell::OpenDocument(const AnsiString& path) {
    return Active().OpenDocument(path);
}

void Shell::SetHandler(ShellHandler* handler) {
    Current() = handler;
}
