// The range of an export of prayer times: the current Hijri month or a whole
// Hijri year. Created per export, shown modally and destroyed.
#pragma once

#include "platform/widgets/Forms.h"

#include <memory>

namespace Ui {
class TfrmExpOption;
}

class TfrmExpOption : public TForm {
    Q_OBJECT
public:
    explicit TfrmExpOption(QWidget* owner = nullptr);
    ~TfrmExpOption() override;

    // The months to export: 1 or 12 after "Ok", 0 when closed otherwise.
    int Execute();
    void btnOkClick();

private:
    std::unique_ptr<Ui::TfrmExpOption> ui;
    int monthCount = 0;
};
