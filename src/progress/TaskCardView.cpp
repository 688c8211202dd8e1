// SPDX-License-Identifier: GPL-3.0-or-later
#include "TaskCardView.h"

#include "BadgeView.h"
#include "CardCloseButton.h"
#include "Clock.h"
#include "ElidedLabel.h"
#include "FileRevealer.h"
#include "Localization.h"
#include "ProgressRingView.h"
#include "ProgressStyle.h"
#include "TaskManager.h"

#include <QDesktopServices>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace karvo {

namespace {
constexpr int kCornerRadius = 14;
constexpr int kBarResolution = 1000;
constexpr int kBarHeight = 6;
constexpr int kRevealMs = 120;
constexpr int kHideMs = 150;

QPushButton* makeActionButton(QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setFont(ProgressStyle::font(11));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QString css(const QColor& c)
{
    return QStringLiteral("rgba(%1,%2,%3,%4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alphaF());
}
} // namespace

TaskCardView::TaskCardView(const TaskPtr& task, std::shared_ptr<const CardServices> services, QWidget* parent)
    : QWidget(parent), m_taskId(task->id()), m_services(std::move(services)), m_badge(new BadgeView(this)),
      m_title(new ElidedLabel(this)), m_subtitle(new ElidedLabel(this)), m_progressLabel(new QLabel(this)),
      m_bar(new QProgressBar(this)), m_barRow(new QWidget(this)), m_close(new CardCloseButton(this)),
      m_open(makeActionButton(this)), m_reveal(makeActionButton(this)), m_retry(makeActionButton(this)),
      m_actionRow(new QWidget(this))
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);

    m_title->setFont(ProgressStyle::font(13, QFont::DemiBold));
    m_subtitle->setFont(ProgressStyle::font(11));
    m_progressLabel->setFont(ProgressStyle::font(11));
    m_progressLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Wide enough for "100%", so the bar keeps its length while the digits change.
    m_progressLabel->setMinimumWidth(m_progressLabel->fontMetrics().horizontalAdvance(QStringLiteral("100%")));
    m_progressLabel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    m_bar->setRange(0, kBarResolution);
    m_bar->setTextVisible(false);
    m_bar->setFixedHeight(kBarHeight);

    auto* textColumn = new QVBoxLayout;
    textColumn->setSpacing(2);
    textColumn->setContentsMargins(0, 0, 0, 0);
    textColumn->addWidget(m_title);
    textColumn->addWidget(m_subtitle);

    auto* topRow = new QHBoxLayout;
    topRow->setSpacing(10);
    topRow->addWidget(m_badge, 0, Qt::AlignTop);
    topRow->addLayout(textColumn, 1);
    topRow->addWidget(m_close, 0, Qt::AlignTop);

    auto* barLayout = new QHBoxLayout(m_barRow);
    barLayout->setContentsMargins(0, 0, 0, 0);
    barLayout->setSpacing(8);
    barLayout->addWidget(m_bar, 1, Qt::AlignVCenter);
    barLayout->addWidget(m_progressLabel, 0, Qt::AlignVCenter);

    auto* actionLayout = new QHBoxLayout(m_actionRow);
    actionLayout->setContentsMargins(0, 0, 0, 0);
    actionLayout->setSpacing(6);
    actionLayout->addStretch(1);
    actionLayout->addWidget(m_open);
    actionLayout->addWidget(m_reveal);
    actionLayout->addWidget(m_retry);

    auto* content = new QVBoxLayout(this);
    content->setContentsMargins(12, 10, 12, 10);
    content->setSpacing(8);
    content->addLayout(topRow);
    content->addWidget(m_barRow);
    content->addWidget(m_actionRow);

    connect(m_close, &QAbstractButton::clicked, this, &TaskCardView::cancelTapped);
    connect(m_open, &QPushButton::clicked, this, &TaskCardView::openTapped);
    connect(m_reveal, &QPushButton::clicked, this, &TaskCardView::revealTapped);
    connect(m_retry, &QPushButton::clicked, this, &TaskCardView::retryTapped);

    applyColours();
    m_smoother.settle(task->progress());
    showProgress(m_smoother.displayed());
    update(task);
}

void TaskCardView::update(const TaskPtr& task)
{
    const TaskSnapshot snapshot = TaskSnapshot::of(*task);
    m_content = CardContent::of(snapshot, m_services->clock->now());
    const CardContent& c = m_content;

    m_open->setText(c.openTitle);
    m_open->setAccessibleName(c.openTitle);
    m_reveal->setText(c.revealTitle);
    m_reveal->setAccessibleName(c.revealTitle);
    m_retry->setText(c.retryTitle);
    m_retry->setAccessibleName(c.retryTitle);

    m_title->setText(c.title);
    m_subtitle->setText(c.subtitle);
    setAccessibleName(c.title);
    setAccessibleDescription(c.subtitle);
    applyColours();
    m_badge->setSymbol(c.symbol, c.badgeTint);
    m_progressLabel->setText(c.progressText);
    setToolTip(c.toolTip);

    if (snapshot.status == ConversionTask::Status::running) {
        m_smoother.setTarget(snapshot.progress);
        if (m_smoother.isGliding() && !m_progressTimer) {
            m_progressTimer = new QTimer(this);
            m_progressTimer->setInterval(1000 / ProgressSmoother::kTicksPerSecond);
            connect(m_progressTimer, &QTimer::timeout, this, &TaskCardView::smoothingTick);
            m_progressTimer->start();
        }
    } else {
        stopSmoothing(snapshot.progress);
    }

    m_barRow->setVisible(c.showsBar);
    m_open->setVisible(c.showsOpen);
    m_reveal->setVisible(c.showsReveal);
    m_retry->setVisible(c.showsRetry);
    m_actionRow->setVisible(c.showsActions);
    m_close->setAccessibleName(c.closeName);
    m_close->setToolTip(c.closeName);
}

void TaskCardView::smoothingTick()
{
    const bool gliding = m_smoother.tick();
    showProgress(m_smoother.displayed());
    if (!gliding)
        stopSmoothing(m_smoother.target());
}

void TaskCardView::stopSmoothing(double at)
{
    delete m_progressTimer;
    m_progressTimer = nullptr;
    m_smoother.settle(at);
    showProgress(at);
}

void TaskCardView::showProgress(double value)
{
    m_bar->setValue(static_cast<int>(std::lround(std::clamp(value, 0.0, 1.0) * kBarResolution)));
    m_badge->ring()->setProgress(value);
}

void TaskCardView::applyColours()
{
    const QPalette pal = palette();
    QPalette secondary = m_subtitle->palette();
    secondary.setColor(QPalette::WindowText, ProgressStyle::withAlpha(ProgressStyle::tint(m_content.subtitleTint, pal),
                                                                      m_content.subtitleAlpha));
    m_subtitle->setPalette(secondary);
    QPalette progress = m_progressLabel->palette();
    progress.setColor(QPalette::WindowText, ProgressStyle::secondaryText(pal));
    m_progressLabel->setPalette(progress);
    const QString barStyle =
        QStringLiteral("QProgressBar{border:none;border-radius:%1px;background:%2;}"
                       "QProgressBar::chunk{border-radius:%1px;background:%3;}")
            .arg(kBarHeight / 2)
            .arg(css(ProgressStyle::withAlpha(pal.color(QPalette::WindowText), 0.1)), css(ProgressStyle::accent(pal)));
    if (m_bar->styleSheet() != barStyle)
        m_bar->setStyleSheet(barStyle);
}

TaskPtr TaskCardView::currentTask() const
{
    if (!m_services->manager)
        return nullptr;
    for (const TaskPtr& t : m_services->manager->tasks()) {
        if (t->id() == m_taskId)
            return t;
    }
    return nullptr;
}

void TaskCardView::cancelTapped()
{
    const TaskPtr task = currentTask();
    if (!task)
        return;
    if (task->isActive()) {
        task->cancel();
        if (m_services->taskCancelled)
            m_services->taskCancelled();
    } else {
        m_services->manager->dismiss(task);
    }
}

void TaskCardView::openTapped()
{
    const TaskPtr task = currentTask();
    if (!task)
        return;
    const QStringList outputs = task->outputs();
    if (!outputs.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(outputs.first()));
}

void TaskCardView::revealTapped()
{
    const TaskPtr task = currentTask();
    if (!task || !m_services->revealer)
        return;
    const QStringList outputs = task->outputs();
    if (!outputs.isEmpty())
        m_services->revealer->reveal(outputs);
}

void TaskCardView::retryTapped()
{
    const TaskPtr task = currentTask();
    if (!task || task->status() != ConversionTask::Status::failed)
        return;
    m_services->manager->dismiss(task);
    m_services->manager->enqueue(task->input(), task->op());
}

void TaskCardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ProgressStyle::cardBackground(palette()));
    painter.drawRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
}

void TaskCardView::enterEvent(QEnterEvent* event)
{
    m_close->fadeTo(1, kRevealMs);
    QWidget::enterEvent(event);
}

void TaskCardView::leaveEvent(QEvent* event)
{
    m_close->fadeTo(0, kHideMs);
    QWidget::leaveEvent(event);
}

void TaskCardView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        applyColours();
    QWidget::changeEvent(event);
}

} // namespace karvo
