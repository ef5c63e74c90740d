// SPDX-License-Identifier: MIT
#include "contrast/ContrastTable.h"

#include "contrast/ContrastWording.h"

namespace tessary {

ContrastTable ContrastTable::compute(const Input& in)
{
    ContrastTable t;
    t.m_ruleText = ContrastWording::ruleDescription(in.rule);
    std::array<double, kBackgrounds> backgrounds{};
    for (int j = 0; j < kBackgrounds; ++j)
        backgrounds[j] = Wcag::luminance(in.colors[kTexts + j]);

    for (int i = 0; i < kTexts; ++i) {
        Row& row = t.m_rows[i];
        row.large = in.rule.isLarge(in.fonts[i].points, in.fonts[i].bold);
        row.overPicture = in.picture[i].has_value();
        row.targetRatio = Wcag::threshold(in.target, row.large);
        row.name = ContrastWording::textName(i);
        row.sizeText = ContrastWording::sizeName(row.large);
        row.targetText = ContrastWording::targetName(in.target, row.large);
        row.suggestButtonName = ContrastWording::suggestButtonName(i);
        row.applyButtonName = ContrastWording::applyButtonName(i);

        const double text = Wcag::luminance(in.colors[i]);
        for (int j = 0; j < kBackgrounds; ++j) {
            Cell& cell = t.m_cells[i][j];
            if (row.overPicture) {
                cell.ratio = in.picture[i]->lowest;
                cell.percentile5 = in.picture[i]->percentile5;
                cell.percentileText = ContrastWording::ratio(*cell.percentile5);
            } else {
                cell.ratio = Wcag::ratio(text, backgrounds[j]);
            }
            cell.marks = ContrastMarks::of(cell.ratio);
            cell.meetsTarget = cell.marks.meets(in.target, row.large);
            cell.ratioText = ContrastWording::ratio(cell.ratio);
            cell.marksText = ContrastWording::verdict(cell.marks, in.target, row.large);
            cell.accessibleName = row.overPicture
                ? ContrastWording::pictureCellName(i, *in.picture[i], cell.marks, row.large, in.target)
                : ContrastWording::cellName(i, j, cell.ratio, cell.marks, row.large, in.target);
        }
    }
    return t;
}

} // namespace tessary
