// SPDX-License-Identifier: MIT
#include "dialogs/frmEditSampleText.h"

#include "dialogs/CommonDialogManager.h"
#include "display/frmTessary.h"
#include "platform/Workspace.h"
#include "scheme/Scheme.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tessary {

struct frmEditSampleText::Impl {
    QLabel* lblSampleText = nullptr;
    QLineEdit* txtSampleText = nullptr;
    QPushButton* btnFont = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    QString text;
    // The label's own font object, so a font chosen here belongs to the label at once.
    FontRef font;
    std::int16_t index = 0;
};

frmEditSampleText::frmEditSampleText()
    : Form(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , d(std::make_unique<Impl>())
{
    setWindowTitle(tr("標本文字列の変更"));

    d->lblSampleText = new QLabel(tr("標本文字列"), this);
    d->lblSampleText->setObjectName(QStringLiteral("lblSampleText"));
    d->txtSampleText = new QLineEdit(this);
    d->txtSampleText->setObjectName(QStringLiteral("txtSampleText"));
    d->txtSampleText->setMinimumWidth(260);
    d->lblSampleText->setBuddy(d->txtSampleText);
    d->btnFont = new QPushButton(tr("フォント変更"), this);
    d->btnFont->setObjectName(QStringLiteral("btnFont"));
    d->btnOK = new QPushButton(tr("OK"), this);
    d->btnOK->setObjectName(QStringLiteral("btnOK"));
    d->btnOK->setDefault(true);
    d->btnCancel = new QPushButton(tr("キャンセル"), this);
    d->btnCancel->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton* b : {d->btnOK, d->btnCancel})
        b->setMinimumWidth(88);

    connect(d->btnFont, &QPushButton::clicked, this, [this] { btnFont_Click(); });
    connect(d->btnOK, &QPushButton::clicked, this, [this] { btnOK_Click(); });
    connect(d->btnCancel, &QPushButton::clicked, this, [this] { btnCancel_Click(); });

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->addWidget(d->lblSampleText, 0, 0);
    grid->addWidget(d->txtSampleText, 1, 0);
    grid->addWidget(d->btnFont, 1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(d->btnOK);
    buttons->addWidget(d->btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(14);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

frmEditSampleText::~frmEditSampleText() = default;

void frmEditSampleText::Form_Load()
{
    setFixedSize(sizeHint());
    centreOnScreen();
    setDialogButtons(d->btnOK, d->btnCancel);
}

void frmEditSampleText::setting(std::int16_t index, const QString& text, const FontRef& font)
{
    d->index = index;
    d->text = text;
    d->font = font;
    d->txtSampleText->setText(text);
    d->txtSampleText->selectAll();
    d->txtSampleText->setFocus();
}

void frmEditSampleText::btnFont_Click()
{
    if (!d->font)
        d->font = makeFont();
    CommonDialogManager manager;
    manager.setCommonDialog(Workspace::instance().commonDialog());
    manager.chooseFont(*d->font);
    // The font object may be the label's own: the scheme hears of the change now, even if
    // the dialog is cancelled.
    if (frmTessary* display = frmTessary::loadedInstance())
        display->labelFontEdited(d->index, d->font);
}

void frmEditSampleText::btnOK_Click()
{
    Scheme::Batch batch;
    d->text = d->txtSampleText->text();
    Scheme::instance().setText(d->index, d->text);
    if (d->font)
        frmTessary::instance().setLabelFont(d->index, d->font);
    frmTessary::instance().tessaryRefresh();
    unload();
}

void frmEditSampleText::btnCancel_Click()
{
    unload();
}

} // namespace tessary
