// SPDX-License-Identifier: MIT
#include "main/frmMain.h"

#include "Version.h"
#include "color/ColorModel.h"
#include "color/colorCode.h"
#include "dialogs/CommonDialogManager.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmEditSampleText.h"
#include "display/SetMostTopForm.h"
#include "display/frmTessary.h"
#include "main/ColorEntry.h"
#include "main/ColorTools.h"
#include "main/MainCaptions.h"
#include "palette/frmPalette.h"
#include "pickers/frmColorCircle.h"
#include "platform/AppInfo.h"
#include "platform/ColorValue.h"
#include "platform/Numeric.h"
#include "platform/OptionButton.h"
#include "platform/Services.h"
#include "platform/Slider.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"
#include "settings/CiniFile.h"
#include "settings/TessaryConfig.h"
#include "settings/frmConfig.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

namespace tessary {

namespace {

// The client area below the menu bar, in twips.
constexpr double kClientWidthTw = 4875;
constexpr double kClientHeightTw = 1590;

// Row tops of the RGB and HSL pages: labels and fields, then sliders.
constexpr std::array<double, 3> kRowTopTw{180, 480, 780};
constexpr std::array<double, 3> kSliderTopTw{120, 420, 720};
constexpr double kFieldHeightTw = 270;
constexpr double kLabelHeightTw = 240;

constexpr std::array<double, 5> kOptionTopTw{240, 480, 720, 1020, 1260};
// A little taller than the 195 twips of the design, so the Japanese captions are not cut.
constexpr double kOptionHeightTw = 240;

// The pixel size of the window's text: small enough that the Japanese captions and the
// numbers fit the fixed design sizes without being clipped.
constexpr int kUiPixelSize = 11;
constexpr int kFieldPixelSize = 10;

// Faces in order of preference; font matching takes the first one installed, without
// enumerating every font on the system at start-up.
QFont uiFont(int pixelSize)
{
    QFont f = QApplication::font();
    f.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAexGothic"), QStringLiteral("IPAGothic"),
                   QStringLiteral("Takao Gothic"), f.family()});
    f.setPixelSize(pixelSize);
    return f;
}

QFont fixedFont(int pixelSize)
{
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Sans Mono"),
                   QStringLiteral("Liberation Mono"), f.family()});
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(pixelSize);
    return f;
}

// Replaces a field's text only when it differs, so that rewriting a field in its normal
// form keeps the caret and the selection of the user typing in it.
void setFieldText(TextBox* field, const QString& text)
{
    if (field->text() != text)
        field->setText(text);
}

// The frame of the tab strip's page area, drawn as the style draws a tab widget's pane.
class TabPane : public QWidget {
public:
    TabPane(QTabBar* tabs, QWidget* parent)
        : QWidget(parent)
        , m_tabs(tabs)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QStyleOptionTabWidgetFrame opt;
        opt.initFrom(this);
        opt.shape = QTabBar::RoundedNorth;
        opt.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
        opt.tabBarSize = m_tabs->sizeHint();
        opt.tabBarRect = QRect(QPoint(0, 0), opt.tabBarSize);
        opt.selectedTabRect = m_tabs->tabRect(m_tabs->currentIndex());
        style()->drawPrimitive(QStyle::PE_FrameTabWidget, &opt, &p, this);
    }

private:
    QTabBar* m_tabs;
};

// An option button whose caption, when wider than the button, is drawn cut short with an
// ellipsis instead of being clipped; the caption itself stays as set.
class ElidingOptionButton : public OptionButton {
public:
    using OptionButton::OptionButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter p(this);
        QStyleOptionButton opt;
        initStyleOption(&opt);
        const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &opt, this)
            + style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &opt, this);
        opt.text = fontMetrics().elidedText(opt.text, Qt::ElideRight, std::max(0, width() - indicator - 2),
                                            Qt::TextShowMnemonic);
        p.drawControl(QStyle::CE_RadioButton, opt);
    }
};

} // namespace

struct frmMain::Impl {
    std::unique_ptr<ColorModel> model;
    std::unique_ptr<colorCode> code;
    std::unique_ptr<TessaryConfig> config;

    QMenuBar* menuBar = nullptr;
    QWidget* client = nullptr;
    TabPane* tabPane = nullptr;

    // Why the last in-place field lost the focus: a context menu or another window
    // taking over ends no edit.
    Qt::FocusReason lastFocusOutReason = Qt::OtherFocusReason;
    bool endingEdit = false;
};

frmMain::frmMain()
    : Form(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , d(std::make_unique<Impl>())
{
    setObjectName(QStringLiteral("frmMain"));
    createControls();
    createMenus();
    connectControls();

    const int menuHeight = d->menuBar->sizeHint().height();
    d->menuBar->setGeometry(0, 0, Twips::toPixelsX(kClientWidthTw), menuHeight);
    d->client->setGeometry(0, menuHeight, Twips::toPixelsX(kClientWidthTw), Twips::toPixelsY(kClientHeightTw));
    setFixedSize(Twips::toPixelsX(kClientWidthTw), menuHeight + Twips::toPixelsY(kClientHeightTw));

    // A place of its own at start, so the display window can be put beside it before the
    // window system has shown it.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + area.width() / 8, area.y() + area.height() / 8);
    }
}

frmMain::~frmMain() = default;

void frmMain::createControls()
{
    d->client = new QWidget(this);
    d->client->setObjectName(QStringLiteral("client"));
    d->client->setFont(uiFont(kUiPixelSize));
    QWidget* client = d->client;
    const QFont fieldFont = uiFont(kFieldPixelSize);

    tabSelectColorModel = new QTabBar(client);
    tabSelectColorModel->setObjectName(QStringLiteral("tabSelectColorModel"));
    tabSelectColorModel->setDrawBase(false);
    tabSelectColorModel->setExpanding(false);
    tabSelectColorModel->addTab(QStringLiteral("RGB"));
    tabSelectColorModel->addTab(QStringLiteral("HSL"));
    const int tabHeight = tabSelectColorModel->sizeHint().height();
    const QRect strip(0, Twips::toPixelsY(60), Twips::toPixelsX(3135), Twips::toPixelsY(1515));
    tabSelectColorModel->setGeometry(strip.x(), strip.y(), strip.width(), tabHeight);
    d->tabPane = new TabPane(tabSelectColorModel, client);
    const int overlap = tabSelectColorModel->style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr,
                                                                  tabSelectColorModel);
    d->tabPane->setGeometry(strip.x(), strip.y() + tabHeight - overlap, strip.width(),
                            strip.height() - tabHeight + overlap);
    tabSelectColorModel->raise();

    txtColorCode = new TextBox(client);
    txtColorCode->setObjectName(QStringLiteral("txtColorCode"));
    txtColorCode->setFont(fixedFont(12));
    placeTw(txtColorCode, 1980, 0, 1155, 300);

    for (int page = 0; page < 2; ++page) {
        auto* frame = new QFrame(client);
        frame->setObjectName(QStringLiteral("RGBorHSLFrame%1").arg(page));
        frame->setFrameShape(QFrame::NoFrame);
        placeTw(frame, 60, 60 + 360, 3000, 1155);
        RGBorHSLFrame[page] = frame;
    }

    const std::array<QString, 3> rgbCaptions{QStringLiteral("R"), QStringLiteral("G"), QStringLiteral("B")};
    const std::array<QString, 3> hslCaptions{QStringLiteral("H"), QStringLiteral("S"), QStringLiteral("L")};
    const std::array<int, 3> hslMaximum{360, 255, 255};
    const std::array<int, 3> hslTicks{30, 24, 24};
    for (int i = 0; i < 3; ++i) {
        QFrame* rgb = RGBorHSLFrame[0];
        rgbLabel[i] = new QLabel(rgbCaptions[i], rgb);
        rgbLabel[i]->setObjectName(QStringLiteral("rgbLabel%1").arg(i));
        rgbLabel[i]->setAlignment(Qt::AlignCenter);
        rgbLabel[i]->setAutoFillBackground(true);
        placeTw(rgbLabel[i], 180, kRowTopTw[i] - 15, 120, kLabelHeightTw);
        txtRGB[i] = new TextBox(rgb);
        txtRGB[i]->setObjectName(QStringLiteral("txtRGB%1").arg(i));
        txtRGB[i]->setFont(fieldFont);
        txtRGB[i]->setAlignment(Qt::AlignCenter);
        placeTw(txtRGB[i], 300, kRowTopTw[i] - 30, 315, kFieldHeightTw);
        RGBSlider[i] = new Slider(rgb);
        RGBSlider[i]->setObjectName(QStringLiteral("RGBSlider%1").arg(i));
        RGBSlider[i]->setRange(0, 255);
        RGBSlider[i]->setTickInterval(16);
        placeTw(RGBSlider[i], 660, kSliderTopTw[i], 2295, 375);

        QFrame* hsl = RGBorHSLFrame[1];
        HSLLabel[i] = new QLabel(hslCaptions[i], hsl);
        HSLLabel[i]->setObjectName(QStringLiteral("HSLLabel%1").arg(i));
        HSLLabel[i]->setAlignment(Qt::AlignCenter);
        placeTw(HSLLabel[i], 120, kRowTopTw[i] - 15, 120, kLabelHeightTw);
        txtHSL[i] = new TextBox(hsl);
        txtHSL[i]->setObjectName(QStringLiteral("txtHSL%1").arg(i));
        txtHSL[i]->setFont(fieldFont);
        txtHSL[i]->setAlignment(Qt::AlignCenter);
        // The HSL fields only show the sliders' positions.
        txtHSL[i]->setReadOnly(true);
        placeTw(txtHSL[i], 240, kRowTopTw[i] - 30, 375, kFieldHeightTw);
        HSLSlider[i] = new Slider(hsl);
        HSLSlider[i]->setObjectName(QStringLiteral("HSLSlider%1").arg(i));
        HSLSlider[i]->setRange(0, hslMaximum[i]);
        HSLSlider[i]->setTickInterval(hslTicks[i]);
        placeTw(HSLSlider[i], 660, kSliderTopTw[i], 2295, 375);
    }
    for (int i = 0; i < 3; ++i)
        setRGBLabelColor(i, 0);

    Frame1 = new QGroupBox(QStringLiteral("変更対象"), client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    // The caption sits on the frame's top line, so the five options fit below it.
    Frame1->setStyleSheet(QStringLiteral(
        "QGroupBox#Frame1 { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox#Frame1::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 6px; padding: 0px 2px; }"));
    placeTw(Frame1, 3180, 60, 1695, 1515);
    const std::array<QString, 5> optionCaptions{QStringLiteral("sample1"), QStringLiteral("sample2"),
                                                QStringLiteral("sample3"), QStringLiteral("Shape1"),
                                                QStringLiteral("Shape2")};
    for (int i = 0; i < 5; ++i) {
        optSelectObject[i] = new ElidingOptionButton(optionCaptions[i], Frame1);
        optSelectObject[i]->setObjectName(QStringLiteral("optSelectObject%1").arg(i));
        // As wide as the frame allows, so a shortened caption and its "..." show whole.
        placeTw(optSelectObject[i], 60, kOptionTopTw[i], 1575, kOptionHeightTw);
    }
    for (int i = 0; i < 3; ++i) {
        txtSampleString[i] = new TextBox(Frame1);
        txtSampleString[i]->setObjectName(QStringLiteral("txtSampleString%1").arg(i));
        txtSampleString[i]->setText(QStringLiteral("Text2"));
        txtSampleString[i]->setFont(fieldFont);
        placeTw(txtSampleString[i], 300, kOptionTopTw[i] - 15, 1335, 255);
        txtSampleString[i]->installEventFilter(this);
        txtSampleString[i]->raise();
    }
}

void frmMain::createMenus()
{
    d->menuBar = new QMenuBar(this);
    d->menuBar->setObjectName(QStringLiteral("menuBar"));
    QMenuBar* bar = d->menuBar;

    auto item = [this](QMenu* menu, const QString& caption, const char* name, const QKeySequence& key = {}) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty()) {
            a->setShortcut(key);
            // The shortcuts work wherever the focus is in this window.
            a->setShortcutContext(Qt::WindowShortcut);
            addAction(a);
        }
        return a;
    };
    auto submenu = [](QMenu* parent, const QString& caption, const char* name) {
        QMenu* m = parent->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto separator = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); };

    mnuTessary = bar->addMenu(QStringLiteral("Tessary(&I)"));
    mnuTessary->setObjectName(QStringLiteral("mnuTessary"));
    mnuBG = submenu(mnuTessary, QStringLiteral("背景画像"), "mnuBG");
    mnuBGView = item(mnuBG, QStringLiteral("背景画像の表示"), "mnuBGView", QKeySequence(Qt::CTRL | Qt::Key_W));
    mnuBGView->setCheckable(true);
    separator(mnuBG, "mnuSeparator1");
    mnuBGLoad = item(mnuBG, QStringLiteral("背景画像の読み込み"), "mnuBGLoad");
    mnuPosition = submenu(mnuTessary, QStringLiteral("位置"), "mnuPosition");
    mnuSetDefaultPos = item(mnuPosition, QStringLiteral("初期位置"), "mnuSetDefaultPos", QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuMaxWiidth = item(mnuPosition, QStringLiteral("横最大"), "mnuMaxWiidth");
    mnuMaxHeight = item(mnuPosition, QStringLiteral("縦最大"), "mnuMaxHeight");
    separator(mnuPosition, "mnuSeparator8");
    mnuFullScreen = item(mnuPosition, QStringLiteral("全画面"), "mnuFullScreen");
    separator(mnuPosition, "mnuSeparator7");
    mnuManualPos = item(mnuPosition, QStringLiteral("指定位置"), "mnuManualPos");
    mnuStyle = submenu(mnuTessary, QStringLiteral("スタイル"), "mnuStyle");
    mnuUpDown = item(mnuStyle, QStringLiteral("上下"), "mnuUpDown", QKeySequence(Qt::Key_F2));
    mnuLeftRight = item(mnuStyle, QStringLiteral("左右"), "mnuLeftRight", QKeySequence(Qt::Key_F3));
    mnuSIS = item(mnuStyle, QStringLiteral("四角の中に四角"), "mnuSIS", QKeySequence(Qt::Key_F4));
    mnuDivide = item(mnuStyle, QStringLiteral("チェック"), "mnuDivide", QKeySequence(Qt::Key_F5));
    mnuLattice = item(mnuStyle, QStringLiteral("格子"), "mnuLattice", QKeySequence(Qt::Key_F6));
    mnuSampleTexts = submenu(mnuTessary, QStringLiteral("標本文字列"), "mnuSampleTexts");
    mnuSTTop = item(mnuSampleTexts, QStringLiteral("上"), "mnuSTTop");
    mnuSTMiddle = item(mnuSampleTexts, QStringLiteral("中"), "mnuSTMiddle");
    mnuSTBottom = item(mnuSampleTexts, QStringLiteral("下"), "mnuSTBottom");
    mnuFont = submenu(mnuSampleTexts, QStringLiteral("フォント変更"), "mnuFont");
    mnuFontAll = item(mnuFont, QStringLiteral("全て"), "mnuFontAll", QKeySequence(Qt::CTRL | Qt::Key_F));
    separator(mnuFont, "mnuSeparator6");
    mnuFontTop = item(mnuFont, QStringLiteral("上"), "mnuFontTop");
    mnuFontMiddle = item(mnuFont, QStringLiteral("中"), "mnuFontMiddle");
    mnuFontBottom = item(mnuFont, QStringLiteral("下"), "mnuFontBottom");
    mnuQuit = item(mnuTessary, QStringLiteral("終了(&Q)"), "mnuQuit");

    mnuView = bar->addMenu(QStringLiteral("表示(&V)"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuPalette = item(mnuView, QStringLiteral("パレット"), "mnuPalette", QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuPalette->setCheckable(true);
    mnuColorCircle = item(mnuView, QStringLiteral("色環"), "mnuColorCircle", QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuColorCircle->setCheckable(true);
    separator(mnuView, "mnuSeparator3");
    mnuOnTop = item(mnuView, QStringLiteral("常に手前に表示"), "mnuOnTop");
    mnuOnTop->setCheckable(true);
    separator(mnuView, "mnuSeparator2");
    mnuConfig = item(mnuView, QStringLiteral("設定"), "mnuConfig");

    mnuTool = bar->addMenu(QStringLiteral("ツール(&T)"));
    mnuTool->setObjectName(QStringLiteral("mnuTool"));
    mnuCordinate = submenu(mnuTool, QStringLiteral("統一"), "mnuCordinate");
    mnuCordinateHue = item(mnuCordinate, QStringLiteral("色相"), "mnuCordinateHue");
    mnuCordinateSatuation = item(mnuCordinate, QStringLiteral("彩度"), "mnuCordinateSatuation");
    mnuCordinateLightness = item(mnuCordinate, QStringLiteral("明度"), "mnuCordinateLightness");
    mnuAverage = submenu(mnuTool, QStringLiteral("平均化"), "mnuAverage");
    mnuAveHue = item(mnuAverage, QStringLiteral("色相"), "mnuAveHue");
    mnuAveLightness = item(mnuAverage, QStringLiteral("明度"), "mnuAveLightness");
    mnuAveSatuation = item(mnuAverage, QStringLiteral("彩度"), "mnuAveSatuation");
    mnuRandom = submenu(mnuTool, QStringLiteral("ランダム"), "mnuRandom");
    mnuRandomAll = item(mnuRandom, QStringLiteral("ランダム(ALL)"), "mnuRandomAll", QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuRandomSingle = item(mnuRandom, QStringLiteral("ランダム(Single)"), "mnuRandomSingle",
                           QKeySequence(Qt::CTRL | Qt::Key_Q));
    mnuComplementaryColor = submenu(mnuTool, QStringLiteral("補色"), "mnuComplementaryColor");
    mnuComplementaryColorAll = item(mnuComplementaryColor, QStringLiteral("補色(ALL)"), "mnuComplementaryColorAll",
                                    QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuComplementaryColorSingle = item(mnuComplementaryColor, QStringLiteral("補色(Single)"),
                                       "mnuComplementaryColorSingle", QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuCopyColorALL = item(mnuTool, QStringLiteral("全て同色"), "mnuCopyColorALL");

    mnuHelp = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuShowHelp = item(mnuHelp, QStringLiteral("ヘルプ"), "mnuShowHelp", QKeySequence(Qt::Key_F1));
    separator(mnuHelp, "mnuSeparator4");
    mnuAbout = item(mnuHelp, QStringLiteral("Tessaryについて"), "mnuAbout");
}

void frmMain::connectControls()
{
    for (int i = 0; i < 5; ++i) {
        connect(optSelectObject[i], &OptionButton::Click, this, [this, i] { optSelectObject_Click(i); });
        connect(optSelectObject[i], &OptionButton::DblClick, this, [this, i] { optSelectObject_DblClick(i); });
    }
    for (int i = 0; i < 3; ++i) {
        connect(RGBSlider[i], &Slider::Change, this, [this, i] { RGBSlider_Change(i); });
        connect(RGBSlider[i], &Slider::Scroll, this, [this, i] { RGBSlider_Scroll(i); });
        connect(RGBSlider[i], &Slider::MouseUp, this, [this, i] { RGBSlider_MouseUp(i); });
        connect(HSLSlider[i], &Slider::Change, this, [this, i] { HSLSlider_Change(i); });
        connect(HSLSlider[i], &Slider::Scroll, this, [this, i] { HSLSlider_Scroll(i); });
        connect(txtRGB[i], &TextBox::KeyUp, this, [this, i](int key, int shift) { txtRGB_KeyUp(i, key, shift); });
        connect(txtSampleString[i], &TextBox::Change, this, [this, i] { txtSampleString_Change(i); });
        connect(txtSampleString[i], &TextBox::KeyDown, this,
                [this, i](int key, int shift) { txtSampleString_KeyDown(i, key, shift); });
        connect(txtSampleString[i], &TextBox::LostFocus, this, [this, i] { txtSampleString_LostFocus(i); });
        connect(txtSampleString[i], &TextBox::MouseUp, this,
                [this, i](int button, int shift, int x, int y) { txtSampleString_MouseUp(i, button, shift, x, y); });
    }
    connect(txtColorCode, &TextBox::KeyUp, this, [this](int key, int shift) { txtColorCode_KeyUp(key, shift); });
    connect(tabSelectColorModel, &QTabBar::currentChanged, this, [this](int) { tabSelectColorModel_Click(); });

    // A check item's mark is set by its handler alone: the action's own toggle is undone
    // before the handler runs.
    auto onClick = [this](QAction* action, void (frmMain::*handler)()) {
        connect(action, &QAction::triggered, this, [this, action, handler] {
            if (action->isCheckable())
                action->setChecked(!action->isChecked());
            (this->*handler)();
        });
    };
    onClick(mnuBGView, &frmMain::mnuBGView_Click);
    onClick(mnuBGLoad, &frmMain::mnuBGLoad_Click);
    onClick(mnuSetDefaultPos, &frmMain::mnuSetDefaultPos_Click);
    onClick(mnuMaxWiidth, &frmMain::mnuMaxWiidth_Click);
    onClick(mnuMaxHeight, &frmMain::mnuMaxHeight_Click);
    onClick(mnuFullScreen, &frmMain::mnuFullScreen_Click);
    onClick(mnuManualPos, &frmMain::mnuManualPos_Click);
    onClick(mnuUpDown, &frmMain::mnuUpDown_Click);
    onClick(mnuLeftRight, &frmMain::mnuLeftRight_Click);
    onClick(mnuSIS, &frmMain::mnuSIS_Click);
    onClick(mnuDivide, &frmMain::mnuDivide_Click);
    onClick(mnuLattice, &frmMain::mnuLattice_Click);
    onClick(mnuSTTop, &frmMain::mnuSTTop_Click);
    onClick(mnuSTMiddle, &frmMain::mnuSTMiddle_Click);
    onClick(mnuSTBottom, &frmMain::mnuSTBottom_Click);
    onClick(mnuFontAll, &frmMain::mnuFontAll_Click);
    onClick(mnuFontTop, &frmMain::mnuFontTop_Click);
    onClick(mnuFontMiddle, &frmMain::mnuFontMiddle_Click);
    onClick(mnuFontBottom, &frmMain::mnuFontBottom_Click);
    onClick(mnuQuit, &frmMain::mnuQuit_Click);
    onClick(mnuPalette, &frmMain::mnuPalette_Click);
    onClick(mnuColorCircle, &frmMain::mnuColorCircle_Click);
    onClick(mnuOnTop, &frmMain::mnuOnTop_Click);
    onClick(mnuConfig, &frmMain::mnuConfig_Click);
    onClick(mnuCordinateHue, &frmMain::mnuCordinateHue_Click);
    onClick(mnuCordinateSatuation, &frmMain::mnuCordinateSatuation_Click);
    onClick(mnuCordinateLightness, &frmMain::mnuCordinateLightness_Click);
    onClick(mnuAveHue, &frmMain::mnuAveHue_Click);
    onClick(mnuAveLightness, &frmMain::mnuAveLightness_Click);
    onClick(mnuAveSatuation, &frmMain::mnuAveSatuation_Click);
    onClick(mnuRandomAll, &frmMain::mnuRandomAll_Click);
    onClick(mnuRandomSingle, &frmMain::mnuRandomSingle_Click);
    onClick(mnuComplementaryColorAll, &frmMain::mnuComplementaryColorAll_Click);
    onClick(mnuComplementaryColorSingle, &frmMain::mnuComplementaryColorSingle_Click);
    onClick(mnuCopyColorALL, &frmMain::mnuCopyColorALL_Click);
    onClick(mnuShowHelp, &frmMain::mnuShowHelp_Click);
    onClick(mnuAbout, &frmMain::mnuAbout_Click);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        for (TextBox* field : txtSampleString) {
            if (watched == field)
                d->lastFocusOutReason = static_cast<QFocusEvent*>(event)->reason();
        }
    }
    return Form::eventFilter(watched, event);
}

// ---- Public interface --------------------------------------------------------------

TessaryConfig& frmMain::configManager()
{
    if (!d->config)
        d->config = std::make_unique<TessaryConfig>();
    return *d->config;
}

ColorModel& frmMain::currentColor()
{
    return model();
}

ColorModel& frmMain::model()
{
    if (!d->model)
        d->model = std::make_unique<ColorModel>();
    return *d->model;
}

colorCode& frmMain::code()
{
    if (!d->code)
        d->code = std::make_unique<colorCode>();
    return *d->code;
}

void frmMain::setColor(std::int32_t color)
{
    model().setColor(color);
    refreshColorControls();
}

QString frmMain::getColorCode()
{
    ColorModel& m = model();
    return code().getHexRGB(m.GetRed(), m.GetBlue(), m.GetGreen());
}

void frmMain::colorCodeRefresh()
{
    setFieldText(txtColorCode, prefix + getColorCode());
}

void frmMain::setSampleText(std::int16_t index, const QString& text)
{
    if (index < 0 || index > 2)
        return;
    TextBox* field = txtSampleString[index];
    if (field->text() == text)
        txtSampleString_Change(index);   // no change notification, yet the label must get it
    else
        field->setText(text);
    optSelectObject[index]->setText(MainCaptions::literalCaption(text));
    optSelectObject[index]->setToolTip(QStringLiteral("<qt>%1</qt>").arg(text.toHtmlEscaped()));
}

// ---- Start-up, shut-down, minimising -----------------------------------------------

void frmMain::Form_Load()
{
    frmTessary& display = frmTessary::instance();
    display.showModeless();
    display.setPosDefault();
    display.setSelectObject(3);

    setWindowTitle(MainCaptions::windowCaption(kVersionMajor, kVersionMinor));

    RGBorHSLFrame[0]->show();
    RGBorHSLFrame[0]->raise();
    RGBorHSLFrame[1]->hide();
    switchColorModelPage(1);

    mnuBGView->setEnabled(false);

    for (int i = 0; i < 3; ++i) {
        txtSampleString[i]->hide();
        optSelectObject[i]->setText(MainCaptions::literalCaption(txtSampleString[i]->text()));
        // The labels show the texts the captions show, also when the settings restore none.
        display.setLabelText(static_cast<std::int16_t>(i), txtSampleString[i]->text());
        txtRGB[i]->setText(QStringLiteral("0"));
        txtHSL[i]->setText(QStringLiteral("0"));
    }
    txtColorCode->setText(prefix + QStringLiteral("000000"));

    configManager().loadConfig();

    optSelectObject[3]->switchOn();
}

void frmMain::unloadSilently()
{
    m_silentUnload = true;
    unload();
}

void frmMain::Form_Unload(int& cancel)
{
    (void)cancel;
    configManager().saveConfig();
    // The user closing the program hears of settings that were not saved; it ends all the same.
    if (!m_silentUnload && !configManager().lastSaveStatus().ok()) {
        MsgBox(QStringLiteral("設定を保存できませんでした。\r\n%1")
                   .arg(QDir::toNativeSeparators(CiniFile::defaultPath())),
               IMessageBox::OKOnly, QString(), IMessageBox::Exclamation);
    }
    frmTessary::unloadInstance();
    frmColorCircle::unloadInstance();
    frmPalette::unloadInstance();
    d->model.reset();
    d->code.reset();
    d->config.reset();
}

void frmMain::Form_Resize()
{
    const bool minimised = formState() == Minimized;
    auto follow = [minimised](QWidget& w) {
        if (minimised)
            w.hide();
        else
            w.show();
    };
    if (frmTessary::isInstanceLoaded())
        follow(frmTessary::instance());
    if (isColorCircleShown() && frmColorCircle::isInstanceLoaded())
        follow(frmColorCircle::instance());
    if (isPaletteShown() && frmPalette::isInstanceLoaded())
        follow(frmPalette::instance());
}

// ---- The colour path ---------------------------------------------------------------

void frmMain::refreshColorControls()
{
    const int tab = tabSelectColorModel->currentIndex() + 1;
    ColorModel& m = model();
    m.refreshColorModel();
    if (tab == 1) {
        RGBSlider[0]->setPosition(m.GetRed());
        RGBSlider[1]->setPosition(m.GetGreen());
        RGBSlider[2]->setPosition(m.GetBlue());
        for (int i = 0; i < 3; ++i)
            setFieldText(txtRGB[i], ColorEntry::channelText(RGBSlider[i]->value()));
    } else {
        // A grey's hue of -1 lies below the slider's range; the slider shows 0.
        HSLSlider[0]->setPosition(roundHalfEven(m.getHue()));
        HSLSlider[1]->setPosition(roundHalfEven(m.getSatuation() * 255.0));
        HSLSlider[2]->setPosition(roundHalfEven(m.getLightness() * 255.0));
        for (int i = 0; i < 3; ++i)
            setFieldText(txtHSL[i], QString::number(HSLSlider[i]->value()));
    }
    colorCodeRefresh();
    updateColorCircle();
}

void frmMain::applyRGBSlider(int index)
{
    const int v = RGBSlider[index]->value();
    frmTessary& display = frmTessary::instance();
    ColorModel& m = model();
    // Pending HSL changes are settled first, so they cannot undo this channel.
    m.refreshColorModel();
    switch (index) {
    case 0:
        display.setRed(v);
        m.SetRed(display.red());
        break;
    case 1:
        display.setGreen(v);
        m.SetGreen(static_cast<std::int16_t>(display.green()));
        break;
    default:
        display.setBlue(v);
        m.SetBlue(display.blue());
        break;
    }
    setRGBLabelColor(index, v);
    display.tessaryRefresh();
    setFieldText(txtRGB[index], ColorEntry::channelText(v));
    colorCodeRefresh();
}

void frmMain::applyHSLSlider(int index)
{
    const int v = HSLSlider[index]->value();
    ColorModel& m = model();
    // Pending RGB changes are settled first, so they cannot undo this component.
    m.refreshColorModel();
    switch (index) {
    case 0:
        m.SetHue(v);
        break;
    case 1:
        m.SetSatuation(v / 255.0);
        break;
    default:
        m.SetLightness(v / 255.0);
        break;
    }
    frmTessary& display = frmTessary::instance();
    display.setColor(m.getColor());
    display.tessaryRefresh();
    setFieldText(txtHSL[index], QString::number(v));
    colorCodeRefresh();
}

void frmMain::setRGBLabelColor(int index, int value)
{
    const int r = index == 0 ? value : 0;
    const int g = index == 1 ? value : 0;
    const int b = index == 2 ? value : 0;
    QPalette pal = rgbLabel[index]->palette();
    pal.setColor(QPalette::Window, QColor(r, g, b));
    // The letter stays readable on a dark or a bright channel colour.
    const bool dark = 0.299 * r + 0.587 * g + 0.114 * b < 110.0;
    pal.setColor(QPalette::WindowText, dark ? Qt::white : Qt::black);
    rgbLabel[index]->setPalette(pal);
}

void frmMain::switchColorModelPage(int tab)
{
    const bool rgb = tab == 1;
    for (int i = 0; i < 3; ++i) {
        txtRGB[i]->setFocusPolicy(rgb ? Qt::StrongFocus : Qt::NoFocus);
        RGBSlider[i]->setFocusPolicy(rgb ? Qt::StrongFocus : Qt::NoFocus);
        txtHSL[i]->setFocusPolicy(rgb ? Qt::NoFocus : Qt::StrongFocus);
        HSLSlider[i]->setFocusPolicy(rgb ? Qt::NoFocus : Qt::StrongFocus);
    }
}

void frmMain::loadObjectColor(int index)
{
    frmTessary& display = frmTessary::instance();
    display.setSelectObject(static_cast<std::int16_t>(index));
    model().setColor(display.getColor());
    model().refreshColorModel();
}

void frmMain::selectDisplayObject(int index)
{
    frmTessary::instance().setSelectObject(static_cast<std::int16_t>(index));
}

void frmMain::updateColorCircle()
{
    if (isColorCircleShown() && frmColorCircle::isInstanceLoaded())
        frmColorCircle::instance().update(model());
}

bool frmMain::isColorCircleShown() const
{
    return mnuColorCircle->isChecked();
}

bool frmMain::isPaletteShown() const
{
    return mnuPalette->isChecked();
}

void frmMain::optSelectObject_Click(int index)
{
    selectDisplayObject(index);
    model().setColor(frmTessary::instance().getColor());
    refreshColorControls();
}

void frmMain::RGBSlider_Change(int index)
{
    applyRGBSlider(index);
}

void frmMain::RGBSlider_Scroll(int index)
{
    applyRGBSlider(index);
}

void frmMain::RGBSlider_MouseUp(int)
{
    updateColorCircle();
}

void frmMain::HSLSlider_Change(int index)
{
    applyHSLSlider(index);
    updateColorCircle();
}

void frmMain::HSLSlider_Scroll(int index)
{
    applyHSLSlider(index);
}

void frmMain::tabSelectColorModel_Click()
{
    const int tab = tabSelectColorModel->currentIndex() + 1;
    QFrame* front = RGBorHSLFrame[tab == 1 ? 0 : 1];
    QFrame* back = RGBorHSLFrame[tab == 1 ? 1 : 0];
    front->show();
    front->raise();
    back->hide();
    switchColorModelPage(tab);
    refreshColorControls();
}

// ---- Typed entry -------------------------------------------------------------------

void frmMain::txtColorCode_KeyUp(int, int)
{
    if (const auto color = ColorEntry::colorFromCodeField(txtColorCode->text(), prefix))
        setColor(*color);
}

void frmMain::txtRGB_KeyUp(int index, int, int)
{
    setFieldText(txtRGB[index], ColorEntry::keepLastTwo(txtRGB[index]->text()));
    setColor(ColorEntry::colorFromChannelFields(txtRGB[0]->text(), txtRGB[1]->text(), txtRGB[2]->text()));
}

// ---- Sample texts and fonts --------------------------------------------------------

void frmMain::txtSampleString_Change(int index)
{
    frmTessary& display = frmTessary::instance();
    display.setLabelText(static_cast<std::int16_t>(index), txtSampleString[index]->text());
    display.tessaryRefresh();
}

void frmMain::optSelectObject_DblClick(int index)
{
    if (index < 0 || index > 2)
        return;
    TextBox* field = txtSampleString[index];
    field->show();
    field->raise();
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

void frmMain::txtSampleString_KeyDown(int index, int keyCode, int)
{
    if (keyCode != 13)
        return;
    refreshObjectCaption(index);
    d->lastFocusOutReason = Qt::OtherFocusReason;
    txtSampleString_LostFocus(index);
}

void frmMain::txtSampleString_LostFocus(int index)
{
    const Qt::FocusReason reason = d->lastFocusOutReason;
    d->lastFocusOutReason = Qt::OtherFocusReason;
    // The field keeps its edit while its context menu is open or another window is used.
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return;
    if (d->endingEdit)
        return;
    d->endingEdit = true;
    const bool hadFocus = txtSampleString[index]->hasFocus();
    for (TextBox* field : txtSampleString)
        field->hide();
    if (hadFocus || focusWidget() == nullptr)
        optSelectObject[index]->setFocus(Qt::OtherFocusReason);
    d->endingEdit = false;
    refreshObjectCaption(index);
}

void frmMain::txtSampleString_MouseUp(int index, int, int, int, int)
{
    refreshObjectCaption(index);
}

void frmMain::refreshObjectCaption(int index)
{
    const QString text = txtSampleString[index]->text();
    optSelectObject[index]->setText(MainCaptions::literalCaption(MainCaptions::shortenedCaption(text)));
    optSelectObject[index]->setToolTip(QStringLiteral("<qt>%1</qt>").arg(text.toHtmlEscaped()));
}

void frmMain::editSampleText(int index)
{
    frmEditSampleText& editor = frmEditSampleText::instance();
    editor.setting(static_cast<std::int16_t>(index), txtSampleString[index]->text(),
                   frmTessary::instance().getLabelFont(static_cast<std::int16_t>(index)));
    editor.showModal();
}

void frmMain::changeLabelFont(int index)
{
    CommonDialogManager manager;
    manager.setCommonDialog(CommonDialog1);
    frmTessary& display = frmTessary::instance();
    const auto label = static_cast<std::int16_t>(index);
    FontRef font = copyFont(*display.getLabelFont(label));
    manager.chooseFont(*font);
    display.setLabelFont(label, font);
    // Labels drawn over the old ones in another font would leave the old letters showing.
    display.tessaryRefresh();
}

void frmMain::mnuSTTop_Click() { editSampleText(0); }
void frmMain::mnuSTMiddle_Click() { editSampleText(1); }
void frmMain::mnuSTBottom_Click() { editSampleText(2); }

void frmMain::mnuFontAll_Click()
{
    CommonDialogManager manager;
    manager.setCommonDialog(CommonDialog1);
    frmTessary& display = frmTessary::instance();
    FontRef font = display.getLabelFont(0);
    manager.chooseFont(*font);
    display.setLabelFont(0, font);
    // Labels 1 and 2 get equal fonts of their own, so a later change of one label's font
    // changes that label alone.
    display.setLabelFont(1, copyFont(*font));
    display.setLabelFont(2, copyFont(*font));
    display.tessaryRefresh();
}

void frmMain::mnuFontTop_Click() { changeLabelFont(0); }
void frmMain::mnuFontMiddle_Click() { changeLabelFont(1); }
void frmMain::mnuFontBottom_Click() { changeLabelFont(2); }

// ---- Colour tools ------------------------------------------------------------------

void frmMain::applyToAll(const std::function<ColorTools::Scheme(const ColorTools::Scheme&)>& tool)
{
    frmTessary& display = frmTessary::instance();
    const std::int16_t selected = display.selectObject();
    ColorTools::Scheme before{};
    for (int i = 0; i < 5; ++i) {
        loadObjectColor(i);
        before[i] = model().getColor();
    }
    const ColorTools::Scheme after = tool(before);
    for (int i = 0; i < 5; ++i) {
        display.setSelectObject(static_cast<std::int16_t>(i));
        display.setColor(after[i]);
    }
    display.tessaryRefresh();
    display.setSelectObject(selected);
    model().setColor(display.getColor());
    refreshColorControls();
}

void frmMain::unifyComponent(int component)
{
    const double value = ColorTools::component(model(), component);
    applyToAll([component, value](const ColorTools::Scheme& s) { return ColorTools::unify(s, component, value); });
}

void frmMain::averageComponent(int component)
{
    applyToAll([component](const ColorTools::Scheme& s) {
        return ColorTools::unify(s, component, ColorTools::average(s, component));
    });
}

void frmMain::randomizeAll()
{
    applyToAll([](const ColorTools::Scheme&) {
        return ColorTools::randomize([] { return Services::random().next(); });
    });
}

void frmMain::randomizeSingle()
{
    model().setColor(ColorTools::randomColor([] { return Services::random().next(); }));
    model().refreshColorModel();
    refreshColorControls();
}

void frmMain::complementAll()
{
    applyToAll(&ColorTools::complement);
}

void frmMain::complementSingle()
{
    ColorModel& m = model();
    m.refreshColorModel();
    m.SetHue(m.getComplementaryColor());
    refreshColorControls();
}

void frmMain::copyColorToAll()
{
    const int answer = MsgBox(QStringLiteral("全てのオブジェクトを現在選択されている色と同じ色にします。\r\nよろしいですか？"),
                              IMessageBox::YesNoCancel, QStringLiteral("全て同色"));
    if (answer != IMessageBox::Yes)
        return;
    ColorModel& m = model();
    const std::int32_t color = ColorValue::pack(m.GetRed(), m.GetGreen(), m.GetBlue());
    applyToAll([color](const ColorTools::Scheme&) {
        ColorTools::Scheme s{};
        s.fill(color);
        return s;
    });
}

void frmMain::mnuCordinateHue_Click() { unifyComponent(ColorTools::Hue); }
void frmMain::mnuCordinateSatuation_Click() { unifyComponent(ColorTools::Saturation); }
void frmMain::mnuCordinateLightness_Click() { unifyComponent(ColorTools::Lightness); }
void frmMain::mnuAveHue_Click() { averageComponent(ColorTools::Hue); }
void frmMain::mnuAveLightness_Click() { averageComponent(ColorTools::Lightness); }
void frmMain::mnuAveSatuation_Click() { averageComponent(ColorTools::Saturation); }
void frmMain::mnuRandomAll_Click() { randomizeAll(); }
void frmMain::mnuRandomSingle_Click() { randomizeSingle(); }
void frmMain::mnuComplementaryColorAll_Click() { complementAll(); }
void frmMain::mnuComplementaryColorSingle_Click() { complementSingle(); }
void frmMain::mnuCopyColorALL_Click() { copyColorToAll(); }

// ---- Background picture ------------------------------------------------------------

void frmMain::showBackgroundPicture()
{
    optSelectObject[3]->setEnabled(false);
    optSelectObject[4]->setEnabled(false);
    optSelectObject[0]->switchOn();
    mnuBGView->setChecked(true);
    frmTessary::instance().setBGIVisible(true);
}

void frmMain::mnuBGView_Click()
{
    const bool shown = mnuBGView->isChecked();
    optSelectObject[3]->setEnabled(shown);
    optSelectObject[4]->setEnabled(shown);
    optSelectObject[0]->switchOn();
    mnuBGView->setChecked(!shown);
    frmTessary& display = frmTessary::instance();
    display.setBGIVisible(!shown);
    // Switching the picture off clears the window; the scheme and the texts come back now.
    display.tessaryRefresh();
}

void frmMain::mnuBGLoad_Click()
{
    CommonDialogManager manager;
    manager.setCommonDialog(CommonDialog1);
    manager.setFilename(QStringLiteral("*.gif;*.bmp;*.jpg;*.jpeg"));
    manager.setFilter(QStringLiteral("画像(*.gif;*.bmp;*.jpg;*.jpeg)|*.gif;*.bmp;*.jpg;*.jpeg|GIF(*.gif)|*.gif|"
                                     "BMP(*.bmp)|*.bmp|JPEG(*.jpg;*.jpeg)|*.jpg;*.jpeg"));
    const QString fileName = manager.getFilename(false);
    if (fileName.isEmpty())
        return;
    frmTessary& display = frmTessary::instance();
    // Loaded first: a file that is no picture leaves the window, the menu and the
    // options as they were.
    if (!display.loadBackgroundImage(fileName)) {
        MsgBox(QStringLiteral("背景画像を読み込めませんでした。\r\n%1\r\n\r\n"
                              "GIF、BMP、JPEG 形式の画像ファイルを選んでください。")
                   .arg(QDir::toNativeSeparators(fileName)));
        return;
    }
    mnuBGView->setEnabled(true);
    showBackgroundPicture();
    // The sample texts are drawn over the new picture.
    display.tessaryRefresh();
}

// ---- Placement ---------------------------------------------------------------------

void frmMain::mnuSetDefaultPos_Click() { frmTessary::instance().setPosDefault(); }
void frmMain::mnuMaxWiidth_Click() { frmTessary::instance().setPosWidthMax(); }
void frmMain::mnuMaxHeight_Click() { frmTessary::instance().setPosHeightMax(); }

void frmMain::mnuFullScreen_Click()
{
    frmTessary::instance().setPosFullScreen();
    raise();
    activateWindow();
}

void frmMain::mnuManualPos_Click() { frmTessary::instance().setPosManual(); }

void frmMain::mnuOnTop_Click()
{
    const bool on = !mnuOnTop->isChecked();
    mnuOnTop->setChecked(on);
    setAlwaysOnTop(on);
}

void frmMain::setAlwaysOnTop(bool on)
{
    SetMostTopForm top;
    top.SetFormTop(this, on);
    top.SetFormTop(&frmTessary::instance(), on);
    if (isColorCircleShown() && frmColorCircle::isInstanceLoaded())
        top.SetFormTop(&frmColorCircle::instance(), on);
    if (isPaletteShown() && frmPalette::isInstanceLoaded())
        top.SetFormTop(&frmPalette::instance(), on);
}

// ---- Styles, windows, help, quit ---------------------------------------------------

void frmMain::mnuUpDown_Click() { configManager().setTessaryStyle(0); }
void frmMain::mnuLeftRight_Click() { configManager().setTessaryStyle(1); }
void frmMain::mnuSIS_Click() { configManager().setTessaryStyle(2); }
void frmMain::mnuDivide_Click() { configManager().setTessaryStyle(3); }
void frmMain::mnuLattice_Click() { configManager().setTessaryStyle(4); }

void frmMain::mnuPalette_Click()
{
    if (mnuPalette->isChecked()) {
        mnuPalette->setChecked(false);
        frmPalette::unloadInstance();
    } else {
        mnuPalette->setChecked(true);
        frmPalette& palette = frmPalette::instance();
        // Open under the main window rather than wherever the window system puts it.
        palette.setLeftTw(leftTw());
        palette.setTopTw(topTw() + heightTw());
        palette.showModeless();
    }
}

void frmMain::mnuColorCircle_Click()
{
    if (mnuColorCircle->isChecked()) {
        frmColorCircle::unloadInstance();
        mnuColorCircle->setChecked(false);
    } else {
        frmColorCircle& circle = frmColorCircle::instance();
        circle.setCircleType(0);
        circle.setLeftTw(leftTw() + widthTw());
        circle.setTopTw(topTw() + heightTw());
        circle.showModeless();
        circle.update(model());
        mnuColorCircle->setChecked(true);
    }
}

void frmMain::mnuConfig_Click() { frmConfig::instance().showModal(); }
void frmMain::mnuAbout_Click() { frmAbout::instance().showModal(); }

void frmMain::mnuShowHelp_Click()
{
    const QString path = AppInfo::programFolder() + QStringLiteral("/doc/index.htm");
    if (!QFileInfo(path).isFile()) {
        MsgBox(QStringLiteral("ヘルプファイルが見つかりません。\r\n%1").arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (!Services::shell().openDocument(path)) {
        MsgBox(QStringLiteral("ヘルプを開けませんでした。\r\n%1\r\n\r\nこのファイルをブラウザーで開いてください。")
                   .arg(QDir::toNativeSeparators(path)));
    }
}

void frmMain::mnuQuit_Click()
{
    unload();
}

} // namespace tessary
