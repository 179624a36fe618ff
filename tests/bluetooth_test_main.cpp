#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>

#include "fake_bluez.h"
#include "language.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    int result = 0;
    {
        QApplication app(argc, argv);
        vellorin::UseLanguage(QStringLiteral("en"), QString());
        // The simulated BlueZ must be this process's system bus before Qt first looks at it
        // (no window or dialog has yet), and stay for the whole run, as Qt keeps what it
        // learnt of it; listing the tests needs none.
        if (!GTEST_FLAG_GET(list_tests) && !vellorin::FakeBluez::Start()) {
            std::fprintf(stderr, "No simulated BlueZ, the Bluetooth tests are skipped: %s\n",
                         qPrintable(vellorin::FakeBluez::Problem()));
        }
        result = RUN_ALL_TESTS();
        vellorin::FakeBluez::Stop();
    }
    return result;
}
