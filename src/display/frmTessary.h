// SPDX-License-Identifier: MIT
#pragma once

#include "cvd/VisionMode.h"
#include "display/SchemeState.h"
#include "platform/DefaultInstance.h"
#include "platform/Form.h"
#include "platform/StdFont.h"
#include "platform/Surface.h"

#include <array>
#include <cstdint>
#include <memory>

namespace tessary {

class CLabel;
class SchemeColors;
class BackGroundImage;
class frmMain;

// The display window: stores the five colours of the scheme and renders them in one of
// five layout styles (or over a tiled picture) with three drawn labels. Every value it
// stores is reported to SchemeNotifier, which announces the changes.
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
    void setBGIVisible(bool flag);
    // False, with nothing changed, when the file cannot be read as a picture or is empty.
    bool loadBackgroundImage(const QString& fileName);

    void setPosDefault();
    void setPosWidthMax();
    void setPosHeightMax();
    void setPosFullScreen();
    void setPosManual();

    // The client area's persistent image, brought up to date with the scheme.
    Surface& surface();
    // The image as last drawn, without the drawing owed since.
    const Surface& lastDrawing() const;
    // How many times the whole client area has been drawn since the window was created.
    int wholeDrawings() const;

    std::int16_t style() const;
    bool isBGIVisible() const;
    // The drawn label 0..2 (null for other indices).
    CLabel* label(int index);
    // The background picture holder; null until a picture is first loaded or shown.
    const BackGroundImage* backGroundImage() const;
    // Everything the window draws, as values.
    SchemeState schemeState() const;

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

    void drawStyle(const StyleParams& params, const SchemeColors& colors);
    void drawLabels(const SchemeColors& colors);
    void drawLine(int x1, int y1, int x2, int y2);
    void syncSurface();
    void drawOwed();
    BackGroundImage& backGround();
    Qt::Edges edgesAt(const QPoint& pos) const;
    void returnToNormal();
    void followMainFrame(frmMain& main);
    void noteSelectedColor();
    void applyVisionMode(const VisionMode& mode);
    // The colour object 0..4 is drawn in.
    std::int32_t drawnColor(const SchemeColors& colors, int object) const;
    // The stored values of the scheme, without the drawn fonts and boxes.
    SchemeState storedValues() const;

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tessary
