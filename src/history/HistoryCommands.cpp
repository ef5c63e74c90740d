// SPDX-License-Identifier: MIT
#include "history/HistoryCommands.h"

#include "a11y/CleanCaption.h"
#include "history/History.h"
#include "history/HistoryStore.h"
#include "language/LanguageSwitch.h"
#include "platform/Services.h"
#include "scheme/Scheme.h"
#include "settings/CiniFile.h"

#include <QCoreApplication>
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <memory>

namespace tessary {

namespace {

// The file beside the settings; a new store when the settings' folder is another one.
HistoryStore& store()
{
    static std::unique_ptr<HistoryStore> s;
    const QString path = HistoryStore::pathBeside(CiniFile::defaultPath());
    if (!s || s->path() != path)
        s = std::make_unique<HistoryStore>(path);
    return *s;
}

QString widgetId(const QWidget* w)
{
    return w->window()->objectName() + u'/' + w->objectName();
}

// What a control's change is called as a step.
QString controlName(const QWidget* w)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        // A dialog's OK is named after the dialog ("設定"), other buttons after themselves ("適用").
        const QString caption = cleanCaption(button->text());
        const QString title = w->window()->windowTitle();
        return caption.compare(QLatin1String("OK"), Qt::CaseInsensitive) == 0 && !title.isEmpty() ? title : caption;
    }
    const QString name = w->accessibleName();
    if (qobject_cast<const QLineEdit*>(w)) {
        if (w->objectName().startsWith(QLatin1String("txtSampleString")))
            return QCoreApplication::translate("HistoryCommands", "標本文字列の入力");
        return QCoreApplication::translate("HistoryCommands", "色の入力");
    }
    if (qobject_cast<const QAbstractSlider*>(w) && !name.isEmpty())
        return QCoreApplication::translate("HistoryCommands", "%1の変更").arg(name);
    return {};
}

} // namespace

HistoryCommands::HistoryCommands()
{
    qApp->installEventFilter(this);
    History::instance().setContextProvider([this]() -> History::Context {
        if (m_shortcut)
            return {commandName(m_shortcut), QStringLiteral("shortcut:%1").arg(m_pressSerial)};
        // A menu item clicked is a command.
        if (const auto* menu = qobject_cast<const QMenu*>(m_pressed.data()); menu && menu->activeAction())
            return {commandName(menu->activeAction()), QStringLiteral("press:%1").arg(m_pressSerial)};
        // A press to release is one step: a slider or the colour circle dragged, a groove held.
        if (m_pressed)
            return {controlName(m_pressed), QStringLiteral("press:%1").arg(m_pressSerial)};
        // Keys on one slider and typing in one field, until another control acts.
        if (const QWidget* focus = QApplication::focusWidget()) {
            if (qobject_cast<const QAbstractSlider*>(focus) || qobject_cast<const QLineEdit*>(focus))
                return {controlName(focus), QStringLiteral("keys:") + widgetId(focus)};
            return {controlName(focus), {}};
        }
        return {};
    });
}

HistoryCommands& HistoryCommands::instance()
{
    static HistoryCommands commands;
    return commands;
}

QString HistoryCommands::commandName(const QAction* action)
{
    const QString caption = cleanCaption(action->text());
    for (const QObject* o : action->associatedObjects()) {
        const auto* menu = qobject_cast<const QMenu*>(o);
        // A submenu's items are named with it ("統一(色相)"), unless they say it already.
        if (menu && menu->menuAction() && qobject_cast<const QMenu*>(menu->parent())) {
            const QString within = cleanCaption(menu->title());
            if (!caption.contains(within))
                return QStringLiteral("%1(%2)").arg(within, caption);
        }
    }
    return caption;
}

void HistoryCommands::addTo(QWidget* window, QMenu* menu)
{
    HistoryCommands& self = instance();
    menu->addSeparator()->setObjectName(QStringLiteral("mnuSeparatorHistory"));
    auto item = [&](const char* name, const QList<QKeySequence>& keys, void (History::*act)()) {
        QAction* a = menu->addAction(QString());
        a->setObjectName(QLatin1String(name));
        a->setShortcuts(keys);
        // From every window of the program, as long as no dialog is waiting for an answer.
        a->setShortcutContext(Qt::ApplicationShortcut);
        window->addAction(a);
        connect(a, &QAction::triggered, &self, [act] { (History::instance().*act)(); });
        return a;
    };
    self.m_undo = item("mnuUndo", {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &History::undo);
    self.m_redo = item("mnuRedo", {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                       &History::redo);
    self.m_saveSnapshot = menu->addAction(QString());
    self.m_saveSnapshot->setObjectName(QStringLiteral("mnuSaveSnapshot"));
    self.m_saveSnapshot->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    self.m_saveSnapshot->setShortcutContext(Qt::ApplicationShortcut);
    window->addAction(self.m_saveSnapshot);
    connect(self.m_saveSnapshot, &QAction::triggered, window, [window] { saveSnapshot(window); });
    connect(&History::instance(), &History::changed, &self, &HistoryCommands::refresh, Qt::UniqueConnection);
    // Snapshots are what the user chose to keep: they reach the file at once, not at close.
    connect(&History::instance(), &History::snapshotsChanged, &self, &HistoryCommands::writeSnapshots,
            Qt::UniqueConnection);
    connect(&LanguageSwitch::instance(), &LanguageSwitch::languageChanged, &self, &HistoryCommands::refresh,
            Qt::UniqueConnection);
    self.refresh();
}

void HistoryCommands::refresh()
{
    const History& h = History::instance();
    if (m_undo) {
        m_undo->setText(h.canUndo() ? QCoreApplication::translate("HistoryCommands", "元に戻す: %1").arg(LanguageSwitch::instance().retranslated(h.undoLabel())) : QCoreApplication::translate("HistoryCommands", "元に戻す"));
        m_undo->setEnabled(h.canUndo());
    }
    if (m_redo) {
        m_redo->setText(h.canRedo() ? QCoreApplication::translate("HistoryCommands", "やり直し: %1").arg(LanguageSwitch::instance().retranslated(h.redoLabel())) : QCoreApplication::translate("HistoryCommands", "やり直し"));
        m_redo->setEnabled(h.canRedo());
    }
    if (m_saveSnapshot)
        m_saveSnapshot->setText(QCoreApplication::translate("HistoryCommands", "配色を保存…"));
}

void HistoryCommands::start()
{
    instance();
    const HistoryStore::Loaded loaded = store().load();
    History::instance().setData(loaded.data);
    History::instance().start();
    if (!loaded.problem.isEmpty())
        MsgBox(loaded.problem, IMessageBox::OKOnly, QString(), IMessageBox::Exclamation);
}

void HistoryCommands::save(bool silent)
{
    if (!History::instance().isRecording())
        return;
    const QString problem = store().save(History::instance().data());
    if (!problem.isEmpty() && !silent)
        MsgBox(problem, IMessageBox::OKOnly, QString(), IMessageBox::Exclamation);
}

void HistoryCommands::writeSnapshots() { save(false); }

QString HistoryCommands::defaultSnapshotName(const QDateTime& when)
{
    return when.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
}

void HistoryCommands::saveSnapshot(QWidget* parent)
{
    const QDateTime now = QDateTime::currentDateTime();
    QString name = defaultSnapshotName(now);
    if (!Services::messageBox().input(parent, QCoreApplication::translate("HistoryCommands", "この配色の名前:"),
                                        QCoreApplication::translate("HistoryCommands", "配色を保存"), name))
        return;
    name = name.simplified().left(kMaxNameLength);
    if (name.isEmpty())
        name = defaultSnapshotName(now);
    History& history = History::instance();
    std::vector<HistorySnapshot> kept = history.snapshots();
    kept.push_back({name, now.toUTC().toString(Qt::ISODate), Scheme::instance().state()});
    history.setSnapshots(std::move(kept));
}

bool HistoryCommands::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!m_pressed && watched->isWidgetType()) {
            m_pressed = static_cast<QWidget*>(watched);
            ++m_pressSerial;
        }
        break;
    case QEvent::MouseButtonRelease:
        // The release itself may still change the scheme (a click, a drag's last position). It
        // may go to a menu or a dialog the press opened, and it ends the press all the same.
        if (m_pressed)
            QTimer::singleShot(0, this, [this] { m_pressed = nullptr; });
        break;
    case QEvent::Shortcut:
        if (auto* action = qobject_cast<QAction*>(watched)) {
            m_shortcut = action;
            ++m_pressSerial;
            QTimer::singleShot(0, this, [this] { m_shortcut = nullptr; });
        }
        break;
    case QEvent::KeyPress:
        // A menu item chosen with the keyboard.
        if (auto* menu = qobject_cast<QMenu*>(watched); menu && menu->activeAction()) {
            m_shortcut = menu->activeAction();
            ++m_pressSerial;
            QTimer::singleShot(0, this, [this] { m_shortcut = nullptr; });
        }
        break;
    case QEvent::FocusIn:
        // Another control: the keys or the typing before were a run of their own.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            History::instance().endRun();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tessary
