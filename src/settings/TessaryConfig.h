// SPDX-License-Identifier: MIT
#pragma once

#include "contrast/ContrastSettings.h"
#include "csscolor/CssColorSettings.h"
#include "cvd/VisionMode.h"
#include "historyview/HistoryViewSettings.h"
#include "settings/IniStatus.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace tessary {

// The program's settings while it runs; moves them and the colour scheme between the
// windows and the INI file.
class TessaryConfig {
public:
    // Writes settings, window frames and the scheme. A file that cannot be written keeps
    // its old contents; the program goes on (see lastSaveStatus).
    void saveConfig();
    // Reads them back and hands them to the main and the display window. Values that cannot
    // be read keep their defaults; nothing else is lost.
    void loadConfig();

    std::int32_t tessaryStyle() const { return m_tessaryStyle; }
    void setTessaryStyle(std::int32_t v);             // also the display window's style
    std::int32_t DivideDivideNum() const { return m_divideDivideNum; }
    void setDivideDivideNum(std::int32_t v);          // below 1 becomes 1
    std::int32_t LatticeLineWidth() const { return m_latticeLineWidth; }
    void setLatticeLineWidth(std::int32_t v);         // below 1 becomes 1
    std::int32_t LatticeDivideNum() const { return m_latticeDivideNum; }
    void setLatticeDivideNum(std::int32_t v);         // below 1 becomes 1
    std::int32_t SonSOutSideWidth() const { return m_sonsOutSideWidth; }
    void setSonSOutSideWidth(std::int32_t v);         // below 1 becomes 1
    QString prefix() const;                           // trimmed
    void setPrefix(const QString& v);                 // also the prefix the windows show
    std::int16_t restoreWindow() const;               // 1 or 0
    void setRestoreWindow(std::int16_t v);            // only 1 switches it on
    std::int16_t restoreColor() const;
    void setRestoreColor(std::int16_t v);
    // The colour vision the display window imitates (VisionModeHolder's); saved in a section
    // of its own.
    VisionMode visionMode() const;
    void setVisionMode(const VisionMode& v);
    QString paletteFileName() const { return m_paletteFileName; }
    void setPaletteFileName(const QString& v) { m_paletteFileName = v; }

    // The contrast window's settings; defaults when the file has none.
    ContrastSettings contrastSettings() const { return m_contrast.value_or(ContrastSettings{}); }
    // From now on the file gets a contrast section.
    void setContrastSettings(const ContrastSettings& v) { m_contrast = v; }

    // The history window's place; from a set on, the file gets its section.
    std::optional<HistoryViewSettings> historyViewSettings() const { return m_historyView; }
    void setHistoryViewSettings(const HistoryViewSettings& v) { m_historyView = v; }

    // The copy form and the OKLCH page (defaults when the file has none).
    const CssColorSettings& cssColorSettings() const { return m_cssColor; }
    void setCssColorSettings(const CssColorSettings& v) { m_cssColor = v; }

    // How the last saveConfig went.
    const IniStatus& lastSaveStatus() const { return m_lastSaveStatus; }
    // <program folder>/palette/default.tcf
    static QString defaultPaletteFileName();

private:
    static std::optional<bool> flagFromNumber(std::int32_t n);
    static std::int16_t numberFromFlag(bool flag);

    QString m_prefix;
    bool m_restoreWindow = false;
    bool m_restoreColor = false;
    std::int32_t m_sonsOutSideWidth = 0;
    std::int32_t m_latticeDivideNum = 0;
    std::int32_t m_latticeLineWidth = 0;
    std::int32_t m_divideDivideNum = 0;
    std::int32_t m_tessaryStyle = 0;
    QString m_paletteFileName;
    // Only a file that had the section, or a run that opened the window, writes it.
    std::optional<ContrastSettings> m_contrast;
    CssColorSettings m_cssColor;
    // As the contrast section: only a file that had it, or a run that opened the window.
    std::optional<HistoryViewSettings> m_historyView;

    void setSchemeLattice();
    IniStatus m_lastSaveStatus = IniStatus::success();
};

} // namespace tessary
