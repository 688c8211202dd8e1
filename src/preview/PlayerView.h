// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LiveSeek.h"
#include "StillFrame.h"

#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QAudioOutput;
class QMediaPlayer;
class QPainter;
class QTimer;
class QVideoSink;

namespace karvo {

class PlayerControls;
class PreviewWorker;
struct PreviewSource;

// The video preview of the tool windows. A QMediaPlayer decodes (on its own threads) into a QVideoSink;
// this widget paints the newest frame upright (the file's display rotation applied), fitted into the view
// on black and clipped to a rounded rectangle of radius 8, with a small control bar of its own. Tools draw
// their overlays (crop rectangle, snapshot states) over the picture through setOverlayPainter, or place
// child widgets over frameRect(). While loading the view says "Loading preview…"; a file the player cannot
// show gets a message instead of a black picture. Playback never starts by itself, and nothing runs while
// nothing plays.
//
// Times are seconds from the start of the file, as ffmpeg counts them. Use seek(), play() and the signals
// below rather than the player's own position: for a file whose clock does not start at 0 (MPEG-TS) or
// whose streams carry no duration (WebM, Matroska), Qt 6.4's FFmpeg player can neither seek exactly nor
// report the position in those terms, and the view then shows the exact frame with ffmpeg instead.
class PlayerView : public QWidget {
    Q_OBJECT
public:
    enum class State { empty, loading, ready, failed };
    // Paints over the picture; `frameRect` is where the picture is drawn, in widget coordinates. Runs
    // inside the rounded clip, only while a picture is shown.
    using OverlayPainter = std::function<void(QPainter& painter, const QRectF& frameRect)>;

    // Makes and owns its player (with sound where the machine has an audio output).
    explicit PlayerView(QWidget* parent = nullptr);
    // Shows `player`'s picture; the player is not owned and must outlive the view.
    explicit PlayerView(QMediaPlayer* player, QWidget* parent = nullptr);
    ~PlayerView() override;

    // Opens `path` paused at its first frame. An empty path shows nothing.
    void setSource(const QString& path);
    QString source() const { return m_path; }
    QMediaPlayer* player() const { return m_player; }

    State state() const { return m_state; }
    // The loading or error text on show ("Loading preview…", or the error title and its reason on two
    // lines); empty otherwise.
    QString overlayText() const;

    // The zero-tolerance seek: the picture becomes the first frame at or after `seconds`.
    void seek(double seconds);
    // The seek made while a slider is dragged: a precise seek at most every 0.1 s, requests in between
    // dropped. Follow it with seek() when the slider is let go.
    void liveSeek(double seconds);
    void play();
    void pause();
    bool isPlaying() const;
    double position() const { return m_position; }
    double duration() const;

    // The picture on show, upright, at most the view's size in device pixels; null before the first frame.
    QImage currentFrame() const { return m_frame; }
    // The time of that picture.
    double frameTime() const { return m_frameTime; }
    // Where the picture is (or will be) drawn, in widget coordinates.
    QRectF frameRect() const;
    // Clockwise degrees the stored picture is turned by to be upright.
    int rotation() const;
    // Whether exact seeks go through ffmpeg stills for this file (see the class comment).
    bool seeksWithStills() const;

    void setOverlayPainter(OverlayPainter painter);
    // The built-in control bar; the crop tool hides it and uses its own transport.
    void setControlsVisible(bool visible);
    PlayerControls* controls() const { return m_controls; }

    // Test seam: the clock of the live-seek throttle.
    void setLiveSeekClock(LiveSeek::Clock clock) { m_liveSeek = LiveSeek(std::move(clock)); }

signals:
    void stateChanged(karvo::PlayerView::State state);
    // Emitted once per source, from the paint that first shows a picture.
    void firstFramePainted();
    void frameChanged();
    // The periodic position while playing, and the target of every seek.
    void positionChanged(double seconds);
    void durationChanged(double seconds);
    void playingChanged(bool playing);
    // Playback reached the end of the file.
    void playbackEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct FrameGate;

    void setUp();
    void setState(State state);
    void fail(const QString& reason);
    void sourceProbed(const std::optional<PreviewSource>& source);
    void startIfReady();
    void rearm();
    void rearmIfPending();
    double playerPosition() const;
    void showFrame(const QImage& image, double time);
    void seekTo(double seconds, bool live);
    void requestStill(double seconds, StillFrame::Precision precision = StillFrame::Precision::exact);
    void updateBox();
    void layoutControls();
    void paintMessage(QPainter& painter) const;
    QString errorTitle() const;

    QMediaPlayer* m_player = nullptr;
    bool m_ownsPlayer = false;
    QAudioOutput* m_audio = nullptr;
    QVideoSink* m_sink = nullptr;
    PlayerControls* m_controls = nullptr;
    QTimer* m_watchdog = nullptr;
    std::shared_ptr<PreviewWorker> m_worker;
    std::shared_ptr<FrameGate> m_gate;
    LiveSeek m_liveSeek;
    OverlayPainter m_overlay;

    QString m_path;
    quint64 m_generation = 0;
    State m_state = State::empty;
    QString m_reason;
    std::unique_ptr<PreviewSource> m_info; // the probe's answer; none until it is in, or when it failed
    bool m_probed = false;
    bool m_loaded = false;
    bool m_started = false;
    bool m_stillShown = false; // the picture is an ffmpeg still; the player's frames wait until it plays
    bool m_switching = false;  // the player's source is being replaced: its status reports are stale
    bool m_rearmPending = false;
    bool m_wasPlaying = false;
    bool m_firstPaintReported = false;
    bool m_controlsWanted = true;
    std::optional<double> m_pendingSeek;
    double m_position = 0;
    QImage m_frame;
    double m_frameTime = 0;
    QImage m_layer;
    QImage m_mask;
};

} // namespace karvo
