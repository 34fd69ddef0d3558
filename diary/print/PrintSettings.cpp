#include "diary/print/PrintSettings.h"

#include "calendar/Projglob.h"

namespace {

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
    s.printSalaat = ReadFlag("PrintSalaatTimings");
    s.dayLight = ReadFlag("PDayLight");
    s.printEvents = ReadFlag("PrintEvents");
    s.printSmallMonths = ReadFlag("PrintSmMonths");
    s.printBirthdays = ReadFlag("PrintBirthdays");
    s.printAnniversaries = ReadFlag("PrintAnniversaries");
    s.salaatColor = ReadColor("SalaatTimeFont");
    s.primaryMonthColor = ReadColor("PMonthColor");
    s.secondaryMonthColor = ReadColor("SMonthColor");
    s.secondaryDateColor = ReadColor("SDateColor");
    s.primaryDateColor = ReadColor("PDateColor");
    s.eventsColor = ReadColor("EventsColor");
    s.gridColor = ReadColor("GridColor");
    return s;
}

void WritePrintSettings(const TPrintSettings& s) {
    WriteFlag("PrintSalaatTimings", s.printSalaat);
    WriteFlag("PDayLight", s.dayLight);
    WriteFlag("PrintEvents", s.printEvents);
    WriteFlag("PrintSmMonths", s.printSmallMonths);
    WriteFlag("PrintBirthdays", s.printBirthdays);
    WriteFlag("PrintAnniversaries", s.printAnniversaries);
    WriteColor("SalaatTimeFont", s.salaatColor);
    WriteColor("PMonthColor", s.primaryMonthColor);
    WriteColor("SMonthColor", s.secondaryMonthColor);
    WriteColor("PDateColor", s.primaryDateColor);
    WriteColor("SDateColor", s.secondaryDateColor);
    WriteColor("EventsColor", s.eventsColor);
    WriteColor("GridColor", s.gridColor);
}
