// SPDX-License-Identifier: MIT
#include "DisplayFixture.h"
#include "cvd/BadgeLayout.h"
#include "cvd/VisionModeHolder.h"
#include "cvd/VisionSimulator.h"
#include "display/CLabel.h"
#include "main/frmMain.h"
#include "platform/Slider.h"
#include "platform/TextBox.h"
#include "scheme/Scheme.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <set>

using namespace tessary;

namespace {

using test::kBlue;
using test::kRed;
constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kGreen = 0x00C000;

const VisionMode kModes[] = {
    VisionMode(),
    VisionMode(VisionKind::Protanopia),
    VisionMode(VisionKind::Deuteranopia),
    VisionMode(VisionKind::Tritanopia),
    VisionMode(VisionKind::Protanomaly, 30),
    VisionMode(VisionKind::Deuteranomaly, 100),
    VisionMode(VisionKind::Tritanomaly, 60),
};

std::string nameOf(const VisionMode& m) { return m.label().toStdString(); }

class VisionDisplay : public test::GuiTest {
protected:
    static QImage pattern(int w, int h)
    {
        QImage img(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                img.setPixel(x, y, qRgb((x * 37) & 0xFF, (y * 53) & 0xFF, (x * y + 90) & 0xFF));
        return img;
    }

    QString save(const QImage& img, const QString& name) const
    {
        const QString path = workDir() + u'/' + name;
        EXPECT_TRUE(img.save(path, "PNG"));
        return path;
    }

    // The picture tiled over w x h, every pixel through the simulator.
    static QImage tiledAs(const QImage& picture, int w, int h, const VisionSimulator& sim)
    {
        QImage e(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const QRgb p = picture.pixel(x % picture.width(), y % picture.height());
                e.setPixel(x, y, Surface::toQColor(sim.simulate(Surface::fromRgb(p))).rgb());
            }
        }
        return e;
    }
};

} // namespace

TEST_F(VisionDisplay, EveryModeDrawsShapesLinesTextAndPictureInSimulatedColours)
{
    const QImage picture = pattern(13, 7);
    const QString picturePath = save(picture, QStringLiteral("p.png"));
    for (const VisionMode& mode : kModes) {
        const VisionSimulator sim(mode);
        frmTessary& t = test::showScheme(60, 40);
        t.setVisionMode(mode);
        ASSERT_EQ(t.visionMode(), mode);

        // Lattice of width 1, four divisions: Shape1 cells, Shape2 lines.
        t.setStyleLattice(1, 4);
        t.setStyle(4);
        QImage e(60, 40, QImage::Format_RGB32);
        e.fill(Surface::toQColor(sim.simulate(kRed)));
        for (int x : {0, 15, 30, 45})
            for (int y = 0; y < 40; ++y)
                e.setPixel(x, y, Surface::toQColor(sim.simulate(kBlue)).rgb());
        for (int y : {0, 10, 20, 30})
            for (int x = 0; x < 60; ++x)
                e.setPixel(x, y, Surface::toQColor(sim.simulate(kBlue)).rgb());
        EXPECT_TRUE(test::imagesEqual(e, t.surface().image(), QStringLiteral("vision-lattice"))) << nameOf(mode);

        // A block glyph in a large size has pixels of the full text colour.
        t.setSelectObject(3);
        t.setColor(kWhite);
        t.setSelectObject(0);
        t.setColor(kGreen);
        t.getLabelFont(0)->size = 28;
        t.setLabelText(0, QStringLiteral("■"));
        t.setStyle(0);
        std::set<std::int32_t> ink;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x)
                ink.insert(t.surface().pixel(x, y));
        EXPECT_TRUE(ink.count(sim.simulate(kGreen))) << nameOf(mode);
        if (!sim.isIdentity()) {
            EXPECT_FALSE(ink.count(kGreen)) << nameOf(mode);
        }
        t.setLabelText(0, QString());

        ASSERT_TRUE(t.loadBackgroundImage(picturePath));
        EXPECT_TRUE(test::imagesEqual(tiledAs(picture, 60, 40, sim), t.surface().image(), QStringLiteral("vision-picture")))
            << nameOf(mode);
        t.setBGIVisible(false);
        frmTessary::unloadInstance();
    }
}

TEST_F(VisionDisplay, PictureFollowsModeChangesAndNewPictures)
{
    frmTessary& t = test::showScheme(40, 30);
    const QImage first = pattern(9, 5);
    const QImage second = first.mirrored(true, false);
    const VisionMode p(VisionKind::Protanopia);
    const VisionMode weak(VisionKind::Deuteranomaly, 20);
    const VisionMode strong(VisionKind::Deuteranomaly, 90);
    const struct {
        const char* name;
        std::function<void()> act;
        const QImage& picture;
        VisionMode mode;
    } steps[] = {
        {"picture loaded without a mode", [&] { ASSERT_TRUE(t.loadBackgroundImage(save(first, QStringLiteral("a.png")))); }, first, VisionMode()},
        {"a mode switched on", [&] { t.setVisionMode(p); }, first, p},
        {"a new picture under the mode", [&] { ASSERT_TRUE(t.loadBackgroundImage(save(second, QStringLiteral("b.png")))); }, second, p},
        {"another kind", [&] { t.setVisionMode(weak); }, second, weak},
        {"the same kind, another strength", [&] { t.setVisionMode(strong); }, second, strong},
        {"back to none", [&] { t.setVisionMode(VisionMode()); }, second, VisionMode()},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_TRUE(test::imagesEqual(tiledAs(s.picture, 40, 30, VisionSimulator(s.mode)), t.surface().image(),
                                      QStringLiteral("vision-cache")))
            << s.name;
    }
}

TEST_F(VisionDisplay, BadgeNamesTheModeInTheBottomRightCornerOnly)
{
    frmTessary& t = test::showScheme(240, 120);
    t.setStyle(0);
    for (const VisionMode& mode : kModes) {
        t.setVisionMode(mode);
        const QImage shown = t.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QRect diff;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != t.surface().image().pixel(x, y))
                    diff |= QRect(x, y, 1, 1);
        if (mode.isNone()) {
            EXPECT_TRUE(diff.isEmpty()) << "no badge without a mode";
            continue;
        }
        ASSERT_FALSE(diff.isEmpty()) << nameOf(mode);
        EXPECT_EQ(diff.right(), 240 - BadgeLayout::Margin - 1) << nameOf(mode);
        EXPECT_EQ(diff.bottom(), 120 - BadgeLayout::Margin - 1) << nameOf(mode);
        EXPECT_LT(diff.width(), 120) << nameOf(mode);
        EXPECT_LT(diff.height(), 30) << nameOf(mode);
    }
}

TEST_F(VisionDisplay, StoredColoursStayRealInEveryMode)
{
    frmMain& main = frmMain::instance();
    frmTessary& t = frmTessary::instance();
    const std::array<std::int32_t, 5> scheme{0x2040E0, 0x10A010, 0x000000, 0x30C0F0, 0x802020};
    for (int i = 0; i < 5; ++i) {
        t.setSelectObject(std::int16_t(i));
        main.setColor(scheme[size_t(i)]);
    }
    t.setSelectObject(1);
    main.setColor(scheme[1]);
    const QString code = test::control<TextBox>(main, "txtColorCode")->text();
    const std::array<int, 3> sliders{test::control<Slider>(main, "RGBSlider", 0)->value(),
                                     test::control<Slider>(main, "RGBSlider", 1)->value(),
                                     test::control<Slider>(main, "RGBSlider", 2)->value()};
    QSignalSpy colourSignals(&Scheme::instance(), &Scheme::colorChanged);

    std::vector<QAction*> choices;
    for (int k = 0; k < 7; ++k)
        choices.push_back(test::control<QAction>(main, "mnuVisionKind", k));
    choices.push_back(test::action(main, "mnuVisionStrength80"));
    choices.push_back(test::action(main, "mnuVisionNext"));
    for (QAction* a : choices) {
        a->trigger();
        const SchemeState s = Scheme::instance().state();
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(s.colors[size_t(i)], scheme[size_t(i)]) << a->objectName().toStdString() << " object " << i;
        EXPECT_EQ(t.getColor(), scheme[1]) << a->objectName().toStdString();
        EXPECT_EQ(test::control<TextBox>(main, "txtColorCode")->text(), code) << a->objectName().toStdString();
        EXPECT_EQ((std::array<int, 3>{test::control<Slider>(main, "RGBSlider", 0)->value(),
                                      test::control<Slider>(main, "RGBSlider", 1)->value(),
                                      test::control<Slider>(main, "RGBSlider", 2)->value()}),
                  sliders)
            << a->objectName().toStdString();
    }
    EXPECT_EQ(colourSignals.count(), 0);
}

TEST_F(VisionDisplay, MenuMarksTheModeInForceAndTheShortcutCycles)
{
    frmMain& main = frmMain::instance();
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    auto checkedKind = [&] {
        int n = 0, kind = -1;
        for (int k = 0; k < 7; ++k) {
            if (test::control<QAction>(main, "mnuVisionKind", size_t(k))->isChecked()) {
                ++n;
                kind = k;
            }
        }
        return n == 1 ? kind : -n - 1;   // a negative answer: not exactly one mark
    };
    EXPECT_EQ(checkedKind(), 0);
    EXPECT_TRUE(test::action(main, "mnuVisionStrength50")->isChecked()) << "50 % at first";

    test::control<QAction>(main, "mnuVisionKind", 5)->trigger();
    EXPECT_EQ(checkedKind(), 5);
    test::action(main, "mnuVisionStrength30")->trigger();
    EXPECT_EQ(VisionModeHolder::instance().mode(), VisionMode(VisionKind::Deuteranomaly, 30));
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(test::action(main, QStringLiteral("mnuVisionStrength%1").arg(10 * (i + 1)))->isChecked(), i == 2) << i;
        EXPECT_TRUE(test::action(main, QStringLiteral("mnuVisionStrength%1").arg(10 * (i + 1)))->isEnabled()) << i;
    }

    // Ctrl+Shift+S: an anomalous kind goes to none, then P, D, T and none again; the strength stays.
    const int expected[] = {0, 1, 2, 3, 0};
    for (int k : expected) {
        QTest::keyClick(&main, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(checkedKind(), k);
        EXPECT_EQ(static_cast<int>(frmTessary::instance().visionMode().kind()), k);
        EXPECT_EQ(frmTessary::instance().visionMode().strength(), 30);
        EXPECT_FALSE(test::action(main, "mnuVisionStrength30")->isEnabled()) << "strengths wait for an anomalous kind";
        EXPECT_TRUE(test::action(main, "mnuVisionStrength30")->isChecked());
    }
}
