// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DefaultInstance.h"
#include "platform/Form.h"

#include <memory>

class QLabel;
class QPushButton;

namespace tessary {

class DefinedColor;
class DefinedColorModel;
class TextBox;

// Adds a colour to a palette (add mode) or edits the name and comment of one of its
// colours in place (edit mode). Modal; set up by setting() between load and show.
class frmColorProperty : public Form, public DefaultInstance<frmColorProperty> {
    Q_OBJECT
public:
    frmColorProperty();
    ~frmColorProperty() override;

    void setting(std::shared_ptr<DefinedColor> pal, std::shared_ptr<DefinedColorModel> Tube,
                 const QString& formTitle, const QString& btnCaption, bool pAddMode);

    void btnAdd_Click();
    void btnCancel_Click();

    bool addMode() const { return m_addMode; }

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

private:
    // Controls; tests find them by their object names.
    QLabel* Label1 = nullptr;
    QLabel* lblcolorCode = nullptr;
    QLabel* lblColorBox = nullptr;
    QLabel* Label2 = nullptr;
    TextBox* txtColorName = nullptr;
    QLabel* Label3 = nullptr;
    TextBox* txtComment = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnCancel = nullptr;

    std::shared_ptr<DefinedColor> m_pal;
    std::shared_ptr<DefinedColorModel> m_tube;
    bool m_addMode = false;
};

} // namespace tessary
