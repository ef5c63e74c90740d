// SPDX-License-Identifier: MIT
#include "PaletteWindowFixture.h"
#include "app/OrderlyShutdown.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>

using namespace tessary;
using namespace tessary::test;

namespace {

const QString kQuestion = QStringLiteral("パレット「Numbers」は変更されています。\r\n変更を保存しますか?");

class UnsavedPalette : public PaletteWindowTest {
protected:
    // The settings' palette of three colours, its first colour deleted through the menu.
    frmPalette& openAndDeleteOne()
    {
        m_path = writeFile(QStringLiteral("p.tcf"), numbered(3));
        frmPalette& w = openPath(m_path);
        test::action(frmMain::instance(), "mnuPalette")->setChecked(true);
        click(w, 0, 0);
        fakes.messageBox->answers = {IMessageBox::OK};
        w.mnuDelete_Click();
        fakes.messageBox->calls.clear();
        return w;
    }

    int colorsOnDisk() const
    {
        DefinedColor onDisk;
        onDisk.loadColor(m_path);
        return onDisk.count();
    }

    int questionsAsked() const { return int(messages().count(kQuestion)); }

    QString m_path;
};

// Every path that replaces or closes the palette asks first; the answer decides.
TEST_F(UnsavedPalette, EveryPathThatWouldDropChangesAsksAndHonoursTheAnswer)
{
    struct Path {
        const char* name;
        std::function<void(frmPalette&)> act;
        std::function<bool()> done;
    };
    const QByteArray gpl = "GIMP Palette\nName: g\n#\n1 2 3 one\n4 5 6 two\n7 8 9 three\n10 11 12 four\n";
    const QList<Path> paths = {
        {"close command", [](frmPalette& w) { test::action(w, "mnuQuit")->trigger(); },
         [] { return !frmPalette::isInstanceLoaded(); }},
        {"close box", [](frmPalette& w) { w.close(); }, [] { return !frmPalette::isInstanceLoaded(); }},
        {"main window's palette item", [](frmPalette&) { test::action(frmMain::instance(), "mnuPalette")->trigger(); },
         [] { return !frmPalette::isInstanceLoaded() && !test::action(frmMain::instance(), "mnuPalette")->isChecked(); }},
        {"open", [this](frmPalette& w) {
             fakes.fileDialogs->answers.push_back(writeFile(QStringLiteral("q.tcf"), numbered(5)));
             test::action(w, "mnuLoadPalette")->trigger();
         },
         [] { return frmPalette::loadedInstance() && frmPalette::loadedInstance()->shownPalette()->count() == 5; }},
        {"new", [](frmPalette& w) { test::action(w, "mnuNew")->trigger(); },
         [] { return frmPalette::loadedInstance() && frmPalette::loadedInstance()->shownPalette()->count() == 0; }},
        {"import", [this, gpl](frmPalette& w) {
             fakes.fileDialogs->answers.push_back(writeFile(QStringLiteral("g.gpl"), gpl));
             test::action(w, "mnuImportGpl")->trigger();
         },
         [] { return frmPalette::loadedInstance() && frmPalette::loadedInstance()->shownPalette()->count() == 4; }},
        {"quit", [](frmPalette&) { test::action(frmMain::instance(), "mnuQuit")->trigger(); },
         [] { return !frmMain::isInstanceLoaded() && !frmPalette::isInstanceLoaded(); }},
    };
    struct Answer {
        int answer;
        bool goesOn;
        int colorsOnDisk;
    };
    const Answer answers[] = {{IMessageBox::Yes, true, 2}, {IMessageBox::No, true, 3}, {IMessageBox::Cancel, false, 3}};
    for (const Path& path : paths) {
        for (const Answer& a : answers) {
            SCOPED_TRACE(::testing::Message() << path.name << ", answer " << a.answer);
            frmPalette& w = openAndDeleteOne();
            ASSERT_TRUE(w.hasUnsavedChanges());
            fakes.messageBox->answers = {a.answer};
            path.act(w);
            EXPECT_EQ(questionsAsked(), 1);
            EXPECT_EQ(path.done(), a.goesOn);
            EXPECT_EQ(colorsOnDisk(), a.colorsOnDisk);
            if (!a.goesOn) {
                // Cancel keeps everything: the window, its changes, the program.
                ASSERT_TRUE(frmPalette::isInstanceLoaded());
                EXPECT_EQ(w.shownPalette()->count(), 2);
                EXPECT_TRUE(w.hasUnsavedChanges());
                EXPECT_TRUE(frmMain::isInstanceLoaded());
                EXPECT_TRUE(test::action(frmMain::instance(), "mnuPalette")->isChecked());
            }
            fakes.messageBox->answers.assign(4, IMessageBox::No);
            FormRegistry::unloadAll();
            fakes.messageBox->calls.clear();
            fakes.fileDialogs->answers.clear();
        }
    }
}

TEST_F(UnsavedPalette, NothingIsAskedWithoutChangesOrAfterSaving)
{
    frmPalette& w = openWith(numbered(3));
    w.mnuNew_Click();
    EXPECT_FALSE(w.hasUnsavedChanges()) << "a new empty palette holds nothing to lose";
    w.unload();
    frmPalette& again = openAndDeleteOne();
    again.mnuEasySave_Click();
    EXPECT_EQ(colorsOnDisk(), 2);
    again.mnuQuit_Click();
    EXPECT_FALSE(frmPalette::isInstanceLoaded());
    EXPECT_EQ(questionsAsked(), 0);
}

// A program ended by a signal or a logout cannot ask: the changes go to the recovery file,
// which the next start offers.
TEST_F(UnsavedPalette, SignalAndLogoutKeepChangesForTheNextStart)
{
    for (const bool logout : {false, true}) {
        SCOPED_TRACE(logout ? "logout" : "signal");
        openAndDeleteOne();
        OrderlyShutdown shutdown([] {});
        if (logout)
            shutdown.saveNow();
        else
            shutdown.request();
        EXPECT_EQ(questionsAsked(), 0);
        EXPECT_EQ(frmPalette::isInstanceLoaded(), logout) << "a logout may still be cancelled";
        DefinedColor kept;
        ASSERT_TRUE(kept.loadColor(frmPalette::recoveryFileName()).isEmpty());
        EXPECT_EQ(kept.count(), 2);
        EXPECT_EQ(colorsOnDisk(), 3);
        if (logout)
            shutdown.request();   // the session ends after all

        // The next start: the signal's changes are taken back, the logout's declined.
        const int answer = logout ? IMessageBox::No : IMessageBox::Yes;
        fakes.messageBox->answers = {answer};
        frmPalette::offerRecovery();
        ASSERT_EQ(fakes.messageBox->calls.size(), 1);
        EXPECT_TRUE(fakes.messageBox->calls[0].text.contains(QStringLiteral("「Numbers」")));
        EXPECT_FALSE(QFileInfo::exists(frmPalette::recoveryFileName()));
        EXPECT_EQ(frmPalette::isInstanceLoaded(), answer == IMessageBox::Yes);
        if (answer == IMessageBox::Yes) {
            EXPECT_EQ(frmPalette::instance().shownPalette()->count(), 2);
            EXPECT_TRUE(frmPalette::instance().hasUnsavedChanges());
        }
        fakes.messageBox->answers.assign(4, IMessageBox::No);
        FormRegistry::unloadAll();
        fakes.messageBox->calls.clear();
    }
}

} // namespace
