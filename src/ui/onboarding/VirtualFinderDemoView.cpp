// SPDX-License-Identifier: GPL-3.0-or-later
#include "VirtualFinderDemoView.h"

#include "AnimatedDemoCanvas.h"
#include "DemoStoryboard.h"
#include "ReducedMotion.h"

#include <QStackedLayout>

namespace karvo {

VirtualFinderDemoView::VirtualFinderDemoView(DemoScene scene, QWidget* parent)
    : QWidget(parent), m_scene(scene), m_stack(new QStackedLayout(this))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_stack->setContentsMargins(0, 0, 0, 0);
    followMotionPreference();
}

void VirtualFinderDemoView::setScene(DemoScene scene, bool animated)
{
    m_scene = scene;
    if (m_canvas)
        m_canvas->setScene(scene, animated && !m_reduced);
    if (m_storyboard)
        m_storyboard->setScene(scene);
}

void VirtualFinderDemoView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    followMotionPreference();
}

void VirtualFinderDemoView::followMotionPreference()
{
    m_reduced = ReducedMotion::enabled();
    if (m_reduced) {
        if (!m_storyboard) {
            m_storyboard = new DemoStoryboard(m_scene, this);
            m_stack->addWidget(m_storyboard);
        }
        m_storyboard->setScene(m_scene);
        // The stage is hidden by the stack, which also stops its redraws.
        m_stack->setCurrentWidget(m_storyboard);
        return;
    }
    if (!m_canvas) {
        m_canvas = new AnimatedDemoCanvas(m_scene, this);
        m_stack->addWidget(m_canvas);
    }
    m_canvas->setScene(m_scene, false);
    m_stack->setCurrentWidget(m_canvas);
}

} // namespace karvo
