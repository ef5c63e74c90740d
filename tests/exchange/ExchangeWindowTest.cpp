// SPDX-License-Identifier: MIT
#include "display/frmTessary.h"
#include "exchange/ExchangeFileType.h"
#include "exchange/PaletteExport.h"
#include "exchange/SchemeExport.h"
#include "palette/PaletteWindowFixture.h"
#include "platform/ColorValue.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace tessary;
using namespace tessary::test;

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

class SchemeExchange : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        frmMain& main = frmMain::instance();
        frmTessary& display = frmTessary::instance();
        for (int i = 0; i < 5; ++i) {
            display.setSelectObject(static_cast<std::int16_t>(i));
            display.setColor(expected.colors[size_t(i)]);
        }
        for (int i = 0; i < 3; ++i)
            main.setSampleText(static_cast<std::int16_t>(i), expected.sampleTexts[size_t(i)]);
    }

    // Answers the next save dialog with a name in the test's folder and a file type.
    QString answerSave(const QString& name, int filterIndex)
    {
        const QString path = workDir() + u'/' + name;
        fakes.fileDialogs->answers.push_back(path);
        fakes.fileDialogs->filterAnswers.push_back(filterIndex);
        return path;
    }

    ColorScheme expected{{ColorValue::pack(0x12, 0x34, 0x56), ColorValue::pack(0xFE, 0xDC, 0xBA),
                          ColorValue::pack(0, 0, 0), ColorValue::pack(0xFF, 0, 0), ColorValue::pack(0, 0, 0xFF)},
                         {QStringLiteral("見本"), QStringLiteral("a */ b"), QString()}};
};

TEST_F(SchemeExchange, SavesInTheFormatOfTheChosenFileType)
{
    const struct {
        const char* typed;
        int filterIndex;
        const char* written;
        ExchangeFormat format;
    } cases[] = {
        {"a", 1, "a.css", ExchangeFormat::Css},
        {"b.json", 2, "b.json", ExchangeFormat::Json},
        {"c", 3, "c.tokens.json", ExchangeFormat::DesignTokens},
        {"d.GPL", 4, "d.GPL", ExchangeFormat::Gpl},
        {"e.css", 5, "e.css", ExchangeFormat::Css},     // a typed suffix wins over the chosen type
        {"out.gpl", 1, "out.gpl", ExchangeFormat::Gpl},
        {"x.tokens.json", 2, "x.tokens.json", ExchangeFormat::DesignTokens},
        {"f.gpl", 0, "f.gpl", ExchangeFormat::Gpl},     // a dialog that cannot tell: the suffix decides
    };
    for (const auto& c : cases) {
        answerSave(QString::fromUtf8(c.typed), c.filterIndex);
        test::action(frmMain::instance(), "mnuExportScheme")->trigger();
        EXPECT_EQ(contents(workDir() + u'/' + QString::fromUtf8(c.written)), SchemeExport::toBytes(expected, c.format))
            << c.written;
    }
    EXPECT_TRUE(fakes.messageBox->calls.isEmpty()) << "no question about replacing another name";
    EXPECT_EQ(fakes.fileDialogs->calls.first().initialName, "scheme.css") << "a name is proposed";
    const QByteArray css = contents(workDir() + QStringLiteral("/a.css"));
    EXPECT_TRUE(css.contains("  --tessary-text-1: #123456;")) << css.constData();
    EXPECT_TRUE(css.contains("  --tessary-background-2: #0000FF;")) << css.constData();
}

TEST_F(SchemeExchange, AFailedOrCancelledSaveChangesNothingOnDisk)
{
    const struct {
        const char* what;
        const char* typed;
        int filterIndex;
        std::deque<int> answers;   // message box answers
        const char* messageNames;  // the file the message names; empty: no message
    } cases[] = {
        {"cancelled", "", 1, {}, ""},
        {"folder missing", "missing/x.css", 1, {}, "missing/x.css"},
        {"target is a folder", "dir.css", 1, {}, "dir.css"},
        {"suffix would replace a file: No", "old", 1, {IMessageBox::No}, "old.css"},
        {"unknown type", "notes.txt", 0, {}, "notes.txt"},
    };
    QDir(workDir()).mkdir(QStringLiteral("dir.css"));
    writeFile(QStringLiteral("old.css"), "old");
    for (const auto& c : cases) {
        const QStringList before = entriesOf(workDir());
        fakes.messageBox->calls.clear();
        fakes.messageBox->answers = c.answers;
        if (*c.typed)
            answerSave(QString::fromUtf8(c.typed), c.filterIndex);
        else
            fakes.fileDialogs->answers.push_back(QString());
        test::action(frmMain::instance(), "mnuExportScheme")->trigger();

        EXPECT_EQ(entriesOf(workDir()), before) << c.what;
        EXPECT_EQ(contents(workDir() + QStringLiteral("/old.css")), "old") << c.what;
        if (!*c.messageNames) {
            EXPECT_TRUE(fakes.messageBox->calls.isEmpty()) << c.what;
            continue;
        }
        ASSERT_EQ(fakes.messageBox->calls.size(), 1) << c.what;
        EXPECT_TRUE(fakes.messageBox->calls[0].text.contains(
            QDir::toNativeSeparators(workDir() + u'/' + QString::fromUtf8(c.messageNames))))
            << c.what << ": " << fakes.messageBox->calls[0].text.toStdString();
    }
    // Yes replaces the file the suffix points at.
    fakes.messageBox->answers = {IMessageBox::Yes};
    answerSave(QStringLiteral("old"), 1);
    test::action(frmMain::instance(), "mnuExportScheme")->trigger();
    EXPECT_EQ(contents(workDir() + QStringLiteral("/old.css")), SchemeExport::toBytes(expected, ExchangeFormat::Css));
}

TEST_F(SchemeExchange, CopyPutsTheCssFormOnTheClipboard)
{
    QGuiApplication::clipboard()->clear();
    test::action(frmMain::instance(), "mnuCopyScheme")->trigger();
    const QString text = QGuiApplication::clipboard()->text();
    EXPECT_EQ(text, SchemeExport::clipboardText(expected));
    EXPECT_TRUE(text.contains(QStringLiteral("--tessary-text-2: #FEDCBA;"))) << text.toStdString();
}

// ---- Palette window ----------------------------------------------------------------------

using PaletteExchange = PaletteWindowTest;

TEST_F(PaletteExchange, ExportsTheOpenPaletteInEachFormat)
{
    frmPalette& w = openWith(numbered(3, QStringLiteral("三色")));
    int filterIndex = 0;
    for (ExchangeFormat format : ExchangeFileType::kFormats) {
        ++filterIndex;
        const QString path = workDir() + QStringLiteral("/out%1").arg(filterIndex);
        fakes.fileDialogs->answers.push_back(path);
        fakes.fileDialogs->filterAnswers.push_back(filterIndex);
        test::action(w, "mnuExport")->trigger();
        const QString written = path + u'.' + ExchangeFileType::suffix(format);
        EXPECT_EQ(contents(written),
                  PaletteExport::toBytes(*w.shownPalette(), format, [&w](int p) { return w.colorValueAt(p); }))
            << written.toStdString();
    }
    EXPECT_TRUE(contents(workDir() + QStringLiteral("/out4.gpl")).contains("  0   0   2\tC2\n"));
    EXPECT_TRUE(fakes.messageBox->calls.isEmpty());
    EXPECT_EQ(fakes.fileDialogs->calls.first().initialName, "Numbers.gpl") << "named after the palette";
    EXPECT_FALSE(test::action(w, "mnuEasySave")->isEnabled());   // exporting saves nothing of the palette
}

TEST_F(PaletteExchange, AGplBecomesTheOpenUnsavedPalette)
{
    frmPalette& w = openWith(numbered(3));
    QByteArray gpl = "GIMP Palette\nName: Imported\n# a comment\n255 0 0\tRed\n0 0 255 Blue\n";
    for (int i = 0; i < 12; ++i)
        gpl += "1 2 3\tred\n";   // the same name in another letter case: refused
    const QString path = writeFile(QStringLiteral("in.gpl"), gpl);
    fakes.fileDialogs->answers.push_back(path);
    test::action(w, "mnuImportGpl")->trigger();

    EXPECT_EQ(w.shownPalette()->paletteName(), "Imported");
    ASSERT_EQ(w.shownPalette()->count(), 2);
    EXPECT_EQ(test::control<QComboBox>(w, "cmbColorSelect")->count(), 2);
    EXPECT_EQ(test::control<QComboBox>(w, "cmbColorSelect")->itemText(1), "Blue");
    EXPECT_EQ(w.colorValueAt(2), ColorValue::pack(0, 0, 255));
    EXPECT_EQ(w.selectedPosition(), 1);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Palette : a comment"));
    EXPECT_TRUE(w.fileName().isEmpty());
    EXPECT_TRUE(test::action(w, "mnuSave")->isEnabled());
    EXPECT_TRUE(test::action(w, "mnuEasySave")->isEnabled());
    // However many duplicates, one message counts them and names the first.
    EXPECT_EQ(messages(), QStringList{"名前が重複している 12 色は読み込みませんでした:\r\nred"});
    // The settings keep naming the palette file opened last.
    EXPECT_EQ(frmMain::instance().configManager().paletteFileName(), workDir() + "/p.tcf");

    // Saving asks for a palette file.
    const QString saved = workDir() + QStringLiteral("/imported.tcf");
    fakes.fileDialogs->answers.push_back(saved);
    test::action(w, "mnuEasySave")->trigger();
    EXPECT_TRUE(fakes.fileDialogs->calls.last().save);
    EXPECT_EQ(contents(saved), w.shownPalette()->toBytes());
    EXPECT_FALSE(test::action(w, "mnuEasySave")->isEnabled());
}

TEST_F(PaletteExchange, NamesThePaletteFileCannotKeepAreToldOnImport)
{
    frmPalette& w = openWith(numbered(3));
    fakes.messageBox->calls.clear();
    fakes.fileDialogs->answers.push_back(writeFile(QStringLiteral("in.gpl"), "GIMP Palette\n1 2 3\tcafé\n"));
    test::action(w, "mnuImportGpl")->trigger();
    ASSERT_EQ(fakes.messageBox->calls.size(), 1);
    const QString& told = fakes.messageBox->calls[0].text;
    EXPECT_TRUE(told.startsWith(QStringLiteral("1 個の名前"))) << told.toStdString();
}

TEST_F(PaletteExchange, BadGplInputLeavesTheOpenPaletteAsItWas)
{
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"no header", "Name: x\n1 2 3\n"},
        {"value out of range", "GIMP Palette\n1 2 256\tx\n"},
        {"missing value", "GIMP Palette\n1 2\n"},
        {"binary", QByteArray("GIMP Palette\n\0\1\2", 16)},
    };
    frmPalette& w = openWith(numbered(3, QStringLiteral("三色")));
    const auto before = w.shownPalette();
    for (const auto& c : cases) {
        fakes.messageBox->calls.clear();
        const QString path = writeFile(QStringLiteral("bad.gpl"), c.bytes);
        fakes.fileDialogs->answers.push_back(path);
        test::action(w, "mnuImportGpl")->trigger();
        ASSERT_EQ(fakes.messageBox->calls.size(), 1) << c.what;
        EXPECT_TRUE(fakes.messageBox->calls[0].text.contains(QDir::toNativeSeparators(path))) << c.what;
        EXPECT_EQ(w.shownPalette(), before) << c.what;
        EXPECT_EQ(w.shownPalette()->count(), 3) << c.what;
        EXPECT_EQ(test::control<QComboBox>(w, "cmbColorSelect")->count(), 3) << c.what;
        EXPECT_EQ(w.fileName(), workDir() + "/p.tcf") << c.what;
        EXPECT_FALSE(test::action(w, "mnuEasySave")->isEnabled()) << c.what;
        EXPECT_EQ(w.windowTitle(), "Palette : 三色") << c.what;
    }
}

// A pipe or a device chosen as a palette, a GIMP palette or a picture is refused at once.
TEST_F(PaletteExchange, FilesThatAreNoRegularFilesAreRefusedAtOnce)
{
#ifndef Q_OS_UNIX
    GTEST_SKIP() << "pipes and devices with file names are POSIX";
#else
    const QString fifo = workDir() + QStringLiteral("/x.gpl");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Should a reader wait on the pipe after all, a writer lets it go after a while: the test
    // then fails instead of hanging.
    std::atomic<bool> stop{false};
    std::atomic<bool> released{false};
    std::thread unblock([&] {
        const auto start = std::chrono::steady_clock::now();
        while (!stop) {
            if (std::chrono::steady_clock::now() - start > std::chrono::seconds(3)) {
                const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    released = true;
                    ::close(fd);
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    frmPalette& w = openWith(numbered(3, QStringLiteral("三色")));
    const struct {
        const char* what;
        QAction* command;
    } openers[] = {{"palette", test::action(w, "mnuLoadPalette")},
                   {"GIMP palette", test::action(w, "mnuImportGpl")},
                   {"picture", test::action(frmMain::instance(), "mnuBGLoad")}};
    for (const QString& path : {fifo, QStringLiteral("/dev/null")}) {
        for (const auto& o : openers) {
            SCOPED_TRACE(::testing::Message() << o.what << " " << path.toStdString());
            fakes.messageBox->calls.clear();
            fakes.fileDialogs->answers.push_back(path);
            QElapsedTimer t;
            t.start();
            o.command->trigger();
            EXPECT_LT(t.elapsed(), 2000);
            ASSERT_EQ(fakes.messageBox->calls.size(), 1);
            EXPECT_TRUE(fakes.messageBox->calls[0].text.contains(path));
            EXPECT_EQ(w.shownPalette()->count(), 3);
            EXPECT_EQ(w.fileName(), workDir() + "/p.tcf");
        }
    }
    stop = true;
    unblock.join();
    EXPECT_FALSE(released) << "a reader waited on the pipe";
#endif
}

// A GIMP palette names itself and seldom has a comment: the title shows the name then.
TEST_F(PaletteExchange, AnImportedPaletteWithoutACommentIsTitledByItsName)
{
    frmPalette& w = openWith(numbered(3));
    fakes.fileDialogs->answers.push_back(writeFile(QStringLiteral("n.gpl"), "GIMP Palette\nName: 名前だけ\n1 2 3 a\n"));
    test::action(w, "mnuImportGpl")->trigger();
    EXPECT_EQ(w.windowTitle(), "Palette : 名前だけ");
}

} // namespace
