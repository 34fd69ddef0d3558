#include "vidur/SetWaqt.h"

#include "ui_SetWaqt.h"

#include "calendar/Misri.h"
#include "calendar/Projglob.h"
#include "calendar/widgets/FormHelpers.h"
#include "calendar/widgets/KeyedList.h"
#include "calendar/widgets/PickDate.h"
#include "platform/core/RecordFile.h"
#include "platform/widgets/FieldEdit.h"
#include "platform/widgets/FormResource.h"
#include "platform/widgets/Handlers.h"
#include "resources/Bitmaps.h"
#include "vidur/PathHelpers.h"

#include <QAbstractItemView>
#include <QEvent>

namespace {

struct CodedItem {
    const char* label;
    const char* code;
    bool general;    // present in generalMode 1
    bool community;  // present in generalMode 0
};

// The base times, in list order; the custom item closes the time list only.
constexpr CodedItem kBaseTimes[] = {
    {"Midnight", "M", true, true}, {"Sehri  ", "H", true, true}, {"Fajr   ", "F", true, true},
    {"Sunrise", "R", true, true},  {"Zohar  ", "Z", true, true}, {"Asr    ", "A", true, false},
    {"Maghrib", "S", true, true},  {"Isha", "I", true, false},
};
constexpr CodedItem kFrequencies[] = {
    {"Every Day      ", "E", true, true},  {"Only in Ramadan", "R", true, true},
    {"Only in Rajab  ", "J", false, true}, {"Only in Ashara ", "M", false, true},
    {"Custom...      ", "C", true, true},
};

constexpr const char* kTimeHelp = "Select a time. You can select 'Custom' to specify a user "
                                  "defined time. Custom time must be relative to a predefined "
                                  "time in minutes.";
constexpr const char* kPanelHelp = "Click a control to display help.";

// Only the label is ever shown; the code stays out of sight.
void AddCodedItem(QComboBox* combo, const AnsiString& label, const AnsiString& code) {
    KeyedComboBox items(combo);
    items.Insert(items.Count(), KeyedItemText(label, code));
}

bool Present(const CodedItem& item) {
    return generalMode == 1 ? item.general : item.community;
}

// A day and month typed as "17 Ramadan", taken in the placeholder year.
TMisri PeriodDate(const AnsiString& text) {
    TMisri date;
    date.Set(text + ", " + IntToStr(PeriodYear));
    return date;
}

// Why a chosen file's path cannot be stored in the schedule's path field;
// "" when it can. Only the stored text is narrowed to the code page.
AnsiString UnstorablePathReason(const QString& path) {
    if (!FitsCodePage(path))
        return "holds characters outside the Western European (Windows-1252) character set, "
               "which the schedule file cannot store";
    if (path.size() > SchedulePathSize - 1)
        return "is longer than the " + IntToStr(SchedulePathSize - 1) +
               " characters that the schedule file can store";
    return "";
}

}  // namespace

TfrmSchedule::TfrmSchedule(QWidget* owner) : TForm(owner), ui(new Ui::TfrmSchedule) {
    ui->setupUi(this);
    ApplyFormResource(this);
    CentreOnScreen(this);
    LimitToRecordField(ui->txtName, ScheduleNameSize);
    LimitToRecordField(ui->txtPath, SchedulePathSize);
    // The narrow lists keep their whole words beside the arrow.
    for (QComboBox* combo : {ui->cmbTime, ui->cmbBeforeAfter, ui->cmbFrom, ui->cmbFrequency})
        combo->setStyleSheet("QComboBox { padding-left: 2px; padding-right: 0px; }");
    ui->btnFrom->setIcon(LoadIcon("CALENDAR_BUTTON"));
    ui->btnTo->setIcon(LoadIcon("CALENDAR_BUTTON"));

    // The lists' OnClick is the user's choice of an item, never a selection
    // made by the program.
    OnEvent(ui->cmbTime, &QComboBox::activated, this, &TfrmSchedule::cmbTimeClick);
    OnEvent(ui->cmbFrequency, &QComboBox::activated, this, &TfrmSchedule::cmbFrequencyClick);
    OnEvent(ui->cmbFrom, &QComboBox::activated, this, &TfrmSchedule::cmbFromClick);
    OnEvent(ui->btnBrowse, &QPushButton::clicked, this, &TfrmSchedule::btnBrowseClick);
    OnEvent(ui->btnFrom, &QToolButton::clicked, this, &TfrmSchedule::btnFromClick);
    OnEvent(ui->btnTo, &QToolButton::clicked, this, &TfrmSchedule::btnToClick);
    OnEvent(ui->chkEnabled, &QCheckBox::toggled, this, &TfrmSchedule::chkEnabledClick);
    OnEvent(ui->btnOk, &QPushButton::clicked, this, &TfrmSchedule::btnOkClick);
    ConnectModalButton(ui->btnCancel, mrCancel);

    // Entering a control shows its help; so does a click on the panel.
    OnEnter(ui->txtName, this, &TfrmSchedule::txtNameEnter);
    OnEnter(ui->cmbTime, this, &TfrmSchedule::cmbTimeEnter);
    OnEnter(ui->txtDelta, this, &TfrmSchedule::txtDeltaEnter);
    OnEnter(ui->cmbBeforeAfter, this, &TfrmSchedule::cmbBeforeAfterEnter);
    OnEnter(ui->cmbFrom, this, &TfrmSchedule::cmbFromEnter);
    OnEnter(ui->txtPath, this, &TfrmSchedule::txtPathEnter);
    OnEnter(ui->cmbFrequency, this, &TfrmSchedule::cmbFrequencyEnter);
    OnEnter(ui->btnBrowse, this, &TfrmSchedule::btnBrowseEnter);
    ui->Panel3->installEventFilter(this);
}

TfrmSchedule::~TfrmSchedule() = default;

bool TfrmSchedule::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched == ui->Panel3)
        RunGuarded([this] { Panel3Click(); });
    return TForm::eventFilter(watched, event);
}

bool TfrmSchedule::EditEntry(ScheduleEntry* entry, bool isNew) {
    FillLists();
    if (isNew) {
        ui->txtName->setText("");
        ui->txtPath->setText("");
        ui->txtDelta->setText("15");
        SelectItemByCode("C", ui->cmbTime);
        ui->cmbFrom->setCurrentIndex(2);
        ui->cmbBeforeAfter->setCurrentIndex(0);
        ui->cmbFrequency->setCurrentIndex(0);
        const TMisri today("today");
        ui->txtFromDate->setText(ToQString(today.FirstOfMonth().Format(2)));
        ui->txtToDate->setText(ToQString(today.LastOfMonth().Format(2)));
        EnablePeriodControls(true);
    } else {
        workingEntry = *entry;
        EntryToControls();
    }
    ShowHelp({kPanelHelp});

    if (ShowModal() != mrOk)
        return false;
    if (isNew)
        workingEntry.key = NextScheduleKey();
    *entry = workingEntry;
    return true;
}

void TfrmSchedule::FillLists() {
    ui->cmbTime->clear();
    ui->cmbFrom->clear();
    ui->cmbFrequency->clear();
    for (const CodedItem& item : kBaseTimes)
        if (Present(item)) {
            AddCodedItem(ui->cmbTime, item.label, item.code);
            AddCodedItem(ui->cmbFrom, item.label, item.code);
        }
    AddCodedItem(ui->cmbTime, generalMode == 1 ? "Custom... " : "Custom...", "C");
    for (const CodedItem& item : kFrequencies)
        if (Present(item))
            AddCodedItem(ui->cmbFrequency, item.label, item.code);
    ui->cmbBeforeAfter->clear();
    ui->cmbBeforeAfter->addItem("Before");
    ui->cmbBeforeAfter->addItem("After");
    // A fresh list has nothing selected until the program or the user says.
    // Its drop-down shows every label whole, however narrow the box.
    for (QComboBox* combo : {ui->cmbTime, ui->cmbFrom, ui->cmbFrequency, ui->cmbBeforeAfter}) {
        combo->setCurrentIndex(-1);
        QAbstractItemView* list = combo->view();
        list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth());
    }
}

AnsiString TfrmSchedule::SelectedCode(const QComboBox* combo) const {
    const int i = combo->currentIndex();
    if (i < 0)
        return "";
    return ListItemKey(KeyedItem(combo, i));
}

int TfrmSchedule::FindItemByCode(const AnsiString& code, QComboBox* combo) const {
    const KeyedComboBox items(combo);
    for (int i = 0; i < items.Count(); ++i)
        if (items.Key(i) == code)
            return i;
    return -1;
}

void TfrmSchedule::SelectItemByCode(const AnsiString& code, QComboBox* combo) {
    int i = FindItemByCode(code, combo);
    if (i == -1) {
        ShowErrorBox("Invalid index specified. Will set to midnight");
        i = 0;
    }
    combo->setCurrentIndex(i);
}

void TfrmSchedule::EnablePeriodControls(bool disable) {
    for (QWidget* w : {static_cast<QWidget*>(ui->txtFromDate), static_cast<QWidget*>(ui->lblFrom),
                       static_cast<QWidget*>(ui->btnFrom), static_cast<QWidget*>(ui->txtToDate),
                       static_cast<QWidget*>(ui->lblTo), static_cast<QWidget*>(ui->btnTo)})
        w->setEnabled(!disable);
}

void TfrmSchedule::EnableCustomTimeControls(bool disable) {
    for (QWidget* w :
         {static_cast<QWidget*>(ui->txtDelta), static_cast<QWidget*>(ui->lblMinutes),
          static_cast<QWidget*>(ui->cmbBeforeAfter), static_cast<QWidget*>(ui->cmbFrom)})
        w->setEnabled(!disable);
}

void TfrmSchedule::EntryToControls() {
    const ScheduleEntry& e = workingEntry;
    ui->txtName->setText(ToQString(RecordBytes::FieldText(e.name)));
    const AnsiString code(1, e.timeCode);
    if (e.deltaMinutes != 0) {
        SelectItemByCode("C", ui->cmbTime);
        SelectItemByCode(code, ui->cmbFrom);
        const long long magnitude = e.deltaMinutes < 0 ? -static_cast<long long>(e.deltaMinutes)
                                                       : static_cast<long long>(e.deltaMinutes);
        ui->txtDelta->setText(ToQString(IntToStr(magnitude)));
        ui->cmbBeforeAfter->setCurrentIndex(e.deltaMinutes < 0 ? 0 : 1);
    } else {
        SelectItemByCode(code, ui->cmbTime);
        EnableCustomTimeControls(true);
    }
    ui->txtPath->setText(ToQString(RecordBytes::FieldText(e.filePath)));

    const auto period = [&](int start, int end) {
        return e.periodStart == start && e.periodEnd == end;
    };
    if (period(PeriodEveryDayStart, PeriodEveryDayEnd)) {
        SelectItemByCode("E", ui->cmbFrequency);
    } else if (period(PeriodRamadanStart, PeriodRamadanEnd)) {
        SelectItemByCode("R", ui->cmbFrequency);
    } else if (period(PeriodAsharaStart, PeriodAsharaEnd) && generalMode == 0) {
        SelectItemByCode("M", ui->cmbFrequency);
    } else if (period(PeriodRajabStart, PeriodRajabEnd) && generalMode == 0) {
        SelectItemByCode("J", ui->cmbFrequency);
    } else {
        SelectItemByCode("C", ui->cmbFrequency);
        // In the placeholder year, so that the dates read back as the same
        // days, day 355 included.
        ui->txtFromDate->setText(ToQString(PeriodDay(e.periodStart).Format(2)));
        ui->txtToDate->setText(ToQString(PeriodDay(e.periodEnd).Format(2)));
        EnablePeriodControls(false);
        ui->chkEnabled->setChecked(e.enabled != 0);
        ShowEnabledState();
        return;
    }
    EnablePeriodControls(true);
    ui->chkEnabled->setChecked(e.enabled != 0);
    ShowEnabledState();
}

void TfrmSchedule::ControlsToEntry() {
    ScheduleEntry& e = workingEntry;
    e.SetName(FromQString(ui->txtName->text()));
    if (SelectedCode(ui->cmbTime) == "C") {
        const AnsiString from = SelectedCode(ui->cmbFrom);
        e.timeCode = from.empty() ? 'M' : from[0];
        const int n = DecimalOr(FromQString(ui->txtDelta->text()), 0);
        e.deltaMinutes = ui->cmbBeforeAfter->currentIndex() == 0 ? -n : n;
    } else {
        const AnsiString time = SelectedCode(ui->cmbTime);
        e.timeCode = time.empty() ? 'M' : time[0];
        e.deltaMinutes = 0;
    }
    e.SetFilePath(FromQString(ui->txtPath->text()));

    const AnsiString frequency = SelectedCode(ui->cmbFrequency);
    if (frequency == "C") {
        e.periodStart = PeriodDate(FromQString(ui->txtFromDate->text())).DayOfYear();
        e.periodEnd = PeriodDate(FromQString(ui->txtToDate->text())).DayOfYear();
    } else if (frequency == "E") {
        e.periodStart = PeriodEveryDayStart;
        e.periodEnd = PeriodEveryDayEnd;
    } else if (frequency == "M") {
        e.periodStart = PeriodAsharaStart;
        e.periodEnd = PeriodAsharaEnd;
    } else if (frequency == "J") {
        e.periodStart = PeriodRajabStart;
        e.periodEnd = PeriodRajabEnd;
    } else if (frequency == "R") {
        e.periodStart = PeriodRamadanStart;
        e.periodEnd = PeriodRamadanEnd;
    } else {
        ShowMessageBox("Error assigning dates. Will set to every day");
        e.periodStart = PeriodEveryDayStart;
        e.periodEnd = PeriodEveryDayEnd;
    }
    e.enabled = ui->chkEnabled->isChecked() ? 1 : 0;
}

bool TfrmSchedule::CheckSoundFile() {
    const AnsiString path = FromQString(ui->txtPath->text());
    // A folder, or anything else that is no file, is no sound either.
    if (!IsFile(path)) {
        ShowErrorBox("The path you specified for the sound file is incorrect");
        return false;
    }
    const AnsiString ext = ExtensionOf(path);
    if (AnsiUpperCase(ext) != "WAV" && Trim(AssociatedProgram(ext)).empty())
        ShowMessageBox("The file extension \"" + ext +
                       "\" is not associated with any program. If this is are Real Audio file, "
                       "most likely the Real Audio player is not installed correctly.");
    return true;
}

bool TfrmSchedule::PeriodIsValid() {
    const AnsiString from = FromQString(ui->txtFromDate->text());
    const AnsiString to = FromQString(ui->txtToDate->text());
    if (Trim(from).empty() || Trim(to).empty())
        return true;
    return !(PeriodDate(from) > PeriodDate(to));
}

void TfrmSchedule::ShowEnabledState() {
    ui->lblEnabled->setText(ui->chkEnabled->isChecked() ? "Yes" : "No");
}

void TfrmSchedule::cmbTimeClick() {
    EnableCustomTimeControls(SelectedCode(ui->cmbTime) != "C");
}

void TfrmSchedule::cmbFrequencyClick() {
    EnablePeriodControls(SelectedCode(ui->cmbFrequency) != "C");
}

void TfrmSchedule::cmbFromClick() {
    if (SelectedCode(ui->cmbFrom) != "M" || ui->cmbBeforeAfter->currentIndex() != 0)
        return;
    ui->cmbBeforeAfter->setCurrentIndex(1);
    const AnsiString typed = FromQString(ui->txtDelta->text());
    const int n = 1440 - DecimalOr(typed, 15);
    ShowMessageBox("You can only select a time after midnight. However if you want, you can "
                   "specify " +
                   IntToStr(n) + " minutes ((24 * 60) - " + typed +
                   ") after the midnight of the previous day.");
}

void TfrmSchedule::btnBrowseClick() {
    const QString path =
        Dialogs::OpenFile("Open", {"Wave File (*.wav)", "Real Audio (*.rm *.ram)"});
    if (path.isEmpty())
        return;
    const AnsiString reason = UnstorablePathReason(path);
    if (!reason.empty()) {
        ShowErrorBox("The path of the file you chose " + reason +
                     ". Choose another file, or copy this one into the program's folder and "
                     "type its name only.");
        return;
    }
    ui->txtPath->setText(path);
}

void TfrmSchedule::PickDateInto(QWidget* button, QWidget* edit) {
    const TMisri picked = PickDateBelow(button, TMisri("today"));
    static_cast<QLineEdit*>(edit)->setText(ToQString(picked.Format(2)));
}

void TfrmSchedule::btnFromClick() {
    PickDateInto(ui->btnFrom, ui->txtFromDate);
}

void TfrmSchedule::btnToClick() {
    PickDateInto(ui->btnTo, ui->txtToDate);
}

void TfrmSchedule::chkEnabledClick() {
    if (!ui->chkEnabled->isChecked() && isVisible()) {
        if (AskYesNo("This will disable the event and nothing will happen at the scheduled "
                     "time. Do you wish to continue?") == 0) {
            ui->chkEnabled->setChecked(true);
            return;
        }
    }
    ShowEnabledState();
}

void TfrmSchedule::ShowHelp(std::initializer_list<const char*> lines) {
    ui->txtMessage->clear();
    for (const char* line : lines)
        ui->txtMessage->appendPlainText(line);
    // Read from the first line, whatever the appending scrolled to.
    ui->txtMessage->moveCursor(QTextCursor::Start);
    ui->txtMessage->ensureCursorVisible();
}

void TfrmSchedule::txtNameEnter() {
    ShowHelp({"Enter a name for this event. This is mandatory field and must be less than 50 "
              "characters."});
}

void TfrmSchedule::cmbTimeEnter() {
    ShowHelp({kTimeHelp});
}

void TfrmSchedule::txtDeltaEnter() {
    ShowHelp({kTimeHelp, "Specify the number of minutes relative to a predefined time"});
}

void TfrmSchedule::cmbBeforeAfterEnter() {
    ShowHelp({kTimeHelp, "Select either before or after"});
}

void TfrmSchedule::cmbFromEnter() {
    ShowHelp({kTimeHelp, "Select a predefined time. The difference you specified in number of "
                         "minutes will be with respect to this time"});
}

void TfrmSchedule::txtPathEnter() {
    ShowHelp({"Select a WAVE file that you like to play. Click the browse button to locate the "
              "file. You can also record a file in your own voice and have Miravel play it for "
              "you."});
}

void TfrmSchedule::cmbFrequencyEnter() {
    ShowHelp({"Select an appropriate value to specify when a period for which you wish to play "
              "this WAVE file. Select custom to specify a custom period. "});
}

void TfrmSchedule::btnBrowseEnter() {
    ShowHelp({"Click here to select a file."});
}

void TfrmSchedule::Panel3Click() {
    ShowHelp({kPanelHelp});
}

void TfrmSchedule::btnOkClick() {
    // A relative sound path means a file in the program's folder.
    MakeProgramFolderCurrent();
    if (Trim(FromQString(ui->txtName->text())).empty()) {
        ShowErrorBox("Event name is mandatory, you cannot leave it blank");
        return;
    }
    if (Trim(FromQString(ui->txtPath->text())).empty()) {
        ShowErrorBox("File path is mandatory, you cannot leave it blank");
        return;
    }
    if (!CheckSoundFile())
        return;
    if (!PeriodIsValid()) {
        ShowErrorBox("'From' date (" + FromQString(ui->txtFromDate->text()) +
                     ") should be less than 'To' date (" + FromQString(ui->txtToDate->text()) +
                     "). Please correct the problem before saving the record");
        return;
    }
    // A custom time needs the base time its minutes are counted from.
    if (SelectedCode(ui->cmbTime) == "C" && ui->cmbFrom->currentIndex() < 0) {
        ShowErrorBox("Please select the time from which the minutes are counted.");
        return;
    }
    ControlsToEntry();
    SetModalResult(mrOk);
}
