// Runs part of a test with another home folder, as a user whose home holds
// only what the test puts there: the documents folder and the other
// desktop folders follow $HOME, and no folder settings of the machine's own
// user are read. The old environment comes back when it goes.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class HomeScope {
public:
    explicit HomeScope(const QString& home)
        : home_(Saved("HOME")), configHome_(Saved("XDG_CONFIG_HOME")) {
        qputenv("HOME", home.toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");  // so $HOME/.config
    }
    ~HomeScope() {
        Restore("HOME", home_);
        Restore("XDG_CONFIG_HOME", configHome_);
    }
    HomeScope(const HomeScope&) = delete;
    HomeScope& operator=(const HomeScope&) = delete;

private:
    static std::optional<QByteArray> Saved(const char* name) {
        if (!qEnvironmentVariableIsSet(name))
            return std::nullopt;
        return qgetenv(name);
    }
    static void Restore(const char* name, const std::optional<QByteArray>& value) {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }

    std::optional<QByteArray> home_, configHome_;
};
