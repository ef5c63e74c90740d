// SPDX-License-Identifier: MIT
#include "scheme/Scheme.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <functional>

using namespace tessary;

namespace {

// Every announcement of one scheme in the order it came, e.g. "color 3", "scheme".
class Recorder : public QObject {
public:
    QStringList seen;

    explicit Recorder(Scheme& s)
    {
        auto indexed = [this](const char* what) {
            return [this, what](int i) { seen << QStringLiteral("%1 %2").arg(QLatin1String(what)).arg(i); };
        };
        auto plain = [this](const char* what) { return [this, what] { seen << QLatin1String(what); }; };
        connect(&s, &Scheme::colorChanged, this, indexed("color"));
        connect(&s, &Scheme::selectedObjectChanged, this, indexed("selected"));
        connect(&s, &Scheme::sampleTextChanged, this, indexed("text"));
        connect(&s, &Scheme::labelFontChanged, this, indexed("font"));
        connect(&s, &Scheme::styleChanged, this, plain("style"));
        connect(&s, &Scheme::pictureChanged, this, plain("picture"));
        connect(&s, &Scheme::schemeChanged, this, plain("scheme"));
    }
};

StdFont fontNamed(const char* name)
{
    StdFont f;
    f.name = QString::fromUtf8(name);
    f.size = 20;
    return f;
}

// Five different colours, object 3 selected, a picture loaded and hidden.
SchemeState start()
{
    SchemeState s;
    s.colors = {0x0000FF, 0xFF0000, 0x5AC81E, 0x3264C8, 0xC80909};
    s.selectedObject = 3;
    s.pictureFile = QStringLiteral("tile.gif");
    return s;
}

// What the colour tools do to all objects: walk the selection through them and back.
void onEveryObject(Scheme& s, const std::function<std::int32_t(std::int32_t)>& tool)
{
    Scheme::Batch batch(s);
    const int selected = s.selectedObject();
    for (int i = 0; i < SchemeState::ObjectCount; ++i) {
        s.select(i);
        s.setSelectedColor(tool(s.color(i)));
    }
    s.select(selected);
}

} // namespace

// The same user actions as the windows' table, as the commands those windows give.
TEST(Scheme, EachActionIsAnnouncedOnceInOrderAndOnlyWhenSomethingChanged)
{
    using Act = std::function<void(Scheme&)>;
    const struct {
        const char* name;
        Act act;
        QStringList expected;
    } cases[] = {
        {"ChannelStep", [](Scheme& s) { s.setSelectedColor(0x326564); }, {"color 3", "scheme"}},
        {"ThreeChannelsOfATypedCode",
         [](Scheme& s) {
             Scheme::Batch b(s);
             s.setSelectedColor(0x000056);
             s.setSelectedColor(0x003456);
             s.setSelectedColor(0x123456);
         },
         {"color 3", "scheme"}},
        {"SameColourAgainIsNoChange", [](Scheme& s) { s.setColor(3, 0x3264C8); }, {}},
        {"ColourBeyond24BitsIsItsLowBytes", [](Scheme& s) { s.setColor(3, 0x7F3264C8); }, {}},
        {"SelectAnObject", [](Scheme& s) { s.select(1); }, {"selected 1", "scheme"}},
        {"IndicesOutsideChangeNothing",
         [](Scheme& s) {
             s.select(5);
             s.setColor(-1, 1);
             s.setText(3, QStringLiteral("x"));
             s.setFont(-1, fontNamed("x"));
         },
         {}},
        {"TypeASampleText", [](Scheme& s) { s.setText(2, QStringLiteral("abc")); }, {"text 2", "scheme"}},
        {"ChooseOneLabelFont", [](Scheme& s) { s.setFont(1, fontNamed("IPAGothic")); }, {"font 1", "scheme"}},
        {"ChooseEveryLabelFont",
         [](Scheme& s) {
             Scheme::Batch b(s);
             for (int i = 2; i >= 0; --i)
                 s.setFont(i, fontNamed("IPAGothic"));
         },
         {"font 0", "font 1", "font 2", "scheme"}},
        {"ChooseAStyle", [](Scheme& s) { s.setStyle({4, 0, 0, 1, 3}); }, {"style", "scheme"}},
        {"LoadAPictureSelectsObject0",
         [](Scheme& s) {
             Scheme::Batch b(s);
             s.select(0);
             s.loadPicture(QStringLiteral("tile.gif"));
         },
         {"selected 0", "picture", "scheme"}},
        {"HiddenPictureStaysHidden", [](Scheme& s) { s.setPictureShown(false); }, {}},
        {"ToolOnAllObjectsKeepsTheSelection",
         [](Scheme& s) { onEveryObject(s, [](std::int32_t c) { return 0xFFFFFF - c; }); },
         {"color 0", "color 1", "color 2", "color 3", "color 4", "scheme"}},
        {"ToolThatChangesNothingIsSilent", [](Scheme& s) { onEveryObject(s, [](std::int32_t c) { return c; }); }, {}},
        {"SavingLeavesObject4Selected", [](Scheme& s) { s.selectLastObject(); }, {"selected 4", "scheme"}},
        {"RestoreTheSameIsSilent", [](Scheme& s) { s.restore(start()); }, {}},
        {"RestoreAnnouncesInOrder",
         [](Scheme& s) {
             SchemeState other = start();
             other.colors = {1, 2, 3, 4, 0x0000FF};
             other.selectedObject = 0;
             other.labels[1] = {QStringLiteral("t"), fontNamed("IPAGothic")};
             other.style.style = 2;
             other.pictureShown = true;
             s.restore(other);
         },
         {"selected 0", "color 0", "color 1", "color 2", "color 3", "color 4", "text 1", "font 1", "style",
          "picture", "scheme"}},
        {"ReplaceIsOneWholeChange", [](Scheme& s) { s.replace(SchemeState{}); }, {"scheme"}},
        {"NestedBatchesAnnounceAtTheOutermostEnd",
         [](Scheme& s) {
             Scheme::Batch outer(s);
             {
                 Scheme::Batch inner(s);
                 s.setColor(4, 0);
             }
             s.select(4);
         },
         {"selected 4", "color 4", "scheme"}},
    };
    for (const auto& c : cases) {
        Scheme s;
        s.replace(start());
        Recorder recorder(s);
        c.act(s);
        EXPECT_EQ(recorder.seen.join(QStringLiteral(", ")).toStdString(),
                  c.expected.join(QStringLiteral(", ")).toStdString())
            << c.name;
    }
}

TEST(Scheme, AChangeMadeWhileAnnouncingFollowsTheAnnouncement)
{
    Scheme s;
    Recorder recorder(s);
    QObject context;
    QObject::connect(&s, &Scheme::colorChanged, &context, [&s](int object) {
        if (object == 0)
            s.setColor(1, 0x0000FF);
    });
    s.setColor(0, 0xFF0000);
    EXPECT_EQ(recorder.seen, (QStringList{QStringLiteral("color 0"), QStringLiteral("scheme"),
                                          QStringLiteral("color 1"), QStringLiteral("scheme")}));
    EXPECT_EQ(s.state().colors[1], 0x0000FF);
}
