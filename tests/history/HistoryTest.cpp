// SPDX-License-Identifier: MIT
#include "history/History.h"
#include "scheme/Scheme.h"

#include <gtest/gtest.h>

#include <random>

using namespace tessary;

namespace {

SchemeState values(SchemeState s)
{
    s.selectedObject = 0;
    return s;
}

struct Fixture {
    Scheme scheme;
    History history{scheme};
    History::Context context;

    Fixture()
    {
        history.setContextProvider([this] { return context; });
        history.start();
    }
};

StdFont font(double size)
{
    StdFont f;
    f.size = size;
    return f;
}

} // namespace

// Each row is a user's sequence of changes; the history must hold the named steps.
TEST(History, StepsFollowActionsAndRuns)
{
    using Do = std::function<void(Fixture&)>;
    auto run = [](const char* run, const char* label) {
        return [=](Fixture& f) { f.context = {QString::fromUtf8(label), QString::fromUtf8(run)}; };
    };
    auto color = [](int object, int c) { return [=](Fixture& f) { f.scheme.setColor(object, c); }; };
    auto select = [](int object) { return [=](Fixture& f) { f.scheme.select(object); }; };
    auto endRun = [](Fixture& f) { f.history.endRun(); };
    auto action = [](const char* label, Do inner) {
        return [=](Fixture& f) {
            History::Action a(QString::fromUtf8(label), f.history);
            inner(f);
        };
    };
    auto text = [](int label, const char* t) { return [=](Fixture& f) { f.scheme.setText(label, QString::fromUtf8(t)); }; };
    struct Row {
        const char* name;
        std::vector<Do> steps;
        QStringList labels;
    };
    const std::vector<Row> rows = {
        {"unnamed change is named after what changed", {color(0, 1)}, {QStringLiteral("色の変更")}},
        {"drag of one slider is one step",
         {run("drag:R", "赤の変更"), color(0, 1), color(0, 2), color(0, 3), endRun, color(0, 4)},
         {QStringLiteral("赤の変更"), QStringLiteral("赤の変更")}},
        {"another slider starts a step", {run("keys:R", "R"), color(0, 1), run("keys:G", "G"), color(0, 2)},
         {QStringLiteral("R"), QStringLiteral("G")}},
        {"selecting another object ends a run",
         {run("keys:R", "R"), color(0, 1), select(1), color(1, 1)}, {QStringLiteral("R"), QStringLiteral("R")}},
        {"selection alone is no step", {select(2), select(3)}, {}},
        {"a command is one step however many announcements",
         {action("ランダム(ALL)", [](Fixture& f) { for (int i = 0; i < 5; ++i) f.scheme.setColor(i, 7 + i); })},
         {QStringLiteral("ランダム(ALL)")}},
        {"nested actions take the outer name",
         {action("外", [](Fixture& f) { History::Action inner(QStringLiteral("内"), f.history); f.scheme.setColor(1, 9); })},
         {QStringLiteral("外")}},
        {"a command after typing is its own step",
         {run("text:0", "入力"), text(0, "a"), action("補色(ALL)", [](Fixture& f) { f.scheme.setColor(0, 5); }),
          text(0, "ab")},
         {QStringLiteral("入力"), QStringLiteral("補色(ALL)"), QStringLiteral("入力")}},
        {"typing undone in its field leaves no step", {run("text:1", "入力"), text(1, "x"), text(1, "")}, {}},
        {"a command that changes nothing is no step", {action("統一(色相)", [](Fixture&) {})}, {}},
        {"a new scheme as a whole is no step", {[](Fixture& f) { SchemeState s; s.colors[0] = 5; f.scheme.replace(s); }},
         {}},
    };
    for (const Row& row : rows) {
        Fixture f;
        for (const Do& d : row.steps)
            d(f);
        QStringList labels;
        for (int i = 0; i < f.history.size(); ++i)
            labels << f.history.step(i).label;
        EXPECT_EQ(labels, row.labels) << row.name;
    }
}

// Random sessions of edits, runs, undos and redos: undoing everything gives back the first
// scheme, redoing everything the last, and each undo lands on the step's before-state.
TEST(History, UndoAndRedoWalkBackAndForthExactly)
{
    std::mt19937 rng(23);
    for (int session = 0; session < 200; ++session) {
        Fixture f;
        const SchemeState first = f.scheme.state();
        for (int n = 0; n < 40; ++n) {
            switch (rng() % 8) {
            case 0: f.scheme.setColor(int(rng() % 5), int(rng() % 4)); break;
            case 1: f.scheme.select(int(rng() % 5)); break;
            case 2: f.scheme.setText(int(rng() % 3), QString::number(rng() % 3)); break;
            case 3: f.scheme.setFont(int(rng() % 3), font(8 + rng() % 3)); break;
            case 4: { StyleParams p; p.style = int(rng() % 5); f.scheme.setStyle(p); break; }
            case 5: f.context = {QStringLiteral("x"), QString::number(rng() % 3)}; break;
            case 6: f.history.undo(); break;
            default: f.history.redo(); break;
            }
        }
        while (f.history.canRedo())
            f.history.redo();
        const SchemeState last = f.scheme.state();
        for (int i = f.history.position(); i > 0; --i) {
            const HistoryStep s = f.history.step(i - 1);
            f.history.undo();
            ASSERT_EQ(values(f.scheme.state()), values(s.before)) << session;
            ASSERT_EQ(f.scheme.selectedObject(), History::changedObject(s.before, s.after, f.scheme.selectedObject()));
        }
        ASSERT_EQ(values(f.scheme.state()), values(first)) << session;
        while (f.history.canRedo())
            f.history.redo();
        ASSERT_EQ(values(f.scheme.state()), values(last)) << session;
    }
}

TEST(History, KeepsTheNewestStepsUpToItsCapacity)
{
    Scheme scheme;
    History history(scheme, 10);
    history.start();
    for (int i = 1; i <= 25; ++i)
        scheme.setColor(0, i);
    EXPECT_EQ(history.size(), 10);
    EXPECT_EQ(history.step(0).before.colors[0], 15);
    const HistoryData data = history.data(4);
    ASSERT_EQ(data.steps.size(), 4u);
    EXPECT_EQ(data.position, 4);
    EXPECT_EQ(data.steps.back().after.colors[0], 25);
}
