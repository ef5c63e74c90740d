// SPDX-License-Identifier: MIT
#pragma once

#include "platform/CommonDialog.h"
#include "platform/DefaultInstance.h"
#include "platform/Form.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
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
class OklchPage;
class frmColorCircle;
class frmContrast;
struct ContrastSettings;
struct HistoryViewSettings;
class frmPalette;
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

    TessaryConfig& configManager();
    ColorModel& currentColor();

    void setColor(std::int32_t color);
    QString getColorCode();
    void colorCodeRefresh();
    void setSampleText(std::int16_t index, const QString& text);
    // Selects object 0..4 for editing, as its option button does.
    void selectObject(int index);
    // Opens the contrast window with these settings and checks its menu item.
    void showContrastWindow(const ContrastSettings& settings);
    // Opens the history window where these settings put it (beside the display window when
    // they have no place) and checks its menu item.
    void showHistoryWindow(const HistoryViewSettings& settings);

    // Unloads as unload() does but tells the user nothing, not even that the settings could
    // not be saved: for a shut-down asked for from outside (a signal, the end of the
    // session), when nobody may be there to answer.
    void unloadSilently();

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_Resize() override;
    void retranslate() override;

private:
    // Text put in front of colour codes: "#" or empty.
    QString prefix;

    // Controls; tests find them by their object names.
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
    QAction* mnuExportScheme = nullptr;
    QAction* mnuCopyScheme = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuPalette = nullptr;
    QAction* mnuColorCircle = nullptr;
    QAction* mnuOnTop = nullptr;
    QAction* mnuConfig = nullptr;
    QAction* mnuContrast = nullptr;
    QAction* mnuHistory = nullptr;
    QMenu* mnuVision = nullptr;
    // One item per VisionKind, in the order of its numbers (なし first).
    std::array<QAction*, 7> mnuVisionKind{};
    // 10 % to 100 %; enabled while an anomalous kind is in force.
    std::array<QAction*, 10> mnuVisionStrength{};
    QAction* mnuVisionNext = nullptr;
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

    bool eventFilter(QObject* watched, QEvent* event) override;

    // Building the window.
    void createControls();
    void nameControls();
    void createMenus();
    void createVisionMenu(QMenu* menu);
    void connectControls();
    // Colours as CSS writes them: paste, copy, the eyedropper command and the OKLCH page.
    void createCssColorControls();
    void createHistoryViewItem();
    void applyCssColorSettings();
    void showOklchTab(bool on);
    void refreshOklchPage();
    OklchPage& oklchPage();

    // The current colour and the colour path.
    ColorModel& model();
    colorCode& code();
    void refreshColorControls();
    void followScheme();
    void followColor(int object);
    void followSampleText(int label);
    void applyRGBSlider(int index);
    void applyHSLSlider(int index);
    void switchColorModelPage(int tab);
    void loadObjectColor(int index);
    void selectDisplayObject(int index);
    void updateColorCircle();
    // The circle and the palette opened from this window's menu, if they are open.
    frmColorCircle* shownColorCircle() const;
    frmPalette* shownPalette() const;
    frmContrast* shownContrast() const;
    void setRGBLabelColor(int index, int value);

    // Sample texts and fonts.
    void refreshObjectCaption(int index);
    void editSampleText(int index);
    void changeLabelFont(int index);

    // Colour tools.
    void applyToAll(const std::function<std::array<std::int32_t, 5>(const std::array<std::int32_t, 5>&)>& tool);
    void unifyComponent(int component);
    void averageComponent(int component);
    void randomizeAll();
    void randomizeSingle();
    void complementAll();
    void complementSingle();
    void copyColorToAll();

    // Background picture and placement.
    void showBackgroundPicture();
    void setAlwaysOnTop(bool on);

    // Colour vision: the menu's marks follow the mode in force.
    void refreshVisionMenu();

    // Event handlers.
    void optSelectObject_Click(int index);
    void optSelectObject_DblClick(int index);
    void RGBSlider_Change(int index);
    void RGBSlider_Scroll(int index);
    void RGBSlider_MouseUp(int index);
    void HSLSlider_Change(int index);
    void HSLSlider_Scroll(int index);
    void tabSelectColorModel_Click();
    void txtColorCode_KeyUp(int keyCode, int shift);
    void txtRGB_KeyUp(int index, int keyCode, int shift);
    void txtSampleString_Change(int index);
    void txtSampleString_KeyDown(int index, int keyCode, int shift);
    void txtSampleString_LostFocus(int index);
    void txtSampleString_MouseUp(int index, int button, int shift, int x, int y);

    void mnuBGView_Click();
    void mnuBGLoad_Click();
    void mnuSetDefaultPos_Click();
    void mnuMaxWiidth_Click();
    void mnuMaxHeight_Click();
    void mnuFullScreen_Click();
    void mnuManualPos_Click();
    void mnuUpDown_Click();
    void mnuLeftRight_Click();
    void mnuSIS_Click();
    void mnuDivide_Click();
    void mnuLattice_Click();
    void mnuSTTop_Click();
    void mnuSTMiddle_Click();
    void mnuSTBottom_Click();
    void mnuFontAll_Click();
    void mnuFontTop_Click();
    void mnuFontMiddle_Click();
    void mnuFontBottom_Click();
    void mnuQuit_Click();
    void mnuExportScheme_Click();
    void mnuCopyScheme_Click();
    void mnuPalette_Click();
    void mnuColorCircle_Click();
    void mnuOnTop_Click();
    void mnuConfig_Click();
    void mnuContrast_Click();
    void mnuHistory_Click();
    void mnuVisionKind_Click(int kind);
    void mnuVisionStrength_Click(int index);
    void mnuVisionNext_Click();
    void mnuCordinateHue_Click();
    void mnuCordinateSatuation_Click();
    void mnuCordinateLightness_Click();
    void mnuAveHue_Click();
    void mnuAveLightness_Click();
    void mnuAveSatuation_Click();
    void mnuRandomAll_Click();
    void mnuRandomSingle_Click();
    void mnuComplementaryColorAll_Click();
    void mnuComplementaryColorSingle_Click();
    void mnuCopyColorALL_Click();
    void mnuShowHelp_Click();
    void mnuAbout_Click();

    struct Impl;
    std::unique_ptr<Impl> d;
    bool m_silentUnload = false;
    // While the sliders are set from the colour, the code field is written once, at the end.
    bool m_refreshingControls = false;
};

} // namespace tessary
