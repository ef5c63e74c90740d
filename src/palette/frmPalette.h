// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DefaultInstance.h"
#include "platform/Form.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <memory>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QScrollBar;

namespace tessary {

class DefinedColor;
class PaletteStatus;
class PictureBox;

// The palette window: a palette as a grid of colour chips with a scroll bar, an
// information panel with the list of the palette's colours, and the file and edit menus.
class frmPalette : public Form, public DefaultInstance<frmPalette> {
    Q_OBJECT
public:
    frmPalette();
    ~frmPalette() override;

    // Redraws the grid from the first visible colour.
    void refreshPalette();

    // The colour value a chip shows for the colour at a 1-based position: the system's
    // colour of its name in the system-colour palette, else the colour of its code.
    std::int32_t colorValueAt(int position) const;

    // True while the palette differs from the file it was last opened from or saved to, and
    // for a palette that came from elsewhere and was never saved.
    bool hasUnsavedChanges() const;
    // Before unsaved changes would be dropped: asks whether to save them. True when the
    // caller may go on (saved, or not to be saved); false when the user cancelled or the
    // save did not happen, and everything stays as it was.
    bool settleUnsavedChanges();
    // The program is being ended without a chance to ask: unsaved changes go to the recovery
    // file, and the window closes.
    void unloadToRecovery();
    // Writes unsaved changes to the recovery file (nothing when there are none).
    bool writeRecovery() const;
    // The file that keeps unsaved changes of a program that was ended, beside the settings.
    static QString recoveryFileName();
    // At start: offers the palette left in the recovery file by a program that was ended.
    static void offerRecovery();

    // Event handlers.
    void cmbColorSelect_Click();
    void picPalette_MouseDown(int button, int shift, int x, int y);
    void picPalette_MouseMove(int button, int shift, int x, int y);
    void picPalette_DblClick();
    void VScroll1_Change();
    void mnuNew_Click();
    void mnuLoadPalette_Click();
    void mnuSave_Click();
    void mnuEasySave_Click();
    void mnuQuit_Click();
    void mnuExport_Click();
    void mnuImportGpl_Click();
    void mnuDelete_Click();
    void mnuAddColor_Click();
    void mnuColorProperty_Click();
    void mnuPaletteProperty_Click();
    void mnuCopyColorCode_Click();

    // What the window shows: the palette (shared with the property dialogs) and its file;
    // the 1-based positions of the top left chip and of the selection (which may lie past
    // the last colour, on an empty cell); the selected cell counted from the top left
    // visible one; the grid's columns and rows; a chip's side in pixels.
    const std::shared_ptr<DefinedColor>& shownPalette() const { return palette; }
    const QString& fileName() const { return currentFileName; }
    int firstVisiblePosition() const { return firstVisibleIndex; }
    int selectedPosition() const { return selectedIndex; }
    QPoint selectedCell() const { return {selectedColumn, selectedRow}; }
    QSize gridSize() const { return {columnCount, rowCount}; }
    int chipPixels() const { return chipSize; }
    // A colour of the palette was changed in place: the grid shows it, and the palette can
    // be saved over its file.
    void colorEdited();

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_Resize() override;
    // The chip grid's keys: arrows, Home, End, Page Up and Page Down move the selection,
    // Enter takes the selected colour as a double click does.
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    friend class PaletteChips;

    // The palette shown; shared with the property dialogs.
    std::shared_ptr<DefinedColor> palette;
    int chipSize = 0;
    int columnCount = 0;
    int rowCount = 0;
    int firstVisibleIndex = 0;    // 1-based position of the top left chip
    int selectedColumn = 0;       // 0-based, from the top left visible cell
    int selectedRow = 0;
    int previousColumn = 0;
    int previousRow = 0;
    int selectedIndex = 0;        // 1-based; may lie past the last colour (an empty cell)
    QString currentFileName;

    // Controls; tests find them by their object names.
    QMenuBar* menuBar = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuLoadPalette = nullptr;
    QAction* mnuSeparator3 = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuEasySave = nullptr;
    QAction* mnuSeparator2 = nullptr;
    QAction* mnuQuit = nullptr;
    QAction* mnuSeparator4 = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuImportGpl = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuDelete = nullptr;
    QAction* mnuAddColor = nullptr;
    QAction* mnuSeparator1 = nullptr;
    QAction* mnuColorProperty = nullptr;
    QAction* mnuPaletteProperty = nullptr;
    QAction* mnuCopyColorCode = nullptr;

    QWidget* client = nullptr;    // the inner area below the menu bar
    QFrame* infoFrame = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cmbColorSelect = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* colorCodeInfo = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* colorCommentInfo = nullptr;
    PictureBox* picPalette = nullptr;
    QScrollBar* VScroll1 = nullptr;

    void moveSelection(int delta);
    void selectPosition(int position);
    void openPaletteFile(const QString& fileName);
    // Makes a palette read from elsewhere the open one, with no file and changes to save.
    void adoptPalette(std::shared_ptr<DefinedColor> adopted);
    bool savePaletteFile(const QString& fileName);
    void layoutGrid();
    void drawPalette(int first);
    void frameChip(int column, int row, std::int32_t color);
    void selectChipAt(int x, int y);
    QPoint locateColorByName(const QString& name);
    void prepareAddCurrentColor();
    void showColorProperty();

    void arrangeClient();
    void showProblems(const QList<PaletteStatus>& problems);
    QString askFileName(bool save, const QString& initialName);

    // What the palette was when last opened or saved, to tell unsaved changes.
    void markSaved();

    QByteArray m_savedBytes;
    bool m_neverSaved = false;
    bool m_askOnUnload = true;

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tessary
