// SPDX-License-Identifier: MIT
#include "display/SchemeNotifier.h"

#include "display/frmTessary.h"

namespace tessary {

SchemeNotifier::SchemeNotifier() = default;

SchemeNotifier& SchemeNotifier::instance()
{
    static SchemeNotifier notifier;
    return notifier;
}

SchemeState SchemeNotifier::state() const
{
    if (const frmTessary* display = frmTessary::loadedInstance())
        return display->schemeState();
    return {};
}

SchemeNotifier::Batch::Batch() { instance().beginBatch(); }
SchemeNotifier::Batch::~Batch() { instance().endBatch(); }

void SchemeNotifier::endBatch()
{
    if (--m_depth == 0)
        announce();
}

void SchemeNotifier::noteColor(int object, std::int32_t color)
{
    if (object < 0 || object >= SchemeState::ObjectCount)
        return;
    m_current.colors[static_cast<std::size_t>(object)] = color;
    m_dirty.colors |= 1u << object;
    announce();
}

void SchemeNotifier::noteSelectedObject(int object)
{
    m_current.selectedObject = object;
    m_dirty.selectedObject = true;
    announce();
}

void SchemeNotifier::noteSampleText(int label, const QString& text)
{
    if (label < 0 || label >= SchemeState::LabelCount)
        return;
    m_current.texts[static_cast<std::size_t>(label)] = text;
    m_dirty.texts |= 1u << label;
    announce();
}

void SchemeNotifier::noteLabelFont(int label, const StdFont& font)
{
    if (label < 0 || label >= SchemeState::LabelCount)
        return;
    m_current.fonts[static_cast<std::size_t>(label)] = font;
    m_dirty.fonts |= 1u << label;
    announce();
}

void SchemeNotifier::noteStyle(const StyleParams& params)
{
    m_current.style = params;
    m_dirty.style = true;
    announce();
}

void SchemeNotifier::notePictureShown(bool shown)
{
    m_current.pictureShown = shown;
    m_dirty.pictureShown = true;
    announce();
}

void SchemeNotifier::notePictureLoaded()
{
    m_dirty.pictureLoaded = true;
    announce();
}

void SchemeNotifier::noteWholeScheme(const SchemeState& state)
{
    Values v;
    v.colors = state.colors;
    v.selectedObject = state.selectedObject;
    for (std::size_t i = 0; i < v.texts.size(); ++i) {
        v.texts[i] = state.labels[i].text;
        v.fonts[i] = state.labels[i].font;
    }
    v.style = state.style;
    v.pictureShown = state.pictureShown;
    m_current = v;
    m_announced = v;
    m_dirty = Dirty{};
    m_dirty.wholeScheme = true;
    announce();
}

void SchemeNotifier::announce()
{
    // A view that changes the scheme from a slot gets its change announced after the
    // current one, by the loop below, rather than in the middle of it.
    if (m_depth > 0 || m_announcing)
        return;
    m_announcing = true;
    while (m_dirty.any()) {
        const Dirty dirty = m_dirty;
        m_dirty = Dirty{};
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
            if ((dirty.texts & (1u << i)) && m_current.texts[k] != m_announced.texts[k]) {
                m_announced.texts[k] = m_current.texts[k];
                changed = true;
                emit sampleTextChanged(i);
            }
            if ((dirty.fonts & (1u << i)) && !(m_current.fonts[k] == m_announced.fonts[k])) {
                m_announced.fonts[k] = m_current.fonts[k];
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
            changed = true;
            emit pictureChanged();
        }
        if (changed)
            emit schemeChanged();
    }
    m_announcing = false;
}

} // namespace tessary
