// SPDX-License-Identifier: MIT
#include "palette/frmPalette.h"

#include "a11y/PaintedAccessible.h"
#include "a11y/PaintedPart.h"
#include "language/LanguageSwitch.h"
#include "color/CUserColor.h"
#include "color/colorCode.h"
#include "dialogs/CommonDialogManager.h"
#include "palette/ComboColorList.h"
#include "palette/DefinedColor.h"
#include "palette/PaletteGrid.h"
#include "palette/PaletteGridPainter.h"
#include "palette/PropertyDialogLook.h"
#include "palette/frmColorProperty.h"
#include "palette/frmPalettePrivate.h"
#include "palette/frmPaletteProperty.h"
#include "platform/ColorValue.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "platform/Workspace.h"
#include "scheme/Scheme.h"
#include "settings/TessaryConfig.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <algorithm>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolTip>

#include <initializer_list>
#include <utility>

namespace tessary {

namespace {

constexpr int kSystemWindowColor = 5;
constexpr int kScrollBarWidth = 17;         // 255 twips
constexpr int kChipSize = 16;               // pixels per side of a colour chip in the grid
// The window's design width, and the smallest width and height a resize leaves.
constexpr double kDesignWidthTw = 3585;
constexpr double kMinSideTw = 3000;
// The information area: where the values beside "ColorCode :" and "Comment :" start, and
// the room the name list and the comment leave on their right.
constexpr double kInfoValueLeftTw = 1140;
constexpr double kInfoRightMarginTw = 300;

QLabel* makeLabel(const QString& text, QWidget* parent, double l, double t, double w, double h)
{
    auto* label = new QLabel(text, parent);
    Form::placeTw(label, l, t, w, h);
    if (!text.isEmpty())
        PropertyDialogLook::fitWidth(label);
    return label;
}

} // namespace


frmPalette::frmPalette()
    : Form(nullptr, Qt::Tool)
    , d(std::make_unique<Impl>(*this))
{
    setFont(PropertyDialogLook::font());

    menuBar = new QMenuBar(this);
    menuBar->setNativeMenuBar(false);
    mnuFile = menuBar->addMenu(tr("ファイル"));
    mnuNew = mnuFile->addAction(tr("新規作成"));
    mnuLoadPalette = mnuFile->addAction(tr("開く"));
    mnuSeparator3 = mnuFile->addSeparator();
    mnuSave = mnuFile->addAction(tr("名前を付けて保存"));
    mnuEasySave = mnuFile->addAction(tr("上書き保存"));
    mnuSeparator2 = mnuFile->addSeparator();
    mnuQuit = mnuFile->addAction(tr("パレットを閉じる"));
    mnuSeparator4 = mnuFile->addSeparator();
    mnuExport = mnuFile->addAction(tr("エクスポート…"));
    mnuExport->setObjectName(QStringLiteral("mnuExport"));
    mnuImportGpl = mnuFile->addAction(tr("GIMP パレットを読み込む…"));
    mnuImportGpl->setObjectName(QStringLiteral("mnuImportGpl"));
    mnuEdit = menuBar->addMenu(tr("編集"));
    mnuDelete = mnuEdit->addAction(tr("削除"));
    mnuAddColor = mnuEdit->addAction(tr("現在の色を追加"));
    mnuSeparator1 = mnuEdit->addSeparator();
    mnuColorProperty = mnuEdit->addAction(tr("色のプロパティ"));
    mnuPaletteProperty = mnuEdit->addAction(tr("パレットのプロパティ"));
    mnuEdit->addSeparator()->setObjectName(QStringLiteral("mnuSeparatorCopyColorCode"));
    mnuCopyColorCode = mnuEdit->addAction(tr("色のコードをコピー"));
    mnuCopyColorCode->setObjectName(QStringLiteral("mnuCopyColorCode"));

    client = new QWidget(this);
    // The window colour fills a backdrop beneath the controls, not the client's palette: a
    // palette set on a parent gives every control a palette of its own, and the style keeps
    // a set of control pictures per palette for as long as the program runs, so each
    // window opened would add a set.
    const std::int32_t back = Services::systemColors().sysColor(kSystemWindowColor);
    d->backdrop = new QWidget(client);
    QPalette pal = d->backdrop->palette();
    pal.setColor(QPalette::Window, Surface::toQColor(back));
    d->backdrop->setPalette(pal);
    d->backdrop->setAutoFillBackground(true);

    infoFrame = new QFrame(client);
    infoFrame->setFrameShape(QFrame::NoFrame);
    placeTw(infoFrame, 0, -60, kDesignWidthTw, 975);
    Label2 = makeLabel(tr("ColorName :"), infoFrame, 60, 180, 930, 180);
    cmbColorSelect = new QComboBox(infoFrame);
    cmbColorSelect->setProperty("tessaryUserText", true);
    // The list can hold thousands of names; never measure them all for a size hint.
    cmbColorSelect->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbColorSelect->setMinimumContentsLength(4);
    cmbColorSelect->setMaxVisibleItems(20);
    placeTw(cmbColorSelect, 1080, 120, 1815, 300);
    // The design places the list for a narrower face; keep the label readable beside it.
    const int labelRight = Label2->x() + Label2->sizeHint().width() + 4;
    if (labelRight > cmbColorSelect->x())
        cmbColorSelect->move(labelRight, cmbColorSelect->y());
    Label1 = makeLabel(tr("ColorCode  :"), infoFrame, 60, 540, 945, 180);
    colorCodeInfo = makeLabel(QString(), infoFrame, kInfoValueLeftTw, 540, 1050, 180);
    colorCodeInfo->setProperty("tessaryUserText", true);
    Label3 = makeLabel(tr("Comment   :"), infoFrame, 60, 720, 930, 180);
    colorCommentInfo = makeLabel(QString(), infoFrame, kInfoValueLeftTw, 720, 1380, 180);
    colorCommentInfo->setProperty("tessaryUserText", true);

    picPalette = new PictureBox(client);
    picPalette->setBackColor(back);
    VScroll1 = new QScrollBar(Qt::Vertical, client);
    VScroll1->setRange(0, 0);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(1);
    VScroll1->resize(kScrollBarWidth, VScroll1->height());

    for (auto [control, name] : std::initializer_list<std::pair<QObject*, const char*>>{
             {menuBar, "menuBar"}, {mnuFile, "mnuFile"}, {mnuNew, "mnuNew"}, {mnuLoadPalette, "mnuLoadPalette"},
             {mnuSave, "mnuSave"}, {mnuEasySave, "mnuEasySave"}, {mnuQuit, "mnuQuit"}, {mnuEdit, "mnuEdit"},
             {mnuDelete, "mnuDelete"}, {mnuAddColor, "mnuAddColor"}, {mnuColorProperty, "mnuColorProperty"},
             {mnuPaletteProperty, "mnuPaletteProperty"}, {client, "client"}, {infoFrame, "infoFrame"},
             {Label1, "Label1"}, {Label2, "Label2"}, {Label3, "Label3"}, {cmbColorSelect, "cmbColorSelect"},
             {colorCodeInfo, "colorCodeInfo"}, {colorCommentInfo, "colorCommentInfo"}, {picPalette, "picPalette"},
             {VScroll1, "VScroll1"}})
        control->setObjectName(QLatin1String(name));
    d->list = std::make_unique<ComboColorList>(cmbColorSelect, [this] { cmbColorSelect_Click(); });

    connect(cmbColorSelect, &QComboBox::activated, this, [this](int) { cmbColorSelect_Click(); });
    connect(picPalette, &PictureBox::MouseDown, this, &frmPalette::picPalette_MouseDown);
    connect(picPalette, &PictureBox::MouseMove, this, &frmPalette::picPalette_MouseMove);
    connect(picPalette, &PictureBox::DblClick, this, &frmPalette::picPalette_DblClick);
    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int) { VScroll1_Change(); });
    connect(mnuNew, &QAction::triggered, this, [this] { mnuNew_Click(); });
    connect(mnuLoadPalette, &QAction::triggered, this, [this] { mnuLoadPalette_Click(); });
    connect(mnuSave, &QAction::triggered, this, [this] { mnuSave_Click(); });
    connect(mnuEasySave, &QAction::triggered, this, [this] { mnuEasySave_Click(); });
    connect(mnuQuit, &QAction::triggered, this, [this] { mnuQuit_Click(); });
    connect(mnuExport, &QAction::triggered, this, [this] { mnuExport_Click(); });
    connect(mnuImportGpl, &QAction::triggered, this, [this] { mnuImportGpl_Click(); });
    connect(mnuDelete, &QAction::triggered, this, [this] { mnuDelete_Click(); });
    connect(mnuAddColor, &QAction::triggered, this, [this] { mnuAddColor_Click(); });
    connect(mnuColorProperty, &QAction::triggered, this, [this] { mnuColorProperty_Click(); });
    connect(mnuPaletteProperty, &QAction::triggered, this, [this] { mnuPaletteProperty_Click(); });
    connect(mnuCopyColorCode, &QAction::triggered, this, [this] { mnuCopyColorCode_Click(); });

    // Named by its label, as the eye reads it; the toolkit would speak the colour shown.
    Label2->setBuddy(cmbColorSelect);
    cmbColorSelect->setAccessibleName(tr("ColorName"));
    VScroll1->setAccessibleName(tr("パレットのスクロール"));
    picPalette->setAccessibleName(tr("パレットの色"));
    picPalette->setAccessibleDescription(tr("矢印キーで色を選び、Enter キーで現在の色にします"));
    picPalette->setFocusPolicy(Qt::StrongFocus);
    // The focus mark frames the selected chip; the whole grid while no colour is selected.
    picPalette->setFocusMark([this] {
        if (!palette || !palette->colorCollection.item(selectedIndex))
            return QRect();
        return PaletteGrid::shownChipRect(selectedIndex, firstVisibleIndex, columnCount, rowCount, chipSize);
    });
    picPalette->installEventFilter(this);
    setTabOrder(cmbColorSelect, picPalette);
    setTabOrder(picPalette, VScroll1);
    installPaintedAccessibility(picPalette, &d->chips);
}

frmPalette::~frmPalette()
{
    if (palette)
        palette->setPaletteNameCombo(nullptr);
}

// ---- life cycle -------------------------------------------------------------------------

void frmPalette::Form_Load()
{
    // The title is the palette's comment, or its name when it has none, after a caption.
    connect(&LanguageSwitch::instance(), &LanguageSwitch::languageChanged, this, [this] {
        if (palette)
            setWindowTitle(tr("Palette : ")
                           + (palette->paletteComment().isEmpty() ? palette->paletteName() : palette->paletteComment()));
    });
    palette = std::make_shared<DefinedColor>();
    palette->setPaletteNameCombo(d->list.get());

    colorCodeInfo->clear();
    colorCommentInfo->clear();
    mnuEasySave->setEnabled(false);
    picPalette->setAutoRedraw(true);

    chipSize = kChipSize;
    firstVisibleIndex = 1;

    resize(Twips::toPixelsX(kDesignWidthTw), Twips::toPixelsY(3300) + menuBar->sizeHint().height());
    arrangeClient();

    const TessaryConfig* settings = Workspace::instance().settings();
    openPaletteFile(settings ? settings->paletteFileName() : TessaryConfig::defaultPaletteFileName());
}

void frmPalette::Form_Unload(int& cancel)
{
    if (m_askOnUnload && !settleUnsavedChanges()) {
        cancel = 1;
        return;
    }
    if (m_askOnUnload)
        QFile::remove(recoveryFileName());
    picPalette->setAutoRedraw(false);
    Workspace::instance().setShown(Workspace::Tool::Palette, false);
    // The palette itself goes with the window; the list goes now.
    palette->setPaletteNameCombo(nullptr);
}

void frmPalette::Form_Resize()
{
    if (formState() == Minimized)
        return;
    if (widthTw() < kMinSideTw)
        setWidthTw(kMinSideTw);
    if (heightTw() < kMinSideTw)
        setHeightTw(kMinSideTw);
    if (formState() == Minimized)
        return;
    arrangeClient();
    drawPalette(firstVisibleIndex);
}

void frmPalette::arrangeClient()
{
    const int menuHeight = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, width(), menuHeight);
    client->setGeometry(0, menuHeight, width(), std::max(0, height() - menuHeight));
    d->backdrop->setGeometry(client->rect());

    const int innerWidth = client->width();
    const int innerHeight = client->height();
    const int infoHeight = infoFrame->height();
    if (innerHeight - infoHeight > 0)
        VScroll1->setGeometry(innerWidth - VScroll1->width(), infoHeight, VScroll1->width(), innerHeight - infoHeight);
    infoFrame->resize(innerWidth, infoHeight);

    const double twipsPerPixel = Twips::perPixelX();
    const double comboTw = twipsPerPixel * infoFrame->width() * 0.7 - kInfoRightMarginTw;
    cmbColorSelect->resize(std::max(0, Twips::toPixelsX(comboTw)), cmbColorSelect->height());
    const double commentTw = twipsPerPixel * infoFrame->width() - kInfoValueLeftTw - kInfoRightMarginTw;
    colorCommentInfo->resize(std::max(0, Twips::toPixelsX(commentTw)), colorCommentInfo->height());
}

// ---- grid -------------------------------------------------------------------------------

void frmPalette::refreshPalette() { drawPalette(firstVisibleIndex); }

std::int32_t frmPalette::colorValueAt(int position) const
{
    const auto color = palette ? palette->colorCollection.item(position) : nullptr;
    if (!color)
        return 0;
    if (palette->isSystemColorPalette())
        return d->userColors.getUserColor(color->colorName());
    return d->codes.HTML_RGB2VB_RGB(color->colorCode());
}

void frmPalette::layoutGrid()
{
    const int innerHeight = std::max(0, height() - menuBar->sizeHint().height());
    const PaletteGrid::Layout g = PaletteGrid::layout(width() - VScroll1->width(), innerHeight - infoFrame->height(),
                                                      chipSize, palette->count());
    columnCount = g.columnCount;
    rowCount = g.rowCount;
    if (!g.laidOut)
        return;
    if (rowCount > 0) {
        picPalette->setGeometry(0, infoFrame->height(), chipSize * columnCount, chipSize * rowCount);
        // The surface follows the widget's size at once, shown or not.
        picPalette->surface().resize(chipSize * columnCount, chipSize * rowCount);
    }
    // A position past the new maximum is pulled back, which redraws through VScroll1_Change.
    VScroll1->setMaximum(g.scrollMaximum);
    VScroll1->setEnabled(g.scrollMaximum != 0);
}

void frmPalette::drawPalette(int first)
{
    picPalette->surface().clear();
    picPalette->setVisible(true);
    const int before = firstVisibleIndex;
    layoutGrid();
    if (firstVisibleIndex != before)
        return;   // the scroll bar was pulled back and has drawn the grid already
    if (columnCount > 0) {
        PaletteGridPainter::drawGrid(picPalette->surface(), columnCount, rowCount, chipSize, first, palette->count(),
                                     [this](int p) { return colorValueAt(p); });
    }
    picPalette->update();
    update();
    announcePaletteChips(picPalette);
}

void frmPalette::frameChip(int column, int row, std::int32_t color)
{
    PaletteGridPainter::frameChip(picPalette->surface(), column, row, chipSize, color);
}

} // namespace tessary
