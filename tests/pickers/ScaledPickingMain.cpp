// SPDX-License-Identifier: MIT
// Runs the picker on a real X display at the scale factor the environment sets, so that the
// screen grab, the window system's pointer positions and the drawing are the real ones.
#include "platform/FontMapper.h"

#include <QApplication>
#include <gtest/gtest.h>

bool g_haveDisplay = false;

int main(int argc, char** argv)
{
    bool listing = false;
    for (int i = 1; i < argc; ++i)
        listing = listing || std::string_view(argv[i]).starts_with("--gtest_list_tests");
    g_haveDisplay = !listing && !qEnvironmentVariableIsEmpty("DISPLAY");
    qputenv("QT_QPA_PLATFORM", g_haveDisplay ? "xcb" : "offscreen");
    // The X display is the screen here, also when the tests are started from a Wayland session.
    qunsetenv("WAYLAND_DISPLAY");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    tessary::FontMapper::installSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
