// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DemoSprites.h"
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
// A step redraws only the parts of the stage that moved.
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
    QWidget* stage() const { return m_stage; }

    // The opacity of the whole card, drawn as one picture: the home screen dims the shortcut tips while
    // Quick Drag is not ready.
    void setContentOpacity(double opacity);
    double contentOpacity() const { return m_contentOpacity; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

    friend class ShortcutDemoStage;

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
    void applyTextColors();

    // How the moving parts look now, and where on the stage they draw.
    struct Look {
        QPointF cursor;
        double cursorShown = 0;
        QPointF fileCentre;
        double fileScale = 1;
        double fileOpacity = 1;
        double fileShadow = 0;
        double approach = 0;
        double pressed = 0;
        friend bool operator==(const Look&, const Look&) = default;
    };
    Look look() const;
    QRectF pointerArea(const Look& look) const;
    QRectF fileArea(const Look& look) const;
    QRectF keysArea() const;
    // The stage's card fill, which a dimmed stage draws into its own picture.
    QColor cardFill() const;

    // The parts of the stage in `area`, as they stand, at full opacity, in stage coordinates.
    void paintStage(QPainter& painter, const QRect& area);
    void paintKeys(QPainter& painter, double pressed) const;

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
    QLabel* m_title = nullptr;
    QLabel* m_subtitle = nullptr;
    MiniRadial* m_radial = nullptr;
    double m_contentOpacity = 1;
    Look m_painted;        // what the stage shows of the moving parts
    DemoSprites m_sprites; // the pointer and the file while they keep their look
};

} // namespace karvo
