// Lines too long to be laid out at once. A plain-text view lays out only
// the paragraphs in sight, but each of them whole: a line of megabytes,
// wrapped to a narrow memo, would hold the window for minutes. Such a line
// is shown cut into rows, each a paragraph of its own.
#pragma once

#include <QString>
#include <QStringList>

namespace TextRows {

// Lines longer than this are shown in rows.
inline constexpr qsizetype LongLine = 10000;
// A row holds at most this many characters; it ends after a blank where one
// lies in its second half, so that words stay whole.
inline constexpr qsizetype RowLength = 1000;

bool HasLongLine(const QStringList& lines);
// The lines joined by '\n', each long line cut into rows by further '\n's.
QString InRows(const QStringList& lines);

}  // namespace TextRows
