// Edits that feed a text field of a record: at most the field's size less
// one characters (the field keeps its terminator), and only characters that
// the record files' code page can hold.
#pragma once

class QLineEdit;
class QComboBox;

void LimitToRecordField(QLineEdit* edit, int fieldSize);
// For an editable combo box, its line edit.
void LimitToRecordField(QComboBox* combo, int fieldSize);
