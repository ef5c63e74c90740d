// SPDX-License-Identifier: MIT
#include "main/frmMain.h"

#include "cvd/VisionModeHolder.h"
#include "history/History.h"
#include "history/HistoryCommands.h"
#include "language/LanguageMenu.h"
#include "main/frmMainPrivate.h"
#include "platform/FontMapper.h"
#include "platform/OptionButton.h"
#include "platform/Slider.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
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
// Captions sit a little above their row, fields a little more.
constexpr double kCaptionRaiseTw = 15;
constexpr double kFieldRaiseTw = 30;
// Every slider of both pages.
constexpr double kSliderLeftTw = 660;
constexpr double kSliderWidthTw = 2295;
constexpr double kSliderHeightTw = 375;
// The gap at the window's edges, and the height of the tab strip and of the object frame
// beside it.
constexpr double kMarginTw = 60;
constexpr double kPanelHeightTw = 1515;
constexpr double kLabelHeightTw = 240;

constexpr std::array<double, 5> kOptionTopTw{240, 480, 720, 1020, 1260};
// A little taller than the 195 twips of the design, so the Japanese captions are not cut.
constexpr double kOptionHeightTw = 240;

// The pixel size of the window's text: small enough that the Japanese captions and the
// numbers fit the fixed design sizes without being clipped.
constexpr int kUiPixelSize = 11;
constexpr int kFieldPixelSize = 10;

// The Japanese face the interface font of Windows stands for, settled once per run, so no
// missing face is searched for again with every size. Each font names one family: Qt works
// out the whole fallback list of a font with several families when the font is first used,
// a costly search at start, while one face holds every character the window shows.
QFont uiFont(int pixelSize)
{
    QFont f = QApplication::font();
    f.setFamily(FontMapper::installedFace(QStringLiteral("MS UI Gothic")));
    f.setPixelSize(pixelSize);
    return f;
}

QFont fixedFont(int pixelSize)
{
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    static const QString face = FontMapper::firstInstalled(
        {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Sans Mono"), QStringLiteral("Liberation Mono"),
         f.family()});
    f.setFamily(face);
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(pixelSize);
    return f;
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

frmMain::frmMain()
    : Form(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , d(std::make_unique<Impl>())
{
    setObjectName(QStringLiteral("frmMain"));
    createControls();
    createMenus();
    connectControls();
    createCssColorControls();
    HistoryCommands::addTo(this, mnuTool);
    createHistoryViewItem();
    LanguageMenu::addTo(mnuView); // the last of the view menu
    followScheme();

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
    const QRect strip(0, Twips::toPixelsY(kMarginTw), Twips::toPixelsX(3135), Twips::toPixelsY(kPanelHeightTw));
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
        placeTw(frame, kMarginTw, kMarginTw + 360, 3000, 1155);
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
        placeTw(rgbLabel[i], 180, kRowTopTw[i] - kCaptionRaiseTw, 120, kLabelHeightTw);
        txtRGB[i] = new TextBox(rgb);
        txtRGB[i]->setObjectName(QStringLiteral("txtRGB%1").arg(i));
        txtRGB[i]->setFont(fieldFont);
        txtRGB[i]->setAlignment(Qt::AlignCenter);
        placeTw(txtRGB[i], 300, kRowTopTw[i] - kFieldRaiseTw, 315, kFieldHeightTw);
        RGBSlider[i] = new Slider(rgb);
        RGBSlider[i]->setObjectName(QStringLiteral("RGBSlider%1").arg(i));
        RGBSlider[i]->setRange(0, 255);
        RGBSlider[i]->setTickInterval(16);
        placeTw(RGBSlider[i], kSliderLeftTw, kSliderTopTw[i], kSliderWidthTw, kSliderHeightTw);

        QFrame* hsl = RGBorHSLFrame[1];
        HSLLabel[i] = new QLabel(hslCaptions[i], hsl);
        HSLLabel[i]->setObjectName(QStringLiteral("HSLLabel%1").arg(i));
        HSLLabel[i]->setAlignment(Qt::AlignCenter);
        placeTw(HSLLabel[i], 120, kRowTopTw[i] - kCaptionRaiseTw, 120, kLabelHeightTw);
        txtHSL[i] = new TextBox(hsl);
        txtHSL[i]->setObjectName(QStringLiteral("txtHSL%1").arg(i));
        txtHSL[i]->setFont(fieldFont);
        txtHSL[i]->setAlignment(Qt::AlignCenter);
        // The HSL fields only show the sliders' positions.
        txtHSL[i]->setReadOnly(true);
        placeTw(txtHSL[i], 240, kRowTopTw[i] - kFieldRaiseTw, 375, kFieldHeightTw);
        HSLSlider[i] = new Slider(hsl);
        HSLSlider[i]->setObjectName(QStringLiteral("HSLSlider%1").arg(i));
        HSLSlider[i]->setRange(0, hslMaximum[i]);
        HSLSlider[i]->setTickInterval(hslTicks[i]);
        placeTw(HSLSlider[i], kSliderLeftTw, kSliderTopTw[i], kSliderWidthTw, kSliderHeightTw);
    }
    for (int i = 0; i < 3; ++i)
        setRGBLabelColor(i, 0);

    Frame1 = new QGroupBox(tr("変更対象"), client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    // The caption sits on the frame's top line, so the five options fit below it.
    Frame1->setStyleSheet(QStringLiteral(
        "QGroupBox#Frame1 { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox#Frame1::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 6px; padding: 0px 2px; }"));
    placeTw(Frame1, 3180, kMarginTw, 1695, kPanelHeightTw);
    const std::array<QString, 5> optionCaptions{tr("sample1"), tr("sample2"),
                                                tr("sample3"), tr("Shape1"),
                                                tr("Shape2")};
    for (int i = 0; i < 5; ++i) {
        optSelectObject[i] = new ElidingOptionButton(optionCaptions[i], Frame1);
        optSelectObject[i]->setProperty("tessaryUserText", i < 3); // the sample texts, once set
        optSelectObject[i]->setObjectName(QStringLiteral("optSelectObject%1").arg(i));
        // As wide as the frame allows, so a shortened caption and its "..." show whole.
        placeTw(optSelectObject[i], kMarginTw, kOptionTopTw[i], 1575, kOptionHeightTw);
    }
    for (int i = 0; i < 3; ++i) {
        txtSampleString[i] = new TextBox(Frame1);
        txtSampleString[i]->setObjectName(QStringLiteral("txtSampleString%1").arg(i));
        txtSampleString[i]->setText(QStringLiteral("Text2"));
        txtSampleString[i]->setFont(fieldFont);
        placeTw(txtSampleString[i], 300, kOptionTopTw[i] - kCaptionRaiseTw, 1335, 255);
        txtSampleString[i]->installEventFilter(this);
        txtSampleString[i]->raise();
    }
    nameControls();
}

// Names for the controls without a caption of their own; the letters beside the fields
// would be spoken as bare letters.
void frmMain::nameControls()
{
    tabSelectColorModel->setAccessibleName(tr("色の指定方法"));
    txtColorCode->setAccessibleName(tr("色コード"));
    txtColorCode->setAccessibleDescription(tr("#RRGGBB の形で入力して Enter キー"));
    const std::array<QString, 3> rgbNames{tr("赤"), tr("緑"), tr("青")};
    const std::array<QString, 3> hslNames{tr("色相"), tr("彩度"), tr("輝度")};
    const std::array<QString, 3> sampleCaptions{tr("sample1"), tr("sample2"), tr("sample3")};
    for (int i = 0; i < 3; ++i) {
        RGBSlider[i]->setAccessibleName(rgbNames[i]);
        txtRGB[i]->setAccessibleName(tr("%1の値").arg(rgbNames[i]));
        HSLSlider[i]->setAccessibleName(hslNames[i]);
        txtHSL[i]->setAccessibleName(tr("%1の値").arg(hslNames[i]));
        txtSampleString[i]->setAccessibleName(tr("%1の見本の文").arg(sampleCaptions[i]));
    }
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
            // Whatever the command changes is one step, named after it.
            const History::Action step(HistoryCommands::commandName(action));
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
    onClick(mnuExportScheme, &frmMain::mnuExportScheme_Click);
    onClick(mnuCopyScheme, &frmMain::mnuCopyScheme_Click);
    onClick(mnuPalette, &frmMain::mnuPalette_Click);
    onClick(mnuColorCircle, &frmMain::mnuColorCircle_Click);
    onClick(mnuContrast, &frmMain::mnuContrast_Click);
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
    for (int k = 0; k < static_cast<int>(mnuVisionKind.size()); ++k) {
        QAction* a = mnuVisionKind[size_t(k)];
        connect(a, &QAction::triggered, this, [this, a, k] {
            a->setChecked(!a->isChecked());
            mnuVisionKind_Click(k);
        });
    }
    for (int i = 0; i < static_cast<int>(mnuVisionStrength.size()); ++i) {
        QAction* a = mnuVisionStrength[size_t(i)];
        connect(a, &QAction::triggered, this, [this, a, i] {
            a->setChecked(!a->isChecked());
            mnuVisionStrength_Click(i);
        });
    }
    onClick(mnuVisionNext, &frmMain::mnuVisionNext_Click);
    connect(&VisionModeHolder::instance(), &VisionModeHolder::modeChanged, this, [this] { refreshVisionMenu(); });
    refreshVisionMenu();
}

} // namespace tessary
