// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuickDragControls.h"

#include "Localization.h"
#include "QuickDragController.h"
#include "SymbolIcons.h"
#include "Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariantAnimation>

namespace karvo {

SwitchButton::SwitchButton(QWidget* parent) : QCheckBox(parent)
{
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_slide = new QVariantAnimation(this);
    m_slide->setDuration(150);
    m_slide->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_slide, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_position = value.toReal();
        update();
    });
}

QSize SwitchButton::sizeHint() const
{
    return {38, 22};
}

bool SwitchButton::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void SwitchButton::checkStateSet()
{
    // Set from code (the controller changed elsewhere): jump, no slide.
    QCheckBox::checkStateSet();
    m_slide->stop();
    m_position = isChecked() ? 1 : 0;
    update();
}

void SwitchButton::nextCheckState()
{
    QCheckBox::nextCheckState();
    slideTo(isChecked());
}

void SwitchButton::slideTo(bool on)
{
    m_slide->stop();
    m_slide->setStartValue(m_position);
    m_slide->setEndValue(on ? 1.0 : 0.0);
    m_slide->start();
}

void SwitchButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal radius = track.height() / 2;
    QColor off = palette().color(QPalette::WindowText);
    off.setAlphaF(0.18f);
    const QColor on = Typography::accent(palette());
    QColor fill;
    fill.setRgbF(off.redF() + (on.redF() - off.redF()) * float(m_position),
                 off.greenF() + (on.greenF() - off.greenF()) * float(m_position),
                 off.blueF() + (on.blueF() - off.blueF()) * float(m_position),
                 off.alphaF() + (on.alphaF() - off.alphaF()) * float(m_position));
    p.setPen(Qt::NoPen);
    p.setBrush(isEnabled() ? fill : off);
    p.drawRoundedRect(track, radius, radius);
    const qreal knob = track.height() - 4;
    qreal travel = (track.width() - knob - 4) * m_position;
    if (layoutDirection() == Qt::RightToLeft)
        travel = track.width() - knob - 4 - travel;
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(track.left() + 2 + travel, track.top() + 2, knob, knob));
    if (hasFocus()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(on, 1.5));
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius + 1, radius + 1);
    }
}

QuickDragControls::QuickDragControls(QuickDragController& controller, QWidget* parent)
    : QWidget(parent), m_controller(controller)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);

    auto* bolt = new QLabel(this);
    bolt->setPixmap(
        SymbolIcons::pixmap(QStringLiteral("bolt.fill"), 18, Typography::accent(palette()), devicePixelRatioF()));
    layout->addWidget(bolt, 0, Qt::AlignVCenter);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(3);
    auto* title = new QLabel(L("Quick Drag"), this);
    title->setFont(Typography::font(13, QFont::DemiBold));
    texts->addWidget(title);
    m_summary = new QLabel(this);
    m_summary->setFont(Typography::font(10));
    m_summary->setWordWrap(true);
    QPalette secondary = m_summary->palette();
    secondary.setColor(QPalette::WindowText, Typography::secondaryText(palette()));
    m_summary->setPalette(secondary);
    texts->addWidget(m_summary);
    layout->addLayout(texts, 1);

    m_tryAgain = new QPushButton(L("Try Again"), this);
    m_tryAgain->setAccessibleName(L("Try Again"));
    m_tryAgain->setFont(Typography::font(11));
    connect(m_tryAgain, &QPushButton::clicked, this, [this] { m_controller.retry(); });
    layout->addWidget(m_tryAgain, 0, Qt::AlignVCenter);

    m_switch = new SwitchButton(this);
    m_switch->setAccessibleName(L("Quick Drag"));
    connect(m_switch, &QAbstractButton::clicked, this,
            [this](bool checked) { m_controller.setEnabledByUser(checked); });
    layout->addWidget(m_switch, 0, Qt::AlignVCenter);

    connect(&m_controller, &QuickDragController::stateChanged, this, [this] { refresh(); });
    refresh();
}

QString QuickDragControls::summaryText() const
{
    return m_summary->text();
}

void QuickDragControls::refresh()
{
    const QString summary = m_controller.summary();
    m_summary->setText(summary);
    if (m_switch->isChecked() != m_controller.enabled())
        m_switch->setChecked(m_controller.enabled());
    m_switch->setAccessibleDescription(summary);
    m_tryAgain->setVisible(m_controller.state() == QuickDragState::monitorFailed);
}

} // namespace karvo
