#include "platform/widgets/CodePageMemo.h"
#include "platform/widgets/Elide.h"
#include "platform/widgets/FieldEdit.h"
#include "platform/widgets/TextRows.h"
#include "tests/support/LongText.h"
#include "tests/support/ToolTip.h"

#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<AnsiString>;

// ---- lines too long to be laid out at once

TEST(TextRows, OnlyALineLongerThanTheLimitIsLong) {
    const QString limit(TextRows::LongLine, u'x');
    EXPECT_FALSE(TextRows::HasLongLine({"short", limit}));
    EXPECT_TRUE(TextRows::HasLongLine({"short", limit + u'x'}));
    EXPECT_EQ(TextRows::InRows({"one", limit, "three"}), "one\n" + limit + "\nthree");
}

// A long line is cut into rows of at most RowLength characters, after a
// blank in a row's second half where there is one; the rows hold the line
// whole and in order.
TEST(TextRows, ALongLineIsCutIntoRowsThatKeepItsWords) {
    const QString words = QString::fromStdString(OneLineOfWords(TextRows::LongLine + 5000));
    const QString solid(TextRows::LongLine + 1, u'x');
    // A blank only in the first half of each row: no row ends there.
    QString early;
    while (early.size() <= TextRows::LongLine)
        early += QString(10, u'a') + u' ' + QString(TextRows::RowLength - 11, u'b');
    for (const QString& line : {words, solid, early}) {
        const QStringList rows = TextRows::InRows({"before", line, "after"}).split(u'\n');
        ASSERT_GE(rows.size(), 4);
        EXPECT_EQ(rows.first(), "before");
        EXPECT_EQ(rows.last(), "after");
        const QStringList middle = rows.mid(1, rows.size() - 2);
        EXPECT_EQ(middle.join(QString()), line);
        for (qsizetype i = 0; i < middle.size(); ++i) {
            EXPECT_LE(middle[i].size(), TextRows::RowLength) << i;
            if (i + 1 < middle.size() && line == words) {
                EXPECT_TRUE(middle[i].endsWith(u' ')) << i;
                EXPECT_GT(middle[i].size(), TextRows::RowLength / 2) << i;
            }
            if (i + 1 < middle.size() && line != words) {
                EXPECT_EQ(middle[i].size(), TextRows::RowLength) << i;
            }
        }
    }
}

// ---- the memo of a file in the code page

TEST(CodePageMemo, LinesAreCountedAsTheClassLibraryCountsThem) {
    CodePageMemo memo;
    const struct {
        const char* text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"one\n", {"one"}},  // a last line break opens no further line
        {"one\n\n", {"one", ""}},
        {"one\ntwo", {"one", "two"}},
        {"a\xC2\xA0"
         "b",
         {"a\xA0"
          "b"}},  // a non-breaking space stays one
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        memo.setPlainText(QString::fromUtf8(c.text));
        EXPECT_EQ(memo.Lines(), c.lines);
    }
    memo.SetLines({"first", "",
                   "Montr\xE9"
                   "al"});
    EXPECT_EQ(memo.toPlainText(), QString::fromUtf8("first\n\nMontr\xC3\xA9"
                                                    "al"));
    EXPECT_EQ(memo.Lines(), (Lines{"first", "",
                                   "Montr\xE9"
                                   "al"}));
}

// Lines too long to be laid out are shown in rows and read back as they
// were set; the memo is read only meanwhile, and its own state comes back
// when other text is put in.
TEST(CodePageMemo, ALongLineShowsInRowsAndReadsBackWhole) {
    for (const bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly);
        CodePageMemo memo;
        memo.setReadOnly(readOnly);
        const Lines lines = {"head", OneLineOfWords(TextRows::LongLine * 3), "tail"};
        memo.SetLines(lines);
        EXPECT_LE(LongestParagraph(memo), TextRows::RowLength + 1);
        EXPECT_TRUE(memo.isReadOnly());
        EXPECT_EQ(memo.Lines(), lines);

        memo.SetLines({"short"});
        EXPECT_EQ(memo.isReadOnly(), readOnly);
        EXPECT_EQ(memo.Lines(), Lines{"short"});

        memo.SetLines(lines);
        memo.setPlainText("typed over");
        EXPECT_EQ(memo.isReadOnly(), readOnly);
        EXPECT_EQ(memo.Lines(), Lines{"typed over"});
    }
}

// What the file could not hold never gets in: typed keys, an input
// method's commit, a paste (a drop takes the same way in).
TEST(CodePageMemo, TakesOnlyWhatTheCodePageHolds) {
    CodePageMemo memo;
    memo.show();
    // Each character as a keyboard of its own language sends it.
    for (const QChar c : QString::fromUtf8("Z\xC3\xBCrich \xC5\x81\xC3\xB3\x64\xC5\xBA")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&memo, &press);
    }
    EXPECT_EQ(memo.Lines(), Lines{"Z\xFCrich \xF3"
                                  "d"});

    memo.clear();
    QInputMethodEvent refused(QString(), {});
    refused.setCommitString(QString::fromUtf8("\xCE\x91"));
    QApplication::sendEvent(&memo, &refused);
    QInputMethodEvent taken(QString(), {});
    taken.setCommitString(QString::fromUtf8("\xC3\xA9t\xC3\xA9"));
    QApplication::sendEvent(&memo, &taken);
    EXPECT_EQ(memo.Lines(), Lines{"\xE9t\xE9"});

    // A paste of text the file cannot hold is refused whole.
    memo.clear();
    QApplication::clipboard()->setText(
        QString::fromUtf8("\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1"));
    memo.paste();
    EXPECT_EQ(memo.Lines(), Lines{});
    QApplication::clipboard()->setText(QString::fromUtf8("Caf\xC3\xA9"));
    memo.paste();
    EXPECT_EQ(memo.Lines(), Lines{"Caf\xE9"});
    QApplication::clipboard()->clear();
}

// ---- texts cut at a box's edge

TEST(Elide, ATextThatFitsStaysAndACutOneEndsInAnEllipsis) {
    const QFont font;
    const QFontMetrics metrics(font);
    const QString text = "Karachi, Pakistan";
    const int whole = metrics.horizontalAdvance(text);
    EXPECT_EQ(ElidedText(font, text, whole), text);
    for (const int width : {whole - 1, whole / 2, 0, -5}) {
        SCOPED_TRACE(width);
        const QString cut = ElidedText(font, text, width);
        EXPECT_NE(cut, text);
        EXPECT_LE(metrics.horizontalAdvance(cut), std::max(0, width));
        if (!cut.isEmpty()) {
            EXPECT_TRUE(cut.endsWith(QChar(0x2026)));
        }
    }
}

// A label cut at its edge shows its whole text as its tooltip; one that
// fits, or one with a tooltip of the form's own, keeps its own.
TEST(Elide, ACutLabelShowsItsWholeTextAsTooltip) {
    const QString text = "New York City, United States of America";
    const struct {
        int width;
        const char* ownTip;
        QString shown;
    } cases[] = {
        {40, "", text},
        {40, "The default place", "The default place"},
        {2000, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        QLabel label(text);
        label.setToolTip(c.ownTip);
        ElideWithToolTip(&label);
        label.resize(c.width, 20);
        label.show();
        EXPECT_EQ(ToolTipAt(&label, QPoint(5, 5)), c.shown);
        EXPECT_EQ(label.text(), text);  // the label keeps its whole text
    }
}

TEST(Elide, ACutListItemShowsItsWholeTextAsTooltip) {
    QListWidget list;
    ElideWithToolTip(&list);
    const QString longName = "Pago Pago, American Samoa, in the South Pacific Ocean";
    list.addItems({"Aden", longName});
    list.resize(80, 100);
    list.show();
    QApplication::processEvents();
    auto centre = [&](int row) { return list.visualItemRect(list.item(row)).center(); };
    EXPECT_EQ(ToolTipAt(list.viewport(), centre(0)), "");
    EXPECT_EQ(ToolTipAt(list.viewport(), centre(1)), longName);
    EXPECT_LE(list.visualItemRect(list.item(1)).width(), list.viewport()->width());
}

// ---- edits of a record's text field

TEST(FieldEdit, AStoredTextLongerThanTheLimitShowsWholeAndGoesBackAlike) {
    QLineEdit edit;
    LimitToRecordField(&edit, 8);
    EXPECT_EQ(edit.maxLength(), 7);
    ShowFieldText(&edit, "written by the other program");
    EXPECT_EQ(edit.text(), "written by the other program");
    EXPECT_EQ(edit.maxLength(), 28);
    ShowFieldText(&edit, "short");
    EXPECT_EQ(edit.text(), "short");
    EXPECT_EQ(edit.maxLength(), 7);
    ShowFieldText(&edit, "Montr\xE9"
                         "al");
    EXPECT_EQ(edit.text(), QString::fromUtf8("Montr\xC3\xA9"
                                             "al"));

    // A box without a record field keeps the limit it has.
    QLineEdit free;
    free.setMaxLength(3);
    ShowFieldText(&free, "longer");
    EXPECT_EQ(free.maxLength(), 3);

    // A field of one byte holds its terminator alone.
    QLineEdit none;
    LimitToRecordField(&none, 1);
    EXPECT_EQ(none.maxLength(), 0);
}

TEST(FieldEdit, ComboBoxesTakeTheLimitOfTheirEdit) {
    QComboBox editable;
    editable.setEditable(true);
    LimitToRecordField(&editable, 31);
    EXPECT_EQ(editable.lineEdit()->maxLength(), 30);
    QString greek = QString::fromUtf8("\xCE\x91");
    int pos = 0;
    EXPECT_EQ(editable.lineEdit()->validator()->validate(greek, pos), QValidator::Invalid);
    ShowFieldText(&editable, AnsiString(40, 'n'));
    EXPECT_EQ(editable.currentText(), QString(40, u'n'));
    EXPECT_EQ(editable.lineEdit()->maxLength(), 40);
}

}  // namespace
