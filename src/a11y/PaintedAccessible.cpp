// SPDX-License-Identifier: MIT
#include "a11y/PaintedAccessible.h"

#include "a11y/PaintedAccessiblePrivate.h"
#include "palette/PaletteGrid.h"

#include <QCoreApplication>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>
#include <array>

namespace tessary {

using namespace painted;

namespace {

// ---- palette grid -------------------------------------------------------------------

const ChipGridPart* gridOf(const QWidget* w) { return describe<ChipGridPart>(w); }
HueDialPart* dialOf(const QWidget* w) { return describe<HueDialPart>(w); }

class PaletteChipAccessible : public ElementAccessible {
public:
    PaletteChipAccessible(QWidget* grid, int position)
        : ElementAccessible(grid)
        , m_position(position)
    {
    }
    bool isValid() const override { return color().has_value(); }
    QString text(QAccessible::Text t) const override
    {
        const auto c = color();
        if (!c)
            return {};
        switch (t) {
        case QAccessible::Name:
            return c->name;
        case QAccessible::Value:
            return c->code;
        case QAccessible::Description:
            return c->comment.isEmpty() ? c->code : c->code + QStringLiteral(" ") + c->comment;
        default:
            return {};
        }
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State st;
        st.selectable = true;
        st.focusable = true;
        const ChipGridPart* f = gridOf(m_owner.data());
        st.selected = f && f->selected() == m_position;
        st.focused = st.selected && m_owner->hasFocus();
        const int cell = f ? m_position - f->firstVisible() : -1;
        st.invisible = !f || cell < 0 || cell >= f->columns() * f->rows();
        return st;
    }
    QRect rect() const override
    {
        const ChipGridPart* f = gridOf(m_owner.data());
        const int cell = f ? m_position - f->firstVisible() : -1;
        if (!f || f->columns() <= 0 || cell < 0)
            return {};
        return globalRect(PaletteGrid::chipRect(cell % f->columns(), cell / f->columns(), f->chipSize()));
    }
    int position() const { return m_position; }

private:
    std::optional<ChipGridPart::Chip> color() const
    {
        const ChipGridPart* f = gridOf(m_owner.data());
        return f ? f->chip(m_position) : std::nullopt;
    }
    int m_position;
};

// A picture box: the palette grid (a list of its visible chips), the colour circle (the
// hue as a value) or, elsewhere, a plain picture. Which one is decided at each call, so an
// interface made while the window was still being built is never wrong.
class PictureAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit PictureAccessible(QWidget* w)
        : QAccessibleWidget(w)
    {
    }
    ~PictureAccessible() override
    {
        for (QAccessible::Id id : std::as_const(m_chips))
            QAccessible::deleteAccessibleInterface(id);
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface && dialOf(widget()))
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QAccessible::Role role() const override
    {
        if (gridOf(widget()))
            return QAccessible::List;
        if (dialOf(widget()))
            return QAccessible::Dial;
        return QAccessibleWidget::role();
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value && dialOf(widget()))
            return QCoreApplication::translate("PaintedAccessible", "%1度").arg(dialOf(widget())->hue());
        return QAccessibleWidget::text(t);
    }
    int childCount() const override
    {
        const ChipGridPart* f = gridOf(widget());
        if (!f || f->columns() <= 0)
            return 0;
        return std::clamp(f->chipCount() - f->firstVisible() + 1, 0, f->columns() * f->rows());
    }
    QAccessibleInterface* child(int index) const override
    {
        const ChipGridPart* f = gridOf(widget());
        if (!f || index < 0 || index >= childCount())
            return nullptr;
        return chip(f->firstVisible() + index);
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        const ChipGridPart* f = gridOf(widget());
        const auto* chipIface = dynamic_cast<const PaletteChipAccessible*>(c);
        if (!f || !chipIface)
            return -1;
        const int index = chipIface->position() - f->firstVisible();
        return index >= 0 && index < childCount() ? index : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const ChipGridPart* f = gridOf(widget());
        if (!f || f->chipSize() <= 0)
            return nullptr;
        const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
        if (!widget()->rect().contains(local))
            return nullptr;
        const QPoint cell = PaletteGrid::cellAt(local.x(), local.y(), f->chipSize());
        return child(cell.y() * f->columns() + cell.x());
    }
    QAccessibleInterface* focusChild() const override
    {
        const ChipGridPart* f = gridOf(widget());
        if (!f || !widget()->hasFocus() || !f->chip(f->selected()))
            return nullptr;
        return chip(f->selected());
    }
    QAccessibleInterface* chip(int position) const
    {
        QAccessible::Id& id = m_chips[position];
        if (!id)
            id = QAccessible::registerAccessibleInterface(new PaletteChipAccessible(widget(), position));
        return QAccessible::accessibleInterface(id);
    }

    // The colour circle's hue in whole degrees.
    QVariant currentValue() const override
    {
        const HueDialPart* c = dialOf(widget());
        return c ? QVariant(c->hue()) : QVariant();
    }
    void setCurrentValue(const QVariant& value) override
    {
        if (HueDialPart* c = dialOf(widget()))
            c->setHue(value.toInt());
    }
    QVariant maximumValue() const override { return 359; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    mutable QHash<int, QAccessible::Id> m_chips;
};

QAccessibleInterface* paintedFactory(const QString& key, QObject* object)
{
    auto* w = qobject_cast<QWidget*>(object);
    if (!w)
        return nullptr;
    (void)key;
    if (describe<SchemeObjectsPart>(w))
        return newDisplayAccessible(w);
    if (describe<ChipGridPart>(w) || describe<HueDialPart>(w))
        return new PictureAccessible(w);
    return nullptr;
}

} // namespace

void installPaintedAccessibility(QWidget* part, PaintedPart* description)
{
    static const bool installed = [] {
        QAccessible::installFactory(paintedFactory);
        return true;
    }();
    (void)installed;
    if (part && description && !descriptions().contains(part)) {
        descriptions().insert(part, description);
        QObject::connect(part, &QObject::destroyed, [part] { descriptions().remove(part); });
    }
    QAccessibleInterface* iface = part ? QAccessible::queryAccessibleInterface(part) : nullptr;
    if (iface && !isDisplayAccessible(iface) && !dynamic_cast<PictureAccessible*>(iface))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

void announcePaletteSelection(QWidget* grid)
{
    const ChipGridPart* f = gridOf(grid);
    if (!QAccessible::isActive() || !f || !f->chip(f->selected()))
        return;
    auto* iface = dynamic_cast<PictureAccessible*>(QAccessible::queryAccessibleInterface(grid));
    if (!iface)
        return;
    QAccessibleInterface* chip = iface->chip(f->selected());
    send(chip, QAccessible::Selection);
    if (grid->hasFocus())
        send(chip, QAccessible::Focus);
}

void announcePaletteChips(QWidget* grid)
{
    if (QAccessible::isActive() && gridOf(grid))
        send(QAccessible::queryAccessibleInterface(grid), QAccessible::ObjectReorder);
}

} // namespace tessary
