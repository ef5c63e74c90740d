// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QMutex>
#include <QTranslator>

#include <memory>
#include <vector>

namespace tessary {

// Every text the program asks to be translated passes here: it answers from the loaded
// catalogue (none for Japanese, the texts' own language) and remembers which source each
// answer came from, so that a window can put its captions into another language later
// without building itself again.
class RecordingTranslator : public QTranslator {
    Q_OBJECT
public:
    struct Source {
        QByteArray context;
        QByteArray text;
        QByteArray disambiguation;
        bool operator==(const Source&) const = default;
    };

    explicit RecordingTranslator(QObject* parent = nullptr);

    // Answers from this catalogue from now on; an empty name answers nothing (the sources).
    bool loadCatalogue(const QString& name, const QString& folder);
    // Answers from another translator, a test's made-up language; none answers nothing.
    void useCatalogue(std::unique_ptr<QTranslator> catalogue);
    // Every source that has been shown as this text, in the order first seen.
    std::vector<Source> sourcesOf(const QString& shown) const;
    // Whether texts are answered in another language than their own.
    bool hasCatalogue() const;

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }

private:
    std::unique_ptr<QTranslator> m_catalogue;
    mutable QMutex m_mutex;
    mutable QMultiHash<QString, Source> m_seen;
};

} // namespace tessary
