// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RadialMenu.h"
#include "RadialSegments.h"

#include <QPoint>
#include <QWidget>
#include <memory>
#include <optional>

class QVariantAnimation;

namespace karvo {

class RadialMenuView;
class XdndCopyFilter;

// The floating disc that holds the ring at the pointer during a Quick Drag. It bypasses the window
// manager, stays above everything and never takes focus, so the file manager's drag goes on; its shape
// is the ring's circle, so the pointer passes through everywhere else.
class RadialMenuWindow : public QWidget, public RadialMenu {
    Q_OBJECT
public:
    // `translucent`: whether to draw for a compositor; asked of the window system when not given.
    RadialMenuWindow(RadialMenuMode mode, DropKind kind, bool backgroundRemoval,
                     std::optional<bool> translucent = std::nullopt);
    ~RadialMenuWindow() override;

    void showAtCursor() override;
    // Centred on `globalPointer`, kept inside the available area of the screen under it.
    void showAt(const QPoint& globalPointer);
    void setMode(RadialMenuMode mode) override;
    // The menu's close; QWidget::close stays Qt's (it only hides the window).
    void close(bool success) override { closeMenu(success); }
    using QWidget::close;

    RadialMenuView* view() const { return m_view; }
    RadialMenuMode mode() const { return m_mode; }
    DropKind kind() const { return m_kind; }
    // The disc's diameter for the current wedges; the window reaches it when a mode switch has run.
    int diameter() const;
    // The window's centre on screen once placed; mode switches resize about it.
    QPoint centre() const { return m_centre; }
    bool isClosing() const { return m_closing; }
    bool isTranslucent() const { return m_translucent; }
    double contentScale() const { return m_scale; }

    // The ring's hint for a mode.
    static QString centerHint(RadialMenuMode mode);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void closeMenu(bool success);
    void setContentScale(double scale);
    void orderOutOtherWindows();
    void startPop();
    void resizeAboutCentre(int side);
    // The view fills the window, whose shape is the ring's circle.
    void updateShape();

    RadialMenuView* m_view;
    RadialMenuMode m_mode;
    DropKind m_kind;
    bool m_backgroundRemoval;
    bool m_translucent;
    QPoint m_centre;
    bool m_closing = false;
    double m_scale = 1;
    QVariantAnimation* m_pop;
    QVariantAnimation* m_fadeIn;
    QVariantAnimation* m_resize;
    QVariantAnimation* m_close = nullptr;
    std::unique_ptr<XdndCopyFilter> m_copyFilter;
};

} // namespace karvo
