// Test main: Qt on its offscreen platform, a fixed English locale so that
// month names and number forms do not depend on the machine, and Qt's
// dialogs showing the boxes that no responder answers, as in the programs.
#include "platform/widgets/QtBoxes.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    QtBoxes boxes;
    Dialogs::SetPresenter(&boxes);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
