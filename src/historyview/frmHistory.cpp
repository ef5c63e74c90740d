// SPDX-License-Identifier: MIT
#include "historyview/frmHistory.h"

#include "contrast/ContrastWording.h"
#include "history/History.h"
#include "history/HistoryCommands.h"
#include "historyview/SchemeCompare.h"
#include "historyview/ThumbnailPainter.h"
#include "language/LanguageSwitch.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "platform/Workspace.h"
#include "scheme/Scheme.h"
#include "settings/TessaryConfig.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace tessary {

namespace {

const QSize kThumbnail(60, 20);

} // namespace

struct frmHistory::Impl {
    QListWidget* lstEntries = nullptr;
    QPushButton* cmdRestore = nullptr;
    QPushButton* cmdRename = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdCompare = nullptr;
    SchemeCompare* compare = nullptr;
    std::vector<HistoryEntry> entries;
    QTimer refreshTimer;
};

frmHistory::frmHistory()
    : Form(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , d(std::make_unique<Impl>())
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(tr("配色の履歴"));
    setAccessibleName(tr("配色の履歴"));
    createControls();
    // Many changes in one event (a drag) are shown once.
    d->refreshTimer.setSingleShot(true);
    d->refreshTimer.setInterval(0);
    connect(&d->refreshTimer, &QTimer::timeout, this, &frmHistory::refresh);
    connect(&History::instance(), &History::changed, &d->refreshTimer, qOverload<>(&QTimer::start));
    connect(&History::instance(), &History::snapshotsChanged, &d->refreshTimer, qOverload<>(&QTimer::start));
    // The compared pictures follow the display window's style.
    connect(&Scheme::instance(), &Scheme::schemeChanged, &d->refreshTimer, qOverload<>(&QTimer::start));
    // The rows are made from words of the catalogue: made again in another language.
    connect(&LanguageSwitch::instance(), &LanguageSwitch::languageChanged, this, &frmHistory::refresh);
    connect(&Workspace::instance(), &Workspace::settingsWanted, this, [this] {
        TessaryConfig* config = Workspace::instance().settings();
        if (!config || isUnloaded())
            return;
        HistoryViewSettings shown = settings();
        shown.visible = true;
        config->setHistoryViewSettings(shown);
    });
    refresh();
}

frmHistory::~frmHistory() = default;

void frmHistory::createControls()
{
    auto* outer = new QVBoxLayout(this);
    d->lstEntries = new QListWidget(this);
    d->lstEntries->setObjectName(QStringLiteral("lstEntries"));
    d->lstEntries->setAccessibleName(tr("保存した配色と最近の手順"));
    d->lstEntries->setIconSize(kThumbnail);
    d->lstEntries->setSelectionMode(QAbstractItemView::ExtendedSelection);
    d->lstEntries->setMinimumSize(360, 240);
    d->lstEntries->verticalScrollBar()->setAccessibleName(tr("履歴のスクロール"));
    d->lstEntries->horizontalScrollBar()->setAccessibleName(tr("履歴の横スクロール"));
    outer->addWidget(d->lstEntries, 1);

    auto* buttons = new QHBoxLayout;
    auto button = [this, buttons](const QString& caption, const char* name, void (frmHistory::*click)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, click);
        buttons->addWidget(b);
        return b;
    };
    d->cmdRestore = button(tr("復元(&R)"), "cmdRestore", &frmHistory::cmdRestore_Click);
    d->cmdRename = button(tr("名前の変更(&N)…"), "cmdRename", &frmHistory::cmdRename_Click);
    d->cmdDelete = button(tr("削除(&D)"), "cmdDelete", &frmHistory::cmdDelete_Click);
    d->cmdCompare = button(tr("比較(&C)"), "cmdCompare", &frmHistory::cmdCompare_Click);
    buttons->addStretch();
    outer->addLayout(buttons);

    d->compare = new SchemeCompare(this);
    d->compare->setObjectName(QStringLiteral("picCompare"));
    d->compare->hide();
    outer->addWidget(d->compare);

    connect(d->lstEntries, &QListWidget::itemSelectionChanged, this, &frmHistory::updateButtons);
    connect(d->lstEntries, &QListWidget::itemActivated, this, [this] { cmdRestore_Click(); });
}

void frmHistory::refresh()
{
    const History& history = History::instance();
    // The rows stay chosen across a refresh where they still are.
    QList<std::pair<HistoryEntry::Kind, int>> kept;
    for (int row : chosen())
        kept.append({d->entries[std::size_t(row)].kind, d->entries[std::size_t(row)].index});
    HistoryData data = history.data(HistoryEntries::kRecentSteps);
    d->entries = HistoryEntries::list(data);
    const QSignalBlocker block(d->lstEntries);
    d->lstEntries->clear();
    for (const HistoryEntry& e : d->entries) {
        const QString kind = e.kind == HistoryEntry::Kind::Snapshot ? tr("保存") : tr("手順");
        const QString ratio = ContrastWording::ratio(e.lowestContrast);
        auto* item = new QListWidgetItem(
            QIcon(QPixmap::fromImage(ThumbnailPainter::paint(kThumbnail, e.state.colors))),
            tr("最低 %3  %1: %2").arg(kind, e.name, ratio), d->lstEntries);
        item->setData(Qt::AccessibleTextRole, tr("%1 %2、最低コントラスト %3").arg(kind, e.name, ratio));
        if (e.kind == HistoryEntry::Kind::Snapshot)
            item->setToolTip(history.snapshots()[std::size_t(e.index)].time);
        item->setSelected(kept.contains(std::pair(e.kind, e.index)));
    }
    if (!d->lstEntries->currentItem() && d->lstEntries->count() > 0)
        d->lstEntries->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    updateButtons();
}

std::vector<int> frmHistory::chosen() const
{
    std::vector<int> rows;
    for (int i = 0; i < d->lstEntries->count(); ++i) {
        if (d->lstEntries->item(i)->isSelected())
            rows.push_back(i);
    }
    return rows;
}

void frmHistory::updateButtons()
{
    const std::vector<int> rows = chosen();
    const bool oneSnapshot
        = rows.size() == 1 && d->entries[std::size_t(rows[0])].kind == HistoryEntry::Kind::Snapshot;
    d->cmdRestore->setEnabled(rows.size() == 1);
    d->cmdRename->setEnabled(oneSnapshot);
    d->cmdDelete->setEnabled(oneSnapshot);
    d->cmdCompare->setEnabled(rows.size() == 2);
    if (d->compare->isVisible()) {
        if (rows.size() == 2)
            d->compare->show(d->entries[std::size_t(rows[0])], d->entries[std::size_t(rows[1])]);
        else {
            d->compare->hide();
            // The window gives back the room the comparison took.
            QTimer::singleShot(0, this, [this] { adjustSize(); });
        }
    }
}

const std::vector<HistoryEntry>& frmHistory::entries() const { return d->entries; }

void frmHistory::cmdRestore_Click()
{
    const std::vector<int> rows = chosen();
    if (rows.size() != 1)
        return;
    const HistoryEntry& e = d->entries[std::size_t(rows[0])];
    SchemeState state = e.state;
    // The selection is the user's now, not the entry's.
    state.selectedObject = Scheme::instance().selectedObject();
    const History::Action step(tr("配色の復元: %1").arg(e.name));
    Scheme::instance().restore(state);
}

void frmHistory::cmdRename_Click()
{
    const std::vector<int> rows = chosen();
    if (rows.size() != 1 || d->entries[std::size_t(rows[0])].kind != HistoryEntry::Kind::Snapshot)
        return;
    const int index = d->entries[std::size_t(rows[0])].index;
    std::vector<HistorySnapshot> snapshots = History::instance().snapshots();
    QString name = snapshots[std::size_t(index)].name;
    if (!Services::messageBox().input(this, tr("新しい名前:"), tr("名前の変更"), name))
        return;
    name = name.simplified().left(HistoryCommands::kMaxNameLength);
    if (name.isEmpty() || name == snapshots[std::size_t(index)].name)
        return;
    snapshots[std::size_t(index)].name = name;
    History::instance().setSnapshots(std::move(snapshots));
}

void frmHistory::cmdDelete_Click()
{
    const std::vector<int> rows = chosen();
    if (rows.size() != 1 || d->entries[std::size_t(rows[0])].kind != HistoryEntry::Kind::Snapshot)
        return;
    const int index = d->entries[std::size_t(rows[0])].index;
    std::vector<HistorySnapshot> snapshots = History::instance().snapshots();
    if (MsgBox(tr("保存した配色「%1」を削除しますか?").arg(snapshots[std::size_t(index)].name),
               IMessageBox::YesNo, QString(), IMessageBox::Question)
        != IMessageBox::Yes)
        return;
    snapshots.erase(snapshots.begin() + index);
    History::instance().setSnapshots(std::move(snapshots));
}

void frmHistory::cmdCompare_Click()
{
    const std::vector<int> rows = chosen();
    if (rows.size() != 2)
        return;
    d->compare->show(d->entries[std::size_t(rows[0])], d->entries[std::size_t(rows[1])]);
    adjustSize();
}

void frmHistory::applySettings(const HistoryViewSettings& settings)
{
    if (settings.left && settings.top) {
        setLeftTw(*settings.left);
        setTopTw(*settings.top);
    }
}

HistoryViewSettings frmHistory::settings() const
{
    HistoryViewSettings s;
    s.left = leftTw();
    s.top = topTw();
    return s;
}

} // namespace tessary
