// SPDX-License-Identifier: MIT
#include "settings/TessaryConfig.h"

#include "cvd/VisionModeHolder.h"
#include "platform/AppInfo.h"
#include "platform/Twips.h"
#include "platform/Workspace.h"
#include "scheme/Scheme.h"
#include "settings/CiniFile.h"
#include "settings/ConfigConversions.h"
#include "settings/ConfigRecord.h"
#include "settings/VisionSettings.h"
#include "language/LanguageSettings.h"
#include "language/LanguageSwitch.h"
#include "settings/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>

namespace tessary {

namespace {

ConfigRecord::Frame frameOf(const Workspace::Place& place)
{
    return {place.left, place.top, place.width, place.height};
}

QRectF twipsOf(const QRect& px)
{
    return QRectF(Twips::fromPixelsX(px.x()), Twips::fromPixelsY(px.y()), Twips::fromPixelsX(px.width()),
                  Twips::fromPixelsY(px.height()));
}

// Sets a window's frame from the settings, one property at a time, after making sure the
// frame can be seen on one of the screens there are now.
void restoreFrame(Workspace::Placed window, const ConfigRecord::Frame& saved)
{
    Workspace& workspace = Workspace::instance();
    const auto now = workspace.place(window);
    if (!now)
        return;
    QList<QRectF> screens;
    for (const QScreen* s : QGuiApplication::screens())
        screens.append(twipsOf(s->geometry()));
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRectF area = primary ? twipsOf(primary->availableGeometry()) : QRectF();
    const QRectF r = WindowPlacement::restore(QRectF(saved.left, saved.top, saved.width, saved.height),
                                              QRectF(now->left, now->top, now->width, now->height), screens, area);
    workspace.setFrame(window, {r.left(), r.top(), r.width(), r.height(), now->state});
}

} // namespace

std::optional<bool> TessaryConfig::flagFromNumber(std::int32_t n) { return ConfigConversions::flagFromNumber(n); }
std::int16_t TessaryConfig::numberFromFlag(bool flag) { return ConfigConversions::numberFromFlag(flag); }

QString TessaryConfig::defaultPaletteFileName()
{
    return AppInfo::programFolder() + QStringLiteral("/palette/default.tcf");
}

void TessaryConfig::saveConfig()
{
    Scheme& scheme = Scheme::instance();
    const SchemeState& values = scheme.state();
    CiniFile ini;
    // What the file holds already stands in for a window that is not there.
    ConfigRecord r = ConfigRecord::read(ini, defaultPaletteFileName());
    r.prefix = prefix();
    r.restoreWindow = m_restoreWindow;
    r.restoreColor = m_restoreColor;
    Workspace& workspace = Workspace::instance();
    // The contrast window, while open, hands over what it shows.
    workspace.gatherSettings();
    const auto main = workspace.place(Workspace::Placed::Main);
    const auto display = workspace.place(Workspace::Placed::Display);
    if (main) {
        r.mainWindow = frameOf(*main);
        r.windowState = main->state;
    }
    if (display)
        r.tessaryWindow = frameOf(*display);
    r.latticeLineWidth = m_latticeLineWidth;
    r.latticeDivideNum = m_latticeDivideNum;
    r.divideDivideNum = m_divideDivideNum;
    r.sonsOutSideWidth = m_sonsOutSideWidth;
    r.style = m_tessaryStyle;
    // The scheme lives with the display window; without one the file's values stand.
    if (display) {
        for (int i = 0; i < 3; ++i) {
            r.fonts[size_t(i)] = values.labels[size_t(i)].font;
            r.texts[size_t(i)] = values.labels[size_t(i)].text;
        }
        r.colors = values.colors;
        // Saving has always left the last object selected, as reading the colours one by one did.
        scheme.selectLastObject();
    }
    r.write(ini);
    // After every other section, so that their order and bytes stay as they were.
    if (m_contrast)
        m_contrast->write(ini);
    VisionSettings::write(ini, visionMode());
    m_cssColor.write(ini);
    LanguageSettings::write(ini, LanguageSwitch::instance().chosen());
    if (m_historyView)
        m_historyView->write(ini);
    m_lastSaveStatus = ini.flush();
    if (!m_lastSaveStatus.ok())
        qWarning("Tessary: settings not saved: %s", qPrintable(m_lastSaveStatus.message()));
}

void TessaryConfig::loadConfig()
{
    Scheme::Batch batch;
    CiniFile ini;
    const ConfigRecord r = ConfigRecord::read(ini, defaultPaletteFileName());
    m_contrast = ContrastSettings::read(ini);
    m_cssColor = CssColorSettings::read(ini);
    m_historyView = HistoryViewSettings::read(ini);
    Scheme& scheme = Scheme::instance();
    Workspace& workspace = Workspace::instance();
    const bool mainLoaded = workspace.place(Workspace::Placed::Main).has_value();

    setPrefix(r.prefix);
    setRestoreWindow(numberFromFlag(r.restoreWindow));
    setRestoreColor(numberFromFlag(r.restoreColor));

    if (restoreWindow() == 1 && mainLoaded) {
        // A window kept minimised or maximised comes back normal, where it is.
        if (workspace.setState(Workspace::Placed::Main, r.windowState) != 0) {
            workspace.setState(Workspace::Placed::Main, 0);
        } else {
            restoreFrame(Workspace::Placed::Main, r.mainWindow);
            restoreFrame(Workspace::Placed::Display, r.tessaryWindow);
        }
    }

    setPaletteFileName(r.paletteFileName);

    setLatticeLineWidth(r.latticeLineWidth);
    setLatticeDivideNum(r.latticeDivideNum);
    setDivideDivideNum(r.divideDivideNum);
    setSonSOutSideWidth(r.sonsOutSideWidth);
    setVisionMode(VisionSettings::read(ini));

    if (restoreColor() == 1) {
        for (int i = 0; i < 3; ++i) {
            scheme.setFont(i, r.fonts[size_t(i)]);
            scheme.setText(i, r.texts[size_t(i)]);
        }
        setTessaryStyle(r.style);
        // The colours are set object by object, the last one left selected.
        for (int i = 0; i < 5; ++i) {
            scheme.select(i);
            scheme.setColor(i, r.colors[size_t(i)]);
        }
    }
}

void TessaryConfig::setTessaryStyle(std::int32_t v)
{
    m_tessaryStyle = v;
    StyleParams p = Scheme::instance().state().style;
    p.style = std::int16_t(v);
    Scheme::instance().setStyle(p);
}

void TessaryConfig::setDivideDivideNum(std::int32_t v)
{
    m_divideDivideNum = std::max(v, 1);
    StyleParams p = Scheme::instance().state().style;
    p.divideNum = m_divideDivideNum;
    Scheme::instance().setStyle(p);
}

void TessaryConfig::setLatticeLineWidth(std::int32_t v)
{
    m_latticeLineWidth = std::max(v, 1);
    setSchemeLattice();
}

void TessaryConfig::setLatticeDivideNum(std::int32_t v)
{
    m_latticeDivideNum = std::max(v, 1);
    setSchemeLattice();
}

void TessaryConfig::setSonSOutSideWidth(std::int32_t v)
{
    m_sonsOutSideWidth = std::max(v, 1);
    StyleParams p = Scheme::instance().state().style;
    p.outsideWidth = m_sonsOutSideWidth;
    Scheme::instance().setStyle(p);
}

void TessaryConfig::setSchemeLattice()
{
    StyleParams p = Scheme::instance().state().style;
    p.latticeLineWidth = m_latticeLineWidth;
    p.latticeDivideNum = m_latticeDivideNum;
    Scheme::instance().setStyle(p);
}

VisionMode TessaryConfig::visionMode() const { return VisionModeHolder::instance().mode(); }

void TessaryConfig::setVisionMode(const VisionMode& v) { VisionModeHolder::instance().setMode(v); }

QString TessaryConfig::prefix() const { return m_prefix.trimmed(); }

void TessaryConfig::setPrefix(const QString& v)
{
    m_prefix = v;
    Workspace::instance().setCodePrefix(v);
}

std::int16_t TessaryConfig::restoreWindow() const { return numberFromFlag(m_restoreWindow); }
void TessaryConfig::setRestoreWindow(std::int16_t v) { m_restoreWindow = flagFromNumber(v).value_or(false); }
std::int16_t TessaryConfig::restoreColor() const { return numberFromFlag(m_restoreColor); }
void TessaryConfig::setRestoreColor(std::int16_t v) { m_restoreColor = flagFromNumber(v).value_or(false); }

} // namespace tessary
