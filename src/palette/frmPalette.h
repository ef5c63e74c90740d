// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DefaultInstance.h"
#include "platform/Form.h"

#include <memory>

namespace tessary {

// The palette window: a palette as a grid of colour chips.
class frmPalette : public Form, public DefaultInstance<frmPalette> {
    Q_OBJECT
public:
    frmPalette();
    ~frmPalette() override;

    void refreshPalette();

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_Resize() override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tessary
