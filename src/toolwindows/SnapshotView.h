// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DropPlan.h"
#include "ToolRules.h"
#include "ToolServices.h"
#include "ToolView.h"

#include <atomic>
#include <memory>
#include <optional>

class QLabel;
class QSlider;

namespace karvo {

class PlayerView;
class PreviewWorker;
class SnapshotOverlay;

// "Snapshot": one frame time for every file, saved as a PNG each. The first file is analysed for the time
// of its last decodable frame (off the main thread, once, from when the window is first shown); until
// then, or for good when that fails, the time cannot be chosen and nothing can be saved. The preview
// follows the time slider. Each file takes the chosen time clamped to its own duration.
class SnapshotView : public ToolView {
    Q_OBJECT

public:
    SnapshotView(const QList<ToolFile>& files, const ToolServices& services, QWidget* parent = nullptr);
    ~SnapshotView() override;

    static constexpr int previewHeight = 300;

    enum class Analysis { analysing, ready, failed };
    Analysis analysis() const;

    double time() const { return m_parameters.snapshotTime; }
    std::optional<double> lastFrameTime() const { return m_lastFrameTime; }
    bool probeFailed() const { return m_probeFailed; }
    // Where the time slider ends: the last frame's time once known, before that the first file's duration
    // (at least 1 s).
    double sliderEnd() const;

    PlayerView* player() const { return m_player; }
    SnapshotOverlay* overlay() const { return m_overlay; }
    QSlider* slider() const { return m_slider; }
    QLabel* timeLabel() const { return m_timeText; }
    QLabel* durationLabel() const { return m_durationText; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void analyse();
    void analysed(std::optional<double> lastFrameTime);
    void sliderMoved(int position);
    void setTime(double seconds);

    ToolParameters m_parameters;
    QString m_firstPath;
    double m_firstDuration; // D: the first file's, 0 when unknown
    std::optional<double> m_lastFrameTime;
    bool m_probeFailed = false;
    bool m_analysisStarted = false;

    PlayerView* m_player;
    SnapshotOverlay* m_overlay;
    QSlider* m_slider = nullptr;
    QLabel* m_timeText = nullptr;
    QLabel* m_durationText = nullptr;
    std::unique_ptr<PreviewWorker> m_worker;
    // Tells an analysis still running that nobody waits for it any more.
    std::shared_ptr<std::atomic<bool>> m_closed = std::make_shared<std::atomic<bool>>(false);
};

} // namespace karvo
