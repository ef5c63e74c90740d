// SPDX-License-Identifier: MIT
#include "palette/ComboColorList.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace tessary {

ComboColorList::ComboColorList(QComboBox* combo, std::function<void()> onClick)
    : m_combo(combo)
    , m_onClick(std::move(onClick))
{
}

void ComboColorList::setEntries(const QStringList& entries)
{
    // One insertion for the whole list: item by item costs seconds for large palettes.
    const QSignalBlocker block(m_combo);
    m_combo->clear();
    m_combo->addItems(entries);
    m_combo->setCurrentIndex(-1);
}

void ComboColorList::clear()
{
    const QSignalBlocker block(m_combo);
    m_combo->clear();
}

int ComboColorList::count() const { return m_combo->count(); }

void ComboColorList::setCurrentIndex(int index)
{
    if (index == m_combo->currentIndex())
        return;
    {
        const QSignalBlocker block(m_combo);
        m_combo->setCurrentIndex(index);
    }
    if (m_onClick && m_combo->currentIndex() >= 0)
        m_onClick();
}

void ComboColorList::refresh() { m_combo->update(); }

} // namespace tessary
