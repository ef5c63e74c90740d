// SPDX-License-Identifier: MIT
#include "display/frmTessary.h"
#include "history/History.h"
#include "historyview/frmHistory.h"
#include "main/frmMain.h"
#include "scheme/Scheme.h"
#include "settings/CiniFile.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace tessary;

namespace {

class frmHistoryTest : public test::GuiTest {
protected:
    void SetUp() override
    {
        test::GuiTest::SetUp();
        frmMain::instance().showModeless();
    }

    static QByteArray settingsFile()
    {
        QFile f(CiniFile::defaultPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static SchemeState scheme(std::int32_t first)
    {
        SchemeState s = Scheme::instance().state();
        s.colors = {first, 0x204080, 0x803020, 0xF4F1E8, 0xDDE6F0};
        return s;
    }

    static void choose(int row)
    {
        auto* list = test::control<QListWidget>(frmHistory::instance(), "lstEntries");
        list->clearSelection();
        list->item(row)->setSelected(true);
    }
};

// Never opened, the window leaves the settings without its section; opened, it is back
// where it was at the next start, and it never covers the display window.
TEST_F(frmHistoryTest, PlaceIsKeptInItsOwnSectionOnlyOnceOpened)
{
    frmMain::unloadInstance();
    EXPECT_FALSE(settingsFile().contains("[HistoryWindow]"));
    frmMain::instance().showModeless();
    test::control<QAction>(frmMain::instance(), "mnuHistory")->trigger();
    ASSERT_TRUE(frmHistory::isInstanceLoaded());
    const frmTessary* display = frmTessary::loadedInstance();
    ASSERT_NE(display, nullptr);
    EXPECT_FALSE(frmHistory::instance().frameGeometry().intersects(display->frameGeometry()));
    const QPoint at = frmHistory::instance().pos();
    frmMain::unloadInstance();
    EXPECT_TRUE(settingsFile().contains("[HistoryWindow]\r\nVisible=1\r\n"));
    frmMain::instance().showModeless();
    ASSERT_TRUE(frmHistory::isInstanceLoaded());
    EXPECT_TRUE(test::control<QAction>(frmMain::instance(), "mnuHistory")->isChecked());
    EXPECT_EQ(frmHistory::instance().pos(), at);
    test::control<QAction>(frmMain::instance(), "mnuHistory")->trigger();
    EXPECT_FALSE(frmHistory::isInstanceLoaded());
}

// Restore is one step the program's Ctrl+Z undoes from the window itself; rename and delete
// change the snapshot asked about and nothing when the question is declined.
TEST_F(frmHistoryTest, RestoreRenameAndDeleteActOnTheChosenSnapshot)
{
    History& history = History::instance();
    history.setSnapshots({{QStringLiteral("一"), {}, scheme(0x111111)}, {QStringLiteral("二"), {}, scheme(0x222222)}});
    test::control<QAction>(frmMain::instance(), "mnuHistory")->trigger();
    frmHistory& window = frmHistory::instance();
    QCoreApplication::processEvents();

    // Row 0 is the newest snapshot, "二".
    const SchemeState before = Scheme::instance().state();
    const int steps = history.size();
    choose(0);
    test::control<QPushButton>(window, "cmdRestore")->click();
    EXPECT_EQ(history.size(), steps + 1);
    EXPECT_EQ(Scheme::instance().state().colors, scheme(0x222222).colors);
    auto* list = test::control<QListWidget>(window, "lstEntries");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Scheme::instance().state().colors, before.colors);

    struct Row {
        const char* button;
        QString input;
        int answer;
        std::vector<QString> names;
    };
    const std::vector<Row> rows = {
        {"cmdRename", QStringLiteral("  朝  "), 0, {QStringLiteral("一"), QStringLiteral("朝")}},
        {"cmdRename", QStringLiteral("\x1b"), 0, {QStringLiteral("一"), QStringLiteral("朝")}},
        {"cmdRename", QStringLiteral(" "), 0, {QStringLiteral("一"), QStringLiteral("朝")}},
        {"cmdDelete", QString(), IMessageBox::No, {QStringLiteral("一"), QStringLiteral("朝")}},
        {"cmdDelete", QString(), IMessageBox::Yes, {QStringLiteral("一")}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.button) + " " + row.input.toStdString());
        QCoreApplication::processEvents();
        choose(0);
        if (!row.input.isNull())
            fakes.messageBox->inputAnswers.push_back(row.input);
        if (row.answer)
            fakes.messageBox->answers.push_back(row.answer);
        test::control<QPushButton>(window, row.button)->click();
        std::vector<QString> names;
        for (const HistorySnapshot& s : history.snapshots())
            names.push_back(s.name);
        EXPECT_EQ(names, row.names);
    }
}

} // namespace
