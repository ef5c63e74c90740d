// SPDX-License-Identifier: MIT
// What the parts of the display window's source share; included by them alone.
#pragma once

#include "a11y/PaintedPart.h"
#include "cvd/VisionMode.h"
#include "cvd/VisionSimulator.h"
#include "display/BackGroundImage.h"
#include "display/CLabel.h"
#include "display/DisplayDrawing.h"
#include "display/StyleLayout.h"
#include "display/frmTessary.h"
#include "platform/FrameWatch.h"
#include "scheme/SchemeState.h"

#include <QPointer>
#include <array>
#include <memory>

namespace tessary {

// Where the sample texts stand, for assistive technology.
class DisplayObjects : public SchemeObjectsPart {
public:
    explicit DisplayObjects(frmTessary& w)
        : m_w(w)
    {
    }
    QRect labelBox(int label) const override
    {
        return label >= 0 && label < 3 ? m_w.displayState().labels[static_cast<std::size_t>(label)].box : QRect();
    }

private:
    frmTessary& m_w;
};

struct frmTessary::Impl {
    explicit Impl(frmTessary& w)
        : objects(w)
    {
    }
    DisplayObjects objects;
    using Colors = std::array<std::int32_t, SchemeState::ObjectCount>;

    DisplayDrawing drawing;
    std::unique_ptr<BackGroundImage> bgi;
    std::array<std::unique_ptr<CLabel>, 3> labels;
    // Where each label's text was last drawn; empty when it was not.
    std::array<QRect, 3> labelBoxes;
    // The scheme's fonts as the labels last took them.
    std::array<StdFont, 3> fontsTaken;
    VisionMode vision;
    VisionSimulator simulator{VisionMode()};

    // Drawing owed to the window. It is done when the window is painted or its drawing is
    // read, so a burst of changes (the settings loading, the three sliders of one colour)
    // costs one drawing, at the size the window has by then. The colours and style are those
    // of the request: a colour set after a refresh waits for the next one.
    enum class Owed { Nothing, Labels, Whole } owed = Owed::Nothing;
    Colors wholeColors{};
    StyleParams wholeParams;
    Colors labelColors{};
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

} // namespace tessary
