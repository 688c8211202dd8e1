// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProgressPanel.h"
#include "TaskCardView.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QUuid>
#include <memory>
#include <optional>

class QVariantAnimation;

namespace karvo {

class Clock;
class FileRevealer;
class TaskManager;

// Shows the task manager's list as a floating panel of task cards in the top-right corner: shown with
// the first task, growing and shrinking with its cards up to a height limit, faded away when the list
// empties. It owns the manager's change callback and reloads on every change and language change.
class ProgressHUDController : public QObject {
    Q_OBJECT

public:
    struct Options {
        std::shared_ptr<FileRevealer> revealer;
        std::shared_ptr<Clock> clock;
        // Whether to draw for a compositor; by default asked of the window system when the panel is made.
        std::optional<bool> translucent;
    };

    explicit ProgressHUDController(TaskManager& manager, Options options = {}, QObject* parent = nullptr);
    ~ProgressHUDController() override;

    // The program's instance over TaskManager::shared(), created on first use.
    static ProgressHUDController& shared();

    // Synchronises cards and panel with the task list.
    void reload();
    // Replaces how "Show in Folder" reveals files, for cards present and to come.
    void setRevealer(std::shared_ptr<FileRevealer> revealer);

    // The panel once a reload had tasks; none before.
    ProgressPanel* panel() const { return m_panel; }
    // The cards of the listed tasks, top to bottom (cards fading out after their task left are not among them).
    QList<TaskCardView*> cards() const;
    TaskCardView* card(const QUuid& taskId) const { return m_cardViews.value(taskId); }
    // Cards still fading out.
    int leavingCards() const { return m_leaving; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshChrome();
    void createPanel();
    void fitPanel(bool justCreated);
    void showPanel(int height);
    void hidePanel();
    void fadeIn(TaskCardView* card);
    void fadeOut(TaskCardView* card);
    void animateFrame(const QRect& target);
    std::optional<QRect> availableArea(bool ofPanelScreen) const;

    TaskManager& m_manager;
    Options m_options;
    std::shared_ptr<CardServices> m_services;
    QPointer<ProgressPanel> m_panel;
    QHash<QUuid, TaskCardView*> m_cardViews;
    int m_leaving = 0;
    QVariantAnimation* m_frameAnimation = nullptr;
    QVariantAnimation* m_windowFade = nullptr;
    bool m_languageReloadPending = false;
};

} // namespace karvo
