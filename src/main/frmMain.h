// SPDX-License-Identifier: MIT
#pragma once

#include "platform/CommonDialog.h"
#include "platform/DefaultInstance.h"
#include "platform/Form.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>

class QAction;
class QMenu;
class QMenuBar;
class QTabBar;
class QLabel;
class QGroupBox;
class QFrame;

namespace tessary {

class ColorModel;
class colorCode;
class TessaryConfig;
class OptionButton;
class Slider;
class TextBox;

// The main window: selects the colour object being edited, shows its colour on RGB or
// HSL sliders and as a colour code, and carries the menu bar.
class frmMain : public Form, public DefaultInstance<frmMain> {
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    // Text put in front of colour codes: "#" or empty.
    QString prefix;

    TessaryConfig& configManager();
    ColorModel& currentColor();

    void setColor(std::int32_t color);
    QString getColorCode();
    void colorCodeRefresh();
    void setSampleText(std::int16_t index, const QString& text);

    // Controls, reachable by the other windows as on the original platform.
    CommonDialog CommonDialog1{this};
    TextBox* txtColorCode = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<OptionButton*, 5> optSelectObject{};
    std::array<TextBox*, 3> txtSampleString{};
    QTabBar* tabSelectColorModel = nullptr;
    std::array<QFrame*, 2> RGBorHSLFrame{};
    std::array<QLabel*, 3> rgbLabel{};
    std::array<Slider*, 3> RGBSlider{};
    std::array<TextBox*, 3> txtRGB{};
    std::array<QLabel*, 3> HSLLabel{};
    std::array<Slider*, 3> HSLSlider{};
    std::array<TextBox*, 3> txtHSL{};

    // Menu items (each a QAction; submenus as QMenu).
    QMenu* mnuTessary = nullptr;
    QMenu* mnuBG = nullptr;
    QAction* mnuBGView = nullptr;
    QAction* mnuBGLoad = nullptr;
    QMenu* mnuPosition = nullptr;
    QAction* mnuSetDefaultPos = nullptr;
    QAction* mnuMaxWiidth = nullptr;
    QAction* mnuMaxHeight = nullptr;
    QAction* mnuFullScreen = nullptr;
    QAction* mnuManualPos = nullptr;
    QMenu* mnuStyle = nullptr;
    QAction* mnuUpDown = nullptr;
    QAction* mnuLeftRight = nullptr;
    QAction* mnuSIS = nullptr;
    QAction* mnuDivide = nullptr;
    QAction* mnuLattice = nullptr;
    QMenu* mnuSampleTexts = nullptr;
    QAction* mnuSTTop = nullptr;
    QAction* mnuSTMiddle = nullptr;
    QAction* mnuSTBottom = nullptr;
    QMenu* mnuFont = nullptr;
    QAction* mnuFontAll = nullptr;
    QAction* mnuFontTop = nullptr;
    QAction* mnuFontMiddle = nullptr;
    QAction* mnuFontBottom = nullptr;
    QAction* mnuQuit = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuPalette = nullptr;
    QAction* mnuColorCircle = nullptr;
    QAction* mnuOnTop = nullptr;
    QAction* mnuConfig = nullptr;
    QMenu* mnuTool = nullptr;
    QMenu* mnuCordinate = nullptr;
    QAction* mnuCordinateHue = nullptr;
    QAction* mnuCordinateSatuation = nullptr;
    QAction* mnuCordinateLightness = nullptr;
    QMenu* mnuAverage = nullptr;
    QAction* mnuAveHue = nullptr;
    QAction* mnuAveLightness = nullptr;
    QAction* mnuAveSatuation = nullptr;
    QMenu* mnuRandom = nullptr;
    QAction* mnuRandomAll = nullptr;
    QAction* mnuRandomSingle = nullptr;
    QMenu* mnuComplementaryColor = nullptr;
    QAction* mnuComplementaryColorAll = nullptr;
    QAction* mnuComplementaryColorSingle = nullptr;
    QAction* mnuCopyColorALL = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuShowHelp = nullptr;
    QAction* mnuAbout = nullptr;

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_Resize() override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tessary
