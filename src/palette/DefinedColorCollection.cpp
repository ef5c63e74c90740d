// SPDX-License-Identifier: MIT
#include "palette/DefinedColorCollection.h"

namespace tessary {

DefinedColorCollection::Item DefinedColorCollection::item(int position) const
{
    if (position < 1 || position > count())
        return nullptr;
    return m_items[size_t(position - 1)];
}

DefinedColorCollection::Item DefinedColorCollection::item(const QString& key) const
{
    const auto it = m_positions.constFind(fold(key));
    return it == m_positions.constEnd() ? nullptr : m_items[size_t(*it)];
}

bool DefinedColorCollection::add(const Item& color, const QString& key)
{
    if (!color || key.isEmpty())
        return false;
    const QString folded = fold(key);
    if (m_positions.contains(folded))
        return false;
    m_positions.insert(folded, count());
    m_items.push_back(color);
    m_keys.push_back(key);
    color->index = count();
    return true;
}

void DefinedColorCollection::remove(int position)
{
    if (position < 1 || position > count())
        return;
    const size_t at = size_t(position - 1);
    m_positions.remove(fold(m_keys[at]));
    m_items[at]->index = 0;
    m_items.erase(m_items.begin() + qsizetype(at));
    m_keys.erase(m_keys.begin() + qsizetype(at));
    for (size_t i = at; i < m_items.size(); ++i) {
        m_items[i]->index = int(i + 1);
        m_positions[fold(m_keys[i])] = int(i);
    }
}

bool DefinedColorCollection::rekey(int position, const QString& key)
{
    if (position < 1 || position > count() || key.isEmpty())
        return false;
    const size_t at = size_t(position - 1);
    const QString folded = fold(key);
    const auto it = m_positions.constFind(folded);
    if (it != m_positions.constEnd() && size_t(*it) != at)
        return false;
    m_positions.remove(fold(m_keys[at]));
    m_positions.insert(folded, int(at));
    m_keys[at] = key;
    return true;
}

void DefinedColorCollection::clear()
{
    for (const Item& c : m_items)
        c->index = 0;
    m_items.clear();
    m_keys.clear();
    m_positions.clear();
}

} // namespace tessary
