// SPDX-License-Identifier: MIT
#include "pickers/frmColorCircle.h"

#include "a11y/PaintedAccessible.h"
#include "a11y/PaintedPart.h"
#include "color/ColorModel.h"
#include "pickers/ColorCircle.h"
#include "platform/ColorValue.h"
#include "platform/Numeric.h"
#include "platform/PictureBox.h"
#include "platform/Workspace.h"
#include "scheme/Scheme.h"

#include <QAccessible>
#include <QAction>
#include <QKeyEvent>
#include <cmath>
#include <algorithm>
#include <limits>

namespace tessary {

namespace {

constexpr double kClientWidthTw = 1995;
constexpr double kClientHeightTw = 2010;
constexpr double kPictureSizeTw = 2000;
constexpr std::int32_t kOuterRadius = 50;
constexpr std::int32_t kInnerRadius = 20;
constexpr std::int32_t kLightGrey = ColorValue::pack(192, 192, 192);

std::int16_t toInt16(int v)
{
    return static_cast<std::int16_t>(std::clamp<int>(v, std::numeric_limits<std::int16_t>::min(),
                                                     std::numeric_limits<std::int16_t>::max()));
}

} // namespace

// The hue as assistive technology reads and sets it.
class CircleDial : public HueDialPart {
public:
    explicit CircleDial(frmColorCircle& w)
        : m_w(w)
    {
    }
    int hue() const override { return m_w.hueValue(); }
    void setHue(int degrees) override { m_w.setHue(degrees); }

private:
    frmColorCircle& m_w;
};

struct frmColorCircle::Impl {
    explicit Impl(frmColorCircle& w)
        : dial(w)
    {
    }
    CircleDial dial;
    std::unique_ptr<ColorCircle> circle;
    std::int16_t circleType = 0;
    bool dragging = false;
    // The hue last set from the keyboard and the colour it gave: while the colour is still
    // that one, the hue is this one, so that rounding through RGB never stalls a step.
    int keyHue = -1;
    std::int32_t keyColor = -1;
};

frmColorCircle::frmColorCircle()
    : Form(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , d(std::make_unique<Impl>(*this))
{
    setWindowTitle(tr("色環"));
    setClientSizeTw(kClientWidthTw, kClientHeightTw);
    setFixedSize(size());

    Picture1 = new PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setBackColor(kLightGrey);
    placeTw(Picture1, 0, 0, kPictureSizeTw, kPictureSizeTw);
    // Size the surface now: the ring may be drawn before the window is first shown.
    Picture1->surface().resize(Picture1->width(), Picture1->height());
    Picture1->surface().clear();

    connect(Picture1, &PictureBox::MouseDown, this, &frmColorCircle::Picture1_MouseDown);
    connect(Picture1, &PictureBox::MouseMove, this, &frmColorCircle::Picture1_MouseMove);
    connect(Picture1, &PictureBox::MouseUp, this, &frmColorCircle::Picture1_MouseUp);

    Picture1->setFocusPolicy(Qt::StrongFocus);
    // The focus mark frames the marker of the current hue.
    Picture1->setFocusMark([this] {
        return d->circle ? d->circle->geometry().markerBox(d->circle->markerDegrees()) : QRect();
    });
    Picture1->setAccessibleName(tr("色相"));
    Picture1->setAccessibleDescription(tr("左右の矢印キーで1度、Page Up と Page Down で15度回します"));
    installPaintedAccessibility(Picture1, &d->dial);
}

frmColorCircle::~frmColorCircle() = default;

ColorCircle* frmColorCircle::circle() const
{
    return d->circle.get();
}

void frmColorCircle::setCircleType(std::int16_t type)
{
    d->circleType = type;
}

void frmColorCircle::update(ColorModel& model)
{
    if (!d->circle)
        return;
    d->circle->setCurrentColor(model);
    d->circle->drawColorCircle(true);
    announceHue();
}

int frmColorCircle::hueValue() const
{
    if (!d->circle)
        return 0;
    if (d->keyHue >= 0 && d->circle->getColor() == d->keyColor)
        return d->keyHue;
    ColorModel current;
    current.setColor(d->circle->getColor());
    const double h = current.getHue();
    return h < 0 ? 0 : int(std::lround(h)) % 360;
}

void frmColorCircle::setHue(int degrees)
{
    if (!d->circle)
        return;
    const int hue = ((degrees % 360) + 360) % 360;
    ColorCircle& c = *d->circle;
    ColorModel picked;
    picked.SetHue(hue);
    picked.SetSatuation(c.getSatuation());
    picked.SetLightness(c.getLightness());
    picked.refreshColorModel();
    c.setCurrentColor(picked);
    c.drawColorCircle(true);
    d->keyHue = hue;
    d->keyColor = c.getColor();
    Workspace::instance().takeColor(d->keyColor);
    announceHue();
}

void frmColorCircle::announceHue()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent ev(Picture1, hueValue());
    QAccessible::updateAccessibility(&ev);
}

void frmColorCircle::keyPressEvent(QKeyEvent* e)
{
    int step = 0;
    switch (e->key()) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        step = 1;
        break;
    case Qt::Key_Left:
    case Qt::Key_Down:
        step = -1;
        break;
    case Qt::Key_PageUp:
        step = 15;
        break;
    case Qt::Key_PageDown:
        step = -15;
        break;
    default:
        Form::keyPressEvent(e);
        return;
    }
    if (!d->circle || d->dragging) {
        e->ignore();
        return;
    }
    setHue(hueValue() + step);
}

void frmColorCircle::Form_Load()
{
    d->circle = std::make_unique<ColorCircle>();
    const int width = Picture1->surface().width();
    const int height = Picture1->surface().height();
    d->circle->setCenter(roundHalfEven(width / 2.0), roundHalfEven(height / 2.0));
    d->circle->setRadius(kOuterRadius, kInnerRadius);
    Picture1->setAutoRedraw(true);
    d->circle->setCanvas(Picture1);
}

void frmColorCircle::Form_Unload(int& cancel)
{
    (void)cancel;
    Picture1->setAutoRedraw(false);
    Workspace::instance().setShown(Workspace::Tool::ColorCircle, false);
    d->circle.reset();
    d->dragging = false;
}

void frmColorCircle::pickColorAt(int x, int y)
{
    ColorCircle& c = *d->circle;
    const double h = c.getDegree(toInt16(x), toInt16(y));
    ColorModel picked;
    picked.SetHue(h);
    picked.SetSatuation(c.getSatuation());
    picked.SetLightness(c.getLightness());
    picked.refreshColorModel();
    c.setCurrentColor(picked);
}

void frmColorCircle::Picture1_MouseDown(int button, int shift, int x, int y)
{
    d->dragging = true;
}

void frmColorCircle::Picture1_MouseMove(int button, int shift, int x, int y)
{
    if (!d->dragging || !d->circle)
        return;
    pickColorAt(x, y);
    d->circle->drawCenterCircle();
}

void frmColorCircle::Picture1_MouseUp(int button, int shift, int x, int y)
{
    d->dragging = false;
    if (!d->circle)
        return;
    pickColorAt(x, y);
    d->circle->drawColorCircle(true);
    Workspace::instance().takeColor(d->circle->getColor());
}

} // namespace tessary
