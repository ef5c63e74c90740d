// SPDX-License-Identifier: MIT
#include "language/LanguageSwitch.h"

#include "platform/AppInfo.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tessary {

LanguageSwitch& LanguageSwitch::instance()
{
    static LanguageSwitch* s = new LanguageSwitch; // lives as long as the translators it installed
    return *s;
}

QString LanguageSwitch::catalogueFolder()
{
    return AppInfo::programFolder() + QStringLiteral("/translations");
}

QString LanguageSwitch::helpPath() const
{
    return AppInfo::programFolder() + QStringLiteral("/doc/") + UiLanguage::helpPage(m_language);
}

QString LanguageSwitch::retranslated(const QString& shown) const
{
    const auto sources = m_translator.sourcesOf(shown);
    if (sources.empty())
        return shown;
    const auto& s = sources.front();
    return QCoreApplication::translate(s.context.constData(), s.text.constData(),
                                       s.disambiguation.isEmpty() ? nullptr : s.disambiguation.constData());
}

void LanguageSwitch::start(std::optional<UiLanguage::Kind> commandLine, std::optional<UiLanguage::Kind> stored)
{
    apply(commandLine.value_or(stored.value_or(UiLanguage::Japanese)));
}

void LanguageSwitch::apply(UiLanguage::Kind kind)
{
    m_language = kind;
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
    m_translator.loadCatalogue(UiLanguage::catalogueName(kind), catalogueFolder());
    if (m_qtLoaded)
        loadQtCatalogue();
    // Installing tells every window; the windows made later read the catalogue as they are built.
    m_installed = QCoreApplication::installTranslator(&m_translator);
    emit languageChanged();
}

void LanguageSwitch::loadQtCatalogue()
{
    QCoreApplication::removeTranslator(&m_qtTranslator);
    const QString name = UiLanguage::qtCatalogueName(m_language);
    m_qtLoaded = m_qtTranslator.load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
                 m_qtTranslator.load(name, catalogueFolder());
    if (m_qtLoaded)
        QCoreApplication::installTranslator(&m_qtTranslator);
    m_qtLoaded = true; // a later switch loads the new language's at once
}

void LanguageSwitch::choose(UiLanguage::Kind kind)
{
    m_chosen = kind;
    if (kind != m_language)
        apply(kind);
}

void LanguageSwitch::useCatalogue(std::unique_ptr<QTranslator> catalogue)
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
    m_translator.useCatalogue(std::move(catalogue));
    m_installed = QCoreApplication::installTranslator(&m_translator);
    emit languageChanged();
}

} // namespace tessary
