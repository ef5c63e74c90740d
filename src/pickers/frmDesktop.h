// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DefaultInstance.h"
#include "platform/Form.h"

#include <cstdint>
#include <memory>

namespace tessary {

class Surface;

// The screen colour picker: a frozen copy of the screen under a dropper cursor. Moving
// the pointer previews the colour under it on the display window's selected object; a
// left click takes it into the main window, a right click (or Escape) restores the old
// colour, and any click closes the picker and brings the main window back.
class frmDesktop : public Form, public DefaultInstance<frmDesktop> {
    Q_OBJECT
public:
    frmDesktop();
    ~frmDesktop() override;

    // Freezes a copy of every screen into the window's image. False when the window
    // system refused the capture; the image is then empty.
    bool getDesktop();

    // The frozen copy, in pixels of the virtual desktop from its top-left corner.
    const Surface& surface() const;
    std::int32_t pickedColor() const;

    // Pointer positions are pixels of the client area; buttons 1 left, 2 right, 4 middle.
    void Form_MouseMove(int button, int shift, double X, double Y);
    void Form_MouseDown(int button, int shift, double X, double Y);

    void setVisible(bool visible) override;

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void previewPixel(int button, int x, int y);
    std::int32_t pixelAtClient(int x, int y) const;

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tessary
