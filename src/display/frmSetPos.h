// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DefaultInstance.h"
#include "platform/Form.h"

#include <array>
#include <cstdint>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;

namespace tessary {

class TextBox;

// The position dialog: the display window's left, top, width and height, each in pixels,
// percent of the screen or twips, applied on OK.
class frmSetPos : public Form, public DefaultInstance<frmSetPos> {
    Q_OBJECT
public:
    frmSetPos();
    ~frmSetPos() override;

    // The start values in twips; each is also written into its field as it is.
    void setPositionInfo(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);

    void cmbValueMethod_Click(int index);
    void btnOK_Click();
    void btnCancel_Click();
    void btnReset_Click();
    // Shows the start values in their units when the dialog first becomes active.
    void Form_Activate() override;

protected:
    void Form_Load() override;
    void showEvent(QShowEvent* e) override;

private:
    // Controls; tests find them by their object names.
    // Rows 0 X, 1 Y, 2 width, 3 height.
    std::array<QLabel*, 4> lblPos{};
    std::array<TextBox*, 4> txtPosValue{};
    std::array<QComboBox*, 4> cmbValueMethod{};   // "Pixel", "%", "Twip"
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnReset = nullptr;

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tessary
