// SPDX-License-Identifier: MIT
#pragma once

#include "main/frmMain.h"
#include "palette/DefinedColor.h"
#include "palette/frmColorProperty.h"
#include "palette/frmPalette.h"
#include "platform/Cp932Codec.h"
#include "platform/PictureBox.h"
#include "settings/TessaryConfig.h"
#include "support/GuiTest.h"

#include <QComboBox>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <functional>

namespace tessary::test {

// Opens the palette window on palette files written into the test's folder.
class PaletteWindowTest : public GuiTest {
protected:
    static QByteArray sjis(const QString& text) { return Cp932Codec::encode(text); }

    // A palette of n colours named C1..Cn with codes 000001.. and comments "c1"...
    static QByteArray numbered(int n, const QString& comment = QStringLiteral("numbered"))
    {
        QByteArray out = sjis(QStringLiteral("\"Numbers\",\"\",\"%1\"\r\n").arg(comment));
        for (int i = 1; i <= n; ++i)
            out += QStringLiteral("\"%1\",\"C%2\",\"c%2\"\r\n")
                       .arg(QString::number(i, 16).toUpper().rightJustified(6, QLatin1Char('0')))
                       .arg(i)
                       .toLatin1();
        return out;
    }

    frmPalette& openWith(const QByteArray& bytes, const QString& name = QStringLiteral("p.tcf"))
    {
        return openPath(writeFile(name, bytes));
    }

    frmPalette& openPath(const QString& path)
    {
        frmMain::instance().configManager().setPaletteFileName(path);
        frmPalette& w = frmPalette::instance();
        w.showModeless();
        return w;
    }

    // Inner area below the menu bar of width x height pixels (no frame offscreen).
    static void setInnerSize(frmPalette& w, int width, int height)
    {
        w.resize(width, height + test::control<QMenuBar>(w, "menuBar")->sizeHint().height());
        QCoreApplication::processEvents();
    }

    // 12 columns and 8 rows for palettes of 96 colours or more.
    static void setTwelveByEight(frmPalette& w) { setInnerSize(w, 17 + 12 * 16 + 5, 65 + 8 * 16 + 7); }

    static void click(frmPalette& w, int column, int row)
    {
        emit test::control<PictureBox>(w, "picPalette")->MouseDown(1, 0, column * 16 + 5, row * 16 + 5);
    }

    static void choose(frmPalette& w, int entry)
    {
        test::control<QComboBox>(w, "cmbColorSelect")->setCurrentIndex(entry);
        emit test::control<QComboBox>(w, "cmbColorSelect")->activated(entry);
    }

    static std::int32_t chipPixel(frmPalette& w, int column, int row, int dx = 8, int dy = 8)
    {
        return test::control<PictureBox>(w, "picPalette")->surface().pixel(column * 16 + dx, row * 16 + dy);
    }

    // Runs steps against the colour property dialog once it is shown modally; the dialog
    // is closed after them if they left it open, so that no test can hang.
    void whenColorPropertyShows(std::function<void(frmColorProperty&)> steps)
    {
        QTimer::singleShot(0, [steps = std::move(steps)] {
            if (!frmColorProperty::isInstanceLoaded())
                return;
            steps(frmColorProperty::instance());
            frmColorProperty::unloadInstance();
        });
    }

    // The next widget that Tab moves the focus to.
    static QWidget* nextTabStop(QWidget* w)
    {
        for (QWidget* n = w->nextInFocusChain(); n && n != w; n = n->nextInFocusChain()) {
            if (n->focusPolicy() & Qt::TabFocus)
                return n;
        }
        return nullptr;
    }

    QStringList messages() const
    {
        QStringList out;
        for (const auto& c : fakes.messageBox->calls)
            out << c.text;
        return out;
    }
};

} // namespace tessary::test
