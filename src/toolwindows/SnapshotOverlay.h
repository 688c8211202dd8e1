// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QVariantAnimation;

namespace karvo {

class PlayerView;

// What covers the snapshot tool's preview while the first file is analysed ("Analyzing video…" with a
// spinner) and when its frames cannot be read (a warning and two lines). It lies over the whole player,
// so the player's controls cannot be used meanwhile, and fades between states in 0.2 s.
class SnapshotOverlay : public QWidget {
    Q_OBJECT

public:
    enum class Mode { none, analysing, failed };

    explicit SnapshotOverlay(PlayerView* player);

    static constexpr int fadeMs = 200;

    Mode mode() const { return m_mode; }
    void setMode(Mode mode);
    // The lines on show for `mode`, already localized; empty for none.
    static QStringList texts(Mode mode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void paintMode(QPainter& painter, Mode mode, qreal opacity) const;
    void paintSpinner(QPainter& painter, const QPointF& centre) const;
    void updateSpinner();

    PlayerView* m_player;
    Mode m_mode = Mode::none;
    Mode m_previous = Mode::none;
    qreal m_progress = 1; // of the fade from the previous mode to this one
    qreal m_turn = 0;     // of the spinner, 0…1
    QVariantAnimation* m_fade;
    QVariantAnimation* m_spin;
};

} // namespace karvo
