// SPDX-License-Identifier: MIT
#include "language/LanguageMenu.h"
#include "language/LanguageSwitch.h"
#include "main/frmMain.h"
#include "platform/AppInfo.h"
#include "language/LanguageSettings.h"
#include "settings/CiniFile.h"
#include "settings/TessaryConfig.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>

using namespace tessary;

namespace {

class LanguageChoiceTest : public test::GuiTest {
protected:
    void TearDown() override
    {
        LanguageSwitch::instance().start(std::nullopt, std::nullopt);
        test::GuiTest::TearDown();
    }

    QString iniPath() const { return workDir() + u'/' + AppInfo::exeName() + QStringLiteral(".ini"); }
    QByteArray iniBytes() const
    {
        QFile f(iniPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

// Where the language comes from, what the program speaks, and what the settings file gets:
// only a choice from the menu is stored, after every other section; without one the file is
// as it always was.
TEST_F(LanguageChoiceTest, TheMenuChoiceIsStoredTheCommandLineIsNot)
{
    const QByteArray kLanguage = "[Language]\r\nUI=en\r\n";
    struct Case {
        const char* name;
        QStringList arguments;
        QByteArray fileLanguage; // the section the file holds before the start
        int choose;              // -1: nothing chosen from the menu
        UiLanguage::Kind spoken;
        bool sectionAfterSave;
    };
    const Case cases[] = {
        {"nothing anywhere", {}, {}, -1, UiLanguage::Japanese, false},
        {"command line only", {QStringLiteral("--lang"), QStringLiteral("en")}, {}, -1, UiLanguage::English, false},
        {"command line with =", {QStringLiteral("--lang=EN")}, {}, -1, UiLanguage::English, false},
        {"unknown code", {QStringLiteral("--lang"), QStringLiteral("fr")}, {}, -1, UiLanguage::Japanese, false},
        {"stored", {}, kLanguage, -1, UiLanguage::English, true},
        {"command line over stored", {QStringLiteral("--lang"), QStringLiteral("ja")}, kLanguage, -1,
         UiLanguage::Japanese, true},
        {"chosen from the menu", {}, {}, UiLanguage::English, UiLanguage::English, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray before = "[General]\r\nPrefix=#\r\n" + c.fileLanguage;
        writeFile(AppInfo::exeName() + QStringLiteral(".ini"), before);
        {
            CiniFile ini;
            LanguageSwitch::instance().start(UiLanguage::fromArguments(c.arguments), LanguageSettings::read(ini));
        }
        frmMain& main = frmMain::instance();
        main.showModeless();
        auto* menu = main.findChild<QMenu*>(QStringLiteral("mnuLanguage"));
        ASSERT_NE(menu, nullptr);
        if (c.choose >= 0)
            menu->actions().at(c.choose)->trigger();
        QApplication::processEvents();
        EXPECT_EQ(LanguageSwitch::instance().language(), c.spoken);
        // The menu shows the language spoken, one check only.
        for (int k = 0; k < UiLanguage::Count; ++k)
            EXPECT_EQ(menu->actions().at(k)->isChecked(), k == c.spoken) << k;
        // F1 opens the page of the language spoken.
        main.findChild<QAction*>(QStringLiteral("mnuShowHelp"))->trigger();
        ASSERT_FALSE(fakes.shell->opened.isEmpty());
        EXPECT_TRUE(fakes.shell->opened.back().endsWith(UiLanguage::helpPage(c.spoken)));

        main.configManager().saveConfig();
        const QByteArray after = iniBytes();
        EXPECT_EQ(after.count("[Language]"), c.sectionAfterSave ? 1 : 0);
        EXPECT_EQ(after.count(kLanguage), c.sectionAfterSave ? 1 : 0);
        // A new section goes after all the others.
        if (c.choose >= 0) {
            EXPECT_TRUE(after.endsWith(kLanguage));
        }
        main.unload();
        QApplication::processEvents();
    }
}
