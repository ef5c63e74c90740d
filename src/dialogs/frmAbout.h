// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DefaultInstance.h"
#include "platform/Form.h"

#include <memory>

namespace tessary {

class frmAbout : public Form, public DefaultInstance<frmAbout> {
    Q_OBJECT
public:
    frmAbout();
    ~frmAbout() override;

protected:
    void Form_Load() override;

private:
    void btnClose_Click();

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tessary
