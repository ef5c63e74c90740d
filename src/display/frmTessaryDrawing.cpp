// SPDX-License-Identifier: MIT
// The display window's drawing: the style or the picture, the labels, the badge.
#include "display/frmTessary.h"

#include "cvd/VisionBadge.h"
#include "cvd/VisionModeHolder.h"
#include "display/DisplayPainter.h"
#include "display/frmTessaryPrivate.h"
#include "scheme/Scheme.h"

#include <QFontInfo>
#include <QPaintEvent>
#include <QPainter>
#include <utility>
#include <vector>

namespace tessary {

namespace {

Scheme& scheme() { return Scheme::instance(); }

} // namespace

// ---- drawing ----

Surface& frmTessary::surface()
{
    drawOwed();
    return d->drawing.image();
}

int frmTessary::wholeDrawings() const { return d->wholeDrawings; }

void frmTessary::drawOwed()
{
    const Impl::Owed owed = std::exchange(d->owed, Impl::Owed::Nothing);
    if (owed == Impl::Owed::Nothing)
        return;
    syncDrawing();
    if (owed == Impl::Owed::Whole) {
        ++d->wholeDrawings;
        if (scheme().state().pictureShown) {
            if (d->bgi)
                d->bgi->drawTile();
        } else {
            d->drawing.addStyle(d->wholeParams, drawnColor(d->wholeColors, 3), drawnColor(d->wholeColors, 4));
        }
    }
    drawLabels(d->labelColors);
}

void frmTessary::syncDrawing()
{
    d->drawing.resize(size());
    // Text is measured and drawn at the screen's resolution, as on the window itself.
    d->drawing.setDotsPerMeter(qRound(logicalDpiX() / 0.0254), qRound(logicalDpiY() / 0.0254));
}

void frmTessary::tileWith(const QImage& block)
{
    d->drawing.addTiles(block);
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
    const QSize area = d->drawing.size();
    std::vector<DrawnText> texts;
    for (int i = 0; i < 3; ++i) {
        CLabel& l = *label(i);
        l.setColor(drawnColor(colors, i));
        QRect& box = d->labelBoxes[static_cast<std::size_t>(i)];
        if (l.text().isEmpty()) {
            box = QRect();
            continue;
        }
        box = DisplayPainter::labelBox(i, area, QSize(l.getWidth(), l.getHeight()));
        texts.push_back({l.text(), l.drawnFont(), box.topLeft() + QPoint(0, l.getAscent()), l.color(), box});
    }
    d->drawing.addTexts(std::move(texts));
}

void frmTessary::paintEvent(QPaintEvent* e)
{
    drawOwed();
    QPainter p(this);
    d->drawing.paint(p, e->region());
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
    syncDrawing();
    if (flag)
        backGround().drawTile();
    else
        d->drawing.clear();
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
    syncDrawing();
    bgi.drawTile();
    update();
    return true;
}

} // namespace tessary
