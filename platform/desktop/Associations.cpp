#include "platform/desktop/Associations.h"

// GLib's headers use "signals" as a name, which Qt's keywords would replace:
// they come before any Qt header.
#include <gio/gio.h>

#include <QFile>
#include <QFileInfo>
#include <QString>

namespace {

const QString CommandSuffix = QStringLiteral("\\shell\\open\\command");

// The content type that the desktop gives files with the extension; "" when
// it knows none.
QString TypeOfExtension(const QString& ext) {
    if (ext.isEmpty())
        return {};
    gchar* guess = g_content_type_guess(("x." + ext).toUtf8().constData(), nullptr, 0, nullptr);
    const QString type = QString::fromUtf8(guess);
    g_free(guess);
    return type == u"application/octet-stream" ? QString() : type;
}

// The program the desktop opens files of the type with: its default
// application for the type (which GIO takes from the desktop's mimeapps
// lists, the added associations and the installed applications that declare
// the type), else the first application that can open it. Null when none.
GAppInfo* ApplicationFor(const QString& type) {
    const QByteArray name = type.toUtf8();
    if (GAppInfo* app = g_app_info_get_default_for_type(name.constData(), FALSE))
        return app;
    GList* all = g_app_info_get_all_for_type(name.constData());
    GAppInfo* first = all ? G_APP_INFO(g_object_ref(all->data)) : nullptr;
    g_list_free_full(all, g_object_unref);
    return first;
}

// Whether a program opens files of the type.
bool HasApplication(const QString& type) {
    GAppInfo* app = type.isEmpty() ? nullptr : ApplicationFor(type);
    if (app)
        g_object_unref(app);
    return app != nullptr;
}

// The command line of the type's program; "" when there is none.
QString CommandFor(const QString& type) {
    GAppInfo* app = type.isEmpty() ? nullptr : ApplicationFor(type);
    if (!app)
        return {};
    const QString command = QString::fromUtf8(g_app_info_get_commandline(app));
    g_object_unref(app);
    return command;
}

// The desktop's view through GIO: ".ext" exists when a program opens files
// of the extension, and holds the extension's content type (its file class);
// "<.ext or type>\shell\open\command" holds that program's command line.
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
                type = TypeOfExtension(type.mid(1));
            const QString command = CommandFor(type);
            return command.isEmpty() ? QString() : command;
        }
        if (key.startsWith(u'.') && !key.contains(u'\\')) {
            // The content-type database knows nearly every extension whether
            // or not a program for it is installed; an extension counts as
            // registered only when a program opens its type.
            const QString type = TypeOfExtension(key.mid(1));
            return HasApplication(type) ? type : QString();
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

bool Associations::LaunchDesktopProgram(const QString& path) {
    const QString type = TypeOfExtension(QFileInfo(path).suffix());
    GAppInfo* app = type.isEmpty() ? nullptr : ApplicationFor(type);
    if (!app)
        return false;
    GFile* file = g_file_new_for_path(QFile::encodeName(path).constData());
    GList* files = g_list_append(nullptr, file);
    GError* error = nullptr;
    const bool launched = g_app_info_launch(app, files, nullptr, &error);
    if (error)
        g_error_free(error);
    g_list_free(files);
    g_object_unref(file);
    g_object_unref(app);
    return launched;
}
