// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QAction;
class QMenu;

namespace tessary {

// 言語: a submenu with one check item per language, at the end of a menu after a separator.
// Choosing an item switches the whole program at once and stores the choice.
class LanguageMenu : public QObject {
    Q_OBJECT
public:
    static LanguageMenu* addTo(QMenu* menu);

    QMenu* menu() const { return m_menu; }
    QAction* item(int kind) const;

private:
    explicit LanguageMenu(QMenu* menu);
    void showChecks();

    QMenu* m_menu;
};

} // namespace tessary
