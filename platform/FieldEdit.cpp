#include "FieldEdit.h"

#include "AnsiString.h"

#include <QComboBox>
#include <QLineEdit>
#include <QValidator>

namespace {

class CodePageValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return FitsCodePage(input) ? Acceptable : Invalid;
    }
};

}  // namespace

void LimitToRecordField(QLineEdit* edit, int fieldSize) {
    edit->setMaxLength(fieldSize > 1 ? fieldSize - 1 : 0);
    edit->setValidator(new CodePageValidator(edit));
}

void LimitToRecordField(QComboBox* combo, int fieldSize) {
    if (QLineEdit* edit = combo->lineEdit())
        LimitToRecordField(edit, fieldSize);
}
