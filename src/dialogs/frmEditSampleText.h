// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DefaultInstance.h"
#include "platform/Form.h"

#include "platform/StdFont.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace tessary {

class frmEditSampleText : public Form, public DefaultInstance<frmEditSampleText> {
    Q_OBJECT
public:
    frmEditSampleText();
    ~frmEditSampleText() override;

    void setting(std::int16_t index, const QString& text, const FontRef& font);

protected:
    void Form_Load() override;

private:
    void btnFont_Click();
    void btnOK_Click();
    void btnCancel_Click();

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tessary
