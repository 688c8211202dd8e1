// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ShortcutDemoTimeline.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QStringList>
#include <QWidget>
#include <array>

class QLabel;
class QPainter;
class QTimer;
class QVariantAnimation;

namespace karvo {

class MiniRadial;

// A home-screen card that acts out a Quick Drag shortcut on a small stage: the keys are held, a file is
// grabbed, the ring opens and the file is dropped on a wedge, over and over. The loop runs only while the
// card is shown (a hidden or minimised card keeps no timer or animation running); a click restarts it.
class ShortcutDemoCard : public QWidget {
    Q_OBJECT
public:
    // `accent` invalid: the palette's highlight, following palette changes.
    ShortcutDemoCard(const QStringList& keys, const QString& title, const QString& subtitle, const QStringList& items,
                     const QColor& accent, QWidget* parent = nullptr);
    ~ShortcutDemoCard() override;

    bool isAnimating() const { return m_running; }
    // The step of the loop being shown, 1 to 10; 0 while the loop does not run.
    int currentStep() const { return m_running ? m_step + 1 : 0; }
    // Starts the loop over from its first step, as a click on the card does.
    void replay();
    // Ends the current step's wait at once, so tests and diagnostics need not wait for the clock.
    void skipWait();

    QColor accent() const;
    QPointF cursorPosition() const { return m_channels[index(DemoProperty::cursorPos)].point; }
    double value(DemoProperty property) const { return m_channels[index(property)].value; }
    MiniRadial* radial() const { return m_radial; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // One animated property: where it is, where it goes and which step's animation moves it.
    struct Channel {
        double value = 0;
        double from = 0;
        double target = 0;
        QPointF point;
        QPointF pointFrom;
        QPointF pointTarget;
        DemoTransition transition;
        QVariantAnimation* owner = nullptr;
    };
    static constexpr size_t channelCount = 9;
    static size_t index(DemoProperty property) { return static_cast<size_t>(property); }

    void startLoop();
    void stopLoop();
    void runStep(int step);
    void advance(QVariantAnimation* animation, double seconds);
    void animationEnded(QVariantAnimation* animation);
    void refresh();
    // Where the scene starts on the stage: it is centred when the card is wider than it needs.
    double sceneLeft() const;
    void applySecondaryColor();

    void paintStage(QPainter& painter) const;
    void paintDragLayer(QPainter& painter) const;

    QStringList m_keys;
    QColor m_accent;
    QList<DemoStep> m_steps;
    std::array<Channel, channelCount> m_channels{};
    QList<QVariantAnimation*> m_animations;
    QTimer* m_wait;
    double m_sceneWidth = 0;
    int m_step = 0;
    bool m_running = false;
    bool m_pressInside = false;

    QWidget* m_stage = nullptr;
    QWidget* m_dragLayer = nullptr;
    QLabel* m_subtitle = nullptr;
    MiniRadial* m_radial = nullptr;
};

} // namespace karvo
