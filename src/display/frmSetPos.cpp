// SPDX-License-Identifier: MIT
#include "display/frmSetPos.h"

#include "display/PositionUnits.h"
#include "display/frmTessary.h"
#include "language/LanguageSwitch.h"
#include "platform/Numeric.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace tessary {

namespace {

ScreenMetrics currentScreen()
{
    return {Twips::perPixelX(), Twips::perPixelY(), Twips::screenWidth(), Twips::screenHeight()};
}

// The largest window the desktop can show, in twips: the window system refuses to make a
// sizable window much larger, and the display window keeps an image of its whole client area.
QSizeF largestWindowTw()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    const QSize px = s ? s->virtualSize() : QSize(1024, 768);
    return {px.width() * Twips::perPixelX(), px.height() * Twips::perPixelY()};
}

} // namespace

struct frmSetPos::Impl {
    std::array<std::int32_t, 4> start{};
    bool startShown = false;
};

frmSetPos::frmSetPos()
    : Form(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , d(std::make_unique<Impl>())
{
}

frmSetPos::~frmSetPos() = default;

void frmSetPos::Form_Load()
{
    setWindowTitle(tr("位置の指定"));
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    const std::array<const char*, 4> captions{QT_TR_NOOP("X座標"), QT_TR_NOOP("Y座標"), QT_TR_NOOP("幅"), QT_TR_NOOP("高さ")};
    for (int row = 0; row < 4; ++row) {
        lblPos[row] = new QLabel(tr(captions[row]), this);
        txtPosValue[row] = new TextBox(this);
        txtPosValue[row]->setObjectName(QStringLiteral("txtPosValue%1").arg(row));
        txtPosValue[row]->setAlignment(Qt::AlignRight);
        txtPosValue[row]->setMinimumWidth(fontMetrics().horizontalAdvance(u'0') * 10);
        lblPos[row]->setBuddy(txtPosValue[row]);
        cmbValueMethod[row] = new QComboBox(this);
        cmbValueMethod[row]->setObjectName(QStringLiteral("cmbValueMethod%1").arg(row));
        cmbValueMethod[row]->addItems({QStringLiteral("Pixel"), QStringLiteral("%"), QStringLiteral("Twip")});
        // The caption is the field's; on Windows a list without a name of its own has none.
        cmbValueMethod[row]->setAccessibleName(tr("%1の単位").arg(tr(captions[row])));
        cmbValueMethod[row]->setCurrentIndex(0);
        grid->addWidget(lblPos[row], row, 0);
        grid->addWidget(txtPosValue[row], row, 1);
        grid->addWidget(cmbValueMethod[row], row, 2);
        // A choice in the list, even of the unit already shown, shows the start value again.
        connect(cmbValueMethod[row], &QComboBox::currentIndexChanged, this, [this, row] { cmbValueMethod_Click(row); });
        connect(cmbValueMethod[row], &QComboBox::activated, this, [this, row] { cmbValueMethod_Click(row); });
    }
    connect(&LanguageSwitch::instance(), &LanguageSwitch::languageChanged, this, [this, captions] {
        for (int row = 0; row < 4; ++row)
            cmbValueMethod[row]->setAccessibleName(tr("%1の単位").arg(tr(captions[row])));
    });
    btnOK = new QPushButton(tr("OK"), this);
    btnCancel = new QPushButton(tr("キャンセル"), this);
    btnReset = new QPushButton(tr("やり直し"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnReset->setObjectName(QStringLiteral("btnReset"));
    btnOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 6, 0, 0);
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnReset);
    grid->addLayout(buttons, 4, 0, 1, 3);
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOK_Click(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancel_Click(); });
    connect(btnReset, &QPushButton::clicked, this, [this] { btnReset_Click(); });

    adjustSize();
    centreOnScreen();
    setDialogButtons(btnOK, btnCancel);
}

void frmSetPos::setPositionInfo(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height)
{
    d->start = {x, y, width, height};
    d->startShown = false;
    for (int row = 0; row < 4; ++row)
        txtPosValue[row]->setText(QString::number(d->start[row]));
}

void frmSetPos::cmbValueMethod_Click(int index)
{
    if (index < 0 || index > 3)
        return;
    const std::int32_t shown = PositionUnits::toDisplayUnit(index, d->start[index],
                                                            cmbValueMethod[index]->currentIndex(), currentScreen());
    txtPosValue[index]->setText(QString::number(shown));
}

void frmSetPos::Form_Activate()
{
    // Only the opening counts: coming back from another program keeps what was typed.
    if (d->startShown)
        return;
    d->startShown = true;
    for (int row = 0; row < 4; ++row)
        cmbValueMethod_Click(row);
}

void frmSetPos::showEvent(QShowEvent* e)
{
    Form::showEvent(e);
    Form_Activate();
}

void frmSetPos::btnReset_Click()
{
    for (int row = 0; row < 4; ++row) {
        cmbValueMethod[row]->setCurrentIndex(0);
        txtPosValue[row]->setText(QString::number(d->start[row]));
        cmbValueMethod_Click(row);
    }
}

void frmSetPos::btnOK_Click()
{
    const ScreenMetrics screen = currentScreen();
    std::array<double, 4> t{};
    for (int row = 0; row < 4; ++row) {
        const std::int32_t n = wholeNumberFromText(txtPosValue[row]->text());
        t[row] = roundHalfEven(PositionUnits::toTwips(row, n, cmbValueMethod[row]->currentIndex(), screen));
    }
    // No window below one pixel, and none larger than the desktop.
    const QSizeF largest = largestWindowTw();
    t[2] = PositionUnits::clampSize(t[2], screen.twipsPerPixelX, largest.width());
    t[3] = PositionUnits::clampSize(t[3], screen.twipsPerPixelY, largest.height());
    frmTessary& display = frmTessary::instance();
    if (display.formState() == Maximized)
        display.setFormState(Normal);
    display.moveTw(t[0], t[1], t[2], t[3]);
    unload();
}

void frmSetPos::btnCancel_Click()
{
    unload();
}

} // namespace tessary
