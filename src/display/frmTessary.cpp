// SPDX-License-Identifier: MIT
#include "display/frmTessary.h"

#include "a11y/PaintedAccessible.h"
#include "cvd/VisionBadge.h"
#include "cvd/VisionModeHolder.h"
#include "cvd/VisionSimulator.h"
#include "display/BackGroundImage.h"
#include "display/CLabel.h"
#include "display/SchemeColors.h"
#include "display/SchemeNotifier.h"
#include "display/StyleLayout.h"
#include "display/frmSetPos.h"
#include "main/frmMain.h"
#include "pickers/frmDesktop.h"
#include "platform/FrameWatch.h"
#include "platform/Numeric.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWindow>
#include <algorithm>
#include <optional>
#include <utility>

namespace tessary {

namespace {

// How close to an edge, in pixels, a press resizes instead of moving the window.
constexpr int kResizeMargin = 4;
// The smallest client size a resize by hand leaves.
constexpr int kMinSide = 2 * kResizeMargin + 1;

Qt::CursorShape cursorFor(Qt::Edges edges)
{
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool mainDiagonal = edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge);
        return mainDiagonal ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    return horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor;
}

} // namespace

struct frmTessary::Impl {
    Surface surface;
    SchemeColors colors;
    StyleParams params;
    StyleShapes shapes;
    bool bgiVisible = false;
    std::unique_ptr<BackGroundImage> bgi;
    std::array<std::unique_ptr<CLabel>, 3> labels;
    // Where each label's text was last drawn; empty when it was not.
    std::array<QRect, 3> labelBoxes;
    VisionMode vision;
    VisionSimulator simulator{VisionMode()};

    // Drawing owed to the surface. It is done when the window is painted or the surface is
    // read, so a burst of changes (the settings loading, the three sliders of one colour)
    // costs one drawing, at the size the window has by then. The colours and style are those
    // of the request: a colour set after a refresh waits for the next one.
    enum class Owed { Nothing, Labels, Whole } owed = Owed::Nothing;
    SchemeColors wholeColors;
    StyleParams wholeParams;
    SchemeColors labelColors;
    int wholeDrawings = 0;

    // Moving and resizing by hand, where the window system does not do it for us.
    enum class Drag { None, Move, Resize } drag = Drag::None;
    Qt::Edges dragEdges;
    QPoint pressGlobal;
    QRect startGeometry;

    // Where setPosDefault put the window, while the main window's frame may still change;
    // null once the window stands anywhere else.
    QRect besideMain;
    QPointer<FrameWatch> mainFrame;
};

frmTessary::frmTessary()
    : Form(nullptr, Qt::FramelessWindowHint)
    , d(std::make_unique<Impl>())
{
    setWindowTitle(QString());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    d->surface.setBackColor(Surface::fromRgb(palette().color(QPalette::Window).rgb()));
    d->surface.clear();
    applyVisionMode(VisionModeHolder::instance().mode());
    connect(&VisionModeHolder::instance(), &VisionModeHolder::modeChanged, this, &frmTessary::applyVisionMode);
    // The window has no title bar; this is what a screen reader calls it.
    setAccessibleName(QStringLiteral("表示ウィンドウ"));
    installPaintedAccessibility(this);
}

frmTessary::~frmTessary() = default;

// ---- colour accessors ----

std::int16_t frmTessary::selectObject() const { return d->colors.selectObject(); }

void frmTessary::setSelectObject(std::int16_t index)
{
    d->colors.setSelectObject(index);
    SchemeNotifier::instance().noteSelectedObject(d->colors.selectObject());
}

std::int32_t frmTessary::getColor() const { return d->colors.getColor(); }

void frmTessary::setColor(std::int32_t c)
{
    d->colors.setColor(c);
    noteSelectedColor();
}

int frmTessary::red() const { return d->colors.red(); }
int frmTessary::green() const { return d->colors.green(); }
int frmTessary::blue() const { return d->colors.blue(); }

void frmTessary::setRed(int vRed)
{
    d->colors.setRed(vRed);
    noteSelectedColor();
}

void frmTessary::setGreen(int vGreen)
{
    d->colors.setGreen(vGreen);
    noteSelectedColor();
}

void frmTessary::setBlue(int vBlue)
{
    d->colors.setBlue(vBlue);
    noteSelectedColor();
}

void frmTessary::noteSelectedColor()
{
    const int selected = d->colors.selectObject();
    SchemeNotifier::instance().noteColor(selected, d->colors.colorOf(selected));
}

// ---- style ----

void frmTessary::setStyle(std::int16_t style)
{
    d->params.style = style;
    tessaryRefresh();
    SchemeNotifier::instance().noteStyle(d->params);
}

void frmTessary::setStyleSquareOnSquare(std::int32_t outsideWidth)
{
    d->params.outsideWidth = outsideWidth;
    SchemeNotifier::instance().noteStyle(d->params);
}

void frmTessary::setStyleDivide(std::int32_t divideNum)
{
    d->params.divideNum = divideNum;
    SchemeNotifier::instance().noteStyle(d->params);
}

void frmTessary::setStyleLattice(std::int32_t lineWidth, std::int32_t divideNum)
{
    d->params.latticeLineWidth = lineWidth;
    d->params.latticeDivideNum = divideNum;
    SchemeNotifier::instance().noteStyle(d->params);
}

std::int16_t frmTessary::style() const { return static_cast<std::int16_t>(d->params.style); }

// ---- labels ----

CLabel* frmTessary::label(int index)
{
    if (index < 0 || index >= static_cast<int>(d->labels.size()))
        return nullptr;
    auto& slot = d->labels[static_cast<std::size_t>(index)];
    if (!slot) {
        slot = std::make_unique<CLabel>();
        slot->targetObject = this;
    }
    return slot.get();
}

void frmTessary::setLabelText(std::int16_t index, const QString& text)
{
    if (CLabel* l = label(index)) {
        l->setText(text);
        SchemeNotifier::instance().noteSampleText(index, text);
    }
}

FontRef frmTessary::getLabelFont(std::int16_t index)
{
    CLabel* l = label(index);
    return l ? l->getFont() : FontRef();
}

void frmTessary::setLabelFont(std::int16_t index, const FontRef& font)
{
    CLabel* l = label(index);
    if (!l)
        return;
    l->setFont(font);
    if (d->owed == Impl::Owed::Nothing)
        d->owed = Impl::Owed::Labels;
    d->labelColors = d->colors;
    update();
    SchemeNotifier::instance().noteLabelFont(index, *l->getFont());
}

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
        if (d->bgiVisible) {
            if (d->bgi)
                d->bgi->drawTile();
        } else {
            drawStyle(d->wholeParams, d->wholeColors);
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
    d->owed = Impl::Owed::Whole;
    d->wholeColors = d->colors;
    d->wholeParams = d->params;
    d->labelColors = d->colors;
    update();
}

void frmTessary::drawStyle(const StyleParams& params, const SchemeColors& colors)
{
    StyleLayout::layout(d->surface.width(), d->surface.height(), params, d->shapes);
    const std::int32_t brushA = drawnColor(colors, 3);
    const std::int32_t brushB = drawnColor(colors, 4);
    for (const StyleFill& f : d->shapes.fills)
        d->surface.fillRect(f.left, f.top, f.right, f.bottom, f.brush == StyleBrush::A ? brushA : brushB);
    if (d->shapes.verticalLines.empty() && d->shapes.horizontalLines.empty())
        return;
    const int w = d->surface.width();
    const int h = d->surface.height();
    d->surface.setPen(brushB, d->shapes.lineWidth);
    for (int x : d->shapes.verticalLines)
        drawLine(x, 0, x, h);
    for (int y : d->shapes.horizontalLines)
        drawLine(0, y, w, y);
}

void frmTessary::drawLine(int x1, int y1, int x2, int y2)
{
    d->surface.drawLine(x1, y1, x2, y2);
}

void frmTessary::drawLabels(const SchemeColors& colors)
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
        const QPoint at = StyleLayout::labelPosition(i, w, h, l.getWidth(), l.getHeight());
        box = QRect(at, QSize(l.getWidth(), l.getHeight()));
        if (!painter)
            painter.emplace(&d->surface.image());
        l.drawText(*painter, at.x(), at.y());
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

std::int32_t frmTessary::drawnColor(const SchemeColors& colors, int object) const
{
    const std::int32_t real = colors.colorOf(object);
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

SchemeState frmTessary::storedValues() const
{
    SchemeState s;
    s.displayLoaded = isLoaded();
    for (int i = 0; i < SchemeState::ObjectCount; ++i)
        s.colors[static_cast<std::size_t>(i)] = d->colors.colorOf(i);
    s.selectedObject = d->colors.selectObject();
    for (std::size_t i = 0; i < s.labels.size(); ++i) {
        if (CLabel* l = d->labels[i].get()) {
            s.labels[i].text = l->text();
            s.labels[i].font = *l->getFont();
        }
    }
    s.style = d->params;
    s.pictureShown = d->bgiVisible;
    return s;
}

SchemeState frmTessary::schemeState() const
{
    // The label boxes are those of the drawing the window shows; a hidden window is drawn
    // when it is shown.
    if (isVisible())
        const_cast<frmTessary*>(this)->drawOwed();
    SchemeState s = storedValues();
    for (std::size_t i = 0; i < s.labels.size(); ++i) {
        SchemeLabel& out = s.labels[i];
        out.box = d->labelBoxes[i];
        if (CLabel* l = d->labels[i].get()) {
            out.drawnFont = l->drawnFont();
            out.drawnFamily = QFontInfo(out.drawnFont).family();
        }
    }
    if (d->bgi)
        s.picture = d->bgi->picture();
    s.clientSize = size();
    return s;
}

bool frmTessary::isBGIVisible() const { return d->bgiVisible; }

void frmTessary::setBGIVisible(bool flag)
{
    drawOwed();
    d->bgiVisible = flag;
    syncSurface();
    if (flag)
        backGround().drawTile();
    else
        d->surface.clear();
    update();
    SchemeNotifier::instance().notePictureShown(flag);
}

bool frmTessary::loadBackgroundImage(const QString& fileName)
{
    // Read first: a file that is no picture leaves the flag, the picture and the drawing.
    BackGroundImage& bgi = backGround();
    if (!bgi.loadImage(fileName))
        return false;
    drawOwed();
    d->bgiVisible = true;
    syncSurface();
    bgi.drawTile();
    update();
    SchemeNotifier::Batch batch;
    SchemeNotifier::instance().notePictureLoaded();
    SchemeNotifier::instance().notePictureShown(true);
    return true;
}

// ---- placement ----

void frmTessary::returnToNormal()
{
    if (formState() == Maximized)
        setFormState(Normal);
}

void frmTessary::setPosDefault()
{
    returnToNormal();
    // The default place is beside the main window; without one the window stays put.
    frmMain* main = frmMain::loadedInstance();
    if (!main)
        return;
    const double l = main->leftTw();
    const double wm = main->widthTw();
    const double t = main->topTw();
    const double hm = main->heightTw();
    moveTw(l + wm, t, hm, hm);
    followMainFrame(*main);
}

void frmTessary::followMainFrame(frmMain& main)
{
    d->besideMain = frameGeometry();
    if (d->mainFrame)
        return;
    // At start the main window has no frame yet: the window manager frames it after it is
    // mapped. The window then goes beside the frame, unless it has been placed elsewhere.
    d->mainFrame = new FrameWatch(main);
    connect(d->mainFrame, &FrameWatch::marginsChanged, this, [this] {
        if (!d->besideMain.isNull() && frameGeometry() == d->besideMain)
            setPosDefault();
        else
            d->besideMain = QRect();
    });
}

void frmTessary::setPosWidthMax()
{
    // A maximised window cannot be moved or sized; it comes back to normal first.
    returnToNormal();
    setLeftTw(0);
    setWidthTw(Twips::screenWidth());
}

void frmTessary::setPosHeightMax()
{
    returnToNormal();
    setTopTw(0);
    setHeightTw(Twips::screenHeight());
}

void frmTessary::setPosFullScreen()
{
    setFormState(Maximized);
}

void frmTessary::setPosManual()
{
    frmSetPos& dialog = frmSetPos::instance();
    dialog.setPositionInfo(roundHalfEven(leftTw()), roundHalfEven(topTw()), roundHalfEven(widthTw()),
                           roundHalfEven(heightTw()));
    // A display window kept in front would otherwise hide the dialog that blocks the program.
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    dialog.showModal();
}

// ---- life cycle ----

void frmTessary::Form_Load()
{
    for (int i = 0; i < 3; ++i)
        label(i)->setFont(CLabel::defaultFont());
    SchemeNotifier::instance().noteWholeScheme(storedValues());
}

void frmTessary::Form_Unload(int&)
{
    SchemeNotifier::Batch batch;
    d->owed = Impl::Owed::Nothing;
    d->surface.clear();
    setBGIVisible(false);
    d->drag = Impl::Drag::None;
    for (auto& l : d->labels)
        l.reset();
    d->labelBoxes = {};
    d->bgi.reset();
    delete d->mainFrame;
    SchemeNotifier::instance().noteWholeScheme(SchemeState{});
}

void frmTessary::closeEvent(QCloseEvent* e)
{
    // The window offers no way to close it: the main window unloads it at the end. A close
    // request from the window system (Alt+F4) would otherwise throw the scheme away.
    if (e->spontaneous()) {
        e->ignore();
        return;
    }
    Form::closeEvent(e);
}

void frmTessary::Form_Resize()
{
    tessaryRefresh();
}

// ---- mouse and keyboard ----

Qt::Edges frmTessary::edgesAt(const QPoint& pos) const
{
    Qt::Edges edges;
    if (pos.x() < kResizeMargin)
        edges |= Qt::LeftEdge;
    else if (pos.x() >= width() - kResizeMargin)
        edges |= Qt::RightEdge;
    if (pos.y() < kResizeMargin)
        edges |= Qt::TopEdge;
    else if (pos.y() >= height() - kResizeMargin)
        edges |= Qt::BottomEdge;
    return edges;
}

void frmTessary::mousePressEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    d->pressGlobal = e->globalPosition().toPoint();
    d->startGeometry = geometry();
    if (e->button() == Qt::LeftButton && formState() == Normal) {
        const Qt::Edges edges = edgesAt(pos);
        if (edges) {
            if (!windowHandle() || !windowHandle()->startSystemResize(edges)) {
                d->drag = Impl::Drag::Resize;
                d->dragEdges = edges;
            }
            return;
        }
    }
    Form_MouseDown(mouseButtonNumber(e->button()), shiftNumber(e->modifiers()), pos.x(), pos.y());
}

void frmTessary::Form_MouseDown(int Button, int, int, int)
{
    frmMain* main = frmMain::loadedInstance();
    if (!main || !main->isVisible() || formState() != Normal)
        return;
    if (Button == 1) {
        if (!windowHandle() || !windowHandle()->startSystemMove())
            d->drag = Impl::Drag::Move;
    } else if (Button == 2) {
        main->hide();
        // Let the main window vanish from the screen before the picker copies it.
        QCoreApplication::processEvents();
        frmDesktop::instance().showModeless();
    }
}

void frmTessary::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint delta = e->globalPosition().toPoint() - d->pressGlobal;
    if (d->drag == Impl::Drag::Move && (e->buttons() & Qt::LeftButton)) {
        move(d->startGeometry.topLeft() + delta);
        return;
    }
    if (d->drag == Impl::Drag::Resize && (e->buttons() & Qt::LeftButton)) {
        QRect r = d->startGeometry;
        if (d->dragEdges & Qt::LeftEdge)
            r.setLeft(std::min(r.left() + delta.x(), r.right() + 1 - kMinSide));
        if (d->dragEdges & Qt::RightEdge)
            r.setRight(std::max(r.right() + delta.x(), r.left() + kMinSide - 1));
        if (d->dragEdges & Qt::TopEdge)
            r.setTop(std::min(r.top() + delta.y(), r.bottom() + 1 - kMinSide));
        if (d->dragEdges & Qt::BottomEdge)
            r.setBottom(std::max(r.bottom() + delta.y(), r.top() + kMinSide - 1));
        setGeometry(r);
        return;
    }
    if (e->buttons() == Qt::NoButton) {
        const Qt::Edges edges = formState() == Normal ? edgesAt(e->position().toPoint()) : Qt::Edges();
        if (edges)
            setCursor(cursorFor(edges));
        else
            unsetCursor();
    }
}

void frmTessary::mouseReleaseEvent(QMouseEvent*)
{
    d->drag = Impl::Drag::None;
}

void frmTessary::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        Form_DblClick();
}

void frmTessary::Form_DblClick()
{
    d->drag = Impl::Drag::None;
    setPosDefault();
}

void frmTessary::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape)
        Form_KeyPress(27);
    else
        Form::keyPressEvent(e);
}

void frmTessary::Form_KeyPress(int KeyAscii)
{
    if (KeyAscii == 27 && formState() == Maximized)
        setPosDefault();
}

} // namespace tessary
