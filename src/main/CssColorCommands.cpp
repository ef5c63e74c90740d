// SPDX-License-Identifier: MIT
#include "main/CssColorCommands.h"

#include "csscolor/CssColorWriter.h"
#include "language/LanguageSwitch.h"
#include "platform/Services.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>

namespace tessary {

namespace {

QAction* windowAction(QWidget* window, QMenu* menu, const QString& caption, const char* name, const QString& tip)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setStatusTip(tip);
    a->setShortcutContext(Qt::WindowShortcut);
    window->addAction(a);
    return a;
}

} // namespace

CssColorCommands::CssColorCommands(QWidget* window, QMenu* toolMenu, QMenu* viewMenu, Hooks hooks)
    : QObject(window)
    , m_window(window)
    , m_hooks(std::move(hooks))
{
    toolMenu->addSeparator()->setObjectName(QStringLiteral("mnuSeparatorCssColor"));
    pasteAction = windowAction(window, toolMenu, tr("色を貼り付け"), "mnuPasteColor",
                               tr("クリップボードの色（CSS の書き方）を変更対象の色にします"));
    pasteAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    connect(pasteAction, &QAction::triggered, this, [this] { m_hooks.pasteColor(); });

    copyMenu = toolMenu->addMenu(tr("色をコピー"));
    copyMenu->setObjectName(QStringLiteral("mnuCopyColor"));
    copyMenu->setAccessibleName(copyMenu->title());
    auto* group = new QActionGroup(this);
    for (std::size_t i = 0; i < kCssColorForms.size(); ++i) {
        const CssColorForm form = kCssColorForms[i];
        QAction* a = windowAction(window, copyMenu, cssColorFormName(form),
                                  QStringLiteral("mnuCopyColor%1").arg(i).toLatin1().constData(),
                                  tr("変更対象の色を %1 の形でコピーします").arg(cssColorFormName(form)));
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, form] { copy(form); });
        copyActions[i] = a;
    }
    // The tips name the form inside the sentence.
    connect(&LanguageSwitch::instance(), &LanguageSwitch::languageChanged, this, [this] {
        for (std::size_t i = 0; i < kCssColorForms.size(); ++i)
            copyActions[i]->setStatusTip(
                tr("変更対象の色を %1 の形でコピーします").arg(cssColorFormName(kCssColorForms[i])));
    });

    eyedropperAction = windowAction(window, toolMenu, tr("スポイト"), "mnuEyedropper",
                                    tr("画面の好きな点の色を取ります"));
    eyedropperAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
    connect(eyedropperAction, &QAction::triggered, this, [this] { m_hooks.startPicker(); });

    viewMenu->addSeparator()->setObjectName(QStringLiteral("mnuSeparatorOklch"));
    oklchPageAction = windowAction(window, viewMenu, tr("OKLCH で編集"), "mnuOklchPage",
                                   tr("RGB と HSL の横に OKLCH のページを出します"));
    oklchPageAction->setCheckable(true);
    connect(oklchPageAction, &QAction::triggered, this, [this](bool on) {
        m_settings.oklchPage = on;
        m_hooks.showOklchPage(on);
        m_hooks.settingsChanged(m_settings);
    });
    markCopyForm();
}

void CssColorCommands::applySettings(const CssColorSettings& settings)
{
    m_settings = settings;
    markCopyForm();
    oklchPageAction->setChecked(settings.oklchPage);
    m_hooks.showOklchPage(settings.oklchPage);
}

void CssColorCommands::copy(CssColorForm form)
{
    Services::clipboard().setText(CssColorWriter::write(m_hooks.currentColor(), form));
    if (m_settings.copyForm != form) {
        m_settings.copyForm = form;
        m_hooks.settingsChanged(m_settings);
    }
    markCopyForm();
}

// Ctrl+Shift+C sits on the item of the form chosen last, so the menu shows what it copies.
void CssColorCommands::markCopyForm()
{
    for (std::size_t i = 0; i < copyActions.size(); ++i) {
        const bool last = kCssColorForms[i] == m_settings.copyForm;
        copyActions[i]->setChecked(last);
        copyActions[i]->setShortcut(last ? QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C) : QKeySequence());
    }
}

} // namespace tessary
