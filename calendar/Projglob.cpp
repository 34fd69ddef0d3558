#include "calendar/Projglob.h"

#include "kestrun/civil.h"
#include "platform/core/Dialogs.h"

#include <QDir>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

TRegistry* SettingsRegistry = nullptr;
AnsiString ListItemPadding(ListItemPaddingLength, ' ');
int generalMode = 0;

namespace {

constexpr std::array<std::pair<const char*, TColor>, 16> kColorNames = {{
    {"Black", clBlack},
    {"Maroon", clMaroon},
    {"Green", clGreen},
    {"Olive", clOlive},
    {"Navy", clNavy},
    {"Purple", clPurple},
    {"Teal", clTeal},
    {"Gray", clGray},
    {"Silver", clSilver},
    {"Red", clRed},
    {"Lime", clLime},
    {"Yellow", clYellow},
    {"Blue", clBlue},
    {"Fuchsia", clFuchsia},
    {"Aqua", clAqua},
    {"White", clWhite},
}};

}  // namespace

AnsiString ReadSettingString(const AnsiString& name, const AnsiString& def) {
    if (!SettingsRegistry)
        return def;
    try {
        AnsiString value = SettingsRegistry->ReadString(name);
        return value.empty() ? def : value;
    } catch (...) {
        return def;
    }
}

bool WriteSettingString(const AnsiString& name, const AnsiString& value) {
    if (!SettingsRegistry)
        return false;
    try {
        SettingsRegistry->WriteString(name, value);
        return true;
    } catch (...) {
        return false;
    }
}

AnsiString SettingsWriteFailure() {
    const QString file = SettingsRegistry ? SettingsRegistry->FileName() : QString();
    return "Cannot write the settings file \"" + FromQString(QDir::toNativeSeparators(file)) + "\"";
}

void ShowErrorBox(const AnsiString& text) {
    Dialogs::MessageBox(text, "Error");
}

void ShowMessageBox(const AnsiString& text) {
    Dialogs::MessageBox(text, "Message");
}

float DmmToDegrees(float x) {
    const float a = std::trunc(x);
    return a + (x - a) * 10.0f * (1.0f / 6.0f);
}

float DegreesToDmm(float x) {
    const float a = std::trunc(x);
    return a + (x - a) * 6.0f * 0.1f;
}

AnsiString DmmTextToDegreesText(const AnsiString& text) {
    return FloatToStrF(DmmToDegrees(static_cast<float>(StrToFloat(text))), ffFixed, 5, 2);
}

int SecondsOfDay(TDateTime t) {
    if (!std::isfinite(t))
        return 0;
    // The time of day is the fraction's size, also before 1900 where the
    // value is negative.
    const double s = std::fabs(t - std::trunc(t)) * 24 * 60 * 60;  // [0, 86400)
    // A time built from whole seconds may land a hair below its second in
    // binary; such a value counts as that second. A hair below midnight is
    // still the day's last second.
    const double whole = std::trunc(s);
    const int seconds = static_cast<int>(s - whole > 1 - 1e-6 ? whole + 1 : whole);
    return std::min(seconds, 86399);
}

TDateTime AddSeconds(TDateTime t, int s) {
    return t + s / 86400.0;
}

TDateTime TimeOfDay(TDateTime t) {
    const double time = t - std::floor(t);  // [0, 1]
    // A hair below a whole day rounds up to it: that is midnight.
    return time < 1 ? time : 0;
}

AnsiString ColorToName(TColor color) {
    for (const auto& [name, value] : kColorNames)
        if (value == color)
            return name;
    return "Black";
}

TColor NameToColor(const AnsiString& name) {
    for (const auto& [n, value] : kColorNames)
        if (name == n)
            return value;
    return 0;
}

std::vector<AnsiString> ColorNames() {
    std::vector<AnsiString> names;
    for (const auto& entry : kColorNames)
        names.emplace_back(entry.first);
    return names;
}

AnsiString ListItemKey(const AnsiString& item) {
    return Trim(item.size() > 11 ? item.substr(item.size() - 11) : item);
}

int IsAllDigits(const char* text) {
    if (!text)
        return 1;
    for (; *text; ++text)
        if (*text < '0' || *text > '9')
            return 0;
    return 1;
}

int GregorianDaysInMonth(int month, int year) {
    if (month < 1 || month > 12)
        return 0;
    // Every fourth year has a 29 February here, the century years included.
    const bool leap = year != 0 && year % 4 == 0;
    return static_cast<int>(kestrun::month_length(static_cast<unsigned>(month), leap));
}

TDateTime PrevMonthStart(TDateTime t) {
    int y, m, d;
    DecodeDate(t, y, m, d);
    if (m == 1) {
        m = 12;
        --y;
    } else
        --m;
    return EncodeDate(y, m, 1);
}

TDateTime MonthStart(TDateTime t) {
    int y, m, d;
    DecodeDate(t, y, m, d);
    return EncodeDate(y, m, 1);
}

TDateTime NextMonthStart(TDateTime t) {
    int y, m, d;
    DecodeDate(t, y, m, d);
    if (m == 12) {
        m = 1;
        ++y;
    } else
        ++m;
    return EncodeDate(y, m, 1);
}

TDateTime FirstSundayOfApril(short year) {
    TDateTime d = EncodeDate(year, 4, 1);
    while (DayOfWeek(d) != 1)
        d += 1;
    return d;
}

TDateTime LastSundayOfOctober(short year) {
    TDateTime d = EncodeDate(year, 10, 31);
    while (DayOfWeek(d) != 1)
        d -= 1;
    return d;
}
