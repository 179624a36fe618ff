#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // The window tests never need a display, not even when the test list is read.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
