// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWindow;

namespace karvo {

// What the progress panel asks of the window system, answered once per platform here.
namespace PanelWindowSystem {

// A compositing manager blends translucent windows. X11: the `_NET_WM_CM_S<screen>` selection has an
// owner. Wayland always composites; other platforms (offscreen) do not.
bool compositorRunning();

// Puts a window on every workspace. X11 (EWMH): before it is shown, `_NET_WM_STATE_STICKY` and desktop
// 0xFFFFFFFF as window properties, which the window manager reads when it maps the window; once shown,
// the same asked of the window manager by client messages. Elsewhere nothing.
void prepareForAllWorkspaces(QWindow* window);
void showOnAllWorkspaces(QWindow* window);

} // namespace PanelWindowSystem

} // namespace karvo
