// SPDX-License-Identifier: MIT
// Every menu command and control action that changes the scheme makes exactly one step;
// undo gives back the scheme exactly as it was, redo the changed one. The table is checked
// against the menus, so a command added later cannot be left out.
#include "dialogs/frmEditSampleText.h"
#include "history/History.h"
#include "history/HistoryStore.h"
#include "history/HistoryCommands.h"
#include "main/frmMain.h"
#include "settings/CiniFile.h"
#include "scheme/Scheme.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QRadioButton>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <functional>
#include <set>

using namespace tessary;

namespace {

class HistoryTableTest : public test::GuiTest {
public:
    using test::GuiTest::fakes;
    using test::GuiTest::writeFile;

    void SetUp() override
    {
        test::GuiTest::SetUp();
        frmMain::instance().showModeless();
        ASSERT_TRUE(activate(&frmMain::instance()));
    }

    template <typename T>
    T* find(const char* name)
    {
        T* w = frmMain::instance().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // A scheme on which every tool changes something: five different, saturated colours,
    // style 1 with its parameters, texts and fonts of their own.
    static SchemeState start()
    {
        SchemeState s = Scheme::instance().state();
        s.colors = {0x2040C0, 0x10A050, 0xC02030, 0x3090F0, 0x905010};
        s.selectedObject = 3;
        s.style.style = 1;
        for (int i = 0; i < 3; ++i)
            s.labels[std::size_t(i)] = {QStringLiteral("見本%1").arg(i), StdFont{}};
        return s;
    }

    void drag(QSlider* slider)
    {
        QStyleOptionSlider opt;
        opt.initFrom(slider);
        opt.orientation = slider->orientation();
        opt.minimum = slider->minimum();
        opt.maximum = slider->maximum();
        opt.sliderPosition = slider->sliderPosition();
        opt.sliderValue = slider->value();
        const QPoint at =
            slider->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider).center();
        QTest::mousePress(slider, Qt::LeftButton, {}, at);
        // A hundred events of the drag, each moving the thumb.
        for (int i = 1; i <= 100; ++i) {
            QMouseEvent move(QEvent::MouseMove, QPointF(at.x() + i, at.y()), slider->mapToGlobal(QPointF(at.x() + i, at.y())),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(slider, &move);
        }
        QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(at.x() + 100, at.y()));
        QCoreApplication::processEvents();
    }

    void type(QLineEdit* field, const QString& text)
    {
        field->setFocus(Qt::TabFocusReason);
        for (const QChar c : text)
            QTest::keyClick(field, c.toLatin1());
    }
};

// Commands of the menus that change no colour, text, font, style or picture by themselves.
bool changesNothing(const QString& name)
{
    static const std::set<QString> names = {
        QStringLiteral("mnuSetDefaultPos"), QStringLiteral("mnuMaxWiidth"), QStringLiteral("mnuMaxHeight"),
        QStringLiteral("mnuFullScreen"), QStringLiteral("mnuManualPos"), QStringLiteral("mnuQuit"),
        QStringLiteral("mnuExportScheme"), QStringLiteral("mnuCopyScheme"), QStringLiteral("mnuPalette"),
        QStringLiteral("mnuColorCircle"), QStringLiteral("mnuOnTop"), QStringLiteral("mnuConfig"),
        QStringLiteral("mnuContrast"), QStringLiteral("mnuOklchPage"), QStringLiteral("mnuEyedropper"),
        QStringLiteral("mnuUndo"), QStringLiteral("mnuRedo"), QStringLiteral("mnuSaveSnapshot"), QStringLiteral("mnuHistory"), QStringLiteral("mnuShowHelp"), QStringLiteral("mnuAbout"),
        QStringLiteral("mnuCopyColor0"), QStringLiteral("mnuCopyColor1"), QStringLiteral("mnuCopyColor2"),
        QStringLiteral("mnuCopyColor3"), QStringLiteral("mnuCopyColor4")};
    return names.count(name) || name.startsWith(QLatin1String("mnuVision")) || name.startsWith(QLatin1String("mnuLanguage"));
}

void collect(const QMenu* menu, QStringList& out)
{
    for (QAction* a : menu->actions()) {
        if (a->menu())
            collect(a->menu(), out);
        else if (!a->isSeparator())
            out << a->objectName();
    }
}

} // namespace

TEST_F(HistoryTableTest, EveryChangeIsOneStepThatUndoesAndRedoesExactly)
{
    using Act = std::function<void(HistoryTableTest&)>;
    struct Row {
        QString name;
        Act act;
        Act prepare = {};
    };
    auto menu = [](const char* name, Act prepare = {}) {
        return Row{QString::fromLatin1(name), [name](HistoryTableTest& t) { t.find<QAction>(name)->trigger(); }, prepare};
    };
    auto style = [](int index) {
        return [index](HistoryTableTest&) {
            StyleParams p = Scheme::instance().state().style;
            p.style = index;
            Scheme::instance().setStyle(p);
        };
    };
    auto font = [](HistoryTableTest& t) {
        StdFont f;
        f.name = QStringLiteral("Noto Sans");
        f.size = 31;
        t.fakes.fileDialogs->fontAnswers.assign(3, f);
    };
    auto picture = [](HistoryTableTest& t) {
        t.fakes.fileDialogs->answers.push_back(dataPath(QStringLiteral("display/tile16x8.gif")));
    };
    auto sampleText = [](HistoryTableTest&) {
        QTimer::singleShot(0, [] {
            frmEditSampleText& editor = frmEditSampleText::instance();
            editor.findChild<QLineEdit*>(QStringLiteral("txtSampleText"))->setText(QStringLiteral("新しい文"));
            editor.findChild<QAbstractButton*>(QStringLiteral("btnOK"))->click();
        });
    };
    const std::vector<Row> rows = {
        menu("mnuBGLoad", picture),
        menu("mnuBGView",
             [picture](HistoryTableTest& t) {
                 picture(t);
                 t.find<QAction>("mnuBGLoad")->trigger();
             }),
        menu("mnuOpenScheme",
             [](HistoryTableTest& t) {
                 t.fakes.fileDialogs->answers.push_back(t.writeFile(
                     QStringLiteral("scheme.css"), ":root { --tessary-text-1: #010203; --tessary-text-2: #040506;"
                                                   " --tessary-text-3: #070809; --tessary-background-1: #0A0B0C;"
                                                   " --tessary-background-2: #0D0E0F; }"));
             }),
        menu("mnuUpDown"), menu("mnuLeftRight", style(3)), menu("mnuSIS"), menu("mnuDivide"), menu("mnuLattice"),
        menu("mnuSTTop", sampleText), menu("mnuSTMiddle", sampleText), menu("mnuSTBottom", sampleText),
        menu("mnuFontAll", font), menu("mnuFontTop", font), menu("mnuFontMiddle", font), menu("mnuFontBottom", font),
        menu("mnuCordinateHue"), menu("mnuCordinateSatuation"), menu("mnuCordinateLightness"), menu("mnuAveHue"),
        menu("mnuAveLightness"), menu("mnuAveSatuation"), menu("mnuRandomAll"),
        menu("mnuRandomSingle", [](HistoryTableTest& t) { t.fakes.random->values.assign(3, 0.9); }),
        menu("mnuComplementaryColorAll"), menu("mnuComplementaryColorSingle"), menu("mnuCopyColorALL", [](HistoryTableTest& t) { t.fakes.messageBox->answers.push_back(IMessageBox::Yes); }),
        menu("mnuPasteColor", [](HistoryTableTest& t) { t.fakes.clipboard->clipboard = QStringLiteral("#ABCDEF"); }),
        {QStringLiteral("slider dragged"), [](HistoryTableTest& t) { t.drag(t.find<QSlider>("RGBSlider1")); }, {}},
        {QStringLiteral("slider keys"),
         [](HistoryTableTest& t) {
             QSlider* s = t.find<QSlider>("RGBSlider2");
             s->setFocus(Qt::TabFocusReason);
             for (int i = 0; i < 5; ++i)
                 QTest::keyClick(s, Qt::Key_Right);
             QTest::keyClick(s, Qt::Key_PageUp);
         },
         {}},
        {QStringLiteral("colour code typed"),
         [](HistoryTableTest& t) {
             QLineEdit* code = t.find<QLineEdit>("txtColorCode");
             code->selectAll();
             t.type(code, QStringLiteral("#1234567"));
         },
         {}},
        {QStringLiteral("sample text typed"),
         [](HistoryTableTest& t) {
             QTest::mouseDClick(t.find<QRadioButton>("optSelectObject0"), Qt::LeftButton);
             t.type(t.find<QLineEdit>("txtSampleString0"), QStringLiteral("xyz"));
         },
         {}},
    };

    // The table against the menus: every command either changes the scheme and has its row,
    // or is known to change nothing by itself.
    QStringList commands;
    for (const QAction* top : find<QMenuBar>("menuBar")->actions())
        collect(top->menu(), commands);
    std::set<QString> listed;
    for (const auto& row : rows)
        listed.insert(row.name);
    for (const QString& name : commands)
        EXPECT_TRUE(listed.count(name) || changesNothing(name)) << "not in the table: " << name.toStdString();

    History& history = History::instance();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        ASSERT_TRUE(activate(&frmMain::instance()));
        Scheme::instance().restore(start());
        if (row.prepare)
            row.prepare(*this);
        history.endRun();
        const int steps = history.size();
        const SchemeState before = Scheme::instance().state();
        row.act(*this);
        const SchemeState after = Scheme::instance().state();
        ASSERT_EQ(history.size(), steps + 1);
        ASSERT_FALSE(History::sameValues(before, after));
        history.undo();
        EXPECT_TRUE(History::sameValues(Scheme::instance().state(), before));
        history.redo();
        EXPECT_TRUE(History::sameValues(Scheme::instance().state(), after));
    }
}

// Ctrl+Z in a field with typing of its own undoes the typing, and the scheme follows: the
// step goes, and the next Ctrl+Z undoes the step before it, not the typing again.
TEST_F(HistoryTableTest, UndoInAFieldUndoesItsTypingFirst)
{
    History& history = History::instance();
    Scheme::instance().restore(start());
    const int steps = history.size();
    const SchemeState typed = Scheme::instance().state();
    QTest::mouseDClick(find<QRadioButton>("optSelectObject1"), Qt::LeftButton);
    QLineEdit* field = find<QLineEdit>("txtSampleString1");
    type(field, QStringLiteral("abc"));
    ASSERT_EQ(history.size(), steps + 1);
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), typed.labels[1].text);
    EXPECT_EQ(history.size(), steps);
    EXPECT_TRUE(History::sameValues(Scheme::instance().state(), typed));
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(history.position(), steps - 1);
}

// A damaged history file found at start is kept aside and reported once; the history of
// this run is written at close, and the file kept aside stays as it was.
TEST_F(HistoryTableTest, DamagedFileIsKeptAsideAndReportedOnce)
{
    frmMain::unloadInstance();
    const QByteArray damaged("{\"format\":\"tessary-history\",\"version\":1,\"steps\":[");
    const QString path = writeFile(QStringLiteral("tessary-history.json"), damaged);
    fakes.messageBox->calls.clear();
    frmMain::instance().showModeless();
    ASSERT_EQ(fakes.messageBox->calls.size(), 1);
    EXPECT_TRUE(fakes.messageBox->calls[0].text.contains(QStringLiteral("tessary-history.json.bak")));
    Scheme::instance().setColor(0, Scheme::instance().color(0) ^ 0x0F);
    frmMain::unloadInstance();
    EXPECT_EQ(fakes.messageBox->calls.size(), 1);
    QFile kept(path + QStringLiteral(".bak"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), damaged);
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().contains("色の変更"));
}

// Ctrl+S keeps the scheme under the name given (blank: the date and time; cancelled: nothing),
// and the file holds every snapshot at once, before any close.
TEST_F(HistoryTableTest, SnapshotIsKeptUnderItsNameAndWrittenAtOnce)
{
    struct Row {
        QString answer;
        QString name; // "" : no snapshot; "*": the date and time
    };
    const std::vector<Row> rows = {{QStringLiteral("朝の配色"), QStringLiteral("朝の配色")},
                                   {QStringLiteral("  二つ\t目  "), QStringLiteral("二つ 目")},
                                   {QStringLiteral("   "), QStringLiteral("*")},
                                   {QStringLiteral("\x1b"), QString()},
                                   {QString(300, u'長'), QString(HistoryCommands::kMaxNameLength, u'長')}};
    History& history = History::instance();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.answer.toStdString());
        Scheme::instance().setColor(0, Scheme::instance().color(0) ^ 0x010101);
        const SchemeState now = Scheme::instance().state();
        const std::size_t count = history.snapshots().size();
        const int steps = history.size();
        fakes.messageBox->inputAnswers.push_back(row.answer);
        QTest::keyClick(&frmMain::instance(), Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(history.size(), steps);
        if (row.name.isEmpty()) {
            EXPECT_EQ(history.snapshots().size(), count);
            continue;
        }
        ASSERT_EQ(history.snapshots().size(), count + 1);
        const HistorySnapshot& kept = history.snapshots().back();
        if (row.name == QLatin1String("*"))
            EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d$")).match(kept.name).hasMatch())
                << kept.name.toStdString();
        else
            EXPECT_EQ(kept.name, row.name);
        EXPECT_EQ(kept.state, now);
        const HistoryStore::Loaded loaded = HistoryStore(HistoryStore::pathBeside(CiniFile::defaultPath())).load();
        EXPECT_TRUE(loaded.problem.isEmpty());
        EXPECT_EQ(loaded.data.snapshots, history.snapshots());
    }
}
