#include "platform/widgets/FormResource.h"

#include "platform/widgets/Canvas.h"
#include "platform/widgets/Elide.h"
#include "platform/widgets/StringGrid.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

#include <utility>

TColor ColorFromResourceName(const QString& name) {
    static const std::pair<const char*, TColor> kNames[] = {
        {"clBlack", clBlack},
        {"clMaroon", clMaroon},
        {"clGreen", clGreen},
        {"clOlive", clOlive},
        {"clNavy", clNavy},
        {"clPurple", clPurple},
        {"clTeal", clTeal},
        {"clGray", clGray},
        {"clSilver", clSilver},
        {"clRed", clRed},
        {"clLime", clLime},
        {"clYellow", clYellow},
        {"clBlue", clBlue},
        {"clFuchsia", clFuchsia},
        {"clAqua", clAqua},
        {"clWhite", clWhite},
        {"clBtnFace", clBtnFace},
        {"clWindow", clWindow},
        {"clWindowText", clWindowText},
    };
    for (const auto& [n, c] : kNames)
        if (name == QLatin1String(n))
            return c;
    const QColor q(name);
    return q.isValid() ? RGB(q.red(), q.green(), q.blue()) : clBlack;
}

void SetFontColor(QWidget* widget, TColor color) {
    QPalette p = widget->palette();
    // A desktop colour is the one of the palette the widget shows in.
    const QColor c = ToQColor(color, p);
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::ButtonText, c);
    widget->setPalette(p);
    if (auto* grid = qobject_cast<TStringGrid*>(widget))
        grid->SetFontColor(color);
}

void SetBackgroundColor(QWidget* widget, TColor color) {
    if (auto* grid = qobject_cast<TStringGrid*>(widget)) {
        grid->SetColor(color);
        return;
    }
    QPalette p = widget->palette();
    const QColor c = ToQColor(color, p);
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Base, c);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QPalette DesignedPalette() {
    // A light button face; white windows and black text follow from it.
    return QPalette(QColor(0xF0, 0xF0, 0xF0));
}

namespace {

bool HasFixedBackground(const QWidget* w) {
    return w->property("color").isValid();
}

// A fixed text colour was chosen against the background of the desktop the
// forms were designed on: white windows (grids, lists, edits) and a light
// button face. Whatever the desktop's palette, such a text keeps that
// background: a grid turns white, a box that paints its own background
// takes the designed palette, and a transparent label's parent does (which
// its other controls then share, so they stay readable too).
void KeepDesignedBackground(QWidget* w) {
    if (!w->property("fontColor").isValid() || HasFixedBackground(w))
        return;
    if (auto* grid = qobject_cast<TStringGrid*>(w)) {
        grid->SetColor(clWhite);
        return;
    }
    const bool paintsOwnBackground =
        qobject_cast<QAbstractScrollArea*>(w) || qobject_cast<QLineEdit*>(w);
    QWidget* host = paintsOwnBackground ? w : w->parentWidget();
    if (!host || HasFixedBackground(host))
        return;
    host->setPalette(DesignedPalette());
    host->setAutoFillBackground(true);
}

// What every form gets from the layer, as the platform the forms were
// designed on gives it.
void ApplyBehaviour(QWidget* w) {
    // Tab moves the focus on from a memo; it does not type a tab.
    if (auto* memo = qobject_cast<QPlainTextEdit*>(w))
        memo->setTabChangesFocus(true);
    else if (auto* rich = qobject_cast<QTextEdit*>(w))
        rich->setTabChangesFocus(true);
    // A text cut by its box's fixed size ends in an ellipsis and shows
    // whole as a tooltip.
    if (auto* label = qobject_cast<QLabel*>(w))
        ElideWithToolTip(label);
    else if (auto* list = qobject_cast<QListView*>(w))
        ElideWithToolTip(list);
}

void ApplyOne(QWidget* w) {
    if (w->font().resolveMask() & (QFont::FamilyResolved | QFont::FamiliesResolved)) {
        QFont f = w->font();
        const QString family = ResolveFontFamily(FromQString(f.family()));
        f.setFamilies({family});
        w->setFont(f);
    }
    const QVariant height = w->property("fontHeight");
    if (height.isValid()) {
        QFont f = w->font();
        f.setPixelSize(std::max(1, std::abs(height.toInt())));
        w->setFont(f);
    }
    const QVariant fontColor = w->property("fontColor");
    if (fontColor.isValid())
        SetFontColor(w, ColorFromResourceName(fontColor.toString()));
    const QVariant color = w->property("color");
    if (color.isValid())
        SetBackgroundColor(w, ColorFromResourceName(color.toString()));
}

}  // namespace

void ApplyFormResource(QWidget* form) {
    QList<QWidget*> widgets = form->findChildren<QWidget*>();
    widgets.prepend(form);
    // Backgrounds first: the colours of each widget then go on top.
    for (QWidget* w : widgets)
        KeepDesignedBackground(w);
    for (QWidget* w : widgets) {
        ApplyOne(w);
        ApplyBehaviour(w);
    }
}
