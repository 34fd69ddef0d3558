#include "tests/support/LocaleScope.h"

#include <QtGlobal>

#include <clocale>

LocaleScope::LocaleScope(const char* name)
    : locale_(QString::fromLatin1(name)), name_(QByteArray(name) + ".UTF-8") {
    hadLcAll_ = qEnvironmentVariableIsSet("LC_ALL");
    oldLcAll_ = qgetenv("LC_ALL");
    oldCLocale_ = std::setlocale(LC_ALL, nullptr);
    // The desktop's session names the locale; the application object reads
    // it from there into the C library, as every Qt application does.
    qputenv("LC_ALL", name_);
    made_ = std::setlocale(LC_ALL, "") != nullptr;
    QLocale::setDefault(locale_);
}

LocaleScope::~LocaleScope() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (hadLcAll_)
        qputenv("LC_ALL", oldLcAll_);
    else
        qunsetenv("LC_ALL");
    std::setlocale(LC_ALL, oldCLocale_.c_str());
}
