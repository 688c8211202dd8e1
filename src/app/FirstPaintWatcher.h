// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

namespace karvo {

// Calls `onFirstPaint` once, as the first widget of the program paints, then stops watching. Launch uses it
// to leave what the first picture does not need (the window manager's icon, the tray) until the window is on
// the screen; the start-up benchmark uses it for its marker.
class FirstPaintWatcher : public QObject {
public:
    explicit FirstPaintWatcher(std::function<void()> onFirstPaint, QObject* parent = nullptr);
    ~FirstPaintWatcher() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_onFirstPaint;
};

} // namespace karvo
