// SPDX-License-Identifier: MIT
#include "platform/FontMapper.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Scale 1 unless a test run asks for another (TESSARY_TEST_SCALE=1.5).
    qputenv("QT_SCALE_FACTOR", qEnvironmentVariableIsSet("TESSARY_TEST_SCALE") ? qgetenv("TESSARY_TEST_SCALE") : "1");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    tessary::FontMapper::installSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
