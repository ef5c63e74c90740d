// SPDX-License-Identifier: MIT
// What the parts of the palette window's source share; included by them alone.
#pragma once

#include "a11y/PaintedPart.h"
#include "color/CUserColor.h"
#include "color/colorCode.h"
#include "palette/ComboColorList.h"
#include "palette/DefinedColor.h"
#include "palette/frmPalette.h"

#include <QCoreApplication>
#include <QString>
#include <memory>

namespace tessary {

inline QString newPaletteName() { return QCoreApplication::translate("frmPalette", "新規パレット"); }
inline QString paletteFilter() { return QCoreApplication::translate("frmPalette", "Tessary色定義ファイル (*.tcf)|*.tcf"); }

// The chips as assistive technology reads them.
class PaletteChips : public ChipGridPart {
public:
    explicit PaletteChips(const frmPalette& w)
        : m_w(w)
    {
    }
    std::optional<Chip> chip(int position) const override
    {
        const auto c = m_w.palette ? m_w.palette->colorCollection.item(position) : nullptr;
        if (!c)
            return std::nullopt;
        return Chip{c->colorName(), c->colorCode(), c->comment()};
    }
    int chipCount() const override { return m_w.palette ? m_w.palette->count() : 0; }
    int firstVisible() const override { return m_w.firstVisibleIndex; }
    int columns() const override { return m_w.palette ? m_w.columnCount : 0; }
    int rows() const override { return m_w.rowCount; }
    int chipSize() const override { return m_w.chipSize; }
    int selected() const override { return m_w.selectedIndex; }

private:
    const frmPalette& m_w;
};

struct frmPalette::Impl {
    explicit Impl(const frmPalette& w)
        : chips(w)
    {
    }
    PaletteChips chips;
    QWidget* backdrop = nullptr;
    std::unique_ptr<ComboColorList> list;
    colorCode codes;
    CUserColor userColors;
};

} // namespace tessary
