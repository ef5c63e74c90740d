// SPDX-License-Identifier: MIT
// The display window's drawing: the style or the picture, the labels, the badge.
#include "display/frmTessary.h"

#include "cvd/VisionBadge.h"
#include "cvd/VisionModeHolder.h"
#include "display/DisplayPainter.h"
#include "display/frmTessaryPrivate.h"
#include "scheme/Scheme.h"

#include <QFontInfo>
#include <QPainter>
#include <optional>
#include <utility>

namespace tessary {

namespace {

Scheme& scheme() { return Scheme::instance(); }

} // namespace

// ---- drawing ----

Surface& frmTessary::surface()
{
    drawOwed();
    return d->surface;
}

const Surface& frmTessary::lastDrawing() const { return d->surface; }

int frmTessary::wholeDrawings() const { return d->wholeDrawings; }

void frmTessary::drawOwed()
{
    // Taken first: the drawing reads the surface through surface() itself.
    const Impl::Owed owed = std::exchange(d->owed, Impl::Owed::Nothing);
    if (owed == Impl::Owed::Nothing)
        return;
    syncSurface();
    if (owed == Impl::Owed::Whole) {
        ++d->wholeDrawings;
        if (scheme().state().pictureShown) {
            if (d->bgi)
                d->bgi->drawTile();
        } else {
            DisplayPainter::paintStyle(d->surface, d->wholeParams, drawnColor(d->wholeColors, 3),
                                       drawnColor(d->wholeColors, 4), d->shapes);
        }
    }
    drawLabels(d->labelColors);
}

void frmTessary::syncSurface()
{
    if (d->surface.width() != width() || d->surface.height() != height())
        d->surface.resize(width(), height());
    // Text is measured and drawn at the screen's resolution, as on the window itself.
    QImage& image = d->surface.image();
    const int dpmX = qRound(logicalDpiX() / 0.0254);
    const int dpmY = qRound(logicalDpiY() / 0.0254);
    if (image.dotsPerMeterX() != dpmX)
        image.setDotsPerMeterX(dpmX);
    if (image.dotsPerMeterY() != dpmY)
        image.setDotsPerMeterY(dpmY);
}

void frmTessary::tessaryRefresh()
{
    const SchemeState& now = scheme().state();
    d->owed = Impl::Owed::Whole;
    d->wholeColors = now.colors;
    d->wholeParams = now.style;
    d->labelColors = now.colors;
    update();
}

void frmTessary::drawLabels(const Colors& colors)
{
    const int w = d->surface.width();
    const int h = d->surface.height();
    std::optional<QPainter> painter;
    for (int i = 0; i < 3; ++i) {
        CLabel& l = *label(i);
        l.color = drawnColor(colors, i);
        QRect& box = d->labelBoxes[static_cast<std::size_t>(i)];
        if (l.text().isEmpty()) {
            box = QRect();
            continue;
        }
        box = DisplayPainter::labelBox(i, QSize(w, h), QSize(l.getWidth(), l.getHeight()));
        if (!painter)
            painter.emplace(&d->surface.image());
        l.drawText(*painter, box.x(), box.y());
    }
}

void frmTessary::paintEvent(QPaintEvent*)
{
    drawOwed();
    QPainter p(this);
    p.drawImage(0, 0, d->surface.image());
    // Until the surface has caught up with a new size, the rest shows the window's colour.
    const QColor back = Surface::toQColor(d->surface.backColor());
    if (width() > d->surface.width())
        p.fillRect(d->surface.width(), 0, width() - d->surface.width(), height(), back);
    if (height() > d->surface.height())
        p.fillRect(0, d->surface.height(), d->surface.width(), height() - d->surface.height(), back);
    if (!d->vision.isNone())
        VisionBadge::paint(p, size(), font(), d->vision.label());
}

// ---- colour vision ----

const VisionMode& frmTessary::visionMode() const { return d->vision; }

void frmTessary::setVisionMode(const VisionMode& mode) { VisionModeHolder::instance().setMode(mode); }

void frmTessary::applyVisionMode(const VisionMode& mode)
{
    const bool sameColours = mode.simulatesLike(d->vision);
    d->vision = mode;
    if (!sameColours)
        d->simulator = VisionSimulator(mode);
    if (d->bgi)
        d->bgi->setVisionMode(mode);
    if (!sameColours && isLoaded())
        tessaryRefresh();
    else
        update();   // the badge alone
}

std::int32_t frmTessary::drawnColor(const Colors& colors, int object) const
{
    const std::int32_t real = colors[static_cast<std::size_t>(object)];
    return d->simulator.isIdentity() ? real : d->simulator.simulate(real);
}

// ---- background picture ----

BackGroundImage& frmTessary::backGround()
{
    if (!d->bgi) {
        d->bgi = std::make_unique<BackGroundImage>();
        d->bgi->setForm(this);
        d->bgi->setVisionMode(d->vision);
    }
    return *d->bgi;
}

const BackGroundImage* frmTessary::backGroundImage() const { return d->bgi.get(); }

DisplayState frmTessary::displayState()
{
    // The label boxes are those of the drawing the window shows; a hidden window is drawn
    // when it is shown.
    if (isVisible())
        drawOwed();
    DisplayState s;
    s.loaded = isLoaded();
    for (std::size_t i = 0; i < s.labels.size(); ++i) {
        DrawnLabel& out = s.labels[i];
        out.box = d->labelBoxes[i];
        if (CLabel* l = d->labels[i].get()) {
            out.font = l->drawnFont();
            out.family = QFontInfo(out.font).family();
        }
    }
    if (d->bgi)
        s.picture = d->bgi->picture();
    s.clientSize = size();
    return s;
}

DisplayState frmTessary::shown()
{
    frmTessary* display = loadedInstance();
    return display ? display->displayState() : DisplayState{};
}

bool frmTessary::isBGIVisible() const { return scheme().state().pictureShown; }

void frmTessary::setBGIVisible(bool flag)
{
    drawOwed();
    Scheme::Batch batch;
    scheme().setPictureShown(flag);
    syncSurface();
    if (flag)
        backGround().drawTile();
    else
        d->surface.clear();
    update();
}

bool frmTessary::loadBackgroundImage(const QString& fileName)
{
    // Read first: a file that is no picture leaves the flag, the picture and the drawing.
    BackGroundImage& bgi = backGround();
    if (!bgi.loadImage(fileName))
        return false;
    drawOwed();
    Scheme::Batch batch;
    scheme().loadPicture(fileName);
    syncSurface();
    bgi.drawTile();
    update();
    return true;
}

} // namespace tessary
