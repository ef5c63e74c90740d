// SPDX-License-Identifier: MIT
#include "language/RecordingTranslator.h"

#include <QMutexLocker>

#include <algorithm>

namespace tessary {

RecordingTranslator::RecordingTranslator(QObject* parent) : QTranslator(parent) {}

bool RecordingTranslator::loadCatalogue(const QString& name, const QString& folder)
{
    auto catalogue = std::make_unique<QTranslator>();
    const bool loaded = !name.isEmpty() && catalogue->load(name, folder);
    useCatalogue(loaded ? std::move(catalogue) : nullptr);
    return name.isEmpty() || loaded;
}

void RecordingTranslator::useCatalogue(std::unique_ptr<QTranslator> catalogue)
{
    QMutexLocker lock(&m_mutex);
    m_catalogue = std::move(catalogue);
}

bool RecordingTranslator::hasCatalogue() const
{
    QMutexLocker lock(&m_mutex);
    return m_catalogue != nullptr;
}

std::vector<RecordingTranslator::Source> RecordingTranslator::sourcesOf(const QString& shown) const
{
    QMutexLocker lock(&m_mutex);
    std::vector<Source> out;
    for (auto it = m_seen.constFind(shown); it != m_seen.cend() && it.key() == shown; ++it)
        out.push_back(it.value());
    // A multi-hash gives the latest first.
    std::reverse(out.begin(), out.end());
    return out;
}

QString RecordingTranslator::translate(const char* context, const char* sourceText, const char* disambiguation,
                                       int n) const
{
    if (!sourceText)
        return {};
    QMutexLocker lock(&m_mutex);
    QString answer = m_catalogue ? m_catalogue->translate(context, sourceText, disambiguation, n) : QString();
    // Texts with a count are made again by whoever counts; only fixed texts are remembered.
    if (n < 0) {
        const QString shown = answer.isEmpty() ? QString::fromUtf8(sourceText) : answer;
        Source s{QByteArray(context), QByteArray(sourceText), QByteArray(disambiguation)};
        bool known = false;
        for (auto it = m_seen.constFind(shown); it != m_seen.cend() && it.key() == shown; ++it)
            known = known || it.value() == s;
        if (!known)
            m_seen.insert(shown, s);
    }
    return answer;
}

} // namespace tessary
