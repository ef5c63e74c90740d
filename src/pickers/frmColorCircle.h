// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DefaultInstance.h"
#include "platform/Form.h"

#include <cstdint>
#include <memory>

namespace tessary {

class ColorModel;
class ColorCircle;
class PictureBox;

// The colour circle window: a hue ring for the current colour; dragging previews a hue,
// releasing hands the colour to the main window.
class frmColorCircle : public Form, public DefaultInstance<frmColorCircle> {
    Q_OBJECT
public:
    frmColorCircle();
    ~frmColorCircle() override;

    void setCircleType(std::int16_t type);
    // Shows the ring, disc and marker for the given colour.
    void update(ColorModel& model);

    // Null before Form_Load and after Form_Unload.
    ColorCircle* circle() const;

    // The current colour's hue in whole degrees 0..359 (0 for a grey).
    int hueValue() const;
    // Gives the current colour the hue (taken modulo 360) at the ring's saturation and
    // lightness and hands it to the main window, as releasing the pointer on the ring does.
    void setHue(int degrees);

    // Pointer positions are pixels of Picture1; buttons 1 left, 2 right, 4 middle.
    void Picture1_MouseDown(int button, int shift, int x, int y);
    void Picture1_MouseMove(int button, int shift, int x, int y);
    void Picture1_MouseUp(int button, int shift, int x, int y);

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    // Arrow keys turn the hue by a degree, Page Up and Page Down by 15.
    void keyPressEvent(QKeyEvent* e) override;

private:
    // Tests find it by its object name.
    PictureBox* Picture1 = nullptr;

    void pickColorAt(int x, int y);
    void announceHue();

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tessary
