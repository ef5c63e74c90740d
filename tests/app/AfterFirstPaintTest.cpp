// SPDX-License-Identifier: MIT
#include "app/AfterFirstPaint.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace tessary;

// The work runs once, after the window's first paint and not before it, whatever is painted
// later; a window gone before it was ever drawn takes the work with it.
TEST(AfterFirstPaint, RunsOnceAfterTheFirstPaintOnly)
{
    int runs = 0;
    auto window = std::make_unique<QWidget>();
    window->resize(80, 60);
    AfterFirstPaint::run(*window, [&] { ++runs; });
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 0);
    window->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return runs > 0; }, 5000));
    window->repaint();
    window->update();
    QTest::qWait(50);
    EXPECT_EQ(runs, 1);

    auto never = std::make_unique<QWidget>();
    AfterFirstPaint::run(*never, [&] { ++runs; });
    never.reset();
    QTest::qWait(20);
    EXPECT_EQ(runs, 1);
}
