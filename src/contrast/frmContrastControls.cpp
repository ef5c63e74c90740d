// SPDX-License-Identifier: MIT
#include "a11y/FocusLabel.h"
#include "contrast/ContrastSample.h"
#include "contrast/ContrastWording.h"
#include "contrast/frmContrast.h"
#include "contrast/frmContrastPrivate.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessary {

namespace {

QLabel* label(QWidget* parent, const QString& name)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    return l;
}

// A cell of a table: reachable with the tab key, so that a screen reader speaks it.
QLabel* cellLabel(QWidget* parent, const QString& name)
{
    auto* l = new FocusLabel(parent);
    l->setObjectName(name);
    l->setFrameShape(QFrame::StyledPanel);
    l->setMinimumWidth(120);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QString indexed(const char* name, int i) { return QString::fromLatin1(name) + QString::number(i); }
QString indexed(const char* name, int i, int j) { return indexed(name, i) + u'_' + QString::number(j); }

} // namespace

void frmContrast::createControls()
{
    auto* outer = new QVBoxLayout(this);

    auto* choices = new QHBoxLayout;
    auto* lblTargetCaption = label(this, QStringLiteral("lblTargetCaption"));
    lblTargetCaption->setText(tr("目標(&G):"));
    d->cboTarget = new QComboBox(this);
    d->cboTarget->setObjectName(QStringLiteral("cboTarget"));
    d->cboTarget->addItems({QStringLiteral("AA"), QStringLiteral("AAA")});
    d->cboTarget->setAccessibleName(tr("目標の達成基準"));
    lblTargetCaption->setBuddy(d->cboTarget);
    auto* lblRuleCaption = label(this, QStringLiteral("lblRuleCaption"));
    lblRuleCaption->setText(tr("大きな文字(&L):"));
    d->cboRule = new QComboBox(this);
    d->cboRule->setObjectName(QStringLiteral("cboRule"));
    d->cboRule->addItems({ContrastWording::ruleName(LargeTextRule::Kind::Japanese),
                          ContrastWording::ruleName(LargeTextRule::Kind::Wcag)});
    d->cboRule->setAccessibleName(tr("大きな文字の規則"));
    lblRuleCaption->setBuddy(d->cboRule);
    choices->addWidget(lblTargetCaption);
    choices->addWidget(d->cboTarget);
    choices->addSpacing(12);
    choices->addWidget(lblRuleCaption);
    choices->addWidget(d->cboRule);
    choices->addStretch();
    outer->addLayout(choices);

    d->lblRule = label(this, QStringLiteral("lblRule"));
    d->lblRule->setWordWrap(true);
    outer->addWidget(d->lblRule);
    d->lblPicture = label(this, QStringLiteral("lblPicture"));
    d->lblPicture->setText(ContrastWording::pictureNote());
    d->lblPicture->setAccessibleName(ContrastWording::pictureNote());
    d->lblPicture->hide();
    outer->addWidget(d->lblPicture);

    auto* grid = new QGridLayout;
    for (int j = 0; j < Impl::kBackgrounds; ++j) {
        d->lblBackground[j] = label(this, indexed("lblBackground", j));
        d->lblBackground[j]->setAlignment(Qt::AlignCenter);
        d->lblBackground[j]->setText(ContrastWording::backgroundName(j));
        d->lblBackground[j]->setAccessibleName(ContrastWording::backgroundName(j));
        grid->addWidget(d->lblBackground[j], 0, 1 + j);
    }
    for (int i = 0; i < Impl::kTexts; ++i) {
        d->lblText[i] = new ContrastSample(this);
        d->lblText[i]->setObjectName(indexed("lblText", i));
        d->lblText[i]->setText(ContrastWording::textName(i));
        d->lblText[i]->setAccessibleName(ContrastWording::textName(i));
        d->lblText[i]->setMargin(4);
        grid->addWidget(d->lblText[i], 1 + 2 * i, 0);
        for (int j = 0; j < Impl::kBackgrounds; ++j) {
            d->lblCell[i][j] = cellLabel(this, indexed("lblCell", i, j));
            grid->addWidget(d->lblCell[i][j], 1 + 2 * i, 1 + j);
        }
        d->cmdSuggest[i] = new QPushButton(tr("提案"), this);
        d->cmdSuggest[i]->setObjectName(indexed("cmdSuggest", i));
        d->cmdApply[i] = new QPushButton(tr("適用"), this);
        d->cmdApply[i]->setObjectName(indexed("cmdApply", i));
        d->cmdApply[i]->setEnabled(false);
        d->cmdSuggest[i]->setAccessibleName(ContrastWording::suggestButtonName(i));
        d->cmdApply[i]->setAccessibleName(ContrastWording::applyButtonName(i));
        grid->addWidget(d->cmdSuggest[i], 1 + 2 * i, 3);
        grid->addWidget(d->cmdApply[i], 1 + 2 * i, 4);
        d->lblSuggestion[i] = label(this, indexed("lblSuggestion", i));
        d->lblSuggestion[i]->setWordWrap(true);
        auto* answer = new QVBoxLayout;
        answer->addWidget(d->lblSuggestion[i]);
        auto* swatches = new QHBoxLayout;
        for (int k = 0; k < 2; ++k) {
            Impl::ProposalRow& row = d->proposalRows[i][k];
            row.swatch = label(this, indexed("lblProposalSwatch", i, k));
            row.swatch->setFixedSize(24, 16);
            row.code = label(this, indexed("lblProposalCode", i, k));
            row.code->setTextInteractionFlags(Qt::TextSelectableByMouse);
            row.code->setAccessibleName(tr("%1の提案の色").arg(ContrastWording::textName(i)));
            row.copy = new QPushButton(tr("コピー"), this);
            row.copy->setObjectName(indexed("cmdCopy", i, k));
            row.copy->setAccessibleName(tr("%1の提案をコピー").arg(ContrastWording::textName(i)));
            connect(row.copy, &QPushButton::clicked, this, [this, i, k] { cmdCopy_Click(i, k); });
            for (QWidget* w : {static_cast<QWidget*>(row.swatch), static_cast<QWidget*>(row.code),
                               static_cast<QWidget*>(row.copy)}) {
                swatches->addWidget(w);
                w->hide();
            }
            swatches->addSpacing(12);
        }
        swatches->addStretch();
        answer->addLayout(swatches);
        grid->addLayout(answer, 2 + 2 * i, 0, 1, 5);
        connect(d->cmdSuggest[i], &QPushButton::clicked, this, [this, i] { cmdSuggest_Click(i); });
        connect(d->cmdApply[i], &QPushButton::clicked, this, [this, i] { cmdApply_Click(i); });
    }
    outer->addLayout(grid);

    d->fraVision = new QGroupBox(this);
    d->fraVision->setObjectName(QStringLiteral("fraVision"));
    auto* visionGrid = new QGridLayout(d->fraVision);
    for (int i = 0; i < Impl::kTexts; ++i) {
        QLabel* name = label(d->fraVision, indexed("lblVisionText", i));
        name->setText(ContrastWording::textName(i));
        visionGrid->addWidget(name, i, 0);
        for (int j = 0; j < Impl::kBackgrounds; ++j) {
            d->lblVisionCell[i][j] = cellLabel(d->fraVision, indexed("lblVisionCell", i, j));
            // Until a mode fills it, the cell is named for its pair.
            d->lblVisionCell[i][j]->setAccessibleName(ContrastWording::textName(i) + QStringLiteral(" / ")
                                                      + ContrastWording::backgroundName(j));
            visionGrid->addWidget(d->lblVisionCell[i][j], i, 1 + j);
        }
    }
    d->fraVision->hide();
    outer->addWidget(d->fraVision);

    d->fraDistinct = new QGroupBox(tr("見分けやすさ（色覚）"), this);
    d->fraDistinct->setObjectName(QStringLiteral("fraDistinct"));
    auto* distinct = new QVBoxLayout(d->fraDistinct);
    d->lblDistinct = cellLabel(d->fraDistinct, QStringLiteral("lblDistinct"));
    d->lblDistinct->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    distinct->addWidget(d->lblDistinct);
    auto* note = label(d->fraDistinct, QStringLiteral("lblDistinctNote"));
    note->setWordWrap(true);
    note->setText(ContrastWording::distinguishabilityNote());
    note->setAccessibleName(ContrastWording::distinguishabilityNote());
    distinct->addWidget(note);
    outer->addWidget(d->fraDistinct);
    outer->addStretch();

    connect(d->cboTarget, &QComboBox::activated, this, &frmContrast::cboTarget_Click);
    connect(d->cboRule, &QComboBox::activated, this, &frmContrast::cboRule_Click);
}

} // namespace tessary
