// SPDX-License-Identifier: MIT
#include "dialogs/frmAbout.h"

#include "Version.h"
#include "dialogs/AboutText.h"
#include "language/LanguageSwitch.h"

#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessary {

namespace {

// Arial Black where it is installed, otherwise the heaviest cut of a plain sans face.
QFont productNameFont()
{
    QFont f;
    f.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans"),
                   QStringLiteral("sans-serif")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(18.0);
    f.setWeight(QFont::Black);
    return f;
}

} // namespace

struct frmAbout::Impl {
    QFrame* Frame1 = nullptr;
    QLabel* lblProduct = nullptr;
    QFrame* Line1 = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* versionLabel = nullptr;
    QPushButton* btnClose = nullptr;
};

frmAbout::frmAbout()
    : Form(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , d(std::make_unique<Impl>())
{
    setWindowTitle(tr("Tessaryについて"));

    d->Frame1 = new QFrame(this);
    d->Frame1->setObjectName(QStringLiteral("Frame1"));
    d->Frame1->setFrameShape(QFrame::StyledPanel);
    d->Frame1->setFrameShadow(QFrame::Sunken);

    d->lblProduct = new QLabel(QStringLiteral("Tessary"), d->Frame1);
    d->lblProduct->setObjectName(QStringLiteral("lblProduct"));
    d->lblProduct->setFont(productNameFont());
    d->lblProduct->setAlignment(Qt::AlignCenter);

    d->Line1 = new QFrame(d->Frame1);
    d->Line1->setObjectName(QStringLiteral("Line1"));
    d->Line1->setFrameShape(QFrame::HLine);
    d->Line1->setFrameShadow(QFrame::Sunken);

    d->lblDescription = new QLabel(tr("文字色と背景色の配色を確かめるための道具"), d->Frame1);
    d->lblDescription->setObjectName(QStringLiteral("lblDescription"));
    d->lblDescription->setAlignment(Qt::AlignCenter);

    d->versionLabel = new QLabel(d->Frame1);
    d->versionLabel->setObjectName(QStringLiteral("versionLabel"));
    d->versionLabel->setAlignment(Qt::AlignCenter);

    auto* frameLayout = new QVBoxLayout(d->Frame1);
    frameLayout->setContentsMargins(24, 14, 24, 14);
    frameLayout->setSpacing(8);
    frameLayout->addWidget(d->lblProduct);
    frameLayout->addWidget(d->Line1);
    frameLayout->addWidget(d->lblDescription);
    frameLayout->addWidget(d->versionLabel);

    d->btnClose = new QPushButton(tr("閉じる"), this);
    d->btnClose->setObjectName(QStringLiteral("btnClose"));
    d->btnClose->setMinimumWidth(88);
    connect(d->btnClose, &QPushButton::clicked, this, [this] { btnClose_Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(d->btnClose);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    layout->addWidget(d->Frame1);
    layout->addLayout(buttons);
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load()
{
    d->versionLabel->setText(AboutText::version(kVersionMajor, kVersionMinor, kVersionRevision));
    d->versionLabel->adjustSize();
    connect(&LanguageSwitch::instance(), &LanguageSwitch::languageChanged, this, [this] {
        d->versionLabel->setText(AboutText::version(kVersionMajor, kVersionMinor, kVersionRevision));
        d->versionLabel->adjustSize();
        // After the captions have changed, the box takes the size they need; back in Japanese,
        // the size it had.
        QMetaObject::invokeMethod(this, [this] {
            const QSize before = property("_tessaryJapaneseSize").toSize();
            if (!LanguageSwitch::instance().translator().hasCatalogue()) {
                if (before.isValid())
                    setFixedSize(before);
                return;
            }
            if (!before.isValid())
                setProperty("_tessaryJapaneseSize", size());
            setFixedSize(sizeHint());
        }, Qt::QueuedConnection);
    });
    setFixedSize(sizeHint());
    centreOnScreen();
    setDialogButtons(d->btnClose, d->btnClose);
    d->btnClose->setFocus();
}

void frmAbout::btnClose_Click()
{
    unload();
}

} // namespace tessary
