#include "FormResource.h"

#include "Canvas.h"
#include "StringGrid.h"

#include <QColor>
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
    const QColor c = ToQColor(color);
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
    p.setColor(QPalette::Window, ToQColor(color));
    p.setColor(QPalette::Base, ToQColor(color));
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

namespace {

// What every form gets from the layer, as the platform the forms were
// designed on gives it.
void ApplyBehaviour(QWidget* w) {
    // Tab moves the focus on from a memo; it does not type a tab.
    if (auto* memo = qobject_cast<QPlainTextEdit*>(w))
        memo->setTabChangesFocus(true);
    else if (auto* rich = qobject_cast<QTextEdit*>(w))
        rich->setTabChangesFocus(true);
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
    for (QWidget* w : widgets) {
        ApplyOne(w);
        ApplyBehaviour(w);
    }
}
