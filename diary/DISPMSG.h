// The start-up message: the text of "msg.dat" with a box to stop showing it.
#pragma once

#include "platform/core/AnsiString.h"
#include "platform/widgets/Forms.h"

#include <memory>

namespace Ui {
class TfrmMessage;
}

class TfrmMessage : public TForm {
    Q_OBJECT
public:
    explicit TfrmMessage(QWidget* owner = nullptr);
    ~TfrmMessage() override;

    void FormActivate() override;
    void btnOkClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::unique_ptr<Ui::TfrmMessage> ui;
};

// Whether the stored "ShowMessage" value asks for the start-up message: "1"
// (the value of a new user) and "10" do; "0", written when the user declines
// further showings, and anything else do not.
bool StartupMessageWanted(const AnsiString& value);

extern TfrmMessage* frmMessage;
