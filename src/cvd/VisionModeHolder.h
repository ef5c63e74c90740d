// SPDX-License-Identifier: MIT
#pragma once

#include "cvd/VisionMode.h"

#include <QObject>

namespace tessary {

// The colour vision the program imitates, one for the whole program; it lives before and
// after every window. The menu and the settings set it; the display window and any view that
// shows simulated colours read mode() when they are created and follow modeChanged (connect
// with the view as context object, so the connection ends with it). The stored colours never
// depend on it.
class VisionModeHolder : public QObject {
    Q_OBJECT
public:
    static VisionModeHolder& instance();

    const VisionMode& mode() const { return m_mode; }
    // Announces modeChanged when the mode or the remembered strength differs.
    void setMode(const VisionMode& mode);

signals:
    void modeChanged(const tessary::VisionMode& mode);

private:
    VisionModeHolder() = default;
    VisionMode m_mode;
};

} // namespace tessary
