// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadialMenuWindow.h"

#include "Localization.h"
#include "PanelWindowSystem.h"
#include "RadialAnimations.h"
#include "RadialGeometry.h"
#include "RadialMenuView.h"
#include "XdndCopyFilter.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QScreen>
#include <QVariantAnimation>

namespace karvo {

namespace {
constexpr int hudDarkening = 115; // percent, as QColor::darker takes it
constexpr double hudOpacity = 0.85;
} // namespace

RadialMenuWindow::RadialMenuWindow(RadialMenuMode mode, DropKind kind, bool backgroundRemoval,
                                   std::optional<bool> translucent)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint |
                           Qt::WindowDoesNotAcceptFocus),
      m_mode(mode), m_kind(kind), m_backgroundRemoval(backgroundRemoval),
      m_translucent(translucent.value_or(PanelWindowSystem::compositorRunning())), m_pop(new QVariantAnimation(this)),
      m_fadeIn(new QVariantAnimation(this)), m_resize(new QVariantAnimation(this))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Without a compositor translucency would show black; the circular mask keeps the corners away instead.
    setAttribute(Qt::WA_TranslucentBackground, m_translucent);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(L("Quick Drag"));
    setAccessibleName(L("Quick Drag"));

    const QList<RadialSegment> segments = RadialSegments::segments(kind, mode, backgroundRemoval);
    const int side = RadialGeometry::diameterFor(static_cast<int>(segments.size()));
    m_view = new RadialMenuView(segments, side, this);
    m_view->setCenterHint(centerHint(mode));
    m_view->onDrop = [this](const QList<QUrl>& files, RadialAction action) {
        const auto deliver = onDrop;
        deliver(files, action);
    };
    resize(side, side);
    updateShape();
    m_copyFilter = std::make_unique<XdndCopyFilter>(this);

    // The pop runs in time through the spring, so the animation itself is linear.
    m_pop->setStartValue(0.0);
    m_pop->setEndValue(RadialAnimations::popSeconds());
    m_pop->setDuration(qRound(RadialAnimations::popSeconds() * 1000));
    connect(m_pop, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& seconds) { setContentScale(RadialAnimations::popScale(seconds.toDouble())); });
    connect(m_pop, &QVariantAnimation::finished, this, [this] { setContentScale(1); });

    m_fadeIn->setStartValue(0.0);
    m_fadeIn->setEndValue(1.0);
    m_fadeIn->setDuration(RadialAnimations::fadeInMs);
    m_fadeIn->setEasingCurve(RadialAnimations::fadeInCurve());
    connect(m_fadeIn, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& opacity) { setWindowOpacity(opacity.toDouble()); });

    m_resize->setDuration(RadialAnimations::modeSwitchMs);
    m_resize->setEasingCurve(RadialAnimations::easeInOut());
    connect(m_resize, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { resizeAboutCentre(value.toInt()); });
}

RadialMenuWindow::~RadialMenuWindow() = default;

QString RadialMenuWindow::centerHint(RadialMenuMode mode)
{
    return mode == RadialMenuMode::tools ? L("⇧ Alt Tools") : L("⇧ Formats");
}

int RadialMenuWindow::diameter() const
{
    return RadialGeometry::diameterFor(static_cast<int>(m_view->segments().size()));
}

void RadialMenuWindow::showAtCursor()
{
    showAt(QCursor::pos());
}

void RadialMenuWindow::showAt(const QPoint& globalPointer)
{
    // A closing ring is on its way out; the next drag makes a new one.
    if (m_closing)
        return;
    m_resize->stop();
    const int side = diameter();
    resize(side, side);
    updateShape();
    std::optional<QRect> available;
    if (const QScreen* screen = QGuiApplication::screenAt(globalPointer))
        available = screen->availableGeometry();
    const QPoint origin = RadialGeometry::clampedOrigin(globalPointer, size(), available);
    move(origin);
    m_centre = origin + QPoint(side / 2, side / 2);

    orderOutOtherWindows();
    if (m_translucent)
        setWindowOpacity(0);
    show();
    raise();
    startPop();
    // Window opacity needs a compositor: without one the ring simply appears.
    if (m_translucent)
        m_fadeIn->start();
}

void RadialMenuWindow::orderOutOtherWindows()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window == this || !window->isVisible() || window->windowType() != Qt::Window)
            continue;
        // Floating windows (the progress panel) stay; a modal window would end as if cancelled.
        if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) || window->isModal())
            continue;
        window->hide();
    }
}

void RadialMenuWindow::startPop()
{
    m_pop->stop();
    setContentScale(RadialAnimations::popFromScale);
    m_pop->start();
}

void RadialMenuWindow::setMode(RadialMenuMode mode)
{
    if (mode == m_mode || m_closing)
        return;
    m_mode = mode;
    const QList<RadialSegment> segments = RadialSegments::segments(m_kind, mode, m_backgroundRemoval);
    const int side = RadialGeometry::diameterFor(static_cast<int>(segments.size()));
    const int from = width();
    m_view->setSegments(segments, side);
    m_view->setCenterHint(centerHint(mode));
    m_resize->stop();
    if (!isVisible()) {
        resize(side, side);
        updateShape();
        return;
    }
    // The view follows the window, so the ring grows or shrinks with it about the same centre.
    m_view->resize(from, from);
    m_resize->setStartValue(from);
    m_resize->setEndValue(side);
    m_resize->start();
}

void RadialMenuWindow::resizeAboutCentre(int side)
{
    setGeometry(m_centre.x() - side / 2, m_centre.y() - side / 2, side, side);
}

void RadialMenuWindow::closeMenu(bool success)
{
    if (m_closing)
        return;
    m_closing = true;
    m_pop->stop();
    m_fadeIn->stop();
    if (!isVisible()) {
        deleteLater();
        return;
    }
    setContentScale(1);
    const double target = RadialAnimations::closeScale(success);
    const double opacity = windowOpacity();
    m_close = new QVariantAnimation(this);
    m_close->setStartValue(0.0);
    m_close->setEndValue(1.0);
    m_close->setDuration(RadialAnimations::closeMs(success));
    m_close->setEasingCurve(success ? RadialAnimations::easeOut() : RadialAnimations::easeIn());
    connect(m_close, &QVariantAnimation::valueChanged, this, [this, target, opacity](const QVariant& value) {
        const double progress = value.toDouble();
        setContentScale(1 + (target - 1) * progress);
        if (m_translucent)
            setWindowOpacity(opacity * (1 - progress));
    });
    // Without a compositor the fade is a plain hide once the painted scale has run.
    connect(m_close, &QVariantAnimation::finished, this, [this] {
        hide();
        deleteLater();
    });
    m_close->start();
}

void RadialMenuWindow::setContentScale(double scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    m_view->setContentScale(scale);
    update();
}

void RadialMenuWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QColor disc = palette().color(QPalette::Window).darker(hudDarkening);
    disc.setAlpha(255);
    if (!m_translucent) {
        // The window's shape is the disc: it stays whole while the ring inside it pops and shrinks.
        painter.fillRect(rect(), disc);
        return;
    }
    disc.setAlphaF(static_cast<float>(hudOpacity));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(disc);
    const RadialGeometry ring = m_view->ringGeometry();
    const double radius = ring.hitRadius() * m_scale;
    painter.drawEllipse(QRectF(rect()).center(), radius, radius);
}

void RadialMenuWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateShape();
}

void RadialMenuWindow::updateShape()
{
    m_view->setGeometry(rect());
    setMask(m_view->hitRegion());
}

} // namespace karvo
