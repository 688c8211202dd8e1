// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerControls.h"

#include "Localization.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QSlider>
#include <QToolButton>
#include <climits>
#include <cmath>

namespace karvo {

namespace {

constexpr int glyphSize = 14;

// The play and pause glyphs, white, drawn rather than taken from the icon theme so they read on the dark
// bar whatever the theme.
QIcon glyph(bool pause)
{
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap(QSize(glyphSize, glyphSize) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        const qreal s = glyphSize;
        if (pause) {
            painter.drawRoundedRect(QRectF(s * 0.2, s * 0.12, s * 0.2, s * 0.76), 1, 1);
            painter.drawRoundedRect(QRectF(s * 0.6, s * 0.12, s * 0.2, s * 0.76), 1, 1);
        } else {
            QPainterPath triangle;
            triangle.moveTo(s * 0.22, s * 0.1);
            triangle.lineTo(s * 0.9, s * 0.5);
            triangle.lineTo(s * 0.22, s * 0.9);
            triangle.closeSubpath();
            painter.drawPath(triangle);
        }
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

int milliseconds(double seconds)
{
    if (!std::isfinite(seconds) || seconds <= 0)
        return 0;
    return static_cast<int>(std::min(std::llround(seconds * 1000.0), static_cast<long long>(INT_MAX)));
}

} // namespace

PlayerControls::PlayerControls(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 3, 10, 3);
    row->setSpacing(6);

    m_play = new QToolButton(this);
    m_play->setAutoRaise(true);
    m_play->setIconSize(QSize(glyphSize, glyphSize));
    m_play->setCursor(Qt::PointingHandCursor);
    m_play->setFocusPolicy(Qt::TabFocus);
    connect(m_play, &QToolButton::clicked, this, &PlayerControls::playToggled);
    row->addWidget(m_play);

    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setRange(0, 0);
    m_slider->setAccessibleName(L("Preview position"));
    m_slider->setFocusPolicy(Qt::TabFocus);
    m_slider->setStyleSheet(QStringLiteral(
        "QSlider::groove:horizontal { height: 4px; background: rgba(255,255,255,70); border-radius: 2px; }"
        "QSlider::sub-page:horizontal { background: rgba(255,255,255,220); border-radius: 2px; }"
        "QSlider::handle:horizontal { background: white; width: 10px; margin: -3px 0; border-radius: 5px; }"));
    connect(m_slider, &QSlider::valueChanged, this, [this](int value) {
        updateTime();
        if (m_moving)
            return;
        if (m_slider->isSliderDown())
            emit scrubbed(value / 1000.0);
        else
            emit settled(value / 1000.0);
    });
    connect(m_slider, &QSlider::sliderReleased, this, [this] { emit settled(m_slider->value() / 1000.0); });
    row->addWidget(m_slider, 1);

    m_time = new QLabel(this);
    QFont digits = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    digits.setPointSizeF(QApplication::font().pointSizeF() * 10.0 / 13.0);
    m_time->setFont(digits);
    QPalette palette = m_time->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    m_time->setPalette(palette);
    row->addWidget(m_time);

    updatePlayButton();
    updateTime();
}

QString PlayerControls::clock(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 0)
        return Localization::localDigits(QStringLiteral("0:00"));
    const long long n = static_cast<long long>(seconds);
    return Localization::localDigits(QStringLiteral("%1:%2").arg(n / 60).arg(n % 60, 2, 10, QLatin1Char('0')));
}

void PlayerControls::setPlaying(bool playing)
{
    if (m_playing == playing)
        return;
    m_playing = playing;
    updatePlayButton();
}

void PlayerControls::setDuration(double seconds)
{
    m_duration = std::isfinite(seconds) ? std::max(seconds, 0.0) : 0.0;
    m_moving = true;
    m_slider->setRange(0, milliseconds(m_duration));
    m_moving = false;
    m_slider->setEnabled(m_duration > 0);
    updateTime();
}

void PlayerControls::setPosition(double seconds)
{
    if (m_slider->isSliderDown())
        return;
    m_moving = true;
    m_slider->setValue(milliseconds(seconds));
    m_moving = false;
    updateTime();
}

bool PlayerControls::isScrubbing() const
{
    return m_slider->isSliderDown();
}

QString PlayerControls::timeText() const
{
    return m_time->text();
}

void PlayerControls::updateTime()
{
    m_time->setText(L("%@ / %@", clock(m_slider->value() / 1000.0), clock(m_duration)));
}

void PlayerControls::updatePlayButton()
{
    m_play->setIcon(glyph(m_playing));
    const QString name = m_playing ? L("Pause preview") : L("Play preview");
    m_play->setAccessibleName(name);
    m_play->setToolTip(name);
}

void PlayerControls::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 140));
    const qreal radius = height() / 2.0;
    painter.drawRoundedRect(QRectF(rect()), radius, radius);
}

void PlayerControls::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_slider->setAccessibleName(L("Preview position"));
        updatePlayButton();
        updateTime();
    }
    QWidget::changeEvent(event);
}

} // namespace karvo
