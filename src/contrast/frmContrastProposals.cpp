// SPDX-License-Identifier: MIT
// The contrast window's proposals: searching, showing, copying and applying them.
#include "contrast/frmContrast.h"

#include "contrast/ContrastWording.h"
#include "contrast/frmContrastPrivate.h"
#include "platform/Services.h"
#include "platform/Workspace.h"
#include "scheme/Scheme.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace tessary {

void frmContrast::cmdSuggest_Click(int text)
{
    if (text < 0 || text >= Impl::kTexts)
        return;
    // A click that comes before the window has followed a change searches for the new colours.
    if (d->refreshTimer.isActive())
        refresh();
    const auto& c = d->input.colors;
    Impl::Suggestion s{ContrastProposal::find(c[text], c[3], c[4], d->table.row(text).targetRatio), c[3], c[4]};
    const QString words = ContrastWording::proposal(s.result, prefix());
    d->cmdApply[text]->setEnabled(s.result.both.hasProposal());
    d->suggestions[text] = s;
    Impl::setTexts(d->lblSuggestion[text], words, words);
    showProposals(text);
}

QString frmContrast::prefix() const
{
    const Workspace& ws = Workspace::instance();
    return ws.mainWindow() ? ws.codePrefix() : QStringLiteral("#");
}

// The proposed colours: the one for both backgrounds, or one per background.
std::array<std::optional<std::int32_t>, 2> frmContrast::proposedColors(int text) const
{
    const auto& s = d->suggestions[text];
    if (!s)
        return {};
    if (s->result.both.hasProposal())
        return {s->result.both.proposal, std::nullopt};
    if (!s->result.perBackground)
        return {};
    std::array<std::optional<std::int32_t>, 2> colors;
    for (int j = 0; j < 2; ++j) {
        if ((*s->result.perBackground)[size_t(j)].hasProposal())
            colors[size_t(j)] = (*s->result.perBackground)[size_t(j)].proposal;
    }
    return colors;
}

void frmContrast::showProposals(int text)
{
    const auto colors = proposedColors(text);
    const bool perBackground = d->suggestions[text] && !d->suggestions[text]->result.both.hasProposal();
    for (int k = 0; k < 2; ++k) {
        Impl::ProposalRow& row = d->proposalRows[text][k];
        const bool shown = colors[size_t(k)].has_value();
        row.swatch->setVisible(shown);
        row.code->setVisible(shown);
        row.copy->setVisible(shown);
        if (!shown)
            continue;
        const QColor c = Impl::qColorOf(*colors[size_t(k)]);
        row.swatch->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid palette(mid);").arg(c.name()));
        const QString code = ContrastWording::code(*colors[size_t(k)], prefix());
        const QString name = perBackground ? QCoreApplication::translate("frmContrast", "%1 に対して %2").arg(ContrastWording::backgroundName(k), code)
                                           : QCoreApplication::translate("frmContrast", "提案 %1").arg(code);
        row.code->setText(name);
        row.code->setAccessibleName(name);
        row.swatch->setAccessibleName(QCoreApplication::translate("frmContrast", "提案の色の見本 %1").arg(code));
        row.copy->setAccessibleName(QCoreApplication::translate("frmContrast", "%1の提案 %2 をコピー").arg(ContrastWording::textName(text), code));
    }
}

void frmContrast::cmdCopy_Click(int text, int proposal)
{
    if (text < 0 || text >= Impl::kTexts || proposal < 0 || proposal > 1)
        return;
    const auto color = proposedColors(text)[size_t(proposal)];
    if (color)
        Services::clipboard().setText(ContrastWording::code(*color, prefix()));
}

void frmContrast::cmdApply_Click(int text)
{
    if (d->refreshTimer.isActive())
        refresh();
    if (text < 0 || text >= Impl::kTexts || !d->suggestions[text] || !d->suggestions[text]->result.both.hasProposal())
        return;
    const std::int32_t color = d->suggestions[text]->result.both.proposal;
    // One announcement for the selection and the colour, as for a typed colour code.
    Scheme::Batch batch;
    Workspace::instance().editObject(text);
    Workspace::instance().takeColor(color);
}

} // namespace tessary
