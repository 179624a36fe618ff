#include <gtest/gtest.h>

#include <QCoreApplication>

#include "language.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // English as the program speaks it, whatever this machine's language.
    vellorin::UseLanguage(QStringLiteral("en"), QString());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
