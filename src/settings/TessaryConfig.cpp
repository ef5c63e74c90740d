// SPDX-License-Identifier: MIT
#include "settings/TessaryConfig.h"

#include "contrast/frmContrast.h"
#include "cvd/VisionModeHolder.h"
#include "display/SchemeNotifier.h"
#include "display/frmTessary.h"
#include "main/frmMain.h"
#include "platform/AppInfo.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"
#include "settings/CiniFile.h"
#include "settings/ConfigConversions.h"
#include "settings/ConfigRecord.h"
#include "settings/VisionSettings.h"
#include "settings/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>

namespace tessary {

namespace {

ConfigRecord::Frame frameOf(const Form& form)
{
    return {form.leftTw(), form.topTw(), form.widthTw(), form.heightTw()};
}

QRectF twipsOf(const QRect& px)
{
    return QRectF(Twips::fromPixelsX(px.x()), Twips::fromPixelsY(px.y()), Twips::fromPixelsX(px.width()),
                  Twips::fromPixelsY(px.height()));
}

// Sets a window's frame from the settings, one property at a time, after making sure the
// frame can be seen on one of the screens there are now.
void restoreFrame(Form& form, const ConfigRecord::Frame& saved)
{
    QList<QRectF> screens;
    for (const QScreen* s : QGuiApplication::screens())
        screens.append(twipsOf(s->geometry()));
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRectF area = primary ? twipsOf(primary->availableGeometry()) : QRectF();
    const QRectF r = WindowPlacement::restore(QRectF(saved.left, saved.top, saved.width, saved.height),
                                              QRectF(form.leftTw(), form.topTw(), form.widthTw(), form.heightTw()),
                                              screens, area);
    form.setLeftTw(r.left());
    form.setTopTw(r.top());
    form.setWidthTw(r.width());
    form.setHeightTw(r.height());
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
    // Reading the colours walks the display window's selection through every object.
    SchemeNotifier::Batch batch;
    CiniFile ini;
    // What the file holds already stands in for a window that is not there.
    ConfigRecord r = ConfigRecord::read(ini, defaultPaletteFileName());
    r.prefix = prefix();
    r.restoreWindow = m_restoreWindow;
    r.restoreColor = m_restoreColor;
    frmMain* main = frmMain::loadedInstance();
    frmTessary* display = frmTessary::loadedInstance();
    if (main) {
        r.mainWindow = frameOf(*main);
        r.windowState = main->formState();
    }
    if (display)
        r.tessaryWindow = frameOf(*display);
    r.latticeLineWidth = m_latticeLineWidth;
    r.latticeDivideNum = m_latticeDivideNum;
    r.divideDivideNum = m_divideDivideNum;
    r.sonsOutSideWidth = m_sonsOutSideWidth;
    r.style = m_tessaryStyle;
    for (int i = 0; i < 3; ++i) {
        if (display) {
            if (const FontRef font = display->getLabelFont(std::int16_t(i)))
                r.fonts[size_t(i)] = *font;
        }
        if (main && main->txtSampleString[size_t(i)])
            r.texts[size_t(i)] = main->txtSampleString[size_t(i)]->text();
    }
    if (display) {
        for (int i = 0; i < 5; ++i) {
            display->setSelectObject(std::int16_t(i));
            r.colors[size_t(i)] = display->getColor();
        }
    }
    r.write(ini);
    if (frmContrast* contrast = frmContrast::loadedInstance()) {
        m_contrast = contrast->settings();
        m_contrast->visible = true;
    }
    // After every other section, so that their order and bytes stay as they were.
    if (m_contrast)
        m_contrast->write(ini);
    VisionSettings::write(ini, visionMode());
    m_cssColor.write(ini);
    m_lastSaveStatus = ini.flush();
    if (!m_lastSaveStatus.ok())
        qWarning("Tessary: settings not saved: %s", qPrintable(m_lastSaveStatus.message()));
}

void TessaryConfig::loadConfig()
{
    SchemeNotifier::Batch batch;
    CiniFile ini;
    const ConfigRecord r = ConfigRecord::read(ini, defaultPaletteFileName());
    m_contrast = ContrastSettings::read(ini);
    m_cssColor = CssColorSettings::read(ini);
    frmMain* main = frmMain::loadedInstance();
    frmTessary* display = frmTessary::loadedInstance();

    setPrefix(r.prefix);
    setRestoreWindow(numberFromFlag(r.restoreWindow));
    setRestoreColor(numberFromFlag(r.restoreColor));

    if (restoreWindow() == 1 && main) {
        main->setFormState(Form::WindowState(r.windowState));
        if (main->formState() != Form::Normal) {
            main->setFormState(Form::Normal);
        } else {
            restoreFrame(*main, r.mainWindow);
            if (display)
                restoreFrame(*display, r.tessaryWindow);
        }
    }

    setPaletteFileName(r.paletteFileName);

    setLatticeLineWidth(r.latticeLineWidth);
    setLatticeDivideNum(r.latticeDivideNum);
    setDivideDivideNum(r.divideDivideNum);
    setSonSOutSideWidth(r.sonsOutSideWidth);
    setVisionMode(VisionSettings::read(ini));

    if (restoreColor() == 1) {
        if (display) {
            for (int i = 0; i < 3; ++i)
                display->setLabelFont(std::int16_t(i), copyFont(r.fonts[size_t(i)]));
        }
        if (main) {
            for (int i = 0; i < 3; ++i)
                main->setSampleText(std::int16_t(i), r.texts[size_t(i)]);
        }
        setTessaryStyle(r.style);
        if (display && main) {
            for (int i = 0; i < 5; ++i) {
                display->setSelectObject(std::int16_t(i));
                main->setColor(r.colors[size_t(i)]);
            }
        }
    }

    if (m_contrast && m_contrast->visible && main)
        main->showContrastWindow(*m_contrast);
}

void TessaryConfig::setTessaryStyle(std::int32_t v)
{
    m_tessaryStyle = v;
    if (frmTessary* display = frmTessary::loadedInstance())
        display->setStyle(std::int16_t(v));
}

void TessaryConfig::setDivideDivideNum(std::int32_t v)
{
    m_divideDivideNum = std::max(v, 1);
    if (frmTessary* display = frmTessary::loadedInstance())
        display->setStyleDivide(m_divideDivideNum);
}

void TessaryConfig::setLatticeLineWidth(std::int32_t v)
{
    m_latticeLineWidth = std::max(v, 1);
    if (frmTessary* display = frmTessary::loadedInstance())
        display->setStyleLattice(m_latticeLineWidth, m_latticeDivideNum);
}

void TessaryConfig::setLatticeDivideNum(std::int32_t v)
{
    m_latticeDivideNum = std::max(v, 1);
    if (frmTessary* display = frmTessary::loadedInstance())
        display->setStyleLattice(m_latticeLineWidth, m_latticeDivideNum);
}

void TessaryConfig::setSonSOutSideWidth(std::int32_t v)
{
    m_sonsOutSideWidth = std::max(v, 1);
    if (frmTessary* display = frmTessary::loadedInstance())
        display->setStyleSquareOnSquare(m_sonsOutSideWidth);
}

VisionMode TessaryConfig::visionMode() const { return VisionModeHolder::instance().mode(); }

void TessaryConfig::setVisionMode(const VisionMode& v) { VisionModeHolder::instance().setMode(v); }

QString TessaryConfig::prefix() const { return m_prefix.trimmed(); }

void TessaryConfig::setPrefix(const QString& v)
{
    m_prefix = v;
    if (frmMain* main = frmMain::loadedInstance())
        main->prefix = v;
}

std::int16_t TessaryConfig::restoreWindow() const { return numberFromFlag(m_restoreWindow); }
void TessaryConfig::setRestoreWindow(std::int16_t v) { m_restoreWindow = flagFromNumber(v).value_or(false); }
std::int16_t TessaryConfig::restoreColor() const { return numberFromFlag(m_restoreColor); }
void TessaryConfig::setRestoreColor(std::int16_t v) { m_restoreColor = flagFromNumber(v).value_or(false); }

} // namespace tessary
