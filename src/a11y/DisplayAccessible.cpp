// SPDX-License-Identifier: MIT
// The display window's five colour objects, as assistive technology reads them.
#include "a11y/PaintedAccessiblePrivate.h"
#include "scheme/Scheme.h"

#include <array>

#include <QCoreApplication>

namespace tessary::painted {

namespace {

// The captions of the five objects as the main window's option buttons show them.
const std::array<QString, SchemeState::ObjectCount> kObjectCaptions{
    QStringLiteral("sample1"), QStringLiteral("sample2"), QStringLiteral("sample3"),
    QStringLiteral("Shape1"), QStringLiteral("Shape2")};
const std::array<const char*, 5> kStyleNames{QT_TRANSLATE_NOOP("DisplayAccessible", "上下"), QT_TRANSLATE_NOOP("DisplayAccessible", "左右"),
                                             QT_TRANSLATE_NOOP("DisplayAccessible", "四角の中に四角"), QT_TRANSLATE_NOOP("DisplayAccessible", "チェック"),
                                             QT_TRANSLATE_NOOP("DisplayAccessible", "格子")};

QString hexCode(std::int32_t color)
{
    return QStringLiteral("#%1%2%3")
        .arg(color & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((color >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((color >> 16) & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

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
        const SchemeState s = Scheme::instance().state();
        const QString code = hexCode(s.colors[std::size_t(m_object)]);
        switch (t) {
        case QAccessible::Name:
            return kObjectCaptions[std::size_t(m_object)] + QStringLiteral(" ") + code;
        case QAccessible::Value:
            return code;
        case QAccessible::Description:
            if (m_object < SchemeState::LabelCount)
                return QCoreApplication::translate("DisplayAccessible", "文字の色。見本の文: ") + s.labels[std::size_t(m_object)].text;
            return m_object == 3 ? QCoreApplication::translate("DisplayAccessible", "背景の色 1") : QCoreApplication::translate("DisplayAccessible", "背景の色 2");
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
        st.selected = Scheme::instance().state().selectedObject == m_object;
        return st;
    }
    QRect rect() const override
    {
        if (!m_owner)
            return {};
        const auto* display = describe<SchemeObjectsPart>(m_owner.data());
        const QRect box = display && m_object < SchemeState::LabelCount ? display->labelBox(m_object) : QRect();
        if (!box.isEmpty())
            return globalRect(box);
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
        Scheme& n = Scheme::instance();
        QObject::connect(&n, &Scheme::colorChanged, w, [w](int object) {
            if (auto* self = of(w)) {
                QAccessibleInterface* c = self->objectChild(object);
                send(c, QAccessible::NameChanged);
                sendValue(c, c ? c->text(QAccessible::Value) : QString());
            }
        });
        QObject::connect(&n, &Scheme::sampleTextChanged, w, [w](int label) {
            if (auto* self = of(w))
                send(self->objectChild(label), QAccessible::DescriptionChanged);
        });
        QObject::connect(&n, &Scheme::selectedObjectChanged, w, [w](int object) {
            if (auto* self = of(w))
                send(self->objectChild(object), QAccessible::Selection);
        });
        const auto styleOrPicture = [w] {
            if (auto* self = of(w))
                send(self, QAccessible::DescriptionChanged);
        };
        QObject::connect(&n, &Scheme::styleChanged, w, styleOrPicture);
        QObject::connect(&n, &Scheme::pictureChanged, w, styleOrPicture);
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
        const SchemeState s = Scheme::instance().state();
        if (s.pictureShown)
            return QCoreApplication::translate("DisplayAccessible", "背景に画像");
        const int style = s.style.style;
        return QCoreApplication::translate("DisplayAccessible", "スタイル: ")
            + (style >= 0 && style < int(kStyleNames.size()) ? QCoreApplication::translate("DisplayAccessible", kStyleNames[std::size_t(style)]) : QString());
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

} // namespace

QAccessibleInterface* newDisplayAccessible(QWidget* display) { return new DisplayAccessible(display); }

bool isDisplayAccessible(QAccessibleInterface* iface) { return dynamic_cast<DisplayAccessible*>(iface) != nullptr; }

} // namespace tessary::painted
