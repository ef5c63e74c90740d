// SPDX-License-Identifier: MIT
#include "settings/frmConfig.h"

#include "display/frmTessary.h"
#include "platform/Numeric.h"
#include "platform/TextBox.h"
#include "platform/Workspace.h"
#include "scheme/Scheme.h"
#include "settings/TessaryConfig.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QWindow>

namespace tessary {

namespace {

constexpr int kMinOutsideWidth = 1;
constexpr int kMaxOutsideWidth = 49;

// Design size of the client area, in twips.
constexpr double kClientWidth = 5700;
constexpr double kClientHeight = 4290;
// The row of OK, Cancel and Apply at the bottom right.
constexpr double kButtonTopTw = 3720;
constexpr double kButtonWidthTw = 1140;
constexpr double kButtonHeightTw = 405;

// The program's settings; without a main window the dialog edits settings nobody saves.
TessaryConfig& settings()
{
    static TessaryConfig unsaved;
    TessaryConfig* program = Workspace::instance().settings();
    return program ? *program : unsaved;
}

QLabel* label(const QString& text, QWidget* parent, double l, double t, double w, double h)
{
    auto* lbl = new QLabel(text, parent);
    Form::placeTw(lbl, l, t, w, h);
    return lbl;
}

TextBox* numberField(const char* name, QWidget* parent, double l, double t, double w)
{
    auto* field = new TextBox(parent);
    field->setObjectName(QLatin1String(name));
    field->setAlignment(Qt::AlignRight);
    Form::placeTw(field, l, t, w, 330);
    return field;
}

QCheckBox* checkBox(const char* name, const QString& text, QWidget* parent, double top)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    Form::placeTw(box, 240, top, 4920, 330);
    return box;
}

} // namespace

struct frmConfig::Impl {
    QFrame* tabPanel = nullptr;
    bool outsideWidthMoved = false;
};

frmConfig::frmConfig()
    : Form(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                        | Qt::WindowCloseButtonHint)
    , d(std::make_unique<Impl>())
{
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(tr("設定"));

    tabConfig = new QTabBar(this);
    tabConfig->setObjectName(QStringLiteral("tabConfig"));
    tabConfig->addTab(tr("一般"));
    tabConfig->addTab(QStringLiteral("Tessary"));
    tabConfig->setDrawBase(false);
    placeTw(tabConfig, 120, 120, 5460, 375);

    d->tabPanel = new QFrame(this);
    d->tabPanel->setFrameShape(QFrame::StyledPanel);
    placeTw(d->tabPanel, 120, 480, 5460, 3120);
    for (size_t i = 0; i < configFrame.size(); ++i) {
        configFrame[i] = new QFrame(d->tabPanel);
        configFrame[i]->setObjectName(QStringLiteral("configFrame%1").arg(i));
        configFrame[i]->setFrameShape(QFrame::NoFrame);
        placeTw(configFrame[i], 60, 60, 5340, 3000);
    }

    QFrame* general = configFrame[0];
    chkPrefix = checkBox("chkPrefix", tr("カラーコードの前に’#’をつける"), general, 240);
    chkRestoreColor = checkBox("chkRestoreColor", tr("色と標本文字列を復元する"), general, 720);
    chkRestoreWindow = checkBox("chkRestoreWindow", tr("前回の位置とサイズを復元する"), general, 1200);

    QFrame* styles = configFrame[1];
    Frame1 = new QGroupBox(tr("格子"), styles);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    placeTw(Frame1, 60, 60, 2580, 1500);
    label(tr("分割数"), Frame1, 180, 420, 1020, 330);
    txtLDivideNum = numberField("txtLDivideNum", Frame1, 1260, 420, 1080);
    label(tr("線の幅"), Frame1, 180, 930, 1020, 330);
    txtLLineWidth = numberField("txtLLineWidth", Frame1, 1260, 930, 1080);

    Frame3 = new QGroupBox(tr("チェック"), styles);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    placeTw(Frame3, 2760, 60, 2520, 1500);
    label(tr("分割数"), Frame3, 180, 420, 1020, 330);
    txtDDivideNum = numberField("txtDDivideNum", Frame3, 1260, 420, 1080);

    Frame2 = new QGroupBox(tr("四角の中に四角"), styles);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    placeTw(Frame2, 60, 1680, 5220, 1200);
    label(tr("外側の幅（%）"), Frame2, 180, 540, 1500, 330);
    txtOutsideWidth = numberField("txtOutsideWidth", Frame2, 1740, 540, 720);
    hsOutSideWidth = new QScrollBar(Qt::Horizontal, Frame2);
    hsOutSideWidth->setObjectName(QStringLiteral("hsOutSideWidth"));
    hsOutSideWidth->setRange(kMinOutsideWidth, kMaxOutsideWidth);
    hsOutSideWidth->setSingleStep(1);
    hsOutSideWidth->setPageStep(1);
    // A scroll bar inverts its keys by default (Right would lower the value); this one
    // sets a number, so Right and Up raise it.
    hsOutSideWidth->setInvertedControls(false);
    placeTw(hsOutSideWidth, 2580, 570, 2460, 270);

    btnOK = new QPushButton(tr("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    placeTw(btnOK, 1920, kButtonTopTw, kButtonWidthTw, kButtonHeightTw);
    btnCancel = new QPushButton(tr("キャンセル"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    placeTw(btnCancel, 3180, kButtonTopTw, kButtonWidthTw, kButtonHeightTw);
    btnApply = new QPushButton(tr("適用"), this);
    btnApply->setObjectName(QStringLiteral("btnApply"));
    placeTw(btnApply, 4440, kButtonTopTw, kButtonWidthTw, kButtonHeightTw);

    setTabOrder(tabConfig, chkPrefix);
    setTabOrder(chkPrefix, chkRestoreColor);
    setTabOrder(chkRestoreColor, chkRestoreWindow);
    setTabOrder(chkRestoreWindow, txtLDivideNum);
    setTabOrder(txtLDivideNum, txtLLineWidth);
    setTabOrder(txtLLineWidth, txtDDivideNum);
    setTabOrder(txtDDivideNum, txtOutsideWidth);
    setTabOrder(txtOutsideWidth, hsOutSideWidth);
    setTabOrder(hsOutSideWidth, btnOK);
    setTabOrder(btnOK, btnCancel);
    setTabOrder(btnCancel, btnApply);

    connect(tabConfig, &QTabBar::currentChanged, this, [this] { tabConfig_Click(); });
    connect(chkPrefix, &QCheckBox::toggled, this, [this] { chkPrefix_Click(); });
    connect(chkRestoreColor, &QCheckBox::toggled, this, [this] { chkRestoreColor_Click(); });
    connect(chkRestoreWindow, &QCheckBox::toggled, this, [this] { chkRestoreWindow_Click(); });
    connect(txtDDivideNum, &TextBox::Change, this, [this] { txtDDivideNum_Change(); });
    connect(txtLDivideNum, &TextBox::Change, this, [this] { txtLDivideNum_Change(); });
    connect(txtLLineWidth, &TextBox::Change, this, [this] { txtLLineWidth_Change(); });
    connect(txtOutsideWidth, &TextBox::Change, this, [this] { txtOutsideWidth_Change(); });
    connect(hsOutSideWidth, &QScrollBar::valueChanged, this, [this] { hsOutSideWidth_Change(); });
    connect(btnApply, &QPushButton::clicked, this, [this] { btnApply_Click(); });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOK_Click(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancel_Click(); });

    setClientSizeTw(kClientWidth, kClientHeight);
    setFixedSize(size());
}

frmConfig::~frmConfig() = default;

void frmConfig::Form_Load()
{
    configFrame[0]->show();
    configFrame[0]->raise();
    configFrame[1]->hide();
    btnApply->setEnabled(false);

    const TessaryConfig& cfg = settings();
    chkPrefix->setChecked(!cfg.prefix().isEmpty());
    txtLLineWidth->setText(QString::number(cfg.LatticeLineWidth()));
    txtLDivideNum->setText(QString::number(cfg.LatticeDivideNum()));
    txtDDivideNum->setText(QString::number(cfg.DivideDivideNum()));
    chkRestoreWindow->setChecked(cfg.restoreWindow() == 1);
    chkRestoreColor->setChecked(cfg.restoreColor() == 1);
    // The field shows the setting even where the scroll bar cannot.
    hsOutSideWidth->setValue(cfg.SonSOutSideWidth());
    txtOutsideWidth->setText(QString::number(cfg.SonSOutSideWidth()));
    d->outsideWidthMoved = false;

    centreOnScreen();
    // No default button: Enter in a field does nothing, so a half-typed number is not applied.
    setDialogButtons(nullptr, btnCancel);
}

void frmConfig::enableApply()
{
    if (isVisible())
        btnApply->setEnabled(true);
}

void frmConfig::tabConfig_Click()
{
    const int page = tabConfig->currentIndex();
    for (int i = 0; i < int(configFrame.size()); ++i)
        configFrame[size_t(i)]->setVisible(i == page);
    configFrame[size_t(std::clamp(page, 0, 1))]->raise();
}

void frmConfig::chkPrefix_Click() { enableApply(); }
void frmConfig::chkRestoreColor_Click() { enableApply(); }
void frmConfig::chkRestoreWindow_Click() { enableApply(); }
void frmConfig::txtDDivideNum_Change() { enableApply(); }
void frmConfig::txtLDivideNum_Change() { enableApply(); }
void frmConfig::txtLLineWidth_Change() { enableApply(); }

void frmConfig::txtOutsideWidth_Change()
{
    enableApply();
    const std::int32_t v = wholeNumberFromText(txtOutsideWidth->text());
    if (v >= kMinOutsideWidth && v <= kMaxOutsideWidth)
        hsOutSideWidth->setValue(v);
}

void frmConfig::hsOutSideWidth_Change()
{
    enableApply();
    if (isVisible())
        d->outsideWidthMoved = true;
    // A field that already says this number (say "07" while the user types) is left alone.
    const int v = hsOutSideWidth->value();
    if (wholeNumberFromText(txtOutsideWidth->text()) != v)
        txtOutsideWidth->setText(QString::number(v));
}

void frmConfig::applyConfig()
{
    Scheme::Batch batch;
    TessaryConfig& cfg = settings();
    cfg.setPrefix(chkPrefix->isChecked() ? QStringLiteral("#") : QString());
    cfg.setLatticeDivideNum(wholeNumberFromText(txtLDivideNum->text()));
    cfg.setLatticeLineWidth(wholeNumberFromText(txtLLineWidth->text()));
    cfg.setDivideDivideNum(wholeNumberFromText(txtDDivideNum->text()));
    cfg.setRestoreWindow(chkRestoreWindow->isChecked() ? 1 : 0);
    cfg.setRestoreColor(chkRestoreColor->isChecked() ? 1 : 0);
    if (d->outsideWidthMoved)
        cfg.setSonSOutSideWidth(hsOutSideWidth->value());
    if (frmTessary* display = frmTessary::loadedInstance())
        display->tessaryRefresh();
}

void frmConfig::btnApply_Click()
{
    applyConfig();
    btnApply->setEnabled(false);
}

void frmConfig::btnOK_Click()
{
    applyConfig();
    unload();
}

void frmConfig::btnCancel_Click() { unload(); }

void frmConfig::showEvent(QShowEvent* e)
{
    Form::showEvent(e);
    // Kept above the main window by the window manager, and not listed on its own.
    const Form* main = Workspace::instance().mainWindow();
    if (main && windowHandle() && main->windowHandle())
        windowHandle()->setTransientParent(main->windowHandle());
}

} // namespace tessary
