// The diary's about box: its picture, name, version and credits.
#pragma once

#include "platform/widgets/Forms.h"

#include <memory>

namespace Ui {
class TAboutBox;
}

class TAboutBox : public TForm {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* owner = nullptr);
    ~TAboutBox() override;

private:
    std::unique_ptr<Ui::TAboutBox> ui;
};

extern TAboutBox* AboutBox;
