// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DefaultInstance.h"
#include "platform/Form.h"

#include <array>
#include <memory>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTabBar;

namespace tessary {

class TextBox;

// The settings dialog: the colour-code prefix, the restore switches and the parameters of
// the check, square-in-square and lattice styles. Modal; edits the main window's settings
// object and never touches the INI file itself.
class frmConfig : public Form, public DefaultInstance<frmConfig> {
    Q_OBJECT
public:
    frmConfig();
    ~frmConfig() override;

    void tabConfig_Click();
    void chkPrefix_Click();
    void chkRestoreColor_Click();
    void chkRestoreWindow_Click();
    void txtDDivideNum_Change();
    void txtLDivideNum_Change();
    void txtLLineWidth_Change();
    // A number outside 1..49 (an empty field while typing included) leaves the scroll bar
    // where it is until the field holds a number it can take.
    void txtOutsideWidth_Change();
    void hsOutSideWidth_Change();
    void btnApply_Click();
    void btnOK_Click();
    void btnCancel_Click();

protected:
    void Form_Load() override;
    void showEvent(QShowEvent* e) override;

private:
    // Controls; tests find them by their object names.
    QTabBar* tabConfig = nullptr;
    std::array<QFrame*, 2> configFrame{};
    QCheckBox* chkPrefix = nullptr;
    QCheckBox* chkRestoreColor = nullptr;
    QCheckBox* chkRestoreWindow = nullptr;
    QGroupBox* Frame1 = nullptr;   // lattice
    QGroupBox* Frame2 = nullptr;   // square in square
    QGroupBox* Frame3 = nullptr;   // check
    TextBox* txtLDivideNum = nullptr;
    TextBox* txtLLineWidth = nullptr;
    TextBox* txtDDivideNum = nullptr;
    TextBox* txtOutsideWidth = nullptr;
    QScrollBar* hsOutSideWidth = nullptr;   // 1..49
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnApply = nullptr;

    // The outside width goes back only when the user moved it: a stored width above 49,
    // which the scroll bar cannot show, is kept by OK and apply otherwise.
    void applyConfig();
    void enableApply();

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tessary
