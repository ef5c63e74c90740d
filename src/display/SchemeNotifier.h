// SPDX-License-Identifier: MIT
#pragma once

#include "display/SchemeState.h"

#include <QObject>
#include <array>
#include <cstdint>

namespace tessary {

class frmTessary;

// Announces every change the display window draws. There is one for the whole program,
// alive before and after the display window, so a view may connect at any time; views
// subscribe here and read state(), never the main window's controls.
//
// A change is announced once per user action: the display window reports each value it
// stores, and the notifier compares it with what it announced last. Outside a Batch that
// happens at once; inside one, at the end of the outermost Batch, so a value set several
// times (three channels of one colour, a selection walked through all objects and back)
// is announced once, or not at all when it ends where it started.
//
// Order within one announcement: selectedObjectChanged, colorChanged for each changed
// object in ascending order, sampleTextChanged and labelFontChanged per label in
// ascending order, styleChanged, pictureChanged, then schemeChanged exactly once.
class SchemeNotifier : public QObject {
    Q_OBJECT
public:
    static SchemeNotifier& instance();

    // The scheme as the display window holds it now (defaults without a display window).
    SchemeState state() const;

    // Holds announcements back until the outermost Batch ends. Batches nest; no timers.
    class Batch {
    public:
        Batch();
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
    };

signals:
    // Colour of object 0..4.
    void colorChanged(int object);
    // The selected object 0..4.
    void selectedObjectChanged(int object);
    // Sample text of label 0..2.
    void sampleTextChanged(int label);
    // Font of label 0..2.
    void labelFontChanged(int label);
    // Style index or any of its parameters.
    void styleChanged();
    // Background picture loaded, or switched on or off.
    void pictureChanged();
    // Once after any of the above in one announcement, and when the display window is
    // loaded or unloaded (the whole scheme is then new).
    void schemeChanged();

private:
    friend class frmTessary;

    SchemeNotifier();

    // Reports from the display window, the store of the scheme.
    void noteColor(int object, std::int32_t color);
    void noteSelectedObject(int object);
    void noteSampleText(int label, const QString& text);
    void noteLabelFont(int label, const StdFont& font);
    void noteStyle(const StyleParams& params);
    void notePictureShown(bool shown);
    void notePictureLoaded();
    // Takes the values as announced without naming each, and announces schemeChanged.
    void noteWholeScheme(const SchemeState& state);

    void beginBatch() { ++m_depth; }
    void endBatch();
    void announce();

    // The comparable part of the scheme.
    struct Values {
        std::array<std::int32_t, SchemeState::ObjectCount> colors{};
        int selectedObject = 0;
        std::array<QString, SchemeState::LabelCount> texts;
        std::array<StdFont, SchemeState::LabelCount> fonts;
        StyleParams style;
        bool pictureShown = false;
    };
    // Which values were reported since the last announcement.
    struct Dirty {
        unsigned colors = 0;   // bit per object
        unsigned texts = 0;    // bit per label
        unsigned fonts = 0;    // bit per label
        bool selectedObject = false;
        bool style = false;
        bool pictureShown = false;
        bool pictureLoaded = false;
        bool wholeScheme = false;

        bool any() const
        {
            return colors || texts || fonts || selectedObject || style || pictureShown || pictureLoaded
                || wholeScheme;
        }
    };

    Values m_current;
    Values m_announced;
    Dirty m_dirty;
    int m_depth = 0;
    bool m_announcing = false;
};

} // namespace tessary
