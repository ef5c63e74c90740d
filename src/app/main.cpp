// SPDX-License-Identifier: MIT
#include "main/frmMain.h"
#include "platform/FontMapper.h"
#include "platform/Services.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessary"));
    QApplication::setQuitOnLastWindowClosed(false);
    tessary::FontMapper::installSubstitutions();
    tessary::Services::installReal();

    tessary::frmMain& main = tessary::frmMain::instance();
    // The program ends when the main window has been unloaded.
    QObject::connect(&main, &tessary::Form::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    main.showModeless();
    return QApplication::exec();
}
