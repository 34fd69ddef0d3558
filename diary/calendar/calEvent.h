// The editor of the yearly events: up to four texts for each day of the
// Hijri year ("events.dat") or of the Gregorian year ("gevents.dat"). The
// user picks a month and a day and types; a changed day is saved when the
// focus moves on to the month list, the day list or the OK button, and when
// the dialog closes.
#pragma once

#include "platform/widgets/Forms.h"

#include <cstdint>
#include <memory>

namespace Ui {
class TfrmEvents;
}

class TfrmEvents : public TForm {
    Q_OBJECT
public:
    explicit TfrmEvents(QWidget* owner = nullptr);
    ~TfrmEvents() override;

    // Opens on month index 0, day 1 of the mode (false Hijri, true
    // Gregorian); returns the modal result.
    int Execute(bool gregorian);

    void FillGregorianMonths();
    void FillHijriMonths();
    // The day numbers of the selected month, day 1 selected.
    void FillDays();
    // Shows the texts of the selected day.
    void LoadEvent();
    // 1 when there was nothing to save, 0 when the day was written, -1 when
    // the file could not be written.
    int SaveEvent();

    void cmbMonthClick();
    void cmbDayClick();
    void txtE1Change();
    void cmbMonthEnter();
    void cmbDayEnter();
    void btnOkEnter();
    void txtE1Exit();

    // The mode of the current run: false "events.dat", true "gevents.dat".
    bool gregorian = false;
    // 1 when the user has changed a box since the day was loaded or saved.
    std::int16_t modified = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Every way of closing the dialog keeps the day being typed.
    void done(int r) override;

private:
    // The key of the selected month and day; 0 when no day is selected.
    int SelectedKey() const;

    std::unique_ptr<Ui::TfrmEvents> ui;
};

extern TfrmEvents* frmEvents;
