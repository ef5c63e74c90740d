// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DefaultInstance.h"
#include "platform/Form.h"

#include <memory>

namespace tessary {

class frmSetPos : public Form, public DefaultInstance<frmSetPos> {
    Q_OBJECT
public:
    frmSetPos();
    ~frmSetPos() override;

protected:
    void Form_Load() override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tessary
