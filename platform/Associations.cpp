#include "Associations.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QStringList>

namespace {

const QString CommandSuffix = QStringLiteral("\\shell\\open\\command");

// An XDG base-directory variable, or its default when unset or empty.
QString EnvDir(const char* name, const QString& fallback) {
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

QStringList EnvDirs(const char* name, const QString& fallback) {
    return EnvDir(name, fallback).split(u':', Qt::SkipEmptyParts);
}

QStringList ConfigDirs() {
    QStringList dirs{EnvDir("XDG_CONFIG_HOME", QDir::homePath() + "/.config")};
    return dirs + EnvDirs("XDG_CONFIG_DIRS", "/etc/xdg");
}

QStringList DataDirs() {
    QStringList dirs{EnvDir("XDG_DATA_HOME", QDir::homePath() + "/.local/share")};
    return dirs + EnvDirs("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
}

// The lines of a key file's group as key=value pairs, in file order.
QList<QPair<QString, QString>> ReadGroup(const QString& path, const QString& group) {
    QList<QPair<QString, QString>> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    bool inGroup = false;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            inGroup = line == u'[' + group + u']';
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (inGroup && eq > 0)
            entries.append({line.left(eq).trimmed(), line.mid(eq + 1).trimmed()});
    }
    return entries;
}

// A desktop entry string value with its escapes resolved.
QString Unescape(const QString& value) {
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar c = value[++i];
        if (c == u's')
            out += u' ';
        else if (c == u'n')
            out += u'\n';
        else if (c == u't')
            out += u'\t';
        else if (c == u'r')
            out += u'\r';
        else
            out += c;
    }
    return out;
}

// The Exec line of an installed desktop entry, or "" when it is not
// installed, hidden or has none. An id "vendor-app.desktop" may also live
// in the subfolder "vendor/app.desktop".
QString ExecOf(const QString& desktopId) {
    QStringList names{desktopId};
    for (qsizetype i = desktopId.indexOf(u'-'); i > 0; i = desktopId.indexOf(u'-', i + 1))
        names << desktopId.left(i) + u'/' + desktopId.mid(i + 1);
    for (const QString& dir : DataDirs()) {
        for (const QString& name : names) {
            const QString path = dir + "/applications/" + name;
            if (!QFile::exists(path))
                continue;
            QString exec;
            bool hidden = false;
            for (const auto& [key, value] : ReadGroup(path, "Desktop Entry")) {
                if (key == u"Exec")
                    exec = Unescape(value);
                else if (key == u"Hidden" && value == u"true")
                    hidden = true;
            }
            return hidden ? QString() : exec;
        }
    }
    return {};
}

QStringList MimeAppsLists() {
    QStringList files;
    for (const QString& dir : ConfigDirs())
        files << dir + "/mimeapps.list";
    const QStringList data = DataDirs();
    for (const QString& dir : data)
        files << dir + "/applications/mimeapps.list";
    return files;
}

// The Exec line of the default application of the MIME type (or of one of
// its aliases), "" when there is none.
QString DefaultCommand(const QString& mimeName) {
    const QMimeType type = QMimeDatabase().mimeTypeForName(mimeName);
    QStringList names{mimeName};
    if (type.isValid())
        names << type.name() << type.aliases();
    for (const QString& list : MimeAppsLists()) {
        for (const auto& [key, value] : ReadGroup(list, "Default Applications")) {
            if (!names.contains(key))
                continue;
            for (const QString& id : value.split(u';', Qt::SkipEmptyParts)) {
                const QString exec = ExecOf(id.trimmed());
                if (!exec.isEmpty())
                    return exec;
            }
        }
    }
    return {};
}

// The MIME type of files with the extension; "" when the extension has none.
QString MimeOfExtension(const QString& ext) {
    if (ext.isEmpty())
        return {};
    for (const QMimeType& type : QMimeDatabase().mimeTypesForFileName("x." + ext)) {
        if (type.name() != u"application/octet-stream")
            return type.name();
    }
    return {};
}

// The freedesktop view: ".ext" is the extension's MIME type (when a program
// opens such files), and
// "<.ext or type>\shell\open\command" the default application's command.
class DesktopAssociations : public AssociationView {
public:
    bool KeyExists(const AnsiString& key) override { return !Lookup(ToQString(key)).isNull(); }
    AnsiString DefaultValue(const AnsiString& key) override {
        return FromQString(Lookup(ToQString(key)));
    }

private:
    // The key's default value; a null text when the key does not exist.
    static QString Lookup(const QString& key) {
        if (key.endsWith(CommandSuffix, Qt::CaseInsensitive)) {
            QString type = key.chopped(CommandSuffix.size());
            if (type.startsWith(u'.'))
                type = MimeOfExtension(type.mid(1));
            const QString command = type.isEmpty() ? QString() : DefaultCommand(type);
            return command.isEmpty() ? QString() : command;
        }
        if (key.startsWith(u'.') && !key.contains(u'\\')) {
            // The MIME database knows nearly every extension whether or not a
            // program for it is installed; an extension counts as registered
            // only when its type has a default application.
            const QString type = MimeOfExtension(key.mid(1));
            return type.isEmpty() || DefaultCommand(type).isEmpty() ? QString() : type;
        }
        return {};
    }
};

AssociationView*& Current() {
    static AssociationView* view = nullptr;
    return view;
}

}  // namespace

AssociationView& Associations::View() {
    static DesktopAssociations desktop;
    return Current() ? *Current() : desktop;
}

void Associations::SetView(AssociationView* view) {
    Current() = view;
}
