// The one clock of the process. Everything that asks for the date or the
// time asks here, so that a test can set the time and nothing depends on the
// real date.
#pragma once

#include <QDateTime>

#include <optional>

class Clock {
public:
    // Local wall-clock time: the fixed time when one is set, else the system's.
    static QDateTime Now();
    static void SetFixed(const QDateTime& localTime);
    static void Reset();

private:
    static std::optional<QDateTime>& Fixed();
};
