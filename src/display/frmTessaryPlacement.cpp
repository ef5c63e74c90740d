// SPDX-License-Identifier: MIT
// The display window's place: beside the main window, maximised, moved and sized by hand.
#include "display/frmTessary.h"

#include "display/DisplayPainter.h"
#include "display/frmSetPos.h"
#include "display/frmTessaryPrivate.h"
#include "pickers/frmDesktop.h"
#include "platform/Numeric.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "platform/Workspace.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>
#include <algorithm>

namespace tessary {

namespace {

using DisplayPainter::kResizeMargin;
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
    Form* main = Workspace::instance().mainWindow();
    if (!main)
        return;
    const double l = main->leftTw();
    const double wm = main->widthTw();
    const double t = main->topTw();
    const double hm = main->heightTw();
    moveTw(l + wm, t, hm, hm);
    followMainFrame(*main);
}

void frmTessary::followMainFrame(Form& main)
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

// ---- mouse and keyboard ----

Qt::Edges frmTessary::edgesAt(const QPoint& pos) const { return DisplayPainter::edgesAt(pos, size()); }

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
    Form* main = Workspace::instance().mainWindow();
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
