// SPDX-License-Identifier: MIT
#pragma once

#include "scheme/SchemeState.h"

#include <QObject>

namespace tessary {

// The home of the scheme: the five colours, the selected object, the sample texts and their
// fonts, the style and the background picture. Windows are views of it: they change it only
// through the commands below and follow its announcements.
//
// A change is announced once per user action. Each command stores its value and marks it;
// outside a Batch the marks are announced at once, inside one at the end of the outermost
// Batch, so a value set several times (three channels of one colour, a selection walked
// through all objects and back) is announced once, or not at all when it ends where it
// started. A value set to what it was is no change.
//
// Order within one announcement: selectedObjectChanged, colorChanged for each changed
// object in ascending order, sampleTextChanged and labelFontChanged per label in
// ascending order, styleChanged, pictureChanged, then schemeChanged exactly once. A slot
// that changes the scheme gets its change announced after the current announcement.
class Scheme : public QObject {
    Q_OBJECT
public:
    Scheme();

    // The program's scheme, alive before and after every window.
    static Scheme& instance();

    const SchemeState& state() const { return m_current; }
    std::int32_t color(int object) const;
    int selectedObject() const { return m_current.selectedObject; }

    // Object 0..4 and label 0..2; commands naming other indices change nothing.
    void setColor(int object, std::int32_t color);
    // The colour of the selected object.
    void setSelectedColor(std::int32_t color) { setColor(m_current.selectedObject, color); }
    void select(int object);
    void setText(int label, const QString& text);
    void setFont(int label, const StdFont& font);
    void setStyle(const StyleParams& params);
    void setPictureShown(bool shown);
    // A picture was read from the file: it is shown, and announced even when it is the same
    // file again (the file may have changed).
    void loadPicture(const QString& file);
    // Saving the settings reads the objects in order and leaves the last one selected.
    void selectLastObject() { select(SchemeState::ObjectCount - 1); }
    // Every value at once, announced as one action: only what differs.
    void restore(const SchemeState& state);
    // A new scheme altogether (the display window loaded or unloaded): the values are taken
    // without naming each, and only schemeChanged is announced.
    void replace(const SchemeState& state);

    // Holds announcements back until the outermost Batch ends. Batches nest; no timers.
    class Batch {
    public:
        explicit Batch(Scheme& scheme = Scheme::instance());
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        Scheme& m_scheme;
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
    // Once after any of the above in one announcement, and after replace().
    void schemeChanged();

private:
    void announce();

    // Which values were set since the last announcement.
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

    SchemeState m_current;
    SchemeState m_announced;
    Dirty m_dirty;
    int m_depth = 0;
    bool m_announcing = false;
};

} // namespace tessary
