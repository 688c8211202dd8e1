// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressRingView.h"

#include "ProgressStyle.h"
#include "RingGeometry.h"

#include <QPainter>

namespace karvo {

ProgressRingView::ProgressRingView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ProgressRingView::setProgress(double progress)
{
    if (progress == m_progress)
        return;
    m_progress = progress;
    update();
}

void ProgressRingView::paintEvent(QPaintEvent*)
{
    const RingGeometry ring = RingGeometry::of(size(), m_progress);
    const QColor accent = ProgressStyle::accent(palette());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen track(ProgressStyle::withAlpha(accent, RingGeometry::kTrackAlpha), RingGeometry::kLineWidth);
    painter.setPen(track);
    painter.drawEllipse(ring.circle);
    if (ring.hasArc) {
        QPen arc(accent, RingGeometry::kLineWidth);
        arc.setCapStyle(Qt::RoundCap);
        painter.setPen(arc);
        painter.drawArc(ring.circle, ring.startAngle, ring.spanAngle);
    }
}

} // namespace karvo
