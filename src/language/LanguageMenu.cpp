// SPDX-License-Identifier: MIT
#include "language/LanguageMenu.h"

#include "language/LanguageSwitch.h"

#include <QActionGroup>
#include <QMenu>

namespace tessary {

LanguageMenu* LanguageMenu::addTo(QMenu* menu)
{
    menu->addSeparator()->setObjectName(QStringLiteral("mnuSeparatorLanguage"));
    QMenu* sub = menu->addMenu(tr("言語"));
    sub->setObjectName(QStringLiteral("mnuLanguage"));
    return new LanguageMenu(sub);
}

LanguageMenu::LanguageMenu(QMenu* menu) : QObject(menu), m_menu(menu)
{
    auto* group = new QActionGroup(this);
    const QString names[UiLanguage::Count] = {tr("日本語"), tr("English")};
    const char* objectNames[UiLanguage::Count] = {"mnuLanguageJa", "mnuLanguageEn"};
    for (int k = 0; k < UiLanguage::Count; ++k) {
        QAction* a = menu->addAction(names[k]);
        a->setObjectName(QLatin1String(objectNames[k]));
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this,
                [k] { LanguageSwitch::instance().choose(static_cast<UiLanguage::Kind>(k)); });
    }
    connect(&LanguageSwitch::instance(), &LanguageSwitch::languageChanged, this, &LanguageMenu::showChecks);
    showChecks();
}

QAction* LanguageMenu::item(int kind) const
{
    return m_menu->actions().value(kind);
}

void LanguageMenu::showChecks()
{
    const int current = LanguageSwitch::instance().language();
    for (int k = 0; k < UiLanguage::Count; ++k)
        item(k)->setChecked(k == current);
}

} // namespace tessary
