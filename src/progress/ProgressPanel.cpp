// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressPanel.h"

#include "PanelGeometry.h"
#include "ProgressStyle.h"

#include <QBitmap>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace karvo {

namespace {
constexpr int kShadowRoom = 14;
constexpr int kShadowOffsetY = 3;

QPainterPath roundedPanel(const QRectF& rect)
{
    QPainterPath path;
    path.addRoundedRect(rect, PanelGeometry::kCornerRadius, PanelGeometry::kCornerRadius);
    return path;
}
} // namespace

ProgressPanel::ProgressPanel(bool translucent, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      m_translucent(translucent), m_shadow(translucent ? kShadowRoom : 0), m_header(new QWidget(this)),
      m_headerLabel(new QLabel(m_header)), m_clearButton(new QToolButton(m_header)),
      m_scrollArea(new QScrollArea(this)), m_stack(new QWidget), m_stackLayout(new QVBoxLayout(m_stack))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground, translucent);
    setAttribute(Qt::WA_NoSystemBackground, translucent);
    setFocusPolicy(Qt::NoFocus);

    m_headerLabel->setFont(ProgressStyle::font(13, QFont::DemiBold));
    m_clearButton->setAutoRaise(true);
    m_clearButton->setFont(ProgressStyle::font(11));
    m_clearButton->setFocusPolicy(Qt::NoFocus);
    m_clearButton->setCursor(Qt::PointingHandCursor);
    QPalette clearPalette = m_clearButton->palette();
    clearPalette.setColor(QPalette::ButtonText, ProgressStyle::secondaryText(palette()));
    m_clearButton->setPalette(clearPalette);
    m_clearButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(m_clearButton, &QToolButton::clicked, this, &ProgressPanel::clearClicked);

    auto* headerRow = new QHBoxLayout(m_header);
    headerRow->setContentsMargins(PanelGeometry::kHeaderLeading, 0, PanelGeometry::kHeaderTrailing, 0);
    headerRow->setSpacing(0);
    headerRow->addWidget(m_headerLabel, 0, Qt::AlignVCenter);
    headerRow->addStretch(1);
    headerRow->addWidget(m_clearButton, 0, Qt::AlignVCenter);

    m_stackLayout->setContentsMargins(0, 0, 0, 0);
    m_stackLayout->setSpacing(8);
    m_stackLayout->addStretch(1);
    m_stack->setAutoFillBackground(false);

    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_scrollArea->setWidget(m_stack);
    m_scrollArea->setAutoFillBackground(false);
    m_scrollArea->viewport()->setAutoFillBackground(false);
    m_scrollArea->setStyleSheet(QStringLiteral("QScrollArea{background:transparent;}"));

    auto* scrollRow = new QHBoxLayout;
    scrollRow->setContentsMargins(PanelGeometry::kSideInset, 0, PanelGeometry::kSideInset, 0);
    scrollRow->addWidget(m_scrollArea);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(m_shadow, m_shadow + PanelGeometry::kTopInset, m_shadow,
                              m_shadow + PanelGeometry::kBottomInset);
    outer->setSpacing(PanelGeometry::kHeaderSpacing);
    outer->addWidget(m_header);
    outer->addLayout(scrollRow, 1);
    outer->setSizeConstraint(QLayout::SetNoConstraint);

    resize(windowRectFor(QRect(0, 0, PanelGeometry::kWidth, 10)).size());
}

QRect ProgressPanel::windowRectFor(const QRect& rect) const
{
    return rect.adjusted(-m_shadow, -m_shadow, m_shadow, m_shadow);
}

QRect ProgressPanel::panelRect() const
{
    return geometry().adjusted(m_shadow, m_shadow, -m_shadow, -m_shadow);
}

void ProgressPanel::setPanelRect(const QRect& rect)
{
    setGeometry(windowRectFor(rect));
}

void ProgressPanel::appendCard(QWidget* card)
{
    // Before the trailing stretch, so cards keep the order they came in.
    m_stackLayout->insertWidget(m_stackLayout->count() - 1, card);
}

void ProgressPanel::removeCard(QWidget* card)
{
    m_stackLayout->removeWidget(card);
}

int ProgressPanel::headerHeight() const
{
    return m_header->sizeHint().height();
}

int ProgressPanel::stackHeight() const
{
    m_stackLayout->invalidate();
    return m_stackLayout->sizeHint().height();
}

void ProgressPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF panel = QRectF(rect()).adjusted(m_shadow, m_shadow, -m_shadow, -m_shadow);
    if (m_translucent) {
        // A soft shadow: rings of falling opacity, a little lower than the panel.
        const QColor shadow(0, 0, 0);
        for (int i = m_shadow; i > 0; --i) {
            const double strength = 1.0 - static_cast<double>(i) / (m_shadow + 1);
            painter.setPen(Qt::NoPen);
            painter.setBrush(ProgressStyle::withAlpha(shadow, 0.018 * strength * strength * 3));
            const QRectF ring = panel.adjusted(-i, -i + kShadowOffsetY, i, i + kShadowOffsetY);
            painter.drawRoundedRect(ring, PanelGeometry::kCornerRadius + i, PanelGeometry::kCornerRadius + i);
        }
    }
    const QPainterPath shape = roundedPanel(panel);
    painter.fillPath(shape, ProgressStyle::panelBackground(palette(), m_translucent));
    QPen edge(ProgressStyle::withAlpha(palette().color(QPalette::WindowText), 0.12), 1);
    painter.setPen(edge);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(roundedPanel(panel.adjusted(0.5, 0.5, -0.5, -0.5)));
}

void ProgressPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateMask();
}

void ProgressPanel::updateMask()
{
    if (m_translucent)
        return;
    // Without a compositor the window's corners would show black: cut the window to the rounded shape.
    QBitmap mask(size());
    mask.fill(Qt::color0);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    painter.drawPath(roundedPanel(QRectF(rect())));
    painter.end();
    setMask(mask);
}

void ProgressPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    // The window manager moves the window (and snaps it as it likes); where it cannot, we move it.
    if (windowHandle() && windowHandle()->startSystemMove()) {
        event->accept();
        return;
    }
    m_manualDrag = event->globalPosition().toPoint() - pos();
    event->accept();
}

void ProgressPanel::mouseMoveEvent(QMouseEvent* event)
{
    if (m_manualDrag && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - *m_manualDrag);
        event->accept();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void ProgressPanel::mouseReleaseEvent(QMouseEvent* event)
{
    m_manualDrag.reset();
    QWidget::mouseReleaseEvent(event);
}

} // namespace karvo
