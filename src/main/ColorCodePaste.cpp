// SPDX-License-Identifier: MIT
#include "main/ColorCodePaste.h"

#include "csscolor/CssColorReader.h"
#include "platform/Services.h"
#include "platform/TextBox.h"

#include <QCoreApplication>
#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QToolTip>

namespace tessary {

namespace {

// Long pastes are quoted by their start only.
QString quotedStart(const QString& text)
{
    QString t = text.simplified();
    if (t.size() > 40)
        t = t.left(40) + QCoreApplication::translate("ColorCodePaste", "…");
    return QCoreApplication::translate("ColorCodePaste", "「%1」").arg(t);
}

} // namespace

ColorCodePaste::ColorCodePaste(TextBox* field, std::function<void(std::int32_t)> apply)
    : QObject(field)
    , m_field(field)
    , m_apply(std::move(apply))
    , m_description(field->accessibleDescription())
{
    field->installEventFilter(this);
    field->setAcceptDrops(true);
    connect(field, &QLineEdit::textChanged, this, [this] { clearMark(); });
}

bool ColorCodePaste::take(const QString& text)
{
    const CssColorReading r = CssColorReader::read(text);
    if (!r.color) {
        showNote(QCoreApplication::translate("ColorCodePaste", "%1 を色として読めません: %2").arg(quotedStart(text), r.error), true);
        return false;
    }
    clearMark();
    m_apply(*r.color);
    if (!r.note().isEmpty())
        showNote(r.note(), false);
    return true;
}

void ColorCodePaste::showNote(const QString& note, bool error)
{
    m_marked = error;
    if (error)
        m_field->setStyleSheet(QStringLiteral("TextBox { border: 2px solid #d00000; }"));
    m_field->setToolTip(note);
    m_field->setAccessibleDescription(note);
    if (m_field->isVisible())
        QToolTip::showText(m_field->mapToGlobal(QPoint(0, m_field->height())), note, m_field);
}

void ColorCodePaste::clearMark()
{
    if (m_field->toolTip().isEmpty() && !m_marked)
        return;
    m_marked = false;
    m_field->setStyleSheet(QString());
    m_field->setToolTip(QString());
    m_field->setAccessibleDescription(m_description);
    QToolTip::hideText();
}

void ColorCodePaste::showPasteMenu(const QPoint& globalPos)
{
    QMenu* menu = m_field->createStandardContextMenu();
    // The standard menu's paste would insert the text into the field; it reads it instead.
    // The item is known by its caption (followed by its shortcut).
    QAction* paste = nullptr;
    for (QAction* a : menu->actions()) {
        if (a->text().section(u'\t', 0, 0) == QLineEdit::tr("&Paste"))
            paste = a;
    }
    if (paste) {
        paste->setObjectName(QStringLiteral("edit-paste"));
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        paste->setEnabled(!Services::clipboard().text().isEmpty());
        connect(paste, &QAction::triggered, this, [this] { take(Services::clipboard().text()); });
    }
    menu->exec(globalPos);
    delete menu;
}

bool ColorCodePaste::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_field)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(event);
        if (k->matches(QKeySequence::Paste)) {
            take(Services::clipboard().text());
            return true;
        }
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
            && (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            take(m_field->text());
            return true;
        }
        break;
    }
    case QEvent::ContextMenu:
        showPasteMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        auto* m = static_cast<QMouseEvent*>(event);
        if (m->button() != Qt::MiddleButton)
            break;
        const QString selection = Services::clipboard().text(true);
        if (event->type() == QEvent::MouseButtonRelease && !selection.isEmpty())
            take(selection);
        return true;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* d = static_cast<QDropEvent*>(event);
        if (d->mimeData()->hasText()) {
            d->acceptProposedAction();
            return true;
        }
        break;
    }
    case QEvent::Drop: {
        auto* d = static_cast<QDropEvent*>(event);
        if (d->mimeData()->hasText()) {
            d->acceptProposedAction();
            take(d->mimeData()->text());
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tessary
