#include "platform/widgets/TextRows.h"

#include <algorithm>

namespace TextRows {

bool HasLongLine(const QStringList& lines) {
    return std::any_of(lines.begin(), lines.end(),
                       [](const QString& line) { return line.size() > LongLine; });
}

QString InRows(const QStringList& lines) {
    qsizetype length = 0;
    for (const QString& line : lines)
        length += line.size() + 1 + line.size() / (RowLength / 2);
    QString text;
    text.reserve(length);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += u'\n';
        const QStringView line(lines[i]);
        qsizetype start = 0;
        if (line.size() > LongLine)
            while (line.size() - start > RowLength) {
                qsizetype end = start + RowLength;
                const qsizetype blank = line.mid(start, RowLength).lastIndexOf(u' ');
                if (blank >= RowLength / 2)
                    end = start + blank + 1;
                text += line.mid(start, end - start);
                text += u'\n';
                start = end;
            }
        text += line.mid(start);
    }
    return text;
}

}  // namespace TextRows
