#include "vidur/PathHelpers.h"

#include "platform/desktop/Associations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// Position of the last folder separator, or npos.
std::size_t LastSeparator(const AnsiString& path) {
    return path.find_last_of("\\/");
}

// Strips the arguments and quotes from a registered command: everything from
// the first '%' (the "%1" placeholder, or an environment reference), the
// enclosing quotes, and trailing blanks, line feeds and quotes.
AnsiString CleanCommand(AnsiString command) {
    const std::size_t percent = command.find('%');
    if (percent != AnsiString::npos)
        command.erase(percent);
    if (!command.empty() && command.front() == '"')
        command.erase(0, 1);
    if (!command.empty() && command.back() == '"')
        command.pop_back();
    while (!command.empty() &&
           (command.back() == ' ' || command.back() == '\n' || command.back() == '"'))
        command.pop_back();
    return command;
}

QString& ProgramFolderOverride() {
    static QString folder;
    return folder;
}

}  // namespace

AnsiString FileNameOf(const AnsiString& path) {
    const std::size_t pos = LastSeparator(path);
    return pos == AnsiString::npos ? path : path.substr(pos + 1);
}

AnsiString DirectoryOf(const AnsiString& path) {
    const std::size_t pos = LastSeparator(path);
    return pos == AnsiString::npos ? AnsiString() : path.substr(0, pos + 1);
}

AnsiString ExtensionOf(const AnsiString& path) {
    const std::size_t pos = path.rfind('.');
    return pos == AnsiString::npos ? path : path.substr(pos + 1);
}

bool IsFile(const AnsiString& path) {
    return QFileInfo(ToQString(path)).isFile();
}

AnsiString AssociatedProgram(const AnsiString& ext) {
    AssociationView& view = Associations::View();
    AnsiString result;
    const AnsiString commandKey = "." + ext + "\\shell\\open\\command";
    if (view.KeyExists(commandKey)) {
        result = view.DefaultValue(commandKey);
    } else if (view.KeyExists("." + ext)) {
        // The extension names its file class; the class holds the command.
        result = view.DefaultValue("." + ext);
        if (!result.empty()) {
            const AnsiString classKey = result + "\\shell\\open\\command";
            if (view.KeyExists(classKey))
                result = view.DefaultValue(classKey);
        }
    }
    return CleanCommand(result);
}

QString ProgramFolder() {
    if (!ProgramFolderOverride().isEmpty())
        return ProgramFolderOverride();
    return QCoreApplication::applicationDirPath();
}

void SetProgramFolder(const QString& folder) {
    ProgramFolderOverride() = folder;
}

void MakeProgramFolderCurrent() {
    const QString folder = ProgramFolder();
    if (!folder.isEmpty())
        QDir::setCurrent(folder);
}
