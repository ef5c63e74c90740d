// SPDX-License-Identifier: MIT
#include "palette/frmColorProperty.h"

#include "color/colorCode.h"
#include "palette/DefinedColor.h"
#include "palette/PropertyDialogLook.h"
#include "palette/frmPalette.h"
#include "platform/Services.h"
#include "platform/Surface.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include <initializer_list>
#include <utility>

namespace tessary {

frmColorProperty::frmColorProperty()
    : Form(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setFont(PropertyDialogLook::font());
    setFixedSize(Twips::toPixelsX(2340), Twips::toPixelsY(2475));

    Label1 = new QLabel(tr("カラーコード"), this);
    placeTw(Label1, 60, 120, 975, 195);
    lblcolorCode = new QLabel(this);
    placeTw(lblcolorCode, 300, 360, 1215, 195);
    lblColorBox = new QLabel(this);
    lblColorBox->setAutoFillBackground(true);
    lblColorBox->setFrameShape(QFrame::Panel);
    lblColorBox->setFrameShadow(QFrame::Sunken);
    placeTw(lblColorBox, 1560, 60, 555, 555);
    Label2 = new QLabel(tr("色の名前"), this);
    placeTw(Label2, 60, 720, 720, 180);
    txtColorName = new TextBox(this);
    placeTw(txtColorName, 300, 900, 1875, 270);
    Label3 = new QLabel(tr("色の説明"), this);
    placeTw(Label3, 60, 1440, 720, 180);
    txtComment = new TextBox(this);
    placeTw(txtComment, 300, 1620, 1875, 270);
    Label2->setBuddy(txtColorName);
    Label3->setBuddy(txtComment);
    lblcolorCode->setAccessibleName(tr("カラーコード"));
    // The opener sets the title and the button's caption; these stand until it does.
    setWindowTitle(tr("色のプロパティ"));
    btnAdd = new QPushButton(tr("追加"), this);
    placeTw(btnAdd, 300, 2040, 975, 375);
    btnCancel = new QPushButton(tr("キャンセル"), this);
    placeTw(btnCancel, 1260, 2040, 975, 375);

    for (auto [control, name] : std::initializer_list<std::pair<QWidget*, const char*>>{
             {Label1, "Label1"}, {lblcolorCode, "lblcolorCode"}, {lblColorBox, "lblColorBox"}, {Label2, "Label2"},
             {txtColorName, "txtColorName"}, {Label3, "Label3"}, {txtComment, "txtComment"}, {btnAdd, "btnAdd"},
             {btnCancel, "btnCancel"}})
        control->setObjectName(QLatin1String(name));
    for (QWidget* w : {static_cast<QWidget*>(btnAdd), static_cast<QWidget*>(btnCancel)})
        w->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(btnAdd, btnCancel);
    setTabOrder(btnCancel, txtColorName);
    setTabOrder(txtColorName, txtComment);
    for (QLabel* label : {Label1, Label2, Label3})
        PropertyDialogLook::fitWidth(label);
    setDialogButtons(btnAdd, btnCancel);

    connect(btnAdd, &QPushButton::clicked, this, [this] { btnAdd_Click(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancel_Click(); });
}

frmColorProperty::~frmColorProperty() = default;

void frmColorProperty::Form_Load()
{
    centreOnScreen();
    btnAdd->setFocus();
}

void frmColorProperty::setting(std::shared_ptr<DefinedColor> pal, std::shared_ptr<DefinedColorModel> Tube,
                               const QString& formTitle, const QString& btnCaption, bool pAddMode)
{
    m_pal = std::move(pal);
    m_tube = std::move(Tube);
    if (m_tube) {
        lblcolorCode->setText(m_tube->colorCode());
        txtColorName->setText(m_tube->colorName());
        txtColorName->setCursorPosition(0);
        txtComment->setText(m_tube->comment());
        txtComment->setCursorPosition(0);
        QPalette p = lblColorBox->palette();
        p.setColor(QPalette::Window, Surface::toQColor(colorCode().HTML_RGB2VB_RGB(m_tube->colorCode())));
        lblColorBox->setPalette(p);
    }
    setWindowTitle(formTitle);
    btnAdd->setText(btnCaption);
    m_addMode = pAddMode;
    btnAdd->setFocus();
}

void frmColorProperty::btnAdd_Click()
{
    if (!m_pal || !m_tube) {
        unload();
        return;
    }
    const QString name = txtColorName->text();
    const QString comment = txtComment->text();
    if (m_addMode) {
        m_tube->setColorName(name);
        m_tube->setComment(comment);
        const PaletteStatus added = m_pal->addColor(m_tube->colorCode(), m_tube->colorName(), m_tube->comment());
        if (!added.isOk()) {
            MsgBox(added.message());
            return;
        }
    } else {
        // A colour of this palette is renamed together with its key, so that the list
        // still finds it and no two colours end up with one name.
        if (m_pal->colorCollection.item(m_tube->index) == m_tube) {
            const PaletteStatus renamed = m_pal->renameColor(m_tube->index, name);
            if (!renamed.isOk()) {
                MsgBox(renamed.message());
                return;
            }
        } else {
            m_tube->setColorName(name);
        }
        m_tube->setComment(comment);
    }
    if (frmPalette* palette = frmPalette::loadedInstance())
        palette->colorEdited();
    unload();
}

void frmColorProperty::btnCancel_Click() { unload(); }

void frmColorProperty::Form_Unload(int&)
{
    m_pal.reset();
    m_tube.reset();
}

} // namespace tessary
