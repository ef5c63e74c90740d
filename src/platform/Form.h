// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QAbstractButton;
class QEventLoop;

namespace tessary {

// A top-level window with a load/unload life cycle, geometry of its outer frame in
// twips and a window state. Subclasses override the Form_* handlers.
class Form : public QWidget {
    Q_OBJECT
public:
    enum WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

    explicit Form(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~Form() override;

    // Runs Form_Load once. The default-instance mechanism calls it on first use.
    void load();
    // Runs Form_Unload (which may cancel), hides the window and deletes it later.
    // Safe to call from the window's own handlers.
    void unload();
    bool isLoaded() const { return m_loaded && !m_unloaded; }
    bool isUnloaded() const { return m_unloaded; }

    void showModeless();
    // Shows the window application-modal and returns only after it has been unloaded.
    void showModal();

    // Outer frame in twips, screen coordinates.
    double leftTw() const;
    double topTw() const;
    double widthTw() const;
    double heightTw() const;
    void setLeftTw(double v);
    void setTopTw(double v);
    void setWidthTw(double v);
    void setHeightTw(double v);
    void moveTw(double left, double top, double width, double height);
    // Client area size in twips (for design sizes).
    void setClientSizeTw(double width, double height);
    // A child's geometry from design twips.
    static void placeTw(QWidget* w, double left, double top, double width, double height);

    WindowState formState() const;
    void setFormState(WindowState s);

    // Places the outer frame in the middle of the primary screen's available area.
    void centreOnScreen();
    // Makes Enter press the focused button, or defaultButton when no button has the focus,
    // and Escape press cancelButton, for keys that no control of the window takes.
    void setDialogButtons(QAbstractButton* defaultButton, QAbstractButton* cancelButton);

signals:
    void unloaded();

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload(int& cancel) { (void)cancel; }
    virtual void Form_Resize() {}
    virtual void Form_Activate() {}
    // The language changed: every fixed caption follows; a window whose texts are made of
    // values as well makes them again after calling this.
    virtual void retranslate();

    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QRect outerFrame() const;
    QMargins frameMargins() const;
    void applyOuter(int leftPx, int topPx, int widthPx, int heightPx);

    bool m_loaded = false;
    bool m_unloaded = false;
    bool m_unloading = false;
    QEventLoop* m_modalLoop = nullptr;
    QAbstractButton* m_defaultButton = nullptr;
    QAbstractButton* m_cancelButton = nullptr;
};

} // namespace tessary
