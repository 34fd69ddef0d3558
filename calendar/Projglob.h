// Program-wide globals and the small helpers every form uses: settings,
// message boxes, degrees.minutes angles, seconds of a day, colour names,
// list items with a hidden key, Gregorian month helpers and the
// daylight-saving window.
#pragma once

#include "platform/core/AnsiString.h"
#include "platform/core/Colors.h"
#include "platform/core/DateTime.h"
#include "platform/core/Registry.h"

#include <vector>

// The open settings key "SOFTWARE\Kestrun\Current_location", set up by the
// main form's creation.
extern TRegistry* SettingsRegistry;
// 54 blanks between a list item's visible text and its hidden key.
extern AnsiString ListItemPadding;
// 1 general display, 0 community display.
extern int generalMode;

inline constexpr const char* SettingsKey = "SOFTWARE\\Kestrun\\Current_location";
inline constexpr int ListItemPaddingLength = 54;

// The stored value, or `def` when it is empty, missing or unreadable.
AnsiString ReadSettingString(const AnsiString& name, const AnsiString& def);
// Stores the value; false when it was not stored. No message is shown: a
// caller that tells the user a value was saved checks the result.
bool WriteSettingString(const AnsiString& name, const AnsiString& value);
// The error text for a settings write that failed, naming the settings file.
AnsiString SettingsWriteFailure();

void ShowErrorBox(const AnsiString& text);    // caption "Error", OK, no icon
void ShowMessageBox(const AnsiString& text);  // caption "Message", OK, no icon
// The Yes/No question and the busy cursor need the widget layer: they are in
// calendar/widgets/FormHelpers.h.

// D.MM (minutes as the two decimals) to decimal degrees and back, in single
// precision: 12.30 <-> 12.5.
float DmmToDegrees(float x);
float DegreesToDmm(float x);
// The D.MM text as decimal degrees, fixed with 2 decimals (precision 5);
// a text that is no number throws the conversion error.
AnsiString DmmTextToDegreesText(const AnsiString& text);

// Whole seconds since midnight of the date-time's time part.
int SecondsOfDay(TDateTime t);
TDateTime AddSeconds(TDateTime t, int s);
// The time part taken modulo a whole day, in [0, 1): a time before midnight
// (-0.004, say) is that time of the evening before (0.996).
TDateTime TimeOfDay(TDateTime t);

AnsiString ColorToName(TColor color);        // "Black" for a colour without a name
TColor NameToColor(const AnsiString& name);  // exact name; 0 (black) when unknown
// The sixteen colour names in the order the colour lists offer them, "Black"
// to "White".
std::vector<AnsiString> ColorNames();

// The hidden key: the item's last 11 characters, trimmed.
AnsiString ListItemKey(const AnsiString& item);
// 1 when every character is a decimal digit (also for an empty text).
int IsAllDigits(const char* text);

// Every fourth year is a leap year here (1900 and 2100 included); year 0 is not.
int GregorianDaysInMonth(int month, int year);
TDateTime PrevMonthStart(TDateTime t);
TDateTime MonthStart(TDateTime t);
TDateTime NextMonthStart(TDateTime t);
TDateTime FirstSundayOfApril(short year);
TDateTime LastSundayOfOctober(short year);
