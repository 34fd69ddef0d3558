// The export of the prayer-times form: a month or the current Hijri year of
// daily times for the selected place, as a tab-separated table in
// "NTimes.txt", opened in the desktop's text editor afterwards (or, where the
// desktop has none, followed by a box saying where the file is).
#include "locations/Salaat.h"

#include "ui_Salaat.h"

#include "calendar/Misri.h"
#include "calendar/Projglob.h"
#include "locations/PrayerTimes.h"
#include "locations/expOpt.h"
#include "platform/core/TextFile.h"
#include "platform/desktop/Shell.h"

#include <QDir>
#include <QFileInfo>

#include <memory>
#include <vector>

namespace {

constexpr const char* kExportFile = "NTimes.txt";
// The item's hidden key lies in its last characters; what comes before is
// the record's name and blanks.
constexpr std::size_t kKeyLength = 10;

constexpr const char* kDayFormat = "mmm d";

AnsiString ClockText(double t) {
    return FormatDateTime("h:nn", t);
}

// The file is in one language: the locale's month names when every one of
// the exported days fits the code page, English names throughout otherwise.
DateNames ExportedNames(TMisri first, int monthCount) {
    TMisri end = first;
    for (int month = 1; month <= monthCount; ++month)
        end = end.NextMonth();
    return CodePageNames(kDayFormat, first.ToDateTime(), end.ToDateTime() - 1);
}

}  // namespace

void TfrmSalaat::ExportTimings() {
    int monthCount = 0;
    {
        const std::unique_ptr<TfrmExpOption> options(new TfrmExpOption(this));
        monthCount = options->Execute();
    }
    // The range dialog closed without Ok: the last export stays as it is.
    if (monthCount == 0)
        return;

    TMisri date;
    date.Set(FromQString(ui->txtMain->text()));
    if (monthCount != 1)
        date = date.DayOfCurrentYear(1);

    const bool daylight = ui->chkDaylight->isChecked();
    const DateNames names = ExportedNames(date.FirstOfMonth(), monthCount);
    std::vector<AnsiString> lines;
    for (int month = 1; month <= monthCount; ++month) {
        const AnsiString item = places->Item(places->Selected());
        const AnsiString name =
            Trim(item.substr(0, item.size() > kKeyLength ? item.size() - kKeyLength : 0));
        lines.push_back("\tSalaat timings for:\t" + name);
        lines.push_back("\tFor the month of: " + date.Format(3));
        lines.push_back("_______________________________________________________");
        if (generalMode == 1) {
            lines.push_back("Hijri\tEnglish\t\tFajar\tSunrise\tZohar\tAsr   \tMaghrib\tIsha");
            lines.push_back("-----\t-------\t\t-----\t-------\t-----\t------\t-------\t----");
        } else {
            lines.push_back("Hijri\tEnglish\t\tFajar\tSunrise\tZohar\tMaghrib");
            lines.push_back("-----\t-------\t\t-----\t-------\t-----\t-------");
        }

        // A record that cannot be read whole ends the export before anything
        // is written (the message comes from the read).
        TLocationRecord place;
        if (!ReadSelectedPlace(*places, place))
            return;

        date = date.FirstOfMonth();
        TDateTime gregorian = date.ToDateTime();
        for (int day = 1; day <= date.DaysInMonth(); ++day) {
            TPrayerTimes p;
            DayPrayerTimes(place, gregorian, daylight, p);
            AnsiString line =
                IntToStr(day) + "\t" + FormatDateTime(kDayFormat, gregorian, names) + "\t\t";
            line += ClockText(p[0]) + "\t" + ClockText(p[1]) + "\t" + ClockText(p[2]) + "\t";
            if (generalMode == 1)
                line += ClockText(p[3]) + "\t" + ClockText(p[4]) + "\t" + ClockText(p[5]);
            else
                line += ClockText(p[4]);
            lines.push_back(line);
            gregorian += 1;
        }
        if (monthCount > 1) {
            date = date.NextMonth();
            lines.push_back("\r\n\r\n");
        }
    }

    SaveLinesToFile(kExportFile, lines);
    // Without a program for text files the table would be written unseen.
    if (!Shell::OpenDocument(kExportFile))
        ShowMessageBox(
            "The prayer times were saved to " +
            FromQString(QDir::toNativeSeparators(QFileInfo(kExportFile).absoluteFilePath())) + ".");
}
