#include "platform/widgets/CodePageMemo.h"

#include "platform/widgets/TextRows.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QStringList>
#include <QTextDocument>

namespace {

bool Fits(const QMimeData* source) {
    return !source->hasText() || FitsCodePage(source->text());
}

}  // namespace

CodePageMemo::CodePageMemo(QWidget* parent) : QPlainTextEdit(parent) {
    connect(this, &QPlainTextEdit::textChanged, this, &CodePageMemo::LeaveRows);
}

std::vector<AnsiString> CodePageMemo::Lines() const {
    if (shownInRows_)
        return *shownInRows_;
    // The raw text keeps non-breaking spaces, which the plain text would
    // turn into blanks; its paragraphs end in U+2029.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    QStringList parts = text.split(QLatin1Char('\n'));
    if (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast();
    std::vector<AnsiString> lines;
    for (const QString& part : parts)
        lines.push_back(FromQString(part));
    return lines;
}

void CodePageMemo::SetLines(const std::vector<AnsiString>& lines) {
    QStringList parts;
    for (const AnsiString& line : lines)
        parts << ToQString(line);
    LeaveRows();
    const bool rows = TextRows::HasLongLine(parts);
    settingLines_ = true;
    setPlainText(rows ? TextRows::InRows(parts) : parts.join(QLatin1Char('\n')));
    settingLines_ = false;
    if (rows) {
        readOnlyBeforeRows_ = isReadOnly();
        setReadOnly(true);
        shownInRows_ = lines;
    }
}

void CodePageMemo::LeaveRows() {
    if (settingLines_ || !shownInRows_)
        return;
    shownInRows_.reset();
    setReadOnly(readOnlyBeforeRows_);
}

void CodePageMemo::keyPressEvent(QKeyEvent* event) {
    if (!FitsCodePage(event->text())) {
        event->accept();  // refused
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CodePageMemo::inputMethodEvent(QInputMethodEvent* event) {
    if (!FitsCodePage(event->commitString())) {
        // The composition goes on; only the refused commit is dropped.
        QInputMethodEvent kept(event->preeditString(), event->attributes());
        QPlainTextEdit::inputMethodEvent(&kept);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

bool CodePageMemo::canInsertFromMimeData(const QMimeData* source) const {
    return Fits(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void CodePageMemo::insertFromMimeData(const QMimeData* source) {
    if (Fits(source))
        QPlainTextEdit::insertFromMimeData(source);
}
