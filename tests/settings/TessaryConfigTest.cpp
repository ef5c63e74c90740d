// SPDX-License-Identifier: MIT
#include "cvd/VisionModeHolder.h"
#include "display/frmTessary.h"
#include "main/frmMain.h"
#include "platform/AppInfo.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"
#include "platform/Workspace.h"
#include "settings/CiniFile.h"
#include "settings/ConfigRecord.h"
#include "settings/TessaryConfig.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <sys/stat.h>

namespace tessary {
namespace {

class TessaryConfigTest : public test::GuiTest {
protected:
    static QString iniName() { return AppInfo::exeName() + QStringLiteral(".ini"); }
    QString iniPath() const { return workDir() + u'/' + iniName(); }
    void writeIni(QByteArray bytes) const { writeFile(iniName(), bytes.replace("\n", "\r\n")); }
    QByteArray iniBytes() const
    {
        QFile f(iniPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    ConfigRecord iniRecord() const
    {
        CiniFile ini(iniPath());
        return ConfigRecord::read(ini, TessaryConfig::defaultPaletteFileName());
    }

    static frmMain& main() { return frmMain::instance(); }
    static frmTessary& display() { return frmTessary::instance(); }
    static TessaryConfig& config() { return main().configManager(); }

    // Closes the program as the user does; the main window saves on its way out.
    static void quit()
    {
        frmMain::unloadInstance();
        QCoreApplication::processEvents();
    }

    static std::array<std::int32_t, 5> colours()
    {
        std::array<std::int32_t, 5> c{};
        const std::int16_t selected = display().selectObject();
        for (int i = 0; i < 5; ++i) {
            display().setSelectObject(std::int16_t(i));
            c[size_t(i)] = display().getColor();
        }
        display().setSelectObject(selected);
        return c;
    }
    static std::array<QString, 3> sampleTexts()
    {
        return {test::control<TextBox>(main(), "txtSampleString", 0)->text(),
                test::control<TextBox>(main(), "txtSampleString", 1)->text(),
                test::control<TextBox>(main(), "txtSampleString", 2)->text()};
    }
    static StdFont labelFont(int i) { return *display().getLabelFont(std::int16_t(i)); }
    static void setColour(int object, std::int32_t c)
    {
        display().setSelectObject(std::int16_t(object));
        main().setColor(c);
    }
};

TEST_F(TessaryConfigTest, FirstStartGivesDefaults)
{
    TessaryConfig& c = config();
    EXPECT_EQ(c.prefix(), QStringLiteral("#"));
    EXPECT_EQ(Workspace::instance().codePrefix(), QStringLiteral("#"));
    EXPECT_EQ(c.restoreWindow(), 0);
    EXPECT_EQ(c.restoreColor(), 1);
    EXPECT_EQ(c.LatticeLineWidth(), 2);
    EXPECT_EQ(c.LatticeDivideNum(), 5);
    EXPECT_EQ(c.DivideDivideNum(), 6);
    EXPECT_EQ(c.SonSOutSideWidth(), 30);
    EXPECT_EQ(c.tessaryStyle(), 0);
    EXPECT_EQ(c.paletteFileName(), AppInfo::programFolder() + QStringLiteral("/palette/default.tcf"));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(labelFont(i), StdFont()) << i;
    EXPECT_EQ(sampleTexts(), (std::array<QString, 3>{"vLink", "aLink", "Link"}));
    EXPECT_EQ(colours(), (std::array<std::int32_t, 5>{}));
    EXPECT_FALSE(QFile::exists(iniPath())) << "loading writes nothing";
}

TEST_F(TessaryConfigTest, SaveAndLoadRestoreEverything)
{
    TessaryConfig& c = config();
    c.setPrefix(QString());
    c.setRestoreWindow(1);
    c.setRestoreColor(1);
    c.setLatticeLineWidth(3);
    c.setLatticeDivideNum(8);
    c.setDivideDivideNum(4);
    c.setSonSOutSideWidth(12);
    c.setTessaryStyle(3);
    StdFont bold;
    bold.name = QStringLiteral("Arial");
    bold.size = 10.5;
    bold.bold = true;
    bold.underline = true;
    StdFont italic;
    italic.name = QString::fromUtf8("ＭＳ ゴシック");
    italic.size = 20;
    italic.italic = true;
    italic.strikethrough = true;
    display().setLabelFont(0, copyFont(bold));
    display().setLabelFont(2, copyFont(italic));
    const std::array<QString, 3> texts{QString::fromUtf8("見出し"), QStringLiteral("  spaced  "), QStringLiteral("\"q\"")};
    for (int i = 0; i < 3; ++i)
        main().setSampleText(std::int16_t(i), texts[size_t(i)]);
    const std::array<std::int32_t, 5> scheme{0x123456, 0xFFFFFF, 0x000001, 0xABCDEF, 0x808080};
    for (int i = 0; i < 5; ++i)
        setColour(i, scheme[size_t(i)]);
    main().setLeftTw(Twips::fromPixelsX(40));
    main().setTopTw(Twips::fromPixelsY(30));
    display().moveTw(Twips::fromPixelsX(420), Twips::fromPixelsY(60), Twips::fromPixelsX(200),
                     Twips::fromPixelsY(150));
    const double mainLeft = main().leftTw();
    const double mainTop = main().topTw();
    const QRectF displayFrame(display().leftTw(), display().topTw(), display().widthTw(), display().heightTw());

    quit();
    ASSERT_TRUE(QFile::exists(iniPath()));
    ASSERT_FALSE(frmMain::isInstanceLoaded());

    TessaryConfig& again = config();   // a new start
    EXPECT_EQ(again.prefix(), QString());
    EXPECT_EQ(Workspace::instance().codePrefix(), QString());
    EXPECT_EQ(again.restoreWindow(), 1);
    EXPECT_EQ(again.restoreColor(), 1);
    EXPECT_EQ(again.LatticeLineWidth(), 3);
    EXPECT_EQ(again.LatticeDivideNum(), 8);
    EXPECT_EQ(again.DivideDivideNum(), 4);
    EXPECT_EQ(again.SonSOutSideWidth(), 12);
    EXPECT_EQ(again.tessaryStyle(), 3);
    EXPECT_EQ(labelFont(0), bold);
    EXPECT_EQ(labelFont(1), StdFont());
    EXPECT_EQ(labelFont(2), italic);
    EXPECT_NE(display().getLabelFont(0), display().getLabelFont(1)) << "each label its own font object";
    EXPECT_EQ(sampleTexts(), texts);
    EXPECT_EQ(colours(), scheme);
    EXPECT_EQ(main().leftTw(), mainLeft);
    EXPECT_EQ(main().topTw(), mainTop);
    EXPECT_EQ(QRectF(display().leftTw(), display().topTw(), display().widthTw(), display().heightTw()), displayFrame);
}

TEST_F(TessaryConfigTest, FileIsCodePage932WithCrLfAndSectionsInOrderOfFirstWriting)
{
    main();
    quit();
    const QByteArray bytes = iniBytes();
    EXPECT_TRUE(bytes.contains("\r\nName=\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    QList<QByteArray> sections;
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.startsWith('['))
            sections.append(line.trimmed());
    }
    const QList<QByteArray> expected{"[General]",    "[WindowPosition]", "[StyleLattice]",
                                     "[StyleDivide]", "[StyleSquareOnSquare]", "[Style]",
                                     "[Font 1]",     "[Text]",           "[Font 2]",
                                     "[Font 3]",     "[Color]"};
    EXPECT_EQ(sections, expected);
}

TEST_F(TessaryConfigTest, WithoutRestoreColorSchemeIsSkippedButStillWritten)
{
    writeIni("[General]\nRestoreColorFlug=0\n[Style]\nindex=2\n[Text]\nText 1=abc\n[Font 1]\nName=Arial\n"
             "[Color]\nColorObject 0=255\n");
    EXPECT_EQ(config().restoreColor(), 0);
    EXPECT_EQ(config().tessaryStyle(), 0);
    EXPECT_EQ(sampleTexts(), (std::array<QString, 3>{"Text2", "Text2", "Text2"}));
    EXPECT_NE(labelFont(0).name, QStringLiteral("Arial"));
    EXPECT_EQ(colours(), (std::array<std::int32_t, 5>{}));
    quit();
    const ConfigRecord saved = iniRecord();
    EXPECT_FALSE(saved.restoreColor);
    EXPECT_EQ(saved.style, 0);
    EXPECT_EQ(saved.texts[0], QStringLiteral("Text2"));
    EXPECT_EQ(saved.colors[0], 0);
    EXPECT_TRUE(iniBytes().contains("ColorObject 4=0\r\n"));
}

struct LoadCase {
    const char* name;
    const char* ini;
    void (*check)(TessaryConfig& c, frmMain& m);
    const char* savedLine;   // a line the next save must write
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

const LoadCase kLoadCases[] = {
    {"RestoreWindowTwoIsOff", "[General]\nRestoreWindowFlug=2\n",
     [](TessaryConfig& c, frmMain&) { EXPECT_EQ(c.restoreWindow(), 0); }, "RestoreWindowFlug=0\r\n"},
    {"PrefixWithSpacesWrittenBackTrimmed", "[General]\nPrefix=\" # \"\n",
     [](TessaryConfig& c, frmMain& m) {
         EXPECT_EQ(c.prefix(), QStringLiteral("#"));
         EXPECT_EQ(Workspace::instance().codePrefix(), QStringLiteral(" # "));
     },
     "Prefix=#\r\n"},
    {"OutsideWidthZeroLoadsAsOne", "[StyleSquareOnSquare]\nOutsideWidth=0\n",
     [](TessaryConfig& c, frmMain&) { EXPECT_EQ(c.SonSOutSideWidth(), 1); }, "OutsideWidth=1\r\n"},
    {"NegativeDivisionsLoadAsOne", "[StyleDivide]\nDivideNum=-4\n",
     [](TessaryConfig& c, frmMain&) { EXPECT_EQ(c.DivideDivideNum(), 1); }, "[StyleDivide]\r\nDivideNum=1\r\n"},
    {"StyleParameterNotANumberKeepsDefault", "[StyleLattice]\nLineWidth=wide\nDivideNum=9\n",
     [](TessaryConfig& c, frmMain&) {
         EXPECT_EQ(c.LatticeLineWidth(), 2);
         EXPECT_EQ(c.LatticeDivideNum(), 9);
     },
     "LineWidth=2\r\n"},
    {"PaletteNameReadButNeverWritten", "[Palette]\nfileName=/x/y.tcf\n",
     [](TessaryConfig& c, frmMain&) { EXPECT_EQ(c.paletteFileName(), QStringLiteral("/x/y.tcf")); },
     "fileName=/x/y.tcf\r\n"},
};

class TessaryConfigLoad : public TessaryConfigTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(TessaryConfigLoad, LoadsAndSavesBack)
{
    writeIni(GetParam().ini);
    GetParam().check(config(), main());
    quit();
    EXPECT_TRUE(iniBytes().contains(GetParam().savedLine)) << iniBytes().constData();
}

INSTANTIATE_TEST_SUITE_P(Cases, TessaryConfigLoad, ::testing::ValuesIn(kLoadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TessaryConfigTest, ColourVisionComesBackAtTheNextStart)
{
    config().setVisionMode(VisionMode(VisionKind::Protanomaly, 70));
    EXPECT_EQ(display().visionMode(), VisionMode(VisionKind::Protanomaly, 70));
    quit();
    EXPECT_TRUE(iniBytes().endsWith("[ColorVision]\r\nMode=4\r\nStrength=70\r\n")) << iniBytes().constData();
    VisionModeHolder::instance().setMode(VisionMode());   // a new process starts without
    EXPECT_EQ(config().visionMode(), VisionMode(VisionKind::Protanomaly, 70));
    EXPECT_EQ(display().visionMode(), VisionMode(VisionKind::Protanomaly, 70));
    EXPECT_TRUE(test::control<QAction>(main(), "mnuVisionKind", 4)->isChecked());
    EXPECT_TRUE(test::action(main(), QStringLiteral("mnuVisionStrength%1").arg(10 * (6 + 1)))->isChecked());
}

TEST_F(TessaryConfigTest, PaletteChosenDuringRunIsNotSaved)
{
    config().setPaletteFileName(QStringLiteral("/elsewhere.tcf"));
    quit();
    EXPECT_FALSE(iniBytes().contains("Palette"));
    EXPECT_EQ(config().paletteFileName(), TessaryConfig::defaultPaletteFileName());
}

TEST_F(TessaryConfigTest, SavingLeavesObjectFourSelected)
{
    display().setSelectObject(1);
    config().saveConfig();
    EXPECT_EQ(display().selectObject(), 4);
    EXPECT_TRUE(config().lastSaveStatus().ok());
}

TEST_F(TessaryConfigTest, MaximisedStateIsUndoneAndPositionsNotRead)
{
    writeIni("[General]\nRestoreWindowFlug=1\n[WindowPosition]\nWindowState=2\nmainLeft=3000\nmainTop=3000\n"
             "tessaryLeft=6000\n");
    EXPECT_EQ(main().formState(), Form::Normal);
    EXPECT_NE(main().leftTw(), 3000);
    EXPECT_NE(display().leftTw(), 6000);
}

TEST_F(TessaryConfigTest, WindowOnMissingMonitorComesBackOnScreen)
{
    writeIni("[General]\nRestoreWindowFlug=1\n[WindowPosition]\nWindowState=0\n"
             "mainLeft=150000\nmainTop=1500\nmainWidth=4500\nmainHeight=3000\n"
             "tessaryLeft=-90000\ntessaryTop=-90000\ntessaryWidth=3000\ntessaryHeight=3000\n");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    for (Form* f : {static_cast<Form*>(&main()), static_cast<Form*>(&display())}) {
        const QRect frame = f->frameGeometry();
        EXPECT_TRUE(screen.intersects(frame)) << f->objectName().toStdString() << " at " << frame.x() << ","
                                              << frame.y();
    }
    EXPECT_EQ(display().widthTw(), 3000);
}

TEST_F(TessaryConfigTest, WindowPartlyOnScreenStaysWhereItWas)
{
    writeIni("[General]\nRestoreWindowFlug=1\n[WindowPosition]\ntessaryLeft=-1500\ntessaryTop=150\n"
             "tessaryWidth=3000\ntessaryHeight=3000\n");
    main();
    EXPECT_EQ(display().leftTw(), -1500);
    EXPECT_EQ(display().topTw(), 150);
}

TEST_F(TessaryConfigTest, GarbageFileStartsWithDefaultsAndIsRepairedOnSave)
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 7919) % 251));
    writeFile(iniName(), garbage);
    EXPECT_EQ(config().LatticeDivideNum(), 5);
    EXPECT_EQ(sampleTexts()[2], QStringLiteral("Link"));
    quit();
    EXPECT_EQ(iniRecord().texts[2], QStringLiteral("Link"));
}

TEST_F(TessaryConfigTest, UnwritableFileIsReportedAndTheProgramGoesOn)
{
    QDir().mkdir(iniPath());   // a folder where the file should be
    config().setDivideDivideNum(9);
    config().saveConfig();
    EXPECT_FALSE(config().lastSaveStatus().ok());
    EXPECT_EQ(config().DivideDivideNum(), 9);
    quit();
    EXPECT_FALSE(frmMain::isInstanceLoaded());
}

TEST_F(TessaryConfigTest, FileIsNamedAfterTheProgramInTheCurrentDirectory)
{
    EXPECT_EQ(CiniFile().path(), QDir::currentPath() + QStringLiteral("/test_settings_gui.ini"));
}

// Everything a start sees of the display window: its size when first shown, how often it
// was moved or resized afterwards and how many whole drawings it had by its first painting.
class FirstAppearance : public QObject {
public:
    QSize shownSize;
    int changesAfterShow = 0;
    int drawingsAtFirstPaint = -1;

protected:
    bool painted = false;

    bool eventFilter(QObject* watched, QEvent* e) override
    {
        auto* display = qobject_cast<frmTessary*>(watched);
        if (!display)
            return false;
        if (e->type() == QEvent::Show && !shownSize.isValid())
            shownSize = display->size();
        else if ((e->type() == QEvent::Move || e->type() == QEvent::Resize) && shownSize.isValid())
            ++changesAfterShow;
        else if (e->type() == QEvent::Paint && !painted) {
            painted = true;
            // The filter runs before the painting, which brings the drawing up to date.
            QMetaObject::invokeMethod(this, [this, display] { drawingsAtFirstPaint = display->wholeDrawings(); },
                                      Qt::QueuedConnection);
        }
        return false;
    }
};

struct StartCase {
    const char* name;
    const char* ini;
    // Else it stands beside the main window, and follows its frame once the frame is known.
    bool placedBySettings;
};

void PrintTo(const StartCase& c, std::ostream* os) { *os << c.name; }

const StartCase kStartCases[] = {
    {"EmptyFolder", nullptr, false},
    {"SavedSchemeAndWindows",
     "[General]\nRestoreWindowFlug=1\nRestoreColorFlug=1\n[WindowPosition]\nmainLeft=1200\nmainTop=900\n"
     "mainWidth=5000\nmainHeight=2600\nWindowState=0\ntessaryLeft=6300\ntessaryTop=900\ntessaryWidth=2600\n"
     "tessaryHeight=2600\n[Style]\nindex=2\n[Font 1]\nName=\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9\nSize=12\n"
     "[Text]\nText 1=\x8C\xA9\x96\x7B\n[Color]\nColorObject 0=255\nColorObject 3=16711680\nColorObject 4=1193046\n",
     true},
    {"SavedScreenSizedDisplay",
     "[General]\nRestoreWindowFlug=1\nRestoreColorFlug=1\n[WindowPosition]\nWindowState=0\ntessaryLeft=0\n"
     "tessaryTop=0\ntessaryWidth=28800\ntessaryHeight=16200\n[Style]\nindex=4\n",
     true},
};

class TessaryStart : public TessaryConfigTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(TessaryStart, DisplayAppearsOnceAtItsPlaceDrawnOnce)
{
    if (GetParam().ini)
        writeIni(GetParam().ini);
    FirstAppearance seen;
    qApp->installEventFilter(&seen);
    frmMain& m = main();   // as the program starts
    m.showModeless();
    frmTessary& d = display();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    QTRY_VERIFY(seen.drawingsAtFirstPaint >= 0);
    qApp->removeEventFilter(&seen);

    EXPECT_EQ(seen.drawingsAtFirstPaint, 1);
    if (GetParam().placedBySettings) {
        EXPECT_EQ(seen.shownSize, d.size());
        EXPECT_EQ(seen.changesAfterShow, 0);
        EXPECT_EQ(d.wholeDrawings(), 1);
    }
    EXPECT_EQ(d.surface().width(), d.width());
    EXPECT_EQ(d.surface().height(), d.height());
    EXPECT_EQ(d.selectObject(), 3);
}

INSTANTIATE_TEST_SUITE_P(Cases, TessaryStart, ::testing::ValuesIn(kStartCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessary
