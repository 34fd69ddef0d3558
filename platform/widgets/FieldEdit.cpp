#include "platform/widgets/FieldEdit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace {

// The typing limit of a box, kept for ShowFieldText.
constexpr const char* kTypingLimit = "recordFieldTypingLimit";

class CodePageValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return FitsCodePage(input) ? Acceptable : Invalid;
    }
};

}  // namespace

void LimitToRecordField(QLineEdit* edit, int fieldSize) {
    const int limit = fieldSize > 1 ? fieldSize - 1 : 0;
    edit->setProperty(kTypingLimit, limit);
    edit->setMaxLength(limit);
    edit->setValidator(new CodePageValidator(edit));
}

void LimitToRecordField(QComboBox* combo, int fieldSize) {
    if (QLineEdit* edit = combo->lineEdit())
        LimitToRecordField(edit, fieldSize);
}

void ShowFieldText(QLineEdit* edit, const AnsiString& text) {
    const QString shown = ToQString(text);
    const QVariant limit = edit->property(kTypingLimit);
    if (limit.isValid())
        edit->setMaxLength(std::max(limit.toInt(), static_cast<int>(shown.size())));
    edit->setText(shown);
}

void ShowFieldText(QComboBox* combo, const AnsiString& text) {
    if (QLineEdit* edit = combo->lineEdit())
        ShowFieldText(edit, text);
    else
        combo->setEditText(ToQString(text));
}
