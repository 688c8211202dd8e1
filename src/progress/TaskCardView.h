// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConversionTask.h"
#include "ProgressSmoother.h"
#include "TaskCardContent.h"

#include <QUuid>
#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace karvo {

class BadgeView;
class CardCloseButton;
class Clock;
class ElidedLabel;
class FileRevealer;
class TaskManager;

// What the cards of one panel work with.
struct CardServices {
    TaskManager* manager = nullptr;
    std::shared_ptr<FileRevealer> revealer;
    std::shared_ptr<Clock> clock;
    // Called after a card cancelled a task: the manager announces a queued task's cancellation only
    // when its worker next finishes something.
    std::function<void()> taskCancelled;
};

// One row of the progress panel: one task's status badge, title and subtitle, its progress while it
// runs, and the buttons that fit its state.
class TaskCardView : public QWidget {
    Q_OBJECT

public:
    TaskCardView(const TaskPtr& task, std::shared_ptr<const CardServices> services, QWidget* parent = nullptr);

    const QUuid& taskId() const { return m_taskId; }
    using QWidget::update;
    // Refreshes texts, badge, buttons and progress from the task's current state.
    void update(const TaskPtr& task);

    // What the card shows, for the panel and for tests.
    const CardContent& content() const { return m_content; }
    double displayedProgress() const { return m_smoother.displayed(); }
    bool isSmoothing() const { return m_progressTimer != nullptr; }
    BadgeView* badge() const { return m_badge; }
    ElidedLabel* titleLabel() const { return m_title; }
    ElidedLabel* subtitleLabel() const { return m_subtitle; }
    QLabel* progressLabel() const { return m_progressLabel; }
    QProgressBar* bar() const { return m_bar; }
    QWidget* barRow() const { return m_barRow; }
    QWidget* actionRow() const { return m_actionRow; }
    CardCloseButton* closeButton() const { return m_close; }
    QPushButton* openButton() const { return m_open; }
    QPushButton* revealButton() const { return m_reveal; }
    QPushButton* retryButton() const { return m_retry; }

    // One step of the progress smoothing (the timer's tick).
    void smoothingTick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    TaskPtr currentTask() const;
    void cancelTapped();
    void openTapped();
    void revealTapped();
    void retryTapped();
    void stopSmoothing(double at);
    void showProgress(double value);
    void applyColours();

    const QUuid m_taskId;
    const std::shared_ptr<const CardServices> m_services;
    CardContent m_content;
    ProgressSmoother m_smoother;
    QTimer* m_progressTimer = nullptr;

    BadgeView* m_badge;
    ElidedLabel* m_title;
    ElidedLabel* m_subtitle;
    QLabel* m_progressLabel;
    QProgressBar* m_bar;
    QWidget* m_barRow;
    CardCloseButton* m_close;
    QPushButton* m_open;
    QPushButton* m_reveal;
    QPushButton* m_retry;
    QWidget* m_actionRow;
};

} // namespace karvo
