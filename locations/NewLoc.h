// The entry dialog of one place: a new place appended to the location file,
// or an existing record shown, changed and written back in place.
// Coordinates are typed in degrees.minutes and stored in decimal degrees;
// the time zone is typed and stored in hours.
#pragma once

#include "locations/records/LocationFile.h"
#include "platform/widgets/Forms.h"

#include <memory>

class QLineEdit;

namespace Ui {
class TfrmNewLoc;
}

class TfrmNewLoc : public TForm {
    Q_OBJECT
public:
    explicit TfrmNewLoc(QWidget* owner = nullptr);
    ~TfrmNewLoc() override;

    // Edit mode shows record `recordNumber` and writes it back on OK; add
    // mode starts empty and appends on OK. 1 when the user confirmed with
    // OK (also when the record could not be written), else 0.
    int Execute(bool editMode, int recordNumber);

    // Keeps the dialog open, with the focus on the offending edit, while a
    // field is missing, not a number, or out of its range.
    void btnOkClick();

    void ClearEdits();
    void LoadRecordAt(int recordNumber);
    void ShowRecord(const TLocationRecord& rec);
    bool ValidateFields();
    // The record typed in; false (after the conversion's message) when a
    // number field holds no number.
    bool FillRecord(TLocationRecord& rec);
    void SaveRecordAt(int recordNumber);
    void AppendRecord();

private:
    // False, after the message in the error box and with the focus on the
    // edit, when its text is blank.
    static bool Filled(QLineEdit* edit, const char* message);
    // False, after the conversion's message in the error box and with the
    // focus on the edit, when its text is no number.
    static bool Numeric(QLineEdit* edit);

    std::unique_ptr<Ui::TfrmNewLoc> ui;
};
