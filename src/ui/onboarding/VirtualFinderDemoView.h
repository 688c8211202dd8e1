// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DemoFrame.h"

#include <QWidget>

class QStackedLayout;

namespace karvo {

class AnimatedDemoCanvas;
class DemoStoryboard;

// The onboarding demonstration: the moving stage, or the still storyboard where the desktop asks for
// reduced motion. The desktop's choice is read again each time the view is shown.
class VirtualFinderDemoView : public QWidget {
    Q_OBJECT

public:
    explicit VirtualFinderDemoView(DemoScene scene, QWidget* parent = nullptr);

    DemoScene scene() const { return m_scene; }
    // The moving stage crossfades when `animated`; the storyboard never moves.
    void setScene(DemoScene scene, bool animated = true);

    bool showsStoryboard() const { return m_reduced; }
    // Null until the corresponding form has been needed.
    AnimatedDemoCanvas* canvas() const { return m_canvas; }
    DemoStoryboard* storyboard() const { return m_storyboard; }

    QSize sizeHint() const override { return {600, 360}; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void followMotionPreference();

    DemoScene m_scene;
    bool m_reduced = false;
    QStackedLayout* m_stack;
    AnimatedDemoCanvas* m_canvas = nullptr;
    DemoStoryboard* m_storyboard = nullptr;
};

} // namespace karvo
