#include "diary/DISPMSG.h"

#include "ui_DISPMSG.h"

#include "calendar/Projglob.h"
#include "platform/core/RecordFile.h"
#include "platform/core/TextFile.h"
#include "platform/widgets/FormResource.h"
#include "platform/widgets/Handlers.h"

#include <optional>
#include <vector>

TfrmMessage* frmMessage = nullptr;

namespace {

constexpr const char* kMessageFile = "msg.dat";

// The file's lines as stored (CR LF, LF or CR ends); none when it cannot be
// read.
std::optional<std::vector<AnsiString>> ReadMessageFile() {
    const std::optional<std::string> bytes = ReadWholeFile(kMessageFile);
    if (!bytes)
        return std::nullopt;
    return SplitLines(*bytes);
}

}  // namespace

bool StartupMessageWanted(const AnsiString& value) {
    return value == "1" || value == "10";
}

TfrmMessage::TfrmMessage(QWidget* owner) : TForm(owner), ui(new Ui::TfrmMessage) {
    ui->setupUi(this);
    ApplyFormResource(this);
    ConnectModalButton(ui->btnOk, mrOk, this, &TfrmMessage::btnOkClick);
    CentreOnScreen(this);
}

TfrmMessage::~TfrmMessage() = default;

void TfrmMessage::resizeEvent(QResizeEvent* event) {
    TForm::resizeEvent(event);
    // The title and the text are aligned to the top: they take the form's width.
    ui->Panel1->resize(width(), ui->Panel1->height());
    ui->txtMain->resize(width(), ui->txtMain->height());
}

void TfrmMessage::FormActivate() {
    ui->txtMain->clear();
    if (const auto lines = ReadMessageFile())
        ui->txtMain->SetLines(*lines);
    else
        ui->txtMain->setPlainText(QStringLiteral("msg.dat not found"));
}

void TfrmMessage::btnOkClick() {
    if (ui->chkDontShow->isChecked())
        WriteSettingString("ShowMessage", "0");
}
