// The picture shown while the diary creates its forms.
#pragma once

#include "platform/widgets/Forms.h"

#include <memory>

namespace Ui {
class TfrmSplash;
}

class TfrmSplash : public TForm {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* owner = nullptr);
    ~TfrmSplash() override;

    void FormCreate();

private:
    std::unique_ptr<Ui::TfrmSplash> ui;
};

extern TfrmSplash* frmSplash;
