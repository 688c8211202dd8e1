// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstPaintWatcher.h"

#include <QCoreApplication>
#include <QEvent>

namespace karvo {

FirstPaintWatcher::FirstPaintWatcher(std::function<void()> onFirstPaint, QObject* parent)
    : QObject(parent), m_onFirstPaint(std::move(onFirstPaint))
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

FirstPaintWatcher::~FirstPaintWatcher()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool FirstPaintWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && watched->isWidgetType() && m_onFirstPaint) {
        // Every event passes through an application filter: this one leaves as soon as it has seen a paint.
        QCoreApplication::instance()->removeEventFilter(this);
        const std::function<void()> onFirstPaint = std::exchange(m_onFirstPaint, nullptr);
        onFirstPaint();
    }
    return false;
}

} // namespace karvo
