// Runs part of a test as the programs run on a desktop under another locale
// (LANG=de_DE.UTF-8 and the like): the environment names the locale, the C
// library follows it as the application object makes it do at start-up, and
// Qt's default locale is the desktop's (Qt carries its own locale data, so
// names follow even where the C library lacks the locale). When the scope
// goes, the test run's environment, C locale and the fixed English locale of
// the test main come back.
#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <string>

class LocaleScope {
public:
    // `name` without its code set: "de_DE" runs under de_DE.UTF-8.
    explicit LocaleScope(const char* name);
    ~LocaleScope();
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

    const QLocale& Locale() const { return locale_; }
    // False where this machine cannot load the locale (not generated): the C
    // library then keeps the test run's locale.
    bool Made() const { return made_; }
    // The locale as the environment names it, "de_DE.UTF-8".
    const QByteArray& Name() const { return name_; }

private:
    QLocale locale_;
    QByteArray name_;
    bool made_ = false;
    bool hadLcAll_ = false;
    QByteArray oldLcAll_;
    std::string oldCLocale_;
};
