#include "platform/widgets/Elide.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>

QString ElidedText(const QFont& font, const QString& text, int width) {
    return QFontMetrics(font).elidedText(text, Qt::ElideRight, std::max(0, width));
}

namespace {

// The label's text area, as the label lays out a line of plain text; empty
// for the labels that are not one line of plain text (word-wrapped, rich
// text, a picture, a frame), which draw themselves.
QRect LineRect(const QLabel* label) {
    const QString text = label->text();
    const bool plain = label->textFormat() == Qt::PlainText ||
                       (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(text));
    if (!plain || label->wordWrap() || !label->pixmap().isNull() || label->frameWidth() > 0 ||
        text.contains(u'\n'))
        return {};
    const int m = label->margin();
    QRect r = label->contentsRect().adjusted(m, m, -m, -m);
    if (const int indent = label->indent(); indent > 0) {
        const Qt::Alignment a =
            QStyle::visualAlignment(label->layoutDirection(), label->alignment());
        if (a & Qt::AlignLeft)
            r.setLeft(r.left() + indent);
        else if (a & Qt::AlignRight)
            r.setRight(r.right() - indent);
    }
    return r;
}

bool IsCut(const QFont& font, const QString& text, int width) {
    return QFontMetrics(font).horizontalAdvance(text) > width;
}

bool ShowWholeText(QHelpEvent* event, const QString& text, QWidget* widget) {
    QToolTip::showText(event->globalPos(), text, widget);
    return true;
}

class LabelElider : public QObject {
public:
    explicit LabelElider(QLabel* label) : QObject(label), label_(label) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != label_ ||
            (event->type() != QEvent::Paint && event->type() != QEvent::ToolTip))
            return false;
        const QRect r = LineRect(label_);
        if (r.isEmpty() || !IsCut(label_->font(), label_->text(), r.width()))
            return false;
        if (event->type() == QEvent::Paint) {
            QPainter painter(label_);
            label_->style()->drawItemText(
                &painter, r,
                QStyle::visualAlignment(label_->layoutDirection(), label_->alignment()),
                label_->palette(), label_->isEnabled(),
                ElidedText(label_->font(), label_->text(), r.width()), label_->foregroundRole());
            return true;
        }
        // A tooltip of the form's own comes first.
        if (event->type() == QEvent::ToolTip && label_->toolTip().isEmpty())
            return ShowWholeText(static_cast<QHelpEvent*>(event), label_->text(), label_);
        return false;
    }

private:
    QLabel* label_;
};

// Draws a list's items no wider than the list shows them, so that a cut
// text ends in the view's ellipsis, and gives a cut item's tooltip.
class ItemElider : public QStyledItemDelegate {
public:
    explicit ItemElider(QListView* view) : QStyledItemDelegate(view), view_(view) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(std::min(size.width(), view_->viewport()->width()));
        return size;
    }

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (event->type() == QEvent::ToolTip && !index.data(Qt::ToolTipRole).isValid()) {
            QStyleOptionViewItem item = option;
            initStyleOption(&item, index);
            const QStyle* style = view->style();
            const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &item, view);
            // The item views draw their text inside a margin on either side.
            const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
            if (IsCut(item.font, item.text, text.width() - 2 * margin))
                return ShowWholeText(event, item.text, view->viewport());
        }
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }

private:
    QListView* view_;
};

}  // namespace

void ElideWithToolTip(QLabel* label) {
    label->installEventFilter(new LabelElider(label));
}

void ElideWithToolTip(QListView* view) {
    view->setTextElideMode(Qt::ElideRight);
    // Items are laid out again when the list changes its width (a scroll
    // bar that comes or goes).
    view->setResizeMode(QListView::Adjust);
    view->setItemDelegate(new ItemElider(view));
}
