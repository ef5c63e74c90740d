// SPDX-License-Identifier: MIT
#include "language/Retranslator.h"

#include "language/LanguageSwitch.h"
#include "language/RecordingTranslator.h"
#include "platform/AccessibleNames.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLayout>
#include <QRadioButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabBar>

namespace tessary {

namespace {

// Where a shown text came from is kept on its object, under the name of what shows it, as
// context, source, disambiguation and the text last shown.
QByteArray slotName(const char* what, int index = -1)
{
    QByteArray n = QByteArrayLiteral("_tessaryTr_") + what;
    if (index >= 0)
        n += '_' + QByteArray::number(index);
    return n;
}

class Walk {
public:
    explicit Walk(QWidget* root) : m_root(root), m_translator(LanguageSwitch::instance().translator()) {}

    // The text to show instead of current; current itself when it is not a caption.
    QString translated(QObject* holder, const QByteArray& slot, const QString& current) const
    {
        if (current.isEmpty())
            return current;
        RecordingTranslator::Source source;
        const QStringList kept = holder->property(slot.constData()).toStringList();
        if (kept.size() == 4 && kept[3] == current) {
            source = {kept[0].toUtf8(), kept[1].toUtf8(), kept[2].toUtf8()};
        } else {
            const auto sources = m_translator.sourcesOf(current);
            if (sources.empty())
                return current;
            source = sources.front();
            // The same words in two windows may read differently: the window's own wins.
            for (const auto& s : sources)
                if (isOwnContext(holder, s.context)) {
                    source = s;
                    break;
                }
        }
        const QString next = QCoreApplication::translate(source.context.constData(), source.text.constData(),
                                                         source.disambiguation.isEmpty()
                                                             ? nullptr
                                                             : source.disambiguation.constData());
        holder->setProperty(slot.constData(),
                            QStringList{QString::fromUtf8(source.context), QString::fromUtf8(source.text),
                                        QString::fromUtf8(source.disambiguation), next});
        return next;
    }

    template <typename Get, typename Set>
    void property(QObject* holder, const char* what, Get get, Set set, int index = -1) const
    {
        const QString current = get();
        const QString next = translated(holder, slotName(what, index), current);
        if (next != current)
            set(next);
    }

    void widget(QWidget* w) const
    {
        property(w, "windowTitle", [w] { return w->windowTitle(); }, [w](const QString& s) { w->setWindowTitle(s); });
        property(w, "toolTip", [w] { return w->toolTip(); }, [w](const QString& s) { w->setToolTip(s); });
        property(w, "statusTip", [w] { return w->statusTip(); }, [w](const QString& s) { w->setStatusTip(s); });
        property(w, "whatsThis", [w] { return w->whatsThis(); }, [w](const QString& s) { w->setWhatsThis(s); });
        // A name given after the caption follows the caption when the names are given again.
        if (w->accessibleName() != w->property("tessaryCaptionName").toString())
            property(w, "accessibleName", [w] { return w->accessibleName(); },
                     [w](const QString& s) { w->setAccessibleName(s); });
        property(w, "accessibleDescription", [w] { return w->accessibleDescription(); },
                 [w](const QString& s) { w->setAccessibleDescription(s); });
        if (auto* label = qobject_cast<QLabel*>(w))
            property(w, "text", [label] { return label->text(); }, [label](const QString& s) { label->setText(s); });
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            property(w, "text", [button] { return button->text(); },
                     [button](const QString& s) { button->setText(s); });
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            property(w, "title", [group] { return group->title(); },
                     [group](const QString& s) { group->setTitle(s); });
        else if (auto* menu = qobject_cast<QMenu*>(w))
            property(w, "title", [menu] { return menu->title(); }, [menu](const QString& s) { menu->setTitle(s); });
        else if (auto* tabs = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i) {
                property(w, "tabText", [tabs, i] { return tabs->tabText(i); },
                         [tabs, i](const QString& s) { tabs->setTabText(i, s); }, i);
                property(w, "tabToolTip", [tabs, i] { return tabs->tabToolTip(i); },
                         [tabs, i](const QString& s) { tabs->setTabToolTip(i, s); }, i);
            }
    }

    void action(QAction* a) const
    {
        property(a, "text", [a] { return a->text(); }, [a](const QString& s) { a->setText(s); });
        property(a, "statusTip", [a] { return a->statusTip(); }, [a](const QString& s) { a->setStatusTip(s); });
        property(a, "whatsThis", [a] { return a->whatsThis(); }, [a](const QString& s) { a->setWhatsThis(s); });
    }

private:
    bool isOwnContext(QObject* holder, const QByteArray& context) const
    {
        for (QObject* o = holder; o; o = o->parent())
            if (context == o->metaObject()->className())
                return true;
        return false;
    }

    QWidget* m_root;
    RecordingTranslator& m_translator;
};

// The width a caption needs in its control, or 0 for a control that fits any text.
int neededWidth(QWidget* w)
{
    QString text;
    int extra = 0;
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->wordWrap() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text()))
            return 0;
        text = label->text();
        extra = label->width() - label->contentsRect().width() + 2 * label->margin();
    } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        return w->sizeHint().width();
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        text = button->text();
        extra = 4;
    } else {
        return 0;
    }
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&');
    return text.isEmpty() ? 0 : w->fontMetrics().size(0, text).width() + extra;
}

constexpr char kDesigned[] = "_tessaryDesignedGeometry";

void keepDesigned(QWidget* w)
{
    if (!w->property(kDesigned).isValid())
        w->setProperty(kDesigned, w->isWindow() ? QRect(QPoint(), w->size()) : w->geometry());
}

void widenWindow(QWidget* window, int width)
{
    keepDesigned(window);
    if (window->minimumWidth() == window->maximumWidth())
        window->setFixedWidth(width);
    else
        window->resize(width, window->height());
}

// Controls placed by hand (in no layout) were sized for the Japanese captions. One that a
// longer caption overflows grows to the right; a neighbour it would cover moves aside, and
// the window widens where a control would leave it. Back in Japanese everything takes its
// designed place again.
void fitCaptions(QWidget* root, bool designed)
{
    QList<QWidget*> placed;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        QWidget* parent = w->parentWidget();
        if (parent && !w->isWindow() && !(parent->layout() && parent->layout()->indexOf(w) >= 0))
            placed << w;
    }
    QList<QWidget*> restored = placed;
    restored << root;
    for (QWidget* w : restored) {
        const QRect kept = w->property(kDesigned).toRect();
        if (kept.isNull())
            continue;
        if (w == root)
            widenWindow(root, kept.width());
        else
            w->setGeometry(kept);
    }
    if (designed)
        return;
    for (QWidget* w : placed) {
        const int deficit = neededWidth(w) - w->width();
        if (deficit <= 0)
            continue;
        QWidget* parent = w->parentWidget();
        keepDesigned(w);
        QRect grown = w->geometry();
        grown.setWidth(grown.width() + deficit);
        for (QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (sibling != w && !sibling->isWindow() && sibling->isVisibleTo(parent) && sibling->x() > w->x() &&
                sibling->geometry().intersects(grown)) {
                keepDesigned(sibling);
                sibling->move(sibling->x() + grown.right() + 2 - sibling->x(), sibling->y());
            }
        w->setGeometry(grown);
        int right = 0;
        for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow() && child->isVisibleTo(parent))
                right = std::max(right, child->geometry().right() + 1);
        if (parent == root && right > root->width())
            widenWindow(root, right + 4);
    }
}

} // namespace

void retranslateTree(QWidget* root)
{
    const Walk walk(root);
    walk.widget(root);
    for (QObject* o : root->findChildren<QObject*>()) {
        // What the user or a file named (sample texts, colour names) is never a caption, even
        // where it reads like one.
        if (o->property("tessaryUserText").toBool())
            continue;
        if (auto* w = qobject_cast<QWidget*>(o))
            walk.widget(w);
        else if (auto* a = qobject_cast<QAction*>(o))
            walk.action(a);
    }
    // Names taken from captions follow them.
    nameControlsFromCaptions(root);
    fitCaptions(root, !LanguageSwitch::instance().translator().hasCatalogue());
}

} // namespace tessary
