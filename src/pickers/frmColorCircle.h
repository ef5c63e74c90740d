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

    PictureBox* Picture1 = nullptr;

    // Null before Form_Load and after Form_Unload.
    ColorCircle* circle() const;

    // Pointer positions are pixels of Picture1; buttons 1 left, 2 right, 4 middle.
    void Picture1_MouseDown(int button, int shift, int x, int y);
    void Picture1_MouseMove(int button, int shift, int x, int y);
    void Picture1_MouseUp(int button, int shift, int x, int y);

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

private:
    void pickColorAt(int x, int y);

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tessary
