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

    mnuTessary = bar->addMenu(tr("Tessary(&I)"));
    mnuTessary->setObjectName(QStringLiteral("mnuTessary"));
    mnuBG = submenu(mnuTessary, tr("背景画像"), "mnuBG");
    mnuBGView = item(mnuBG, tr("背景画像の表示"), "mnuBGView", QKeySequence(Qt::CTRL | Qt::Key_W));
    mnuBGView->setCheckable(true);
    separator(mnuBG, "mnuSeparator1");
    mnuBGLoad = item(mnuBG, tr("背景画像の読み込み"), "mnuBGLoad");
    mnuPosition = submenu(mnuTessary, tr("位置"), "mnuPosition");
    mnuSetDefaultPos = item(mnuPosition, tr("初期位置"), "mnuSetDefaultPos", QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuMaxWiidth = item(mnuPosition, tr("横最大"), "mnuMaxWiidth");
    mnuMaxHeight = item(mnuPosition, tr("縦最大"), "mnuMaxHeight");
    separator(mnuPosition, "mnuSeparator8");
    mnuFullScreen = item(mnuPosition, tr("全画面"), "mnuFullScreen");
    separator(mnuPosition, "mnuSeparator7");
    mnuManualPos = item(mnuPosition, tr("指定位置"), "mnuManualPos");
    mnuStyle = submenu(mnuTessary, tr("スタイル"), "mnuStyle");
    mnuUpDown = item(mnuStyle, tr("上下"), "mnuUpDown", QKeySequence(Qt::Key_F2));
    mnuLeftRight = item(mnuStyle, tr("左右"), "mnuLeftRight", QKeySequence(Qt::Key_F3));
    mnuSIS = item(mnuStyle, tr("四角の中に四角"), "mnuSIS", QKeySequence(Qt::Key_F4));
    mnuDivide = item(mnuStyle, tr("チェック"), "mnuDivide", QKeySequence(Qt::Key_F5));
    mnuLattice = item(mnuStyle, tr("格子"), "mnuLattice", QKeySequence(Qt::Key_F6));
    mnuSampleTexts = submenu(mnuTessary, tr("標本文字列"), "mnuSampleTexts");
    mnuSTTop = item(mnuSampleTexts, tr("上"), "mnuSTTop");
    mnuSTMiddle = item(mnuSampleTexts, tr("中"), "mnuSTMiddle");
    mnuSTBottom = item(mnuSampleTexts, tr("下"), "mnuSTBottom");
    mnuFont = submenu(mnuSampleTexts, tr("フォント変更"), "mnuFont");
    mnuFontAll = item(mnuFont, tr("全て"), "mnuFontAll", QKeySequence(Qt::CTRL | Qt::Key_F));
    separator(mnuFont, "mnuSeparator6");
    mnuFontTop = item(mnuFont, tr("上"), "mnuFontTop");
    mnuFontMiddle = item(mnuFont, tr("中"), "mnuFontMiddle");
    mnuFontBottom = item(mnuFont, tr("下"), "mnuFontBottom");
    mnuQuit = item(mnuTessary, tr("終了(&Q)"), "mnuQuit");
    separator(mnuTessary, "mnuSeparator9");
    mnuExportScheme = item(mnuTessary, tr("配色を書き出す…"), "mnuExportScheme");
    // Beside the export, the way back in for what it writes.
    QAction* openScheme = item(mnuTessary, tr("配色を読み込む…"), "mnuOpenScheme");
    mnuCopyScheme = item(mnuTessary, tr("配色をコピー"), "mnuCopyScheme");
    connect(openScheme, &QAction::triggered, this, [this, openScheme] {
        const History::Action step(HistoryCommands::commandName(openScheme));
        ExchangeFiles::openScheme(CommonDialog1);
    });

    mnuView = bar->addMenu(tr("表示(&V)"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuPalette = item(mnuView, tr("パレット"), "mnuPalette", QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuPalette->setCheckable(true);
    mnuColorCircle = item(mnuView, tr("色環"), "mnuColorCircle", QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuColorCircle->setCheckable(true);
    separator(mnuView, "mnuSeparator3");
    mnuOnTop = item(mnuView, tr("常に手前に表示"), "mnuOnTop");
    mnuOnTop->setCheckable(true);
    separator(mnuView, "mnuSeparator2");
    mnuConfig = item(mnuView, tr("設定"), "mnuConfig");
    separator(mnuView, "mnuSeparatorContrast");
    mnuContrast = item(mnuView, tr("コントラスト"), "mnuContrast", QKeySequence(Qt::CTRL | Qt::Key_K));
    mnuContrast->setCheckable(true);
    createVisionMenu(submenu(mnuView, tr("色覚シミュレーション"), "mnuVision"));

    mnuTool = bar->addMenu(tr("ツール(&T)"));
    mnuTool->setObjectName(QStringLiteral("mnuTool"));
    mnuCordinate = submenu(mnuTool, tr("統一"), "mnuCordinate");
    mnuCordinateHue = item(mnuCordinate, tr("色相"), "mnuCordinateHue");
    mnuCordinateSatuation = item(mnuCordinate, tr("彩度"), "mnuCordinateSatuation");
    mnuCordinateLightness = item(mnuCordinate, tr("明度"), "mnuCordinateLightness");
    mnuAverage = submenu(mnuTool, tr("平均化"), "mnuAverage");
    mnuAveHue = item(mnuAverage, tr("色相"), "mnuAveHue");
    mnuAveLightness = item(mnuAverage, tr("明度"), "mnuAveLightness");
    mnuAveSatuation = item(mnuAverage, tr("彩度"), "mnuAveSatuation");
    mnuRandom = submenu(mnuTool, tr("ランダム"), "mnuRandom");
    mnuRandomAll = item(mnuRandom, tr("ランダム(ALL)"), "mnuRandomAll", QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuRandomSingle = item(mnuRandom, tr("ランダム(Single)"), "mnuRandomSingle",
                           QKeySequence(Qt::CTRL | Qt::Key_Q));
    mnuComplementaryColor = submenu(mnuTool, tr("補色"), "mnuComplementaryColor");
    mnuComplementaryColorAll = item(mnuComplementaryColor, tr("補色(ALL)"), "mnuComplementaryColorAll",
                                    QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuComplementaryColorSingle = item(mnuComplementaryColor, tr("補色(Single)"),
                                       "mnuComplementaryColorSingle", QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuCopyColorALL = item(mnuTool, tr("全て同色"), "mnuCopyColorALL");

    mnuHelp = bar->addMenu(tr("ヘルプ(&H)"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuShowHelp = item(mnuHelp, tr("ヘルプ"), "mnuShowHelp", QKeySequence(Qt::Key_F1));
    separator(mnuHelp, "mnuSeparator4");
    mnuAbout = item(mnuHelp, tr("Tessaryについて"), "mnuAbout");
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
                                         k == 0 ? tr("表示ウィンドウに本当の色を表示します")
                                                : tr("表示ウィンドウの色を%1の見え方で表示します").arg(caption));
    }
    mnuVision->addSeparator()->setObjectName(QStringLiteral("mnuSeparatorVisionStrength"));
    for (int i = 0; i < static_cast<int>(mnuVisionStrength.size()); ++i) {
        const int percent = VisionMode::MinStrength + i * VisionMode::StrengthStep;
        mnuVisionStrength[size_t(i)] =
            check(VisionMode::strengthName(percent), QStringLiteral("mnuVisionStrength%1").arg(percent),
                  tr("1型・2型・3型3色覚の強さを%1にします").arg(VisionMode::strengthName(percent)));
    }
    mnuVision->addSeparator()->setObjectName(QStringLiteral("mnuSeparatorVisionNext"));
    mnuVisionNext = mnuVision->addAction(tr("次の色覚に切り替え"));
    mnuVisionNext->setObjectName(QStringLiteral("mnuVisionNext"));
    mnuVisionNext->setStatusTip(tr("なし、1型2色覚、2型2色覚、3型2色覚の順に切り替えます"));
    mnuVisionNext->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    mnuVisionNext->setShortcutContext(Qt::WindowShortcut);
    addAction(mnuVisionNext);
}

void frmMain::retranslate()
{
    Form::retranslate();
    nameControls();
    // The vision items' tips name their kind or strength.
    for (int k = 1; k < static_cast<int>(mnuVisionKind.size()); ++k)
        mnuVisionKind[size_t(k)]->setStatusTip(tr("表示ウィンドウの色を%1の見え方で表示します")
                                                   .arg(VisionMode::kindName(static_cast<VisionKind>(k))));
    for (int i = 0; i < static_cast<int>(mnuVisionStrength.size()); ++i)
        mnuVisionStrength[size_t(i)]->setStatusTip(
            tr("1型・2型・3型3色覚の強さを%1にします")
                .arg(VisionMode::strengthName(VisionMode::MinStrength + i * VisionMode::StrengthStep)));
}

} // namespace tessary
