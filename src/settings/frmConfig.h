// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DefaultInstance.h"
#include "platform/Form.h"

#include <memory>

namespace tessary {

class frmConfig : public Form, public DefaultInstance<frmConfig> {
    Q_OBJECT
public:
    frmConfig();
    ~frmConfig() override;

protected:
    void Form_Load() override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tessary
