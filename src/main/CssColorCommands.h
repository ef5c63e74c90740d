// SPDX-License-Identifier: MIT
#pragma once

#include "csscolor/CssColorSettings.h"

#include <QObject>
#include <array>
#include <cstdint>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace tessary {

// The main window's commands for colours as CSS writes them, added at the end of its menus
// after a separator: ツール → 色を貼り付け, 色をコピー (one item per form; the form chosen
// last also answers Ctrl+Shift+C), スポイト; 表示 → OKLCH で編集.
class CssColorCommands : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<std::int32_t()> currentColor;
        std::function<void()> pasteColor;
        std::function<void()> startPicker;
        std::function<void(bool)> showOklchPage;
        std::function<void(const CssColorSettings&)> settingsChanged;
    };

    CssColorCommands(QWidget* window, QMenu* toolMenu, QMenu* viewMenu, Hooks hooks);

    // Marks the copy form and the page item as the settings say and shows or hides the page.
    void applySettings(const CssColorSettings& settings);
    const CssColorSettings& settings() const { return m_settings; }

    // Copies the current colour in this form and remembers the form.
    void copy(CssColorForm form);

    QAction* pasteAction = nullptr;
    QMenu* copyMenu = nullptr;
    std::array<QAction*, 5> copyActions{};
    QAction* eyedropperAction = nullptr;
    QAction* oklchPageAction = nullptr;

private:
    void markCopyForm();

    QWidget* m_window;
    Hooks m_hooks;
    CssColorSettings m_settings;
};

} // namespace tessary
