// SPDX-License-Identifier: GPL-3.0-or-later
#include "SnapshotOverlay.h"

#include "Localization.h"
#include "PlayerView.h"
#include "SymbolIcons.h"
#include "Typography.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVariantAnimation>
#include <cmath>
#include <numbers>

namespace karvo {

namespace {
constexpr qreal cornerRadius = 8;
constexpr qreal spinnerSize = 20;
constexpr int glyphSize = 22;
constexpr int spokes = 8;

qreal dimming(SnapshotOverlay::Mode mode)
{
    switch (mode) {
    case SnapshotOverlay::Mode::analysing:
        return 0.35;
    case SnapshotOverlay::Mode::failed:
        return 0.45;
    case SnapshotOverlay::Mode::none:
        break;
    }
    return 0;
}
} // namespace

SnapshotOverlay::SnapshotOverlay(PlayerView* player)
    : QWidget(player), m_player(player), m_fade(new QVariantAnimation(this)), m_spin(new QVariantAnimation(this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setGeometry(player->rect());
    player->installEventFilter(this);
    // The player's own words ("Loading preview…") would show through; it is repainted as they change.
    connect(player, &PlayerView::stateChanged, this, [this] { update(); });
    hide();

    m_fade->setStartValue(0.0);
    m_fade->setEndValue(1.0);
    m_fade->setDuration(fadeMs);
    m_fade->setEasingCurve(QEasingCurve::InOutCubic);
    connect(m_fade, &QVariantAnimation::valueChanged, this, [this](const QVariant& t) {
        m_progress = t.toDouble();
        update();
    });
    connect(m_fade, &QVariantAnimation::finished, this, [this] {
        m_previous = m_mode;
        if (m_mode == Mode::none)
            hide();
        updateSpinner();
    });

    m_spin->setStartValue(0.0);
    m_spin->setEndValue(1.0);
    m_spin->setDuration(1000);
    m_spin->setLoopCount(-1);
    connect(m_spin, &QVariantAnimation::valueChanged, this, [this](const QVariant& t) {
        m_turn = t.toDouble();
        update();
    });
}

QStringList SnapshotOverlay::texts(Mode mode)
{
    switch (mode) {
    case Mode::analysing:
        return {L("Analyzing video…")};
    case Mode::failed:
        return {L("Cannot read video frames"), L("Check file access and try again.")};
    case Mode::none:
        break;
    }
    return {};
}

void SnapshotOverlay::setMode(Mode mode)
{
    if (mode == m_mode)
        return;
    m_previous = m_mode;
    m_mode = mode;
    const QStringList lines = texts(mode);
    setAccessibleName(lines.value(0));
    setAccessibleDescription(lines.value(1));
    if (mode != Mode::none) {
        show();
        raise();
    }
    m_fade->stop();
    if (!isVisible()) {
        // Nothing on screen to fade: the new state simply holds.
        m_previous = mode;
        m_progress = 1;
        if (mode == Mode::none)
            hide();
    } else {
        m_progress = 0;
        m_fade->start();
    }
    updateSpinner();
    update();
}

void SnapshotOverlay::updateSpinner()
{
    const bool spinning =
        isVisible() && (m_mode == Mode::analysing || (m_previous == Mode::analysing && m_progress < 1));
    if (spinning && m_spin->state() != QAbstractAnimation::Running)
        m_spin->start();
    else if (!spinning)
        m_spin->stop();
}

bool SnapshotOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_player && event->type() == QEvent::Resize)
        setGeometry(m_player->rect());
    return QWidget::eventFilter(watched, event);
}

void SnapshotOverlay::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    updateSpinner();
}

void SnapshotOverlay::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    updateSpinner();
}

void SnapshotOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    const qreal p = m_progress;
    qreal alpha = dimming(m_previous) * (1 - p) + dimming(m_mode) * p;
    // Without a picture the player shows its own loading or error words; ours stand in their place.
    if (m_player->state() != PlayerView::State::ready && (m_mode != Mode::none || m_previous != Mode::none))
        alpha = 1;
    painter.fillPath(shape, QColor::fromRgbF(0, 0, 0, float(alpha)));
    if (p < 1)
        paintMode(painter, m_previous, 1 - p);
    paintMode(painter, m_mode, p);
}

void SnapshotOverlay::paintMode(QPainter& painter, Mode mode, qreal opacity) const
{
    if (mode == Mode::none || opacity <= 0)
        return;
    painter.save();
    painter.setOpacity(opacity);
    const QStringList lines = texts(mode);
    const QRectF area = QRectF(rect()).adjusted(16, 12, -16, -12);
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    if (mode == Mode::analysing) {
        const QFont font = Typography::font(10);
        const QRectF text = QFontMetricsF(font).boundingRect(area, flags, lines.at(0));
        const qreal total = spinnerSize + 8 + text.height();
        const qreal top = area.center().y() - total / 2;
        paintSpinner(painter, QPointF(area.center().x(), top + spinnerSize / 2));
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRectF(area.left(), top + spinnerSize + 8, area.width(), text.height()), flags, lines.at(0));
    } else {
        const QFont titleFont = Typography::font(12);
        const QFont noteFont = Typography::font(10);
        const QRectF title = QFontMetricsF(titleFont).boundingRect(area, flags, lines.at(0));
        const QRectF note = QFontMetricsF(noteFont).boundingRect(area, flags, lines.at(1));
        const qreal total = glyphSize + 6 + title.height() + 6 + note.height();
        qreal y = area.center().y() - total / 2;
        const QPixmap glyph =
            SymbolIcons::pixmap(QStringLiteral("exclamationmark.triangle"), glyphSize, Qt::white, devicePixelRatioF());
        painter.drawPixmap(QPointF(area.center().x() - glyphSize / 2.0, y), glyph);
        y += glyphSize + 6;
        painter.setFont(titleFont);
        painter.setPen(Qt::white);
        painter.drawText(QRectF(area.left(), y, area.width(), title.height()), flags, lines.at(0));
        y += title.height() + 6;
        painter.setFont(noteFont);
        // The secondary text colour, as it reads on the dark cover.
        painter.setPen(QColor::fromRgbF(1, 1, 1, 0.55f));
        painter.drawText(QRectF(area.left(), y, area.width(), note.height()), flags, lines.at(1));
    }
    painter.restore();
}

void SnapshotOverlay::paintSpinner(QPainter& painter, const QPointF& centre) const
{
    // Spokes fading behind the leading one, which steps round once a second.
    const int lead = static_cast<int>(m_turn * spokes) % spokes;
    const qreal outer = spinnerSize / 2;
    const qreal inner = outer * 0.45;
    for (int i = 0; i < spokes; ++i) {
        const qreal angle = 2 * std::numbers::pi * i / spokes - std::numbers::pi / 2;
        const int age = (lead - i + spokes) % spokes;
        QColor colour = Qt::white;
        colour.setAlphaF(float(1.0 - 0.75 * age / (spokes - 1)));
        painter.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre + QPointF(std::cos(angle), std::sin(angle)) * inner,
                         centre + QPointF(std::cos(angle), std::sin(angle)) * outer);
    }
}

} // namespace karvo
