// SPDX-License-Identifier: MIT
// The floor for start-up measurements: a minimal Qt program with a main window (menu bar,
// tab widget, sliders) and a second, painted window.
#include "platform/StartupProbe.h"

#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>

namespace {
class Painted : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(0, 0, width(), height() / 2, Qt::darkBlue);
        p.fillRect(0, height() / 2, width(), height() - height() / 2, Qt::yellow);
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Text"));
    }
};
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tessary::StartupProbe::installIfRequested(2);
    QWidget main;
    auto* layout = new QVBoxLayout(&main);
    auto* bar = new QMenuBar(&main);
    for (const char* title : {"File", "View", "Tools", "Help"})
        bar->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    layout->setMenuBar(bar);
    auto* tabs = new QTabWidget(&main);
    for (int t = 0; t < 2; ++t) {
        auto* page = new QWidget;
        auto* pl = new QVBoxLayout(page);
        for (int i = 0; i < 3; ++i)
            pl->addWidget(new QSlider(Qt::Horizontal));
        tabs->addTab(page, t == 0 ? QStringLiteral("RGB") : QStringLiteral("HSL"));
    }
    layout->addWidget(tabs);
    main.resize(325, 130);
    main.show();
    Painted second;
    second.setGeometry(main.x() + 330, main.y(), 130, 130);
    second.show();
    return QApplication::exec();
}
