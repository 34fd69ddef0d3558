#include "platform/core/Clock.h"

QDateTime Clock::Now() {
    const auto& fixed = Fixed();
    return fixed ? *fixed : QDateTime::currentDateTime();
}

void Clock::SetFixed(const QDateTime& localTime) {
    Fixed() = localTime;
}

void Clock::Reset() {
    Fixed().reset();
}

std::optional<QDateTime>& Clock::Fixed() {
    static std::optional<QDateTime> fixed;
    return fixed;
}
