// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace tessary {

// The common dialog control: keeps its file name, filter, flags and font attributes
// between uses and shows the platform's file and font dialogs.
class CommonDialog {
public:
    explicit CommonDialog(QWidget* owner = nullptr)
        : m_owner(owner)
    {
    }

    QString fileName;
    QString filter;
    // The 1-based filter entry a save dialog was left on; 0 when the dialog did not say.
    int filterIndex = 0;
    std::int32_t flags = 0;
    bool cancelError = false;

    QString fontName;
    double fontSize = 9.0;
    bool fontBold = false;
    bool fontItalic = false;
    bool fontUnderline = false;
    bool fontStrikethru = false;

    // Each returns false when the user cancelled; a chosen path lands in fileName.
    bool showOpen();
    bool showSave();
    bool showFont();

private:
    QWidget* m_owner;
};

} // namespace tessary
