// SPDX-License-Identifier: MIT
#pragma once

#include "language/RecordingTranslator.h"
#include "language/UiLanguage.h"

#include <QObject>
#include <QTranslator>
#include <optional>

namespace tessary {

// The language the program speaks now. Changing it installs the catalogues, and Qt tells
// every window, which then puts its captions into the new language.
class LanguageSwitch : public QObject {
    Q_OBJECT
public:
    static LanguageSwitch& instance();

    // Before the first window: the language of the command line, else the stored one, else
    // Japanese. Qt's own texts follow with loadQtCatalogue.
    void start(std::optional<UiLanguage::Kind> commandLine, std::optional<UiLanguage::Kind> stored);
    void loadQtCatalogue();

    UiLanguage::Kind language() const { return m_language; }
    // The user's choice from the menu: takes effect at once and is stored with the settings.
    void choose(UiLanguage::Kind kind);
    std::optional<UiLanguage::Kind> chosen() const { return m_chosen; }

    // Another translator for the program's texts, a test's made-up language; none gives the
    // sources. Windows follow at once, as for a language chosen.
    void useCatalogue(std::unique_ptr<QTranslator> catalogue);

    RecordingTranslator& translator() { return m_translator; }
    // A text kept from earlier (a step's name), in the language now spoken when it was one
    // fixed caption; as it is otherwise.
    QString retranslated(const QString& shown) const;
    // <program folder>/translations
    static QString catalogueFolder();
    // The help page in the language now spoken.
    QString helpPath() const;

signals:
    void languageChanged();

private:
    void apply(UiLanguage::Kind kind);

    RecordingTranslator m_translator;
    QTranslator m_qtTranslator;
    bool m_installed = false;
    bool m_qtLoaded = false;
    UiLanguage::Kind m_language = UiLanguage::Japanese;
    std::optional<UiLanguage::Kind> m_chosen;
};

} // namespace tessary
