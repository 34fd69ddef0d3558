#include "calendar/GregorianDayText.h"

#include "platform/core/DateTime.h"

QString GregorianDayText(const TMisri& day) {
    const TDateTime date = day.ToDateTime();
    return InDateRange(date) ? FormatDateTimeForScreen("mmm d, yyyy", date) : QString();
}
