// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DefaultInstance.h"
#include "platform/Form.h"

#include <memory>

namespace tessary {

// The screen colour picker: a frozen copy of the screen under a dropper cursor.
class frmDesktop : public Form, public DefaultInstance<frmDesktop> {
    Q_OBJECT
public:
    frmDesktop();
    ~frmDesktop() override;

    void getDesktop();

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tessary
