// SPDX-License-Identifier: MIT
#include "history/History.h"

#include "scheme/Scheme.h"

#include <algorithm>

namespace tessary {

History::History(Scheme& scheme, int capacity)
    : m_scheme(scheme)
    , m_capacity(std::max(1, capacity))
{
    auto value = [this] { m_valueAnnounced = true; };
    connect(&scheme, &Scheme::colorChanged, this, value);
    connect(&scheme, &Scheme::selectedObjectChanged, this, value);
    connect(&scheme, &Scheme::sampleTextChanged, this, value);
    connect(&scheme, &Scheme::labelFontChanged, this, value);
    connect(&scheme, &Scheme::styleChanged, this, value);
    connect(&scheme, &Scheme::pictureChanged, this, value);
    connect(&scheme, &Scheme::schemeChanged, this, &History::follow);
}

History& History::instance()
{
    static History history(Scheme::instance());
    return history;
}

History::Action::Action(const QString& label, History& history)
    : m_history(history)
    , m_outermost(history.m_actionDepth++ == 0)
{
    if (!m_outermost)
        return;
    m_history.m_actionLabel = label;
    // Each command is a run of its own: what it changes is one step, apart from any run
    // before it.
    m_history.m_run.clear();
    ++m_history.m_actionSerial;
}

History::Action::~Action()
{
    if (--m_history.m_actionDepth == 0) {
        m_history.m_actionLabel.clear();
        m_history.m_run.clear();
    }
}

void History::start()
{
    m_last = m_scheme.state();
    m_run.clear();
    m_recording = true;
}

QString History::undoLabel() const { return canUndo() ? m_steps.label(m_position - 1) : QString(); }
QString History::redoLabel() const { return canRedo() ? m_steps.label(m_position) : QString(); }

bool History::sameValues(const SchemeState& a, const SchemeState& b)
{
    return a.colors == b.colors && a.labels == b.labels && a.style == b.style && a.pictureShown == b.pictureShown
        && a.pictureFile == b.pictureFile;
}

int History::changedObject(const SchemeState& a, const SchemeState& b, int selected)
{
    auto changes = [&](int object) {
        const auto k = static_cast<std::size_t>(object);
        if (a.colors[k] != b.colors[k])
            return true;
        return object < SchemeState::LabelCount && !(a.labels[k] == b.labels[k]);
    };
    if (selected >= 0 && selected < SchemeState::ObjectCount && changes(selected))
        return selected;
    for (int i = 0; i < SchemeState::ObjectCount; ++i) {
        if (changes(i))
            return i;
    }
    return selected;
}

QString History::describe(const SchemeState& before, const SchemeState& after)
{
    int kinds = 0;
    QString label;
    auto note = [&](bool changed, const char* text) {
        if (changed) {
            ++kinds;
            label = tr(text);
        }
    };
    note(before.colors != after.colors, QT_TR_NOOP("色の変更"));
    bool texts = false;
    bool fonts = false;
    for (std::size_t i = 0; i < before.labels.size(); ++i) {
        texts = texts || before.labels[i].text != after.labels[i].text;
        fonts = fonts || !(before.labels[i].font == after.labels[i].font);
    }
    note(texts, QT_TR_NOOP("標本文字列の変更"));
    note(fonts, QT_TR_NOOP("フォントの変更"));
    note(!(before.style == after.style), QT_TR_NOOP("スタイルの変更"));
    note(before.pictureShown != after.pictureShown || before.pictureFile != after.pictureFile, QT_TR_NOOP("背景画像"));
    return kinds > 1 ? tr("配色の変更") : label;
}

void History::follow()
{
    const bool wholeScheme = !m_valueAnnounced;
    m_valueAnnounced = false;
    if (!m_recording || m_restoring)
        return;
    const SchemeState now = m_scheme.state();
    // A new scheme as a whole (the display window loaded or unloaded) is no user action.
    if (wholeScheme) {
        m_last = now;
        return;
    }
    if (sameValues(now, m_last)) {
        // Choosing another object ends a run of keys: the same keys now change another colour.
        if (now.selectedObject != m_last.selectedObject)
            m_run.clear();
        m_last = now;
        return;
    }
    record(now);
}

void History::record(const SchemeState& now)
{
    Context context;
    if (m_actionDepth > 0) {
        context.label = m_actionLabel;
        context.run = QStringLiteral("\x01action:%1").arg(m_actionSerial);
    } else if (m_provider) {
        context = m_provider();
    }
    if (context.label.isEmpty())
        context.label = describe(m_last, now);

    const bool continues = !context.run.isEmpty() && context.run == m_run && m_position == m_steps.size()
        && m_position > 0;
    if (continues) {
        const HistoryStep top = m_steps.at(m_position - 1);
        if (sameValues(top.before, now)) {
            // The run came back to where it started (typing undone in its field): no step.
            m_steps.popTop();
            --m_position;
            m_run.clear();
        } else {
            m_steps.amendTop(now);
        }
    } else {
        m_steps.truncate(m_position);
        m_steps.push({context.label, m_last, now});
        if (m_steps.size() > m_capacity)
            m_steps.dropOldest();
        m_position = m_steps.size();
        m_run = context.run;
    }
    m_last = now;
    emit changed();
}

void History::moveTo(const SchemeState& target, int object)
{
    m_run.clear();
    SchemeState wanted = target;
    wanted.selectedObject = object;
    m_restoring = true;
    m_scheme.restore(wanted);
    m_restoring = false;
    m_valueAnnounced = false;
    m_last = m_scheme.state();
    emit changed();
}

void History::undo()
{
    if (!canUndo())
        return;
    const HistoryStep s = m_steps.at(m_position - 1);
    --m_position;
    moveTo(s.before, changedObject(s.before, s.after, m_scheme.selectedObject()));
}

void History::redo()
{
    if (!canRedo())
        return;
    const HistoryStep s = m_steps.at(m_position);
    ++m_position;
    moveTo(s.after, changedObject(s.before, s.after, m_scheme.selectedObject()));
}

HistoryData History::data(int maxSteps) const
{
    HistoryData out;
    const int first = std::max(0, m_steps.size() - std::max(0, maxSteps));
    out.steps.reserve(static_cast<std::size_t>(m_steps.size() - first));
    for (int i = first; i < m_steps.size(); ++i)
        out.steps.push_back(m_steps.at(i));
    out.position = std::max(0, m_position - first);
    out.snapshots = m_snapshots;
    return out;
}

void History::setData(const HistoryData& data)
{
    m_steps.clear();
    const std::size_t first = data.steps.size() > std::size_t(m_capacity) ? data.steps.size() - std::size_t(m_capacity) : 0;
    for (std::size_t i = first; i < data.steps.size(); ++i)
        m_steps.push(data.steps[i]);
    m_position = std::clamp(data.position - static_cast<int>(first), 0, m_steps.size());
    m_run.clear();
    m_snapshots = data.snapshots;
    emit changed();
    emit snapshotsChanged();
}

void History::setSnapshots(std::vector<HistorySnapshot> snapshots)
{
    m_snapshots = std::move(snapshots);
    emit snapshotsChanged();
}

} // namespace tessary
