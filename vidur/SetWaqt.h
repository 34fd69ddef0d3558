// The "Schedule Maintenance" dialog: one scheduled sound is created or
// changed here, its name, its time (a base time, or minutes before or after
// one), its sound file, the part of the Hijri year it sounds in, and whether
// it is enabled. The dialog works on its own copy of the entry and gives it
// back only on a checked OK. Created per use by the main form and freed.
#pragma once

#include "platform/widgets/Forms.h"
#include "vidur/Schedule.h"

#include <memory>

class QComboBox;
class QEvent;

namespace Ui {
class TfrmSchedule;
}

class TfrmSchedule : public TForm {
    Q_OBJECT
public:
    explicit TfrmSchedule(QWidget* owner = nullptr);
    ~TfrmSchedule() override;

    // Runs the dialog modally. True when the user left with OK: the caller's
    // entry then holds the edited one (a new entry with its new key); false
    // leaves it untouched. A new entry is not read.
    bool EditEntry(ScheduleEntry* entry, bool isNew);

    void FillLists();
    int FindItemByCode(const AnsiString& code, QComboBox* combo) const;
    void SelectItemByCode(const AnsiString& code, QComboBox* combo);
    void EnablePeriodControls(bool disable);
    void EnableCustomTimeControls(bool disable);
    void EntryToControls();
    void ControlsToEntry();
    // False when the file is missing; an unassociated extension only warns.
    bool CheckSoundFile();
    bool PeriodIsValid();
    void ShowEnabledState();

    void cmbTimeClick();
    void cmbFrequencyClick();
    void cmbFromClick();
    void btnBrowseClick();
    void btnFromClick();
    void btnToClick();
    void chkEnabledClick();
    void btnOkClick();

    void txtNameEnter();
    void cmbTimeEnter();
    void txtDeltaEnter();
    void cmbBeforeAfterEnter();
    void cmbFromEnter();
    void txtPathEnter();
    void cmbFrequencyEnter();
    void btnBrowseEnter();
    void Panel3Click();

    // The code behind a combo's selected item; "" when nothing is selected.
    AnsiString SelectedCode(const QComboBox* combo) const;

    ScheduleEntry workingEntry{};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowHelp(std::initializer_list<const char*> lines);
    void PickDateInto(QWidget* button, QWidget* edit);

    std::unique_ptr<Ui::TfrmSchedule> ui;
};
