// SPDX-License-Identifier: MIT
#include "pickers/DesktopWaitWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace tessary {

namespace {
constexpr int kGap = 8;   // pixels between the window and the one it stands beside
} // namespace

DesktopWaitWindow::DesktopWaitWindow()
    : QWidget(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("画面の色を拾う"));
    message = new QLabel(tr("デスクトップの応答を待っています…\n"
                                        "デスクトップが画面の取り込みや色の選択を尋ねていれば、そちらで答えてください。"),
                         this);
    message->setWordWrap(true);
    btnCancel = new QPushButton(tr("取り消し"), this);
    btnCancel->setDefault(true);
    message->setObjectName(QStringLiteral("message"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addWidget(btnCancel, 0, Qt::AlignRight);
    setAccessibleName(windowTitle());
    connect(btnCancel, &QPushButton::clicked, this, &DesktopWaitWindow::cancelled);
    setMinimumWidth(fontMetrics().averageCharWidth() * 48);
}

void DesktopWaitWindow::showBeside(const QWidget* other)
{
    adjustSize();
    setFixedSize(size());
    if (other && other->isVisible()) {
        const QRect o = other->frameGeometry();
        const QScreen* screen = other->screen();
        const QRect area = screen ? screen->availableGeometry() : QRect();
        QPoint at(o.right() + kGap, o.top());
        if (area.isValid() && at.x() + frameGeometry().width() > area.right())
            at.setX(o.left() - kGap - frameGeometry().width());
        if (area.isValid()) {
            at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - frameGeometry().width())));
            at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - frameGeometry().height())));
        }
        move(at);
    }
    show();
    raise();
    activateWindow();
}

void DesktopWaitWindow::closeEvent(QCloseEvent* e)
{
    // Closing the window is cancelling the wait; the picker decides what goes.
    e->ignore();
    emit cancelled();
}

void DesktopWaitWindow::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        emit cancelled();
        return;
    }
    QWidget::keyPressEvent(e);
}

} // namespace tessary
