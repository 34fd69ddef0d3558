// Whether the parts of a text stand on screen in the order they are written,
// left to right, when a label lays the text out (a left-to-right line in the
// label's font). Text in right-to-left script may carry what follows it into
// its own order; this tells where each part ends up.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <QTextLayout>

#include <gtest/gtest.h>

inline ::testing::AssertionResult ReadsInOrder(const QString& text, const QFont& font,
                                               const QStringList& parts) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(10000);
    layout.endLayout();
    qreal previous = -1;
    for (const QString& part : parts) {
        const int at = text.indexOf(part);
        if (at < 0)
            return ::testing::AssertionFailure() << "no '" << part.toStdString() << "'";
        // The middle of the part's first character.
        const qreal x = (line.cursorToX(at) + line.cursorToX(at + 1)) / 2;
        if (x <= previous)
            return ::testing::AssertionFailure()
                   << "'" << part.toStdString() << "' stands left of what comes before it in '"
                   << text.toStdString() << "'";
        previous = x;
    }
    return ::testing::AssertionSuccess();
}
