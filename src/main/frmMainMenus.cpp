// SPDX-License-Identifier: MIT
#include "main/frmMain.h"

#include "cvd/VisionMode.h"
#include "exchange/ExchangeFiles.h"
#include "history/History.h"
#include "history/HistoryCommands.h"
#include "main/frmMainPrivate.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tessary {

void frmMain::createMenus()
{
    d->menuBar = new QMenuBar(this);
    d->menuBar->setObjectName(QStringLiteral("menuBar"));
    QMenuBar* bar = d->menuBar;

    auto item = [this](QMenu* menu, const QString& caption, const char* name, const QKeySequence& key = {}) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty()) {
            a->setShortcut(key);
            // The shortcuts work wherever the focus is in this window.
            a->setShortcutContext(Qt::WindowShortcut);
            addAction(a);
        }
        return a;
    };
    auto submenu = [](QMenu* parent, const QString& caption, const char* name) {
        QMenu* m = parent->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto separator = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); };

    mnuTessary = bar->addMenu(QStringLiteral("Tessary(&I)"));
    mnuTessary->setObjectName(QStringLiteral("mnuTessary"));
    mnuBG = submenu(mnuTessary, QStringLiteral("背景画像"), "mnuBG");
    mnuBGView = item(mnuBG, QStringLiteral("背景画像の表示"), "mnuBGView", QKeySequence(Qt::CTRL | Qt::Key_W));
    mnuBGView->setCheckable(true);
    separator(mnuBG, "mnuSeparator1");
    mnuBGLoad = item(mnuBG, QStringLiteral("背景画像の読み込み"), "mnuBGLoad");
    mnuPosition = submenu(mnuTessary, QStringLiteral("位置"), "mnuPosition");
    mnuSetDefaultPos = item(mnuPosition, QStringLiteral("初期位置"), "mnuSetDefaultPos", QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuMaxWiidth = item(mnuPosition, QStringLiteral("横最大"), "mnuMaxWiidth");
    mnuMaxHeight = item(mnuPosition, QStringLiteral("縦最大"), "mnuMaxHeight");
    separator(mnuPosition, "mnuSeparator8");
    mnuFullScreen = item(mnuPosition, QStringLiteral("全画面"), "mnuFullScreen");
    separator(mnuPosition, "mnuSeparator7");
    mnuManualPos = item(mnuPosition, QStringLiteral("指定位置"), "mnuManualPos");
    mnuStyle = submenu(mnuTessary, QStringLiteral("スタイル"), "mnuStyle");
    mnuUpDown = item(mnuStyle, QStringLiteral("上下"), "mnuUpDown", QKeySequence(Qt::Key_F2));
    mnuLeftRight = item(mnuStyle, QStringLiteral("左右"), "mnuLeftRight", QKeySequence(Qt::Key_F3));
    mnuSIS = item(mnuStyle, QStringLiteral("四角の中に四角"), "mnuSIS", QKeySequence(Qt::Key_F4));
    mnuDivide = item(mnuStyle, QStringLiteral("チェック"), "mnuDivide", QKeySequence(Qt::Key_F5));
    mnuLattice = item(mnuStyle, QStringLiteral("格子"), "mnuLattice", QKeySequence(Qt::Key_F6));
    mnuSampleTexts = submenu(mnuTessary, QStringLiteral("標本文字列"), "mnuSampleTexts");
    mnuSTTop = item(mnuSampleTexts, QStringLiteral("上"), "mnuSTTop");
    mnuSTMiddle = item(mnuSampleTexts, QStringLiteral("中"), "mnuSTMiddle");
    mnuSTBottom = item(mnuSampleTexts, QStringLiteral("下"), "mnuSTBottom");
    mnuFont = submenu(mnuSampleTexts, QStringLiteral("フォント変更"), "mnuFont");
    mnuFontAll = item(mnuFont, QStringLiteral("全て"), "mnuFontAll", QKeySequence(Qt::CTRL | Qt::Key_F));
    separator(mnuFont, "mnuSeparator6");
    mnuFontTop = item(mnuFont, QStringLiteral("上"), "mnuFontTop");
    mnuFontMiddle = item(mnuFont, QStringLiteral("中"), "mnuFontMiddle");
    mnuFontBottom = item(mnuFont, QStringLiteral("下"), "mnuFontBottom");
    mnuQuit = item(mnuTessary, QStringLiteral("終了(&Q)"), "mnuQuit");
    separator(mnuTessary, "mnuSeparator9");
    mnuExportScheme = item(mnuTessary, QStringLiteral("配色を書き出す…"), "mnuExportScheme");
    // Beside the export, the way back in for what it writes.
    QAction* openScheme = item(mnuTessary, QStringLiteral("配色を読み込む…"), "mnuOpenScheme");
    mnuCopyScheme = item(mnuTessary, QStringLiteral("配色をコピー"), "mnuCopyScheme");
    connect(openScheme, &QAction::triggered, this, [this, openScheme] {
        const History::Action step(HistoryCommands::commandName(openScheme));
        ExchangeFiles::openScheme(CommonDialog1);
    });

    mnuView = bar->addMenu(QStringLiteral("表示(&V)"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuPalette = item(mnuView, QStringLiteral("パレット"), "mnuPalette", QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuPalette->setCheckable(true);
    mnuColorCircle = item(mnuView, QStringLiteral("色環"), "mnuColorCircle", QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuColorCircle->setCheckable(true);
    separator(mnuView, "mnuSeparator3");
    mnuOnTop = item(mnuView, QStringLiteral("常に手前に表示"), "mnuOnTop");
    mnuOnTop->setCheckable(true);
    separator(mnuView, "mnuSeparator2");
    mnuConfig = item(mnuView, QStringLiteral("設定"), "mnuConfig");
    separator(mnuView, "mnuSeparatorContrast");
    mnuContrast = item(mnuView, QStringLiteral("コントラスト"), "mnuContrast", QKeySequence(Qt::CTRL | Qt::Key_K));
    mnuContrast->setCheckable(true);
    createVisionMenu(submenu(mnuView, QStringLiteral("色覚シミュレーション"), "mnuVision"));

    mnuTool = bar->addMenu(QStringLiteral("ツール(&T)"));
    mnuTool->setObjectName(QStringLiteral("mnuTool"));
    mnuCordinate = submenu(mnuTool, QStringLiteral("統一"), "mnuCordinate");
    mnuCordinateHue = item(mnuCordinate, QStringLiteral("色相"), "mnuCordinateHue");
    mnuCordinateSatuation = item(mnuCordinate, QStringLiteral("彩度"), "mnuCordinateSatuation");
    mnuCordinateLightness = item(mnuCordinate, QStringLiteral("明度"), "mnuCordinateLightness");
    mnuAverage = submenu(mnuTool, QStringLiteral("平均化"), "mnuAverage");
    mnuAveHue = item(mnuAverage, QStringLiteral("色相"), "mnuAveHue");
    mnuAveLightness = item(mnuAverage, QStringLiteral("明度"), "mnuAveLightness");
    mnuAveSatuation = item(mnuAverage, QStringLiteral("彩度"), "mnuAveSatuation");
    mnuRandom = submenu(mnuTool, QStringLiteral("ランダム"), "mnuRandom");
    mnuRandomAll = item(mnuRandom, QStringLiteral("ランダム(ALL)"), "mnuRandomAll", QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuRandomSingle = item(mnuRandom, QStringLiteral("ランダム(Single)"), "mnuRandomSingle",
                           QKeySequence(Qt::CTRL | Qt::Key_Q));
    mnuComplementaryColor = submenu(mnuTool, QStringLiteral("補色"), "mnuComplementaryColor");
    mnuComplementaryColorAll = item(mnuComplementaryColor, QStringLiteral("補色(ALL)"), "mnuComplementaryColorAll",
                                    QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuComplementaryColorSingle = item(mnuComplementaryColor, QStringLiteral("補色(Single)"),
                                       "mnuComplementaryColorSingle", QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuCopyColorALL = item(mnuTool, QStringLiteral("全て同色"), "mnuCopyColorALL");

    mnuHelp = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuShowHelp = item(mnuHelp, QStringLiteral("ヘルプ"), "mnuShowHelp", QKeySequence(Qt::Key_F1));
    separator(mnuHelp, "mnuSeparator4");
    mnuAbout = item(mnuHelp, QStringLiteral("Tessaryについて"), "mnuAbout");
}

void frmMain::createVisionMenu(QMenu* menu)
{
    mnuVision = menu;
    mnuVision->setAccessibleName(mnuVision->title());
    auto check = [this](const QString& caption, const QString& name, const QString& description) {
        QAction* a = mnuVision->addAction(caption);
        a->setObjectName(name);
        a->setCheckable(true);
        // Screen readers announce the caption; the status tip says what the item does.
        a->setStatusTip(description);
        return a;
    };
    for (int k = 0; k < static_cast<int>(mnuVisionKind.size()); ++k) {
        const QString caption = VisionMode::kindName(static_cast<VisionKind>(k));
        mnuVisionKind[size_t(k)] = check(caption, QStringLiteral("mnuVisionKind%1").arg(k),
                                         k == 0 ? QStringLiteral("表示ウィンドウに本当の色を表示します")
                                                : QStringLiteral("表示ウィンドウの色を%1の見え方で表示します").arg(caption));
    }
    mnuVision->addSeparator()->setObjectName(QStringLiteral("mnuSeparatorVisionStrength"));
    for (int i = 0; i < static_cast<int>(mnuVisionStrength.size()); ++i) {
        const int percent = VisionMode::MinStrength + i * VisionMode::StrengthStep;
        mnuVisionStrength[size_t(i)] =
            check(VisionMode::strengthName(percent), QStringLiteral("mnuVisionStrength%1").arg(percent),
                  QStringLiteral("1型・2型・3型3色覚の強さを%1にします").arg(VisionMode::strengthName(percent)));
    }
    mnuVision->addSeparator()->setObjectName(QStringLiteral("mnuSeparatorVisionNext"));
    mnuVisionNext = mnuVision->addAction(QStringLiteral("次の色覚に切り替え"));
    mnuVisionNext->setObjectName(QStringLiteral("mnuVisionNext"));
    mnuVisionNext->setStatusTip(QStringLiteral("なし、1型2色覚、2型2色覚、3型2色覚の順に切り替えます"));
    mnuVisionNext->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    mnuVisionNext->setShortcutContext(Qt::WindowShortcut);
    addAction(mnuVisionNext);
}

} // namespace tessary
