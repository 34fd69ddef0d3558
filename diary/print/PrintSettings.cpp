#include "diary/print/PrintSettings.h"

#include "calendar/Projglob.h"

namespace {

// The stored options: each value's name in the settings and its member, in
// the order they are written.
struct StoredFlag {
    const char* name;
    std::int32_t TPrintSettings::*member;
};
constexpr StoredFlag kFlags[] = {
    {"PrintSalaatTimings", &TPrintSettings::printSalaat},
    {"PDayLight", &TPrintSettings::dayLight},
    {"PrintEvents", &TPrintSettings::printEvents},
    {"PrintSmMonths", &TPrintSettings::printSmallMonths},
    {"PrintBirthdays", &TPrintSettings::printBirthdays},
    {"PrintAnniversaries", &TPrintSettings::printAnniversaries},
};
struct StoredColor {
    const char* name;
    TColor TPrintSettings::*member;
};
constexpr StoredColor kColors[] = {
    {"SalaatTimeFont", &TPrintSettings::salaatColor},
    {"PMonthColor", &TPrintSettings::primaryMonthColor},
    {"SMonthColor", &TPrintSettings::secondaryMonthColor},
    {"PDateColor", &TPrintSettings::primaryDateColor},
    {"SDateColor", &TPrintSettings::secondaryDateColor},
    {"EventsColor", &TPrintSettings::eventsColor},
    {"GridColor", &TPrintSettings::gridColor},
};

constexpr std::int32_t kFlagDefault = 1;
constexpr const char* kColorDefault = "Black";

// A value that is no decimal number (edited by hand, say) reads as the
// default: otherwise no print could start until the value was mended.
std::int32_t ReadFlag(const char* name) {
    return DecimalOr(ReadSettingString(name, IntToStr(kFlagDefault)), kFlagDefault);
}

TColor ReadColor(const char* name) {
    return NameToColor(ReadSettingString(name, kColorDefault));
}

void WriteFlag(const char* name, std::int32_t value) {
    WriteSettingString(name, IntToStr(value));
}

void WriteColor(const char* name, TColor value) {
    WriteSettingString(name, ColorToName(value));
}

}  // namespace

TPrintSettings ReadPrintSettings(TMisri month) {
    TPrintSettings s;
    s.month = month;
    for (const StoredFlag& flag : kFlags)
        s.*flag.member = ReadFlag(flag.name);
    for (const StoredColor& color : kColors)
        s.*color.member = ReadColor(color.name);
    return s;
}

void WritePrintSettings(const TPrintSettings& s) {
    for (const StoredFlag& flag : kFlags)
        WriteFlag(flag.name, s.*flag.member);
    for (const StoredColor& color : kColors)
        WriteColor(color.name, s.*color.member);
}
