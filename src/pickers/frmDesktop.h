// SPDX-License-Identifier: MIT
#pragma once

#include "pickers/DevicePixelMap.h"
#include "pickers/PickerOverlay.h"
#include "platform/DefaultInstance.h"
#include "platform/Form.h"
#include "platform/IScreenCapture.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace tessary {

// The screen colour picker: a frozen copy of the screens, shown in device pixels, under a
// dropper cursor, with a cross-hair and a loupe on the picked device pixel. Moving the
// pointer or the arrow keys previews the colour under the cross-hair on the display
// window's selected object; a left click or Enter takes it into the main window, a right
// click or Escape restores the old colour, and any click closes the picker and brings the
// main window back.
//
// Where the program cannot read the screen (a Wayland client, or a refused grab) it asks
// the desktop instead: a screenshot is shown in the same way, a colour from the desktop's
// own picker is taken at once, a cancel leaves the colour alone, and no answer is reported.
class frmDesktop : public Form, public DefaultInstance<frmDesktop> {
    Q_OBJECT
public:
    frmDesktop();
    ~frmDesktop() override;

    // Freezes a copy of every screen at its own resolution. False when the window system
    // refused; there is then nothing to show.
    bool getDesktop();

    // The frozen copy of a pane of pixelMap(), device pixels.
    QImage frozenCopy(int pane) const;
    const DevicePixelMap& pixelMap() const;
    DevicePixelMap::Pixel crossHair() const;
    std::int32_t pickedColor() const;

    // Pointer positions are logical pixels of the client area; buttons 1 left, 2 right,
    // 4 middle.
    void Form_MouseMove(int button, int shift, double X, double Y);
    void Form_MouseDown(int button, int shift, double X, double Y);
    // Moves the cross-hair by device pixels within its screen's copy.
    void moveCrossHair(int dx, int dy);

    void setVisible(bool visible) override;

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void startView(DevicePixelMap::Pixel start);
    void takeDesktopAnswer(const IScreenCapture::DesktopAnswer& answer);
    void fitScreenshotPane();
    void setCrossHair(const DevicePixelMap::Pixel& px);
    void previewPixel();
    QPoint viewOrigin() const;
    std::optional<PickerOverlay> overlay() const;

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tessary
