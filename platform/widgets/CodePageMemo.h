// A plain-text memo whose text is kept in a file of the code page: typing,
// input methods, pasting and dropping take only characters the code page
// holds, so nothing typed turns into '?' on the way to the file.
#pragma once

#include "platform/core/AnsiString.h"

#include <QPlainTextEdit>

#include <optional>
#include <vector>

class CodePageMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CodePageMemo(QWidget* parent = nullptr);

    // The memo's lines as the class library counts them: a last line break
    // opens no further line. Characters are kept as typed, a non-breaking
    // space included.
    std::vector<AnsiString> Lines() const;
    // Lines too long to be laid out at once are shown cut into rows, and the
    // memo is then read only: its lines read back exactly as they were set,
    // until other text is put in.
    void SetLines(const std::vector<AnsiString>& lines);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void LeaveRows();

    std::optional<std::vector<AnsiString>> shownInRows_;  // the lines set, while shown in rows
    bool readOnlyBeforeRows_ = false;
    bool settingLines_ = false;
};
