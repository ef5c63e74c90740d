// SPDX-License-Identifier: MIT
#pragma once

#include "historyview/HistoryEntries.h"

#include <QImage>
#include <QWidget>

class QLabel;

namespace tessary {

// Two entries of the history side by side: each drawn in the display window's style, with its
// contrast table and its colours, those that differ from the other side marked.
class SchemeCompare : public QWidget {
    Q_OBJECT
public:
    explicit SchemeCompare(QWidget* parent);

    void show(const HistoryEntry& left, const HistoryEntry& right);
    using QWidget::show;

    // The scheme drawn as the display window draws it, its style taken from `style` (the
    // display window's now), shrunk to size.
    static QImage paint(QSize size, const SchemeState& scheme, const StyleParams& style);
    // The text beside a picture: contrast ratios of each text on each background, then the
    // five colour codes, "≠" before those that differ from the other side's.
    static QString describe(const SchemeState& scheme, const SchemeState& other);

private:
    QLabel* m_picture[2];
    QLabel* m_text[2];
};

} // namespace tessary
