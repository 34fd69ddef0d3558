// Sets environment variables for one test (the time zone, the desktop's
// search path) and puts the old values back when it goes. The C library's
// idea of the local zone is read again at each change.
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <ctime>
#include <map>
#include <optional>
#include <string>

class EnvironmentGuard {
public:
    EnvironmentGuard() = default;
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

    void Set(const char* name, const QByteArray& value) {
        if (!saved_.count(name))
            saved_[name] = qEnvironmentVariableIsSet(name)
                               ? std::optional<QByteArray>(qgetenv(name))
                               : std::nullopt;
        qputenv(name, value);
        tzset();
    }
    void Unset(const char* name) {
        Set(name, {});
        qunsetenv(name);
        tzset();
    }
    ~EnvironmentGuard() {
        for (const auto& [name, value] : saved_) {
            if (value)
                qputenv(name.c_str(), *value);
            else
                qunsetenv(name.c_str());
        }
        tzset();
    }

private:
    std::map<std::string, std::optional<QByteArray>> saved_;
};
