// SPDX-License-Identifier: MIT
#pragma once

#include "cvd/VisionMode.h"
#include "display/DisplayState.h"
#include "platform/DefaultInstance.h"
#include "platform/Form.h"
#include "platform/StdFont.h"
#include "platform/Surface.h"
#include "scheme/SchemeState.h"

#include <array>
#include <cstdint>
#include <memory>

namespace tessary {

class CLabel;
class BackGroundImage;

// The display window: draws the scheme (Scheme::instance()) in one of five layout styles
// (or over a tiled picture) with three drawn labels. Its setters are commands on the
// scheme; the labels keep their font objects by reference.
class frmTessary : public Form, public DefaultInstance<frmTessary> {
    Q_OBJECT
public:
    frmTessary();
    ~frmTessary() override;

    // The colour object (0..4) the accessors act on; other values are ignored.
    std::int16_t selectObject() const;
    void setSelectObject(std::int16_t index);
    std::int32_t getColor() const;
    void setColor(std::int32_t c);
    int red() const;
    int green() const;
    int blue() const;
    void setRed(int vRed);
    void setGreen(int vGreen);
    void setBlue(int vBlue);

    void tessaryRefresh();
    void setStyle(std::int16_t style);
    void setStyleSquareOnSquare(std::int32_t outsideWidth);
    void setStyleDivide(std::int32_t divideNum);
    void setStyleLattice(std::int32_t lineWidth, std::int32_t divideNum);
    // Label indices are 0..2; other values are ignored (getLabelFont then gives null).
    void setLabelText(std::int16_t index, const QString& text);
    FontRef getLabelFont(std::int16_t index);
    void setLabelFont(std::int16_t index, const FontRef& font);
    // A font object was changed by one of its holders; if it is the label's, the scheme
    // takes its new attributes (the label is drawn with them at the next refresh).
    void labelFontEdited(std::int16_t index, const FontRef& font);
    void setBGIVisible(bool flag);
    // False, with nothing changed, when the file cannot be read as a picture or is empty.
    bool loadBackgroundImage(const QString& fileName);

    void setPosDefault();
    void setPosWidthMax();
    void setPosHeightMax();
    void setPosFullScreen();
    void setPosManual();

    // The client area as an image, brought up to date with the scheme. The window keeps it,
    // and what is drawn into it shows, until its next refresh covers it.
    Surface& surface();
    // How many times the whole client area has been drawn since the window was created.
    int wholeDrawings() const;

    std::int16_t style() const;
    bool isBGIVisible() const;
    // The drawn label 0..2 (null for other indices).
    CLabel* label(int index);
    // The background picture holder; null until a picture is first loaded or shown.
    const BackGroundImage* backGroundImage() const;
    // What the window shows beyond the scheme: the labels' drawn fonts and boxes, the
    // picture and the client size. Brings the drawing up to date first.
    DisplayState displayState();
    // The same for the display window if there is one, defaults without.
    static DisplayState shown();

    // The colour vision the window imitates. It draws the five colours and the picture as
    // such a viewer sees them and names the mode in a badge in a corner; the stored colours
    // stay the real ones. The window follows VisionModeHolder; setting the mode here sets it
    // for the whole program.
    const VisionMode& visionMode() const;
    void setVisionMode(const VisionMode& mode);

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_Resize() override;

    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_MouseDown(int Button, int Shift, int x, int y);
    void Form_DblClick();
    void Form_KeyPress(int KeyAscii);

    using Colors = std::array<std::int32_t, SchemeState::ObjectCount>;
    void drawLabels(const Colors& colors);
    void syncDrawing();
    void drawOwed();
    // The picture's drawing: tiled over the whole client area.
    friend class BackGroundImage;
    void tileWith(const QImage& block);
    BackGroundImage& backGround();
    Qt::Edges edgesAt(const QPoint& pos) const;
    void returnToNormal();
    void followMainFrame(Form& main);
    void oweLabels();
    void followLabelFont(int index);
    void followStyle();
    bool syncLabel(int index);
    void applyVisionMode(const VisionMode& mode);
    // The colour object 0..4 is drawn in.
    std::int32_t drawnColor(const Colors& colors, int object) const;

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tessary
