// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadialMenuView.h"

#include "DragHotkeyDebug.h"
#include "SymbolIcons.h"
#include "SystemColors.h"
#include "Typography.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFontMetricsF>
#include <QMimeData>
#include <QPainter>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <numbers>

namespace karvo {

namespace {
constexpr double baseAlpha = 0.035;
constexpr double separatorAlpha = 0.3;
constexpr double separatorWidth = 0.5;
constexpr double hoveredTitleSize = 14;
constexpr double hintSize = 12;
constexpr double titleGap = 2;

QColor withAlpha(QColor colour, double alpha)
{
    colour.setAlphaF(static_cast<float>(alpha));
    return colour;
}

QString wedgeName(std::optional<int> wedge)
{
    return wedge ? QString::number(*wedge) : QStringLiteral("nil");
}

QString describe(const QRect& r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QList<QUrl> localFiles(const QMimeData* mime)
{
    QList<QUrl> files;
    if (!mime || !mime->hasUrls())
        return files;
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile())
            files << url;
    }
    return files;
}
} // namespace

RadialMenuView::RadialMenuView(const QList<RadialSegment>& segments, int diameter, QWidget* parent)
    : QWidget(parent), m_segments(segments), m_fadeTimer(new QTimer(this))
{
    setAcceptDrops(true);
    setFocusPolicy(Qt::NoFocus);
    m_fadeTimer->setTimerType(Qt::PreciseTimer);
    m_fadeTimer->setInterval(std::chrono::milliseconds(1000 / RadialFade::ticksPerSecond));
    connect(m_fadeTimer, &QTimer::timeout, this, &RadialMenuView::advanceFade);
    resize(diameter, diameter);
    updateAccessibility();
}

void RadialMenuView::setSegments(const QList<RadialSegment>& segments, int diameter)
{
    m_segments = segments;
    m_hovered.reset();
    m_fade.clear();
    m_fadeTimer->stop();
    resize(diameter, diameter);
    updateAccessibility();
    update();
}

void RadialMenuView::setCenterHint(const QString& hint)
{
    if (hint == m_centerHint)
        return;
    m_centerHint = hint;
    updateAccessibility();
    update();
}

QString RadialMenuView::centreText() const
{
    const auto lit = litWedge();
    return lit ? m_segments[*lit].title : m_centerHint;
}

RadialGeometry RadialMenuView::ringGeometry() const
{
    return RadialGeometry(width(), static_cast<int>(m_segments.size()));
}

QRegion RadialMenuView::hitRegion() const
{
    const RadialGeometry ring = ringGeometry();
    const double r = ring.hitRadius();
    if (r <= 0)
        return {};
    const QPointF c = ring.centre();
    const QRect box(qRound(c.x() - r), qRound(c.y() - r), qRound(2 * r), qRound(2 * r));
    return QRegion(box, QRegion::Ellipse);
}

bool RadialMenuView::isFading() const
{
    return m_fadeTimer->isActive();
}

void RadialMenuView::advanceFade()
{
    const bool settled = m_fade.tick(static_cast<int>(m_segments.size()), litWedge());
    update();
    if (settled)
        m_fadeTimer->stop();
}

void RadialMenuView::setContentScale(double scale)
{
    if (scale == m_contentScale)
        return;
    m_contentScale = scale;
    update();
}

std::optional<int> RadialMenuView::litWedge() const
{
    if (m_hovered && *m_hovered >= 0 && *m_hovered < m_segments.size() && m_segments[*m_hovered].enabled)
        return m_hovered;
    return std::nullopt;
}

void RadialMenuView::startFade()
{
    if (!m_fadeTimer->isActive())
        m_fadeTimer->start();
}

void RadialMenuView::setHovered(std::optional<int> wedge)
{
    if (wedge == m_hovered)
        return;
    m_hovered = wedge;
    startFade();
    updateAccessibility();
    update();
}

void RadialMenuView::updateHover(const QPointF& position)
{
    const RadialGeometry ring = ringGeometry();
    const std::optional<int> wedge = ring.wedgeAt(position);
    setHovered(wedge);
    if (!DragHotkeyDebug::enabled())
        return;
    const QPointF c = ring.centre();
    const QPointF d = position - c;
    // Read as on a dial: counter-clockwise from the right, the top at 90.
    double degrees = std::atan2(-d.y(), d.x()) * 180.0 / std::numbers::pi;
    if (degrees < 0)
        degrees += 360;
    DragHotkeyDebug::log(QStringLiteral("hover point=(%1,%2) center=(%3,%4) dist=%5 angle=%6 seg=%7 bounds=%8")
                             .arg(static_cast<int>(position.x()))
                             .arg(static_cast<int>(position.y()))
                             .arg(static_cast<int>(c.x()))
                             .arg(static_cast<int>(c.y()))
                             .arg(static_cast<int>(std::hypot(d.x(), d.y())))
                             .arg(static_cast<int>(degrees))
                             .arg(wedgeName(wedge), describe(rect())));
}

void RadialMenuView::answer(QDragMoveEvent* event)
{
    // Whatever the file manager proposes (Move under Shift), Karvo copies and the source keeps its files;
    // where only Move is offered, the window's XdndCopyFilter has already made Copy possible.
    event->setDropAction(Qt::CopyAction);
    if (litWedge())
        event->accept();
    else
        event->ignore(QRect(event->position().toPoint(), QSize(1, 1)));
}

void RadialMenuView::dragEnterEvent(QDragEnterEvent* event)
{
    updateHover(event->position());
    DragHotkeyDebug::log(QStringLiteral("draggingEntered segment=") + wedgeName(m_hovered));
    answer(event);
    // Qt sends no move events to a widget that turned the enter down, and the pointer may enter over
    // the centre hole on its way to a wedge: the enter itself is always taken.
    event->accept();
    if (!litWedge())
        event->setDropAction(Qt::IgnoreAction);
}

void RadialMenuView::dragMoveEvent(QDragMoveEvent* event)
{
    updateHover(event->position());
    answer(event);
}

void RadialMenuView::dragLeaveEvent(QDragLeaveEvent* event)
{
    DragHotkeyDebug::log(QStringLiteral("draggingExited"));
    setHovered(std::nullopt);
    event->accept();
}

void RadialMenuView::dropEvent(QDropEvent* event)
{
    updateHover(event->position());
    DragHotkeyDebug::log(QStringLiteral("prepareForDrag segment=") + wedgeName(m_hovered));
    event->setDropAction(Qt::CopyAction);
    const std::optional<int> wedge = litWedge();
    if (!wedge) {
        event->ignore();
        setHovered(std::nullopt);
        return;
    }
    DragHotkeyDebug::log(QStringLiteral("performDragOperation segment=") + wedgeName(wedge));
    const QList<QUrl> files = localFiles(event->mimeData());
    if (files.isEmpty()) {
        DragHotkeyDebug::log(QStringLiteral("performDragOperation: no file URLs on pasteboard"));
        event->ignore();
        setHovered(std::nullopt);
        return;
    }
    const RadialAction action = m_segments[*wedge].action;
    setHovered(std::nullopt);
    event->accept();
    // A copy: the receiver may close the ring, which replaces nothing here but frees it later.
    const auto deliver = onDrop;
    deliver(files, action);
}

void RadialMenuView::updateAccessibility()
{
    QStringList titles;
    for (const RadialSegment& segment : m_segments)
        titles << segment.title;
    setAccessibleName(centreText());
    setAccessibleDescription(titles.join(QStringLiteral(", ")));
}

void RadialMenuView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const RadialGeometry ring = ringGeometry();
    if (m_contentScale != 1) {
        const QPointF c = ring.centre();
        painter.translate(c);
        painter.scale(m_contentScale, m_contentScale);
        painter.translate(-c);
    }
    for (int i = 0; i < m_segments.size(); ++i)
        paintWedge(painter, ring, i);
    paintCentre(painter, ring);
}

void RadialMenuView::paintWedge(QPainter& painter, const RadialGeometry& ring, int wedge) const
{
    const RadialSegment& segment = m_segments[wedge];
    const QColor text = palette().color(QPalette::WindowText);
    const double t = segment.enabled ? m_fade.level(wedge) : 0.0;

    const QPainterPath path = ring.wedgePath(wedge, RadialGeometry::maxBoost * t);
    painter.setPen(QPen(withAlpha(text, separatorAlpha), separatorWidth));
    painter.setBrush(RadialFade::mix(withAlpha(text, baseAlpha), Typography::accent(palette()), t));
    painter.drawPath(path);

    const QColor lightLabel = Qt::white;
    const QColor label = segment.enabled ? text : SystemColors::color(SystemColor::gray, palette());
    const QPointF anchor = ring.labelAnchor(wedge);

    // The label colour runs from the text colour to white; the glyph is drawn in both, the white one over
    // the other as the highlight grows, so only two tints are ever rendered.
    const double side = ring.iconSide();
    const QRectF iconBox(anchor.x() - side / 2, anchor.y() - ring.iconGap() - side, side, side);
    const int pixels = qRound(side);
    const qreal ratio = devicePixelRatioF();
    if (t < 1) {
        const QPixmap glyph = SymbolIcons::pixmap(segment.icon, pixels, label, ratio);
        if (!glyph.isNull())
            painter.drawPixmap(iconBox, glyph, QRectF(glyph.rect()));
    }
    if (t > 0) {
        const QPixmap glyph = SymbolIcons::pixmap(segment.icon, pixels, lightLabel, ratio);
        if (!glyph.isNull()) {
            painter.setOpacity(t);
            painter.drawPixmap(iconBox, glyph, QRectF(glyph.rect()));
            painter.setOpacity(1);
        }
    }

    const QFont font = Typography::font(ring.labelFontSize(), QFont::Bold);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(segment.title);
    const QRectF titleBox(anchor.x() - width / 2, anchor.y() + titleGap, width, metrics.height());
    painter.setFont(font);
    painter.setPen(segment.enabled ? RadialFade::mix(text, lightLabel, t) : label);
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, segment.title);
}

void RadialMenuView::paintCentre(QPainter& painter, const RadialGeometry& ring) const
{
    const bool showsTitle = litWedge().has_value();
    const QString text = centreText();
    if (text.isEmpty())
        return;
    const double baseSize = showsTitle ? hoveredTitleSize : hintSize;
    const QFont::Weight weight = showsTitle ? QFont::Bold : QFont::Medium;
    QFont font = Typography::font(baseSize, weight);
    const double maxWidth = ring.centreTextMaxWidth();
    const double measured = QFontMetricsF(font).horizontalAdvance(text);
    const double size = RadialGeometry::centreFontSize(baseSize, measured, maxWidth);
    if (size != baseSize)
        font = Typography::font(size, weight);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    const QPointF c = ring.centre();
    painter.setFont(font);
    painter.setPen(showsTitle ? Typography::accent(palette()) : Typography::secondaryText(palette()));
    painter.drawText(QRectF(c.x() - width / 2, c.y() - metrics.height() / 2, width, metrics.height()),
                     Qt::AlignCenter | Qt::TextSingleLine, text);
}

} // namespace karvo
