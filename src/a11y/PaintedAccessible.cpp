// SPDX-License-Identifier: MIT
#include "a11y/PaintedAccessible.h"

#include "display/SchemeNotifier.h"
#include "display/frmTessary.h"
#include "palette/DefinedColor.h"
#include "palette/PaletteGrid.h"
#include "palette/frmPalette.h"
#include "pickers/frmColorCircle.h"
#include "platform/PictureBox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>
#include <array>

namespace tessary {

namespace {

// The captions of the five objects as the main window's option buttons show them.
const std::array<QString, SchemeState::ObjectCount> kObjectCaptions{
    QStringLiteral("sample1"), QStringLiteral("sample2"), QStringLiteral("sample3"),
    QStringLiteral("Shape1"), QStringLiteral("Shape2")};
const std::array<QString, 5> kStyleNames{QStringLiteral("上下"), QStringLiteral("左右"),
                                         QStringLiteral("四角の中に四角"), QStringLiteral("チェック"),
                                         QStringLiteral("格子")};

QString hexCode(std::int32_t color)
{
    return QStringLiteral("#%1%2%3")
        .arg(color & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((color >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((color >> 16) & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

void send(QAccessibleInterface* iface, QAccessible::Event type)
{
    if (!iface)
        return;
    QAccessibleEvent ev(iface, type);
    QAccessible::updateAccessibility(&ev);
}

void sendValue(QAccessibleInterface* iface, const QVariant& value)
{
    if (!iface)
        return;
    QAccessibleValueChangeEvent ev(iface, value);
    QAccessible::updateAccessibility(&ev);
}

// An element that is no widget of its own: a colour object of the display window or a
// chip of the palette grid. Its parent widget owns it through the interface cache.
class ElementAccessible : public QAccessibleInterface {
public:
    explicit ElementAccessible(QWidget* owner)
        : m_owner(owner)
    {
    }
    bool isValid() const override { return !m_owner.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_owner ? m_owner->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_owner.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QRect globalRect(const QRect& local) const
    {
        return m_owner ? local.translated(m_owner->mapToGlobal(QPoint(0, 0))) : QRect();
    }
    QPointer<QWidget> m_owner;
};

// ---- display window -----------------------------------------------------------------

class DisplayObjectAccessible : public ElementAccessible {
public:
    DisplayObjectAccessible(QWidget* display, int object)
        : ElementAccessible(display)
        , m_object(object)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        const SchemeState s = SchemeNotifier::instance().state();
        const QString code = hexCode(s.colors[std::size_t(m_object)]);
        switch (t) {
        case QAccessible::Name:
            return kObjectCaptions[std::size_t(m_object)] + QStringLiteral(" ") + code;
        case QAccessible::Value:
            return code;
        case QAccessible::Description:
            if (m_object < SchemeState::LabelCount)
                return QStringLiteral("文字の色。見本の文: ") + s.labels[std::size_t(m_object)].text;
            return m_object == 3 ? QStringLiteral("背景の色 1") : QStringLiteral("背景の色 2");
        default:
            return {};
        }
    }
    QAccessible::Role role() const override
    {
        return m_object < SchemeState::LabelCount ? QAccessible::StaticText : QAccessible::Graphic;
    }
    QAccessible::State state() const override
    {
        QAccessible::State st;
        st.selectable = true;
        st.selected = SchemeNotifier::instance().state().selectedObject == m_object;
        return st;
    }
    QRect rect() const override
    {
        if (!m_owner)
            return {};
        const SchemeState s = SchemeNotifier::instance().state();
        if (m_object < SchemeState::LabelCount && !s.labels[std::size_t(m_object)].box.isEmpty())
            return globalRect(s.labels[std::size_t(m_object)].box);
        return globalRect(m_owner->rect());
    }
    int schemeObject() const { return m_object; }

private:
    int m_object;
};

class DisplayAccessible : public QAccessibleWidget {
public:
    explicit DisplayAccessible(QWidget* w)
        : QAccessibleWidget(w, QAccessible::Window)
    {
        SchemeNotifier& n = SchemeNotifier::instance();
        QObject::connect(&n, &SchemeNotifier::colorChanged, w, [w](int object) {
            if (auto* self = of(w)) {
                QAccessibleInterface* c = self->objectChild(object);
                send(c, QAccessible::NameChanged);
                sendValue(c, c ? c->text(QAccessible::Value) : QString());
            }
        });
        QObject::connect(&n, &SchemeNotifier::sampleTextChanged, w, [w](int label) {
            if (auto* self = of(w))
                send(self->objectChild(label), QAccessible::DescriptionChanged);
        });
        QObject::connect(&n, &SchemeNotifier::selectedObjectChanged, w, [w](int object) {
            if (auto* self = of(w))
                send(self->objectChild(object), QAccessible::Selection);
        });
        const auto styleOrPicture = [w] {
            if (auto* self = of(w))
                send(self, QAccessible::DescriptionChanged);
        };
        QObject::connect(&n, &SchemeNotifier::styleChanged, w, styleOrPicture);
        QObject::connect(&n, &SchemeNotifier::pictureChanged, w, styleOrPicture);
    }
    ~DisplayAccessible() override
    {
        for (QAccessible::Id id : m_ids) {
            if (id)
                QAccessible::deleteAccessibleInterface(id);
        }
    }
    static DisplayAccessible* of(QWidget* w)
    {
        return QAccessible::isActive() ? dynamic_cast<DisplayAccessible*>(QAccessible::queryAccessibleInterface(w))
                                       : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Description)
            return QAccessibleWidget::text(t);
        const SchemeState s = SchemeNotifier::instance().state();
        if (s.pictureShown)
            return QStringLiteral("背景に画像");
        const int style = s.style.style;
        return QStringLiteral("スタイル: ")
            + (style >= 0 && style < int(kStyleNames.size()) ? kStyleNames[std::size_t(style)] : QString());
    }
    int childCount() const override { return QAccessibleWidget::childCount() + SchemeState::ObjectCount; }
    QAccessibleInterface* child(int index) const override
    {
        const int widgets = QAccessibleWidget::childCount();
        return index < widgets ? QAccessibleWidget::child(index) : objectChild(index - widgets);
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        if (auto* o = dynamic_cast<const DisplayObjectAccessible*>(c))
            return QAccessibleWidget::childCount() + o->schemeObject();
        return QAccessibleWidget::indexOfChild(c);
    }
    QAccessibleInterface* objectChild(int object) const
    {
        if (object < 0 || object >= SchemeState::ObjectCount)
            return nullptr;
        QAccessible::Id& id = m_ids[std::size_t(object)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(new DisplayObjectAccessible(widget(), object));
        return QAccessible::accessibleInterface(id);
    }

private:
    mutable std::array<QAccessible::Id, SchemeState::ObjectCount> m_ids{};
};

// ---- palette grid -------------------------------------------------------------------

frmPalette* paletteOf(QWidget* w)
{
    auto* form = w ? qobject_cast<frmPalette*>(w->window()) : nullptr;
    return form && form->picPalette == w && form->palette ? form : nullptr;
}

frmColorCircle* circleOf(QWidget* w)
{
    auto* form = w ? qobject_cast<frmColorCircle*>(w->window()) : nullptr;
    return form && form->Picture1 == w ? form : nullptr;
}

class PaletteChipAccessible : public ElementAccessible {
public:
    PaletteChipAccessible(QWidget* grid, int position)
        : ElementAccessible(grid)
        , m_position(position)
    {
    }
    bool isValid() const override { return bool(color()); }
    QString text(QAccessible::Text t) const override
    {
        const auto c = color();
        if (!c)
            return {};
        switch (t) {
        case QAccessible::Name:
            return c->colorName();
        case QAccessible::Value:
            return c->colorCode();
        case QAccessible::Description:
            return c->comment().isEmpty() ? c->colorCode() : c->colorCode() + QStringLiteral(" ") + c->comment();
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
        const frmPalette* f = paletteOf(m_owner.data());
        st.selected = f && f->selectedIndex == m_position;
        st.focused = st.selected && m_owner->hasFocus();
        const int cell = f ? m_position - f->firstVisibleIndex : -1;
        st.invisible = !f || cell < 0 || cell >= f->columnCount * f->rowCount;
        return st;
    }
    QRect rect() const override
    {
        const frmPalette* f = paletteOf(m_owner.data());
        const int cell = f ? m_position - f->firstVisibleIndex : -1;
        if (!f || f->columnCount <= 0 || cell < 0)
            return {};
        return globalRect(PaletteGrid::chipRect(cell % f->columnCount, cell / f->columnCount, f->chipSize));
    }
    int position() const { return m_position; }

private:
    DefinedColorCollection::Item color() const
    {
        const frmPalette* f = paletteOf(m_owner.data());
        return f ? f->palette->colorCollection.item(m_position) : nullptr;
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
        if (t == QAccessible::ValueInterface && circleOf(widget()))
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QAccessible::Role role() const override
    {
        if (paletteOf(widget()))
            return QAccessible::List;
        if (circleOf(widget()))
            return QAccessible::Dial;
        return QAccessibleWidget::role();
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value && circleOf(widget()))
            return QStringLiteral("%1度").arg(circleOf(widget())->hueValue());
        return QAccessibleWidget::text(t);
    }
    int childCount() const override
    {
        const frmPalette* f = paletteOf(widget());
        if (!f || f->columnCount <= 0)
            return 0;
        return std::clamp(f->palette->count() - f->firstVisibleIndex + 1, 0, f->columnCount * f->rowCount);
    }
    QAccessibleInterface* child(int index) const override
    {
        const frmPalette* f = paletteOf(widget());
        if (!f || index < 0 || index >= childCount())
            return nullptr;
        return chip(f->firstVisibleIndex + index);
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        const frmPalette* f = paletteOf(widget());
        const auto* chipIface = dynamic_cast<const PaletteChipAccessible*>(c);
        if (!f || !chipIface)
            return -1;
        const int index = chipIface->position() - f->firstVisibleIndex;
        return index >= 0 && index < childCount() ? index : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const frmPalette* f = paletteOf(widget());
        if (!f || f->chipSize <= 0)
            return nullptr;
        const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
        if (!widget()->rect().contains(local))
            return nullptr;
        const QPoint cell = PaletteGrid::cellAt(local.x(), local.y(), f->chipSize);
        return child(cell.y() * f->columnCount + cell.x());
    }
    QAccessibleInterface* focusChild() const override
    {
        const frmPalette* f = paletteOf(widget());
        if (!f || !widget()->hasFocus() || !f->palette->colorCollection.item(f->selectedIndex))
            return nullptr;
        return chip(f->selectedIndex);
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
        const frmColorCircle* c = circleOf(widget());
        return c ? QVariant(c->hueValue()) : QVariant();
    }
    void setCurrentValue(const QVariant& value) override
    {
        if (frmColorCircle* c = circleOf(widget()))
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
    if (key == QLatin1String("tessary::frmTessary"))
        return new DisplayAccessible(w);
    if (key == QLatin1String("tessary::PictureBox"))
        return new PictureAccessible(w);
    return nullptr;
}

} // namespace

void installPaintedAccessibility(QWidget* part)
{
    static const bool installed = [] {
        QAccessible::installFactory(paintedFactory);
        return true;
    }();
    (void)installed;
    QAccessibleInterface* iface = part ? QAccessible::queryAccessibleInterface(part) : nullptr;
    if (iface && !dynamic_cast<DisplayAccessible*>(iface) && !dynamic_cast<PictureAccessible*>(iface))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

void announcePaletteSelection(QWidget* grid)
{
    const frmPalette* f = paletteOf(grid);
    if (!QAccessible::isActive() || !f || !f->palette->colorCollection.item(f->selectedIndex))
        return;
    auto* iface = dynamic_cast<PictureAccessible*>(QAccessible::queryAccessibleInterface(grid));
    if (!iface)
        return;
    QAccessibleInterface* chip = iface->chip(f->selectedIndex);
    send(chip, QAccessible::Selection);
    if (grid->hasFocus())
        send(chip, QAccessible::Focus);
}

void announcePaletteChips(QWidget* grid)
{
    if (QAccessible::isActive() && paletteOf(grid))
        send(QAccessible::queryAccessibleInterface(grid), QAccessible::ObjectReorder);
}

} // namespace tessary
