// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>
#include <functional>

class QGraphicsOpacityEffect;
class QLabel;
class QPushButton;
class QVariantAnimation;

namespace karvo {

class ActionPicker;
class DropZone;
class HoverRowButton;
class QuickDragControls;
class QuickDragController;
class ShortcutDemoCard;

// The home screen: the header with the tool status, the Quick Drag card, the shortcut tips with their
// two demo cards, the drop area (the drop zone, or the action picker while files are pending) and the
// footer. Only arranges; the window owns the behaviour.
class HomeView : public QWidget {
    Q_OBJECT

public:
    explicit HomeView(QuickDragController& quickDrag, QWidget* parent = nullptr);

    DropZone* dropZone() const { return m_dropZone; }
    ActionPicker* picker() const { return m_picker; }
    QuickDragControls* quickDragControls() const { return m_quickDragControls; }
    HoverRowButton* shortcutTipsButton() const { return m_tipsButton; }
    const QList<ShortcutDemoCard*>& demoCards() const { return m_cards; }

    void showPicker(bool picker);
    bool isShowingPicker() const;
    // Green "Ready" when ffmpeg and ffprobe were found, orange "Images only" otherwise.
    void setToolsFound(bool found);
    bool shortcutsHidden() const { return m_shortcutsHidden; }
    // The shortcut tips button: hides or shows the demo cards and remembers the choice.
    void toggleShortcuts();
    // "Replay demo" on the Quick Drag card.
    void setOnReplayDemo(std::function<void()> replay) { m_onReplayDemo = std::move(replay); }
    QPushButton* replayDemoButton() const { return m_replayDemo; }
    // 1 while Quick Drag is ready, dimmed otherwise.
    qreal shortcutSectionOpacity() const { return m_sectionOpacity; }

private:
    QWidget* buildHeader();
    QWidget* buildQuickDragCard();
    QWidget* buildShortcutSection();
    void applyShortcutsHidden();
    void followQuickDrag(bool animated);
    void setShortcutSectionOpacity(qreal opacity);

    QuickDragController& m_quickDrag;
    DropZone* m_dropZone = nullptr;
    ActionPicker* m_picker = nullptr;
    QWidget* m_statusDot = nullptr;
    QLabel* m_statusText = nullptr;
    QWidget* m_status = nullptr;
    QuickDragControls* m_quickDragControls = nullptr;
    HoverRowButton* m_tipsButton = nullptr;
    QWidget* m_chevron = nullptr;
    QWidget* m_cardRow = nullptr;
    QList<ShortcutDemoCard*> m_cards;
    QGraphicsOpacityEffect* m_tipsOpacity = nullptr;
    qreal m_sectionOpacity = 1;
    QVariantAnimation* m_sectionFade = nullptr;
    bool m_shortcutsHidden = false;
    QPushButton* m_replayDemo = nullptr;
    std::function<void()> m_onReplayDemo;
};

} // namespace karvo
