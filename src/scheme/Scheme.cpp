// SPDX-License-Identifier: MIT
#include "scheme/Scheme.h"

#include <utility>

namespace tessary {

namespace {

bool isObject(int object) { return object >= 0 && object < SchemeState::ObjectCount; }
bool isLabel(int label) { return label >= 0 && label < SchemeState::LabelCount; }

} // namespace

Scheme::Scheme() = default;

Scheme& Scheme::instance()
{
    static Scheme scheme;
    return scheme;
}

Scheme::Batch::Batch(Scheme& scheme)
    : m_scheme(scheme)
{
    ++m_scheme.m_depth;
}

Scheme::Batch::~Batch()
{
    if (--m_scheme.m_depth == 0)
        m_scheme.announce();
}

std::int32_t Scheme::color(int object) const
{
    return isObject(object) ? m_current.colors[static_cast<std::size_t>(object)] : 0;
}

void Scheme::setColor(int object, std::int32_t color)
{
    if (!isObject(object))
        return;
    m_current.colors[static_cast<std::size_t>(object)] = color & 0xFFFFFF;
    m_dirty.colors |= 1u << object;
    announce();
}

void Scheme::select(int object)
{
    if (!isObject(object))
        return;
    m_current.selectedObject = object;
    m_dirty.selectedObject = true;
    announce();
}

void Scheme::setText(int label, const QString& text)
{
    if (!isLabel(label))
        return;
    m_current.labels[static_cast<std::size_t>(label)].text = text;
    m_dirty.texts |= 1u << label;
    announce();
}

void Scheme::setFont(int label, const StdFont& font)
{
    if (!isLabel(label))
        return;
    m_current.labels[static_cast<std::size_t>(label)].font = font;
    m_dirty.fonts |= 1u << label;
    announce();
}

void Scheme::setStyle(const StyleParams& params)
{
    m_current.style = params;
    m_dirty.style = true;
    announce();
}

void Scheme::setPictureShown(bool shown)
{
    m_current.pictureShown = shown;
    m_dirty.pictureShown = true;
    announce();
}

void Scheme::loadPicture(const QString& file)
{
    m_current.pictureFile = file;
    m_current.pictureShown = true;
    m_dirty.pictureLoaded = true;
    m_dirty.pictureShown = true;
    announce();
}

void Scheme::restore(const SchemeState& state)
{
    Batch batch(*this);
    for (int i = 0; i < SchemeState::ObjectCount; ++i)
        setColor(i, state.colors[static_cast<std::size_t>(i)]);
    select(state.selectedObject);
    for (int i = 0; i < SchemeState::LabelCount; ++i) {
        setText(i, state.labels[static_cast<std::size_t>(i)].text);
        setFont(i, state.labels[static_cast<std::size_t>(i)].font);
    }
    setStyle(state.style);
    if (state.pictureFile != m_current.pictureFile) {
        m_current.pictureFile = state.pictureFile;
        m_dirty.pictureLoaded = true;
    }
    setPictureShown(state.pictureShown);
}

void Scheme::replace(const SchemeState& state)
{
    m_current = state;
    m_announced = state;
    m_dirty = Dirty{};
    m_dirty.wholeScheme = true;
    announce();
}

void Scheme::announce()
{
    // A view that changes the scheme from a slot gets its change announced after the
    // current one, by the loop below, rather than in the middle of it.
    if (m_depth > 0 || m_announcing)
        return;
    m_announcing = true;
    while (m_dirty.any()) {
        const Dirty dirty = std::exchange(m_dirty, Dirty{});
        bool changed = dirty.wholeScheme;
        if (dirty.selectedObject && m_current.selectedObject != m_announced.selectedObject) {
            m_announced.selectedObject = m_current.selectedObject;
            changed = true;
            emit selectedObjectChanged(m_current.selectedObject);
        }
        for (int i = 0; i < SchemeState::ObjectCount; ++i) {
            const auto k = static_cast<std::size_t>(i);
            if ((dirty.colors & (1u << i)) && m_current.colors[k] != m_announced.colors[k]) {
                m_announced.colors[k] = m_current.colors[k];
                changed = true;
                emit colorChanged(i);
            }
        }
        for (int i = 0; i < SchemeState::LabelCount; ++i) {
            const auto k = static_cast<std::size_t>(i);
            SchemeLabel& was = m_announced.labels[k];
            const SchemeLabel& now = m_current.labels[k];
            if ((dirty.texts & (1u << i)) && now.text != was.text) {
                was.text = now.text;
                changed = true;
                emit sampleTextChanged(i);
            }
            if ((dirty.fonts & (1u << i)) && !(now.font == was.font)) {
                was.font = now.font;
                changed = true;
                emit labelFontChanged(i);
            }
        }
        if (dirty.style && !(m_current.style == m_announced.style)) {
            m_announced.style = m_current.style;
            changed = true;
            emit styleChanged();
        }
        const bool shownSwitched = dirty.pictureShown && m_current.pictureShown != m_announced.pictureShown;
        if (dirty.pictureLoaded || shownSwitched) {
            m_announced.pictureShown = m_current.pictureShown;
            m_announced.pictureFile = m_current.pictureFile;
            changed = true;
            emit pictureChanged();
        }
        if (changed)
            emit schemeChanged();
    }
    m_announcing = false;
}

} // namespace tessary
