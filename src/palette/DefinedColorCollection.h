// SPDX-License-Identifier: MIT
#pragma once

#include "palette/DefinedColorModel.h"

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

namespace tessary {

// The colours of a palette in the order they were added, addressed by 1-based position
// or by key. Keys are unique without regard to letter case; a look-up by key costs the
// same for ten colours as for ten thousand. Every colour's index is its position.
class DefinedColorCollection {
public:
    using Item = std::shared_ptr<DefinedColorModel>;

    int count() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }

    // Null outside 1..count().
    Item item(int position) const;
    // Null when no colour has that key.
    Item item(const QString& key) const;

    // Appends the colour under the key and gives it its position as index; false (and
    // nothing changed) when the key is taken or empty.
    bool add(const Item& color, const QString& key);
    // Removes the colour at the position (ignored outside 1..count()); later colours move
    // one position down.
    void remove(int position);
    // Gives the colour at the position a new key; false (and nothing changed) when another
    // colour has that key or the key is empty.
    bool rekey(int position, const QString& key);
    void clear();

    std::vector<Item>::const_iterator begin() const { return m_items.begin(); }
    std::vector<Item>::const_iterator end() const { return m_items.end(); }

private:
    static QString fold(const QString& key) { return key.toCaseFolded(); }

    std::vector<Item> m_items;
    std::vector<QString> m_keys;     // as given, by position - 1
    QHash<QString, int> m_positions; // folded key -> position - 1
};

} // namespace tessary
