// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DefaultInstance.h"
#include "platform/Form.h"

#include <memory>

class QLabel;
class QPushButton;

namespace tessary {

class DefinedColor;
class TextBox;

// Shows a palette's name, comment and number of colours. Modeless; the texts can be
// edited but are not stored.
class frmPaletteProperty : public Form, public DefaultInstance<frmPaletteProperty> {
    Q_OBJECT
public:
    frmPaletteProperty();
    ~frmPaletteProperty() override;

    void setting(std::shared_ptr<DefinedColor> palette);

    void btnOK_Click();
    void btnClose_Click();

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

private:
    // Controls; tests find them by their object names.
    QLabel* Label1 = nullptr;
    TextBox* txtName = nullptr;
    QLabel* Label2 = nullptr;
    TextBox* txtComment = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* colorCountLabel = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnClose = nullptr;

    std::shared_ptr<DefinedColor> m_palette;
};

} // namespace tessary
