#include "platform/desktop/SystemTime.h"

#include "platform/core/Clock.h"

#include <QLoggingCategory>

#include <ctime>

namespace {
// Silent in a normal run; QT_LOGGING_RULES="vidur.debug.debug=true" shows it.
Q_LOGGING_CATEGORY(vidurDebug, "vidur.debug", QtInfoMsg)
}  // namespace

bool DaylightSavingInEffect() {
    // The C library decides for the clock's local wall time, under the
    // present TZ (read again, so a changed zone counts).
    const QDateTime now = Clock::Now();
    std::tm tm{};
    tm.tm_year = now.date().year() - 1900;
    tm.tm_mon = now.date().month() - 1;
    tm.tm_mday = now.date().day();
    tm.tm_hour = now.time().hour();
    tm.tm_min = now.time().minute();
    tm.tm_sec = now.time().second();
    tm.tm_isdst = -1;
    tzset();
    if (std::mktime(&tm) == static_cast<std::time_t>(-1))
        return false;
    return tm.tm_isdst > 0;
}

void OutputDebugString(const AnsiString& text) {
    qCDebug(vidurDebug).noquote() << ToQString(text);
}
