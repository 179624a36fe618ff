#include <gtest/gtest.h>

#include <QApplication>

#include "language.h"

int main(int argc, char** argv) {
    // The window tests never need a display, not even when the test list is read.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // English as the program speaks it, whatever this machine's language.
    vellorin::UseLanguage(QStringLiteral("en"), QString());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
