// Runs part of a test under another locale, as the programs run under
// LANG=ur_PK.UTF-8 and the like (Qt carries its own locale data), and puts
// back the fixed English locale of the test main when it goes.
#pragma once

#include <QLocale>
#include <QString>

class LocaleScope {
public:
    explicit LocaleScope(const char* name) : locale_(QString::fromLatin1(name)) {
        QLocale::setDefault(locale_);
    }
    ~LocaleScope() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

    const QLocale& Locale() const { return locale_; }

private:
    QLocale locale_;
};
