// SPDX-License-Identifier: MIT
#pragma once

#include "history/HistoryStep.h"
#include "history/StepStack.h"

#include <QObject>
#include <functional>

namespace tessary {

class Scheme;

// The undo history of the scheme. It follows the scheme's announcements: every announced
// change of a value (not of the selection alone) is one step, named after the action that
// made it. Changes made in one run (a drag of one slider, keys on one slider, typing in one
// field, one menu command) are one step; a run whose end equals its start leaves no step.
// Undo and redo restore the scheme as it was and select the object they change.
class History : public QObject {
    Q_OBJECT
public:
    // How many steps are kept while the program runs, and how many go to the file.
    static constexpr int kDefaultCapacity = 100000;
    static constexpr int kPersistedSteps = 1000;

    explicit History(Scheme& scheme, int capacity = kDefaultCapacity);

    // The program's history, following the program's scheme.
    static History& instance();

    // What the window system knows of the action under way: its name and the run it belongs
    // to (empty: the action is a run of its own).
    struct Context {
        QString label;
        QString run;
    };
    using ContextProvider = std::function<Context()>;
    void setContextProvider(ContextProvider provider) { m_provider = std::move(provider); }

    // Names the changes made while it lives, and makes them one step. Actions nest: the
    // outermost one names the step.
    class Action {
    public:
        explicit Action(const QString& label, History& history = History::instance());
        ~Action();
        Action(const Action&) = delete;
        Action& operator=(const Action&) = delete;

    private:
        History& m_history;
        bool m_outermost;
    };

    // Starts following the scheme from its present state; changes before are no steps.
    void start();
    bool isRecording() const { return m_recording; }
    // The run under way ends: the next change is a step of its own.
    void endRun() { m_run.clear(); }

    bool canUndo() const { return m_position > 0; }
    bool canRedo() const { return m_position < m_steps.size(); }
    // Names of the step undo and redo would act on; empty when there is none.
    QString undoLabel() const;
    QString redoLabel() const;
    void undo();
    void redo();

    int size() const { return m_steps.size(); }
    // Steps done; those above can be redone.
    int position() const { return m_position; }
    HistoryStep step(int index) const { return m_steps.at(index); }

    // The newest steps (at most maxSteps, counted from the end) and the snapshots, as stored.
    HistoryData data(int maxSteps = kPersistedSteps) const;
    // Takes steps and snapshots as read from the file; the scheme stays as it is.
    void setData(const HistoryData& data);

    const std::vector<HistorySnapshot>& snapshots() const { return m_snapshots; }
    void setSnapshots(std::vector<HistorySnapshot> snapshots);

    // The object a step changes, for undo and redo to select: the selected one if the step
    // changes it, else the first it changes, else the selection stays.
    static int changedObject(const SchemeState& a, const SchemeState& b, int selected);
    // Equal in everything but the selection.
    static bool sameValues(const SchemeState& a, const SchemeState& b);
    // A name for a change nobody named, after what it changed.
    static QString describe(const SchemeState& before, const SchemeState& after);

signals:
    // Steps were added, undone, redone or replaced.
    void changed();
    void snapshotsChanged();

private:
    void follow();
    void record(const SchemeState& now);
    void moveTo(const SchemeState& target, int object);

    Scheme& m_scheme;
    int m_capacity;
    StepStack m_steps;
    int m_position = 0;
    std::vector<HistorySnapshot> m_snapshots;
    // The scheme as the history last saw it.
    SchemeState m_last;
    // The run the newest step belongs to; empty when it is closed.
    QString m_run;
    QString m_actionLabel;
    int m_actionDepth = 0;
    quint64 m_actionSerial = 0;
    ContextProvider m_provider;
    bool m_recording = false;
    bool m_restoring = false;
    // A value was announced since the last schemeChanged (else it was a new scheme as a whole).
    bool m_valueAnnounced = false;
};

} // namespace tessary
