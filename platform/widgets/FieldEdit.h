// Edits that feed a text field of a record: at most the field's size less
// one characters (the field keeps its terminator), and only characters that
// the record files' code page can hold.
#pragma once

#include "platform/core/AnsiString.h"

class QLineEdit;
class QComboBox;

void LimitToRecordField(QLineEdit* edit, int fieldSize);
// For an editable combo box, its line edit.
void LimitToRecordField(QComboBox* combo, int fieldSize);

// Puts a text read from a record into a box. The limit is for typing: a
// stored text longer than it (written by another program) is shown whole,
// so that it goes back byte for byte when the box is left alone, and the box
// then takes up to that many characters. A shorter text puts the limit back.
void ShowFieldText(QLineEdit* edit, const AnsiString& text);
void ShowFieldText(QComboBox* combo, const AnsiString& text);
