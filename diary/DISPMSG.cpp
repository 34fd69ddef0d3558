#include "DISPMSG.h"

#include "ui_DISPMSG.h"

#include "FormResource.h"
#include "Handlers.h"
#include "Projglob.h"
#include "RecordFile.h"
#include "TextFile.h"

#include <QStringList>

TfrmMessage* frmMessage = nullptr;

namespace {

constexpr const char* kMessageFile = "msg.dat";

// The file's text with its lines as stored (CR LF, LF or CR ends), without
// the break after the last line; false when it cannot be read.
bool ReadMessageFile(QString& text) {
    const std::optional<std::string> bytes = ReadWholeFile(kMessageFile);
    if (!bytes)
        return false;
    QStringList lines;
    for (const AnsiString& line : SplitLines(*bytes))
        lines.append(ToQString(line));
    text = lines.join(u'\n');
    return true;
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
    QString text;
    if (ReadMessageFile(text))
        ui->txtMain->setPlainText(text);
    else
        ui->txtMain->setPlainText(QStringLiteral("msg.dat not found"));
}

void TfrmMessage::btnOkClick() {
    if (ui->chkDontShow->isChecked())
        WriteSettingString("ShowMessage", "0");
}
