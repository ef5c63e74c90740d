// SPDX-License-Identifier: MIT
#include "palette/frmPaletteProperty.h"

#include "palette/DefinedColor.h"
#include "palette/PropertyDialogLook.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPushButton>

#include <initializer_list>
#include <utility>

namespace tessary {

frmPaletteProperty::frmPaletteProperty()
    : Form(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setFont(PropertyDialogLook::font());
    setWindowTitle(tr("パレットのプロパティ"));
    setFixedSize(Twips::toPixelsX(4920), Twips::toPixelsY(1635));

    Label1 = new QLabel(tr("名前"), this);
    placeTw(Label1, 60, 60, 360, 180);
    txtName = new TextBox(this);
    placeTw(txtName, 300, 240, 2115, 255);
    Label2 = new QLabel(tr("コメント"), this);
    placeTw(Label2, 60, 660, 555, 180);
    txtComment = new TextBox(this);
    placeTw(txtComment, 300, 900, 4575, 255);
    Label3 = new QLabel(tr("色数"), this);
    placeTw(Label3, 2820, 60, 360, 180);
    colorCountLabel = new QLabel(this);
    placeTw(colorCountLabel, 3120, 300, 360, 180);
    btnOK = new QPushButton(tr("OK"), this);
    placeTw(btnOK, 2400, 1260, 1215, 315);
    btnClose = new QPushButton(tr("閉じる"), this);
    placeTw(btnClose, 3720, 1260, 1215, 315);

    for (auto [control, name] : std::initializer_list<std::pair<QWidget*, const char*>>{
             {Label1, "Label1"}, {txtName, "txtName"}, {Label2, "Label2"}, {txtComment, "txtComment"}, {Label3, "Label3"},
             {colorCountLabel, "colorCountLabel"}, {btnOK, "btnOK"}, {btnClose, "btnClose"}})
        control->setObjectName(QLatin1String(name));
    Label1->setBuddy(txtName);
    Label2->setBuddy(txtComment);
    colorCountLabel->setAccessibleName(tr("色数"));
    btnOK->setFocusPolicy(Qt::StrongFocus);
    btnClose->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(btnOK, btnClose);
    setTabOrder(btnClose, txtName);
    setTabOrder(txtName, txtComment);
    for (QLabel* label : {Label1, Label2, Label3})
        PropertyDialogLook::fitWidth(label);
    setDialogButtons(btnOK, btnClose);

    connect(btnOK, &QPushButton::clicked, this, [this] { btnOK_Click(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnClose_Click(); });
}

frmPaletteProperty::~frmPaletteProperty() = default;

void frmPaletteProperty::Form_Load()
{
    centreOnScreen();
    btnOK->setFocus();
}

void frmPaletteProperty::setting(std::shared_ptr<DefinedColor> palette)
{
    m_palette = std::move(palette);
    if (m_palette) {
        txtName->setText(m_palette->paletteName());
        txtName->setCursorPosition(0);
        txtComment->setText(m_palette->paletteComment());
        txtComment->setCursorPosition(0);
        colorCountLabel->setText(QString::number(m_palette->count()));
    }
    btnOK->setFocus();
}

void frmPaletteProperty::btnOK_Click() { unload(); }

void frmPaletteProperty::btnClose_Click() { unload(); }

void frmPaletteProperty::Form_Unload(int&) { m_palette.reset(); }

} // namespace tessary
