// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DefaultInstance.h"
#include "platform/Form.h"

#include <cstdint>
#include <memory>

namespace tessary {

class ColorModel;

// The colour circle window: a hue ring for the current colour; dragging previews a hue,
// releasing hands the colour to the main window.
class frmColorCircle : public Form, public DefaultInstance<frmColorCircle> {
    Q_OBJECT
public:
    frmColorCircle();
    ~frmColorCircle() override;

    void setCircleType(std::int16_t type);
    void update(ColorModel& model);

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tessary
